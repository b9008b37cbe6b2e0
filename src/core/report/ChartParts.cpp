#include "core/report/ChartParts.h"

#include <QSet>
#include <QXmlStreamReader>
#include <QXmlStreamWriter>

namespace vora::report::page {

namespace {

void writeNode(QXmlStreamWriter &xml, const Node &node)
{
    xml.writeStartElement(node.name);
    xml.writeAttributes(node.attributes);
    for (const Item &item : node.content) {
        if (item.node.empty())
            xml.writeCharacters(item.text);
        else
            writeNode(xml, item.node.front());
    }
    xml.writeEndElement();
}

Node readNode(QXmlStreamReader &reader)
{
    Node node;
    node.name = reader.name().toString();
    node.attributes = reader.attributes();
    while (!reader.atEnd()) {
        reader.readNext();
        if (reader.isStartElement())
            node.content.push_back({QString(), {readNode(reader)}});
        else if (reader.isCharacters())
            node.content.push_back({reader.text().toString(), {}});
        else if (reader.isEndElement())
            break;
    }
    return node;
}

QString keyOf(const std::vector<Node> &nodes)
{
    QString key;
    QXmlStreamWriter xml(&key);
    for (const Node &n : nodes)
        writeNode(xml, n);
    return key;
}

} // namespace

int ChartParts::add(const QString &svg)
{
    QXmlStreamReader reader(svg);
    while (!reader.atEnd() && !reader.isStartElement())
        reader.readNext();
    Chart chart;
    if (reader.isStartElement())
        chart.root = readNode(reader);
    for (const Item &item : chart.root.content) {
        if (!item.node.empty())
            chart.elements.push_back(item.node.front());
    }
    chart.root.content.clear();
    m_charts.push_back(std::move(chart));
    return int(m_charts.size()) - 1;
}

void ChartParts::share()
{
    QHash<QString, int> seen; // element -> number of charts holding it
    for (Chart &c : m_charts) {
        QSet<QString> mine;
        for (const Node &e : c.elements) {
            c.keys << keyOf({e});
            mine.insert(c.keys.last());
        }
        for (const QString &k : std::as_const(mine))
            ++seen[k];
    }
    QHash<QString, int> runCount;
    for (Chart &c : m_charts) {
        for (qsizetype i = 0; i < qsizetype(c.elements.size()); ++i) {
            const bool shared = seen.value(c.keys.at(i)) > 1;
            if (shared && !c.runs.isEmpty() && c.runs.last().shared) {
                c.runs.last().end = i + 1;
                c.runs.last().key += c.keys.at(i);
            } else {
                c.runs.append({shared, i, i + 1, c.keys.at(i)});
            }
        }
        for (const Run &r : std::as_const(c.runs))
            if (r.shared)
                ++runCount[r.key];
    }
    for (Chart &c : m_charts) {
        for (Run &r : c.runs) {
            if (!r.shared || runCount.value(r.key) < 2) {
                r.shared = false;
                continue;
            }
            if (!m_ids.contains(r.key)) {
                m_ids.insert(r.key, QStringLiteral("d%1").arg(m_ids.size()));
                m_defs.append(
                    {m_ids.value(r.key), std::vector<Node>(c.elements.begin() + r.begin, c.elements.begin() + r.end)});
            }
        }
    }
}

void ChartParts::writeDefs(HtmlWriter &out) const
{
    if (m_defs.isEmpty())
        return;
    QXmlStreamWriter &xml = out.xml();
    out.start("svg", {{"class", QStringLiteral("defs")},
                      {"width", QStringLiteral("0")},
                      {"height", QStringLiteral("0")},
                      {"aria-hidden", QStringLiteral("true")}});
    xml.writeStartElement(QStringLiteral("defs"));
    for (const auto &[id, nodes] : m_defs) {
        xml.writeStartElement(QStringLiteral("g"));
        xml.writeAttribute(QStringLiteral("id"), id);
        for (const Node &n : nodes)
            writeNode(xml, n);
        xml.writeEndElement();
    }
    xml.writeEndElement();
    out.end();
}

void ChartParts::writeChart(HtmlWriter &out, int index) const
{
    const Chart &c = m_charts.at(index);
    QXmlStreamWriter &xml = out.xml();
    xml.writeStartElement(c.root.name);
    xml.writeAttributes(c.root.attributes);
    for (const Run &r : c.runs) {
        if (r.shared) {
            xml.writeEmptyElement(QStringLiteral("use"));
            xml.writeAttribute(QStringLiteral("href"), QLatin1Char('#') + m_ids.value(r.key));
            continue;
        }
        for (qsizetype i = r.begin; i < r.end; ++i)
            writeNode(xml, c.elements.at(i));
    }
    xml.writeEndElement();
}

} // namespace vora::report::page
