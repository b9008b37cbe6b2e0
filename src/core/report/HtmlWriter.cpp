#include "core/report/HtmlWriter.h"

#include "core/toolkit/Cp932.h"

namespace vora::report {

namespace {

void writeAttributes(QXmlStreamWriter &xml, Attributes attributes)
{
    for (const auto &[name, value] : attributes)
        xml.writeAttribute(QLatin1String(name), xmlSafe(value));
}

} // namespace

QString xmlSafe(const QString &text)
{
    QString out;
    out.reserve(text.size());
    for (const QChar c : text) {
        const char16_t u = c.unicode();
        if ((u < 0x20 && u != '\n' && u != '\t') || u == 0x7F || u == 0xFFFE || u == 0xFFFF)
            continue;
        out += c;
    }
    return out;
}

HtmlWriter::HtmlWriter(QByteArray *out) : m_xml(out)
{
    m_xml.setAutoFormatting(false);
}

void HtmlWriter::start(const char *tag, Attributes attributes)
{
    m_xml.writeStartElement(QLatin1String(tag));
    writeAttributes(m_xml, attributes);
}

void HtmlWriter::end()
{
    // Closes the start tag, so that the element gets an end tag of its own.
    m_xml.writeCharacters(QString());
    m_xml.writeEndElement();
}

void HtmlWriter::text(const QString &text)
{
    m_xml.writeCharacters(xmlSafe(text));
}

void HtmlWriter::textWithBreaks(const QString &text)
{
    QString t = text;
    t.replace(CRLF, QStringLiteral("\n"));
    t.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    const QStringList lines = t.split(QLatin1Char('\n'));
    for (qsizetype i = 0; i < lines.size(); ++i) {
        if (i > 0)
            empty("br");
        this->text(lines.at(i));
    }
}

void HtmlWriter::leaf(const char *tag, const QString &text, Attributes attributes)
{
    start(tag, attributes);
    this->text(text);
    end();
}

void HtmlWriter::empty(const char *tag, Attributes attributes)
{
    m_xml.writeEmptyElement(QLatin1String(tag));
    writeAttributes(m_xml, attributes);
}

void HtmlWriter::svgEmpty(const char *tag, Attributes attributes)
{
    empty(tag, attributes);
}

} // namespace vora::report
