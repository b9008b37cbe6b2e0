#include "core/report/ReportHtml.h"

#include "core/registry/DataFile.h"
#include "core/registry/RunRecord.h"
#include "core/report/HtmlWriter.h"
#include "core/report/LogP.h"
#include "core/report/Meta.h"
#include "core/report/StudySvg.h"
#include "core/report/Svg.h"
#include "core/results/ChartModel.h"
#include "core/results/Evaluation.h"
#include "core/results/Summary.h"
#include "core/toolkit/Language.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QHash>
#include <QMap>
#include <QSet>
#include <QXmlStreamReader>

#include <cmath>
#include <vector>

namespace vora::report {

namespace {

// The charts of the page at three quarters of their size in the window: three narrow ones
// or two wide ones fit across an A4 page.
constexpr double kChartScale = 0.74;

const char *const kStyle = R"css(
@page { size: A4; margin: 10mm; }
* { box-sizing: border-box; }
body { font-family: "IPAGothic", "IPAPGothic", "Noto Sans CJK JP", "Hiragino Sans", "Yu Gothic", "Meiryo", sans-serif;
  font-size: 9pt; line-height: 1.45; color: #111; background: #fff; margin: 0 auto; max-width: 190mm; }
@media screen { body { margin: 6mm auto; } }
h1 { font-size: 15pt; margin: 0 0 1mm; color: #000080; }
h2 { font-size: 12pt; margin: 5mm 0 2mm; padding: 0.8mm 2mm; background: #e0e8ff; color: #000080; }
h3 { font-size: 10pt; margin: 3mm 0 1mm; }
p { margin: 0.8mm 0; }
table { border-collapse: collapse; width: 100%; margin: 1mm 0 2mm; }
th, td { border: 0.2mm solid #a0a0a0; padding: 0.6mm 1.5mm; vertical-align: top; text-align: left; }
th { background: #f0f0f0; font-weight: bold; }
td.num { text-align: right; white-space: nowrap; font-variant-numeric: tabular-nums; }
.meta { color: #444; }
.texts { border: 0.2mm solid #c0c0c0; padding: 1mm 2mm; margin: 1mm 0 2mm; background: #fafafa; }
.charts { display: flex; flex-wrap: wrap; gap: 2mm; }
figure { margin: 0; break-inside: avoid; }
figcaption { font-size: 8pt; font-weight: bold; color: #000080; background: #e0e8ff; padding: 0.3mm 1.5mm; }
svg { display: block; }
svg.defs { position: absolute; }
svg text { white-space: pre; font-family: inherit; }
.warn { color: #a00000; font-weight: bold; }
.ok { color: #205020; }
.experiment { break-before: page; }
.memo { white-space: normal; }
.forest { margin: 1mm 0 3mm; }
)css";

// The texts of this file, under the translation context "ReportHtml".
struct Texts {
    Q_DECLARE_TR_FUNCTIONS(ReportHtml)
};

QString percent(double share, int decimals = 2)
{
    return QString::number(100.0 * share, 'f', decimals) + QStringLiteral(" %");
}

// A p too small for a double reads "< 1e-300", never 0 ("impossible"). HTML.
QString formatP(double p)
{
    if (p < stats::kSmallestShownP)
        return QStringLiteral("< 1e-300");
    if (p < 1e-4)
        return QString::number(p, 'e', 2);
    return QString::number(p, 'f', 4);
}

QString formatZ(const std::optional<double> &z)
{
    return z ? QString::number(*z, 'f', 3) : QStringLiteral("—");
}

QString interval(const stats::Interval &i, bool asPercent)
{
    if (asPercent)
        return QStringLiteral("%1 – %2").arg(percent(i.lo), percent(i.hi));
    return QStringLiteral("%1 – %2").arg(QString::number(i.lo, 'f', 4), QString::number(i.hi, 'f', 4));
}

struct Row {
    QString label;
    QString value;
    QString reading;
    bool warn = false;
};

QString ciReading(const stats::Interval &ci)
{
    if (ci.lo <= 0.5 && 0.5 <= ci.hi)
        return Texts::tr("真の的中率は 95 % の確かさでこの範囲にあります。50 % を含むので、偶然と区別できません。");
    return ci.lo > 0.5
               ? Texts::tr("真の的中率は 95 % の確かさでこの範囲にあり、50 % より上です。")
               : Texts::tr("真の的中率は 95 % の確かさでこの範囲にあり、50 % より下です（サイミッシングの方向）。");
}

QString hdiReading(const stats::Interval &i)
{
    const bool chance = i.lo <= 0.5 && 0.5 <= i.hi;
    return chance ? Texts::tr("データを見た後、的中率は 90 % の確率でこの範囲にあります。50 % も範囲内です。")
                  : Texts::tr("データを見た後、的中率は 90 % の確率でこの範囲にあります。50 % は範囲外です。");
}

// `ok` and `bad` are source texts of this file's context.
QString auditReading(double p, const char *ok, const char *bad)
{
    return Texts::tr(p < kAuditLevel ? bad : ok);
}

QVector<Row> pooledRows(const PooledFigures &f, Lang lang)
{
    QVector<Row> rows;
    const Tally &t = f.tally;
    const bool any = t.trials > 0;
    rows.append({Texts::tr("実験（ファイル）数"), QString::number(f.files),
                 Texts::tr("まとめて評価したデータファイルの数です。")});
    rows.append({Texts::tr("ラン数"), QString::number(f.runs), Texts::tr("1 ランは 100 試行です。")});
    rows.append({Texts::tr("試行数"), QString::number(t.trials), Texts::tr("全ランの試行の合計です。")});
    rows.append({Texts::tr("一致数"), QString::number(t.hits),
                 Texts::tr("偶然なら試行数の半分（%1）が期待値です。").arg(shortNumber(t.trials / 2.0, 1))});
    rows.append(
        {Texts::tr("的中率"), any ? percent(t.hitRate()) : QStringLiteral("—"), Texts::tr("偶然なら 50 % です。")});
    rows.append(
        {QStringLiteral("z"), formatZ(t.z()),
         Texts::tr("期待値からのずれを標準偏差（√試行数 / 2）で割った値。±2.58 を超えると 1 % 水準で有意です。")});
    // Without trials a figure is "—" and says nothing: no p, no evidence either way.
    const QString none = QStringLiteral("—");
    rows.append({Texts::tr("p（二項検定、両側）"), any ? formatP(t.p()) : none,
                 any ? pReading(t.p(), t.z(), lang) : QString(), any && t.p() < kAuditLevel});
    rows.append({Texts::tr("95 % 信頼区間（Clopper–Pearson）"), any ? interval(f.ci95, true) : QStringLiteral("—"),
                 any ? ciReading(f.ci95) : QString()});
    rows.append({Texts::tr("Stouffer の Z"), formatZ(f.stoufferZ),
                 Texts::tr("実験ごとの z を同じ重みで合わせた値（Σz / √実験数）です。")});
    rows.append({Texts::tr("Stouffer の p（両側）"), f.stoufferZ ? formatP(f.stoufferP) : QStringLiteral("—"),
                 f.stoufferZ ? pReading(f.stoufferP, f.stoufferZ, lang) : QString(),
                 f.stoufferZ && f.stoufferP < kAuditLevel});
    rows.append({Texts::tr("log10 BF10（一様事前分布 Beta(1, 1)）"),
                 any ? QString::number(f.log10BfUniform, 'f', 2) : none,
                 any ? bayesReading(f.log10BfUniform, lang) : QString()});
    rows.append({Texts::tr("log10 BF10（再現事前分布 Beta(829, 733)）"),
                 any ? QString::number(f.log10BfReplication, 'f', 2) : none,
                 any ? bayesReading(f.log10BfReplication, lang)
                           + Texts::tr("（過去の肯定的研究の 53 % 付近を予想する仮説との比較）")
                     : QString()});
    rows.append({Texts::tr("事後分布の最頻値"), f.posteriorMode ? percent(*f.posteriorMode) : QStringLiteral("—"),
                 Texts::tr("一様事前分布のもとで最も確からしい的中率です。")});
    rows.append({Texts::tr("90 % 最高密度区間"), f.hdi90 ? interval(*f.hdi90, true) : QStringLiteral("—"),
                 f.hdi90 ? hdiReading(*f.hdi90) : QString()});

    const double targetBiasP = binomialTwoTailedP(f.targetOnes, t.trials);
    rows.append({Texts::tr("ターゲットの「1」の割合"),
                 f.targetOnesShare() ? percent(*f.targetOnesShare()) : QStringLiteral("—"),
                 any ? auditReading(targetBiasP, QT_TRANSLATE_NOOP("ReportHtml", "50 % からのずれは偶然の範囲内です。"),
                                    QT_TRANSLATE_NOOP("ReportHtml", "50 % から有意にずれています。"))
                     : QString(),
                 any && targetBiasP < kAuditLevel});
    rows.append({Texts::tr("回答の「1」の割合"),
                 f.inputOnesShare() ? percent(*f.inputOnesShare()) : QStringLiteral("—"),
                 any ? auditReading(f.inputBiasP(), QT_TRANSLATE_NOOP("ReportHtml", "回答に目立った偏りはありません。"),
                                    QT_TRANSLATE_NOOP("ReportHtml", "回答が一方の数字に偏っています（回答の偏り）。"))
                     : QString(),
                 any && f.inputBiasP() < kAuditLevel});
    rows.append(
        {Texts::tr("直前が当たりのときの的中率"),
         f.afterHit.trials > 0 ? percent(f.afterHit.hitRate()) : QStringLiteral("—"),
         Texts::tr("各ランの試行 2～100 のうち、直前の試行が当たりだったもの（%1 試行）。").arg(f.afterHit.trials)});
    rows.append({Texts::tr("直前が外れのときの的中率"),
                 f.afterMiss.trials > 0 ? percent(f.afterMiss.hitRate()) : QStringLiteral("—"),
                 Texts::tr("同じく直前が外れだったもの（%1 試行）。").arg(f.afterMiss.trials)});
    rows.append(
        {Texts::tr("依存性の p（Fisher の正確検定、両側）"), any ? formatP(f.dependencyP) : none,
         any ? auditReading(
             f.dependencyP, QT_TRANSLATE_NOOP("ReportHtml", "直前の当たり外れによる的中率の違いは偶然の範囲内です。"),
             QT_TRANSLATE_NOOP("ReportHtml", "直前の結果で的中率が変わっています（試行間の依存の疑い）。"))
             : QString(),
         any && f.dependencyP < kAuditLevel});
    rows.append({Texts::tr("ターゲットのビット数"), QString::number(f.targets.n),
                 Texts::tr("保存されたターゲットを、ファイルの順に一続きの列として検定します。")});
    rows.append({Texts::tr("ターゲットの「1」の割合（NIST）"),
                 f.targets.n > 0 ? percent(double(f.targets.ones) / double(f.targets.n)) : QStringLiteral("—"),
                 Texts::tr("乱数なら 50 % 前後です。")});
    const bool bits = f.targets.n > 0;
    rows.append(
        {Texts::tr("NIST 頻度（モノビット）検定の p"), bits ? formatP(f.monobitP) : none,
         bits ? auditReading(
             f.monobitP, QT_TRANSLATE_NOOP("ReportHtml", "0 と 1 の数の釣り合いに問題はありません。"),
             QT_TRANSLATE_NOOP("ReportHtml", "0 と 1 の数が偏っています。ターゲットの乱数発生器を疑ってください。"))
              : QString(),
         bits && f.monobitP < kAuditLevel});
    const bool prerequisiteFails = f.runsPrerequisiteFails();
    rows.append(
        {Texts::tr("NIST 連（ラン）検定の p"),
         !bits               ? none
         : prerequisiteFails ? QStringLiteral("0")
                             : formatP(f.runsP),
         !bits ? QString()
         : prerequisiteFails
             ? Texts::tr("頻度検定の前提（|π − ½| < 2/√n）を満たさないため 0 とします。")
             : auditReading(f.runsP, QT_TRANSLATE_NOOP("ReportHtml", "0 と 1 の入れ替わり方は乱数として自然です。"),
                            QT_TRANSLATE_NOOP("ReportHtml", "0 と 1 の入れ替わり方が乱数として不自然です。")),
         bits && f.runsP < kAuditLevel});
    return rows;
}

void figuresTable(HtmlWriter &out, const QVector<Row> &rows)
{
    out.start("table", {{"class", QStringLiteral("figures")}});
    out.start("tr");
    out.leaf("th", Texts::tr("項目"));
    out.leaf("th", Texts::tr("値"));
    out.leaf("th", Texts::tr("読み方"));
    out.end();
    for (const Row &r : rows) {
        out.start("tr");
        out.leaf("td", r.label);
        out.leaf("td", r.value, {{"class", QStringLiteral("num")}});
        if (r.warn)
            out.leaf("td", r.reading, {{"class", QStringLiteral("warn")}});
        else
            out.leaf("td", r.reading);
        out.end();
    }
    out.end();
}

// ---- The experiments' own charts --------------------------------------------------------
// They come from Svg.cpp as SVG text. Read back with an XML reader, their grids, frames and
// axis labels repeat from experiment to experiment: every run of elements met in two charts
// or more is written once, in a hidden <defs> at the top, and drawn where it belongs with
// <use href="#dN">, a reference within the page.

struct Node;
struct Item {
    QString text; // character data, when `node` is empty
    std::vector<Node> node; // or one element
};
struct Node {
    QString name;
    QXmlStreamAttributes attributes;
    std::vector<Item> content;
};

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

class ChartParts {
public:
    // Takes a chart; returns its number.
    int add(const QString &svg)
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

    // Finds the runs worth a definition; call once every chart is added.
    void share()
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
            for (qsizetype i = 0; i < c.elements.size(); ++i) {
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
                    m_defs.append({m_ids.value(r.key),
                                   std::vector<Node>(c.elements.begin() + r.begin, c.elements.begin() + r.end)});
                }
            }
        }
    }

    void writeDefs(HtmlWriter &out) const
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

    void writeChart(HtmlWriter &out, int index) const
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

private:
    struct Run {
        bool shared = false;
        qsizetype begin = 0;
        qsizetype end = 0;
        QString key;
    };
    struct Chart {
        Node root;
        std::vector<Node> elements;
        QStringList keys;
        QVector<Run> runs;
    };
    std::vector<Chart> m_charts;
    QHash<QString, QString> m_ids;
    QVector<QPair<QString, std::vector<Node>>> m_defs;
};

QString modelTitle(const ChartModel &m)
{
    QString t = m.titleCaption.trimmed();
    t.remove(QChar(0x3000));
    return t.trimmed();
}

// An experiment's page, its charts made ahead so that their shared parts are known first.
struct ExperimentPage {
    const Experiment *experiment = nullptr;
    const LoadedRun *shown = nullptr;
    QVector<QPair<QString, int>> figures; // caption, chart
};

ExperimentPage prepareExperiment(const Experiment &e, const ReportOptions &o, ChartParts &charts)
{
    const Lang lang = o.lang;
    const RunSet &runs = e.runs;
    ExperimentPage page;
    page.experiment = &e;
    if (!runs.hasRuns())
        return page;
    const LoadedRun &shown =
        (o.shownRun > 0 && o.shownRun <= runs.runs.size()) ? runs.runs.at(o.shownRun - 1) : runs.runs.last();
    page.shown = &shown;
    // The five charts of the results view from their own models, then the report's two.
    const ChartModel segment = segmentChart(shown.segmentHits, true);
    page.figures.append({modelTitle(segment) + Texts::tr("（ラン %1）").arg(shown.number),
                         charts.add(chartSvg(segment, QStringLiteral("segment"), kChartScale))});
    const ChartModel deviation = deviationChart(runs.segmentTotal, runs.runsRead, true);
    page.figures.append(
        {modelTitle(deviation), charts.add(chartSvg(deviation, QStringLiteral("deviation"), kChartScale))});
    if (e.withStimulus) {
        const ChartModel around = aroundStimulusChart(aroundStimulusCounts(runs), runs.runsRead, true);
        page.figures.append(
            {modelTitle(around), charts.add(chartSvg(around, QStringLiteral("stimulus"), kChartScale))});
    }
    const ChartModel overview = overviewChart(runs.runs);
    page.figures.append(
        {modelTitle(overview), charts.add(chartSvg(overview, QStringLiteral("overview"), kChartScale))});
    const ChartModel trials = perTrialChart(perTrialCounts(runs), runs.runsRead, false);
    page.figures.append({modelTitle(trials), charts.add(chartSvg(trials, QStringLiteral("trials"), kChartScale))});
    page.figures.append(
        {Texts::tr("ランの一致数の分布と二項分布の期待値"), charts.add(histogramSvg(runs, lang, kChartScale))});
    page.figures.append(
        {Texts::tr("一致数の累積偏差と 1 % 限界（±2.58σ）"), charts.add(cumulativeSvg(runs, lang, kChartScale))});
    return page;
}

void headerRow(HtmlWriter &out, const QString &label, const QString &value, const QString &cls = QString())
{
    out.start("tr");
    out.leaf("th", label);
    if (cls.isEmpty())
        out.leaf("td", value);
    else
        out.leaf("td", value, {{"class", cls}});
    out.end();
}

void experimentSection(HtmlWriter &out, const ExperimentPage &page, int index, const ReportOptions &o,
                       const ChartParts &charts)
{
    const Lang lang = o.lang;
    const Experiment &e = *page.experiment;
    const RunSet &runs = e.runs;
    out.start("section", {{"class", QStringLiteral("experiment")}, {"id", QStringLiteral("e%1").arg(index + 1)}});
    out.leaf("h2", Texts::tr("実験") + QLatin1Char(' ') + e.name);
    out.leaf("p", e.file, {{"class", QStringLiteral("meta")}});

    // Name, conditions, dates, the condition memo.
    const QString size = stimulusSizeWord(runs.stimulusCode);
    const QString shownMark = runs.hitDisplayCode == QLatin1String("D") ? Texts::tr("有") : Texts::tr("なし");
    const QString conditions =
        e.withStimulus ? Texts::tr("刺激：%1、当り表示：%2").arg(size.isEmpty() ? QStringLiteral("—") : size, shownMark)
                       : Texts::tr("刺激：なし、当り表示：%1").arg(shownMark);
    out.start("table");
    headerRow(out, Texts::tr("条件"), conditions);
    headerRow(out, Texts::tr("期間"),
              runs.hasRuns() ? Texts::tr("%1 ～ %2").arg(runs.firstRunDate, runs.lastRunDate) : QStringLiteral("—"));
    headerRow(out, Texts::tr("ラン数"), QString::number(runs.runsRead));
    out.start("tr");
    out.leaf("th", Texts::tr("実験条件のメモ"));
    out.start("td", {{"class", QStringLiteral("memo")}});
    if (runs.hasConditionMemo)
        out.textWithBreaks(memoFromFileForm(runs.conditionMemo));
    else
        out.text(QStringLiteral("—"));
    out.end();
    out.end();
    out.end();

    if (!page.shown) {
        out.leaf("p", Texts::tr("ランがまだありません。"));
        out.end();
        return;
    }
    const LoadedRun &shown = *page.shown;
    std::array<double, 5> segments{};
    for (int i = 0; i < 5; ++i)
        segments[i] = shown.segmentHits[i];
    const Analysis single = analyse(shown.hits, segments);
    const Analysis all = meanProfileAnalysis(runs);
    const QString congratulation = overviewCongratulation(countLevels(runs.runs));

    // The texts of the results view, as the program writes them.
    out.start("div", {{"class", QStringLiteral("texts")}});
    out.start("p");
    out.textWithBreaks(periodLine(runs));
    out.end();
    out.start("p");
    out.textWithBreaks(summaryLine(runs));
    out.end();
    if (!all.analysisText.isEmpty()) {
        out.start("p");
        out.textWithBreaks(Texts::tr("全ランの傾向：") + all.analysisText.trimmed());
        out.end();
    }
    if (!congratulation.isEmpty()) {
        out.start("p");
        out.textWithBreaks(congratulation.trimmed());
        out.end();
    }
    out.start("p");
    out.text(Texts::tr("ラン %1（%2）：").arg(shown.number).arg(shown.dateTime.trimmed()));
    out.textWithBreaks(singleRunLine(shown.hits, e.withStimulus, shown.stimulusTrial(), kStimulusSpan, shown.targetOnes,
                                     shown.inputOnes));
    if (!single.analysisText.isEmpty()) {
        out.empty("br");
        out.textWithBreaks(single.analysisText.trimmed());
    }
    out.end();
    out.end();

    out.start("div", {{"class", QStringLiteral("charts")}});
    for (const auto &[caption, chart] : page.figures) {
        out.start("figure");
        out.leaf("figcaption", caption);
        charts.writeChart(out, chart);
        out.end();
    }
    out.end();

    // The run memos.
    out.leaf("h3", Texts::tr("ランのメモ"));
    bool anyMemo = false;
    for (const LoadedRun &r : runs.runs)
        anyMemo = anyMemo || r.hasMemo();
    if (!anyMemo) {
        out.leaf("p", Texts::tr("メモのあるランはありません。"));
    } else {
        out.start("table");
        out.start("tr");
        out.leaf("th", QStringLiteral("No."));
        out.leaf("th", Texts::tr("日時"));
        out.leaf("th", Texts::tr("一致数"));
        out.leaf("th", Texts::tr("メモ"));
        out.end();
        for (const LoadedRun &r : runs.runs) {
            if (!r.hasMemo())
                continue;
            out.start("tr");
            out.leaf("td", QString::number(r.number), {{"class", QStringLiteral("num")}});
            out.leaf("td", r.dateTime.trimmed());
            out.leaf("td", QString::number(r.hits), {{"class", QStringLiteral("num")}});
            out.start("td", {{"class", QStringLiteral("memo")}});
            out.textWithBreaks(runMemoFromFileForm(r.memo));
            out.end();
            out.end();
        }
        out.end();
    }
    out.end();
}

// ---- The study ---------------------------------------------------------------------------

QString signedPercent(double share)
{
    return (share >= 0 ? QStringLiteral("+") : QString()) + QString::number(100.0 * share, 'f', 2)
           + QStringLiteral(" %");
}

QString hText(double h)
{
    return QString::number(h, 'f', 4);
}

QString hInterval(double h, double se)
{
    constexpr double kZ975 = 1.959963984540054;
    return QStringLiteral("%1 [%2, %3]").arg(hText(h), hText(h - kZ975 * se), hText(h + kZ975 * se));
}

QString cohenReading(double h)
{
    const double a = std::fabs(h);
    if (a < 0.2)
        return Texts::tr("Cohen の目安で「小」（0.2）に届かない、ごく小さな効果です。");
    if (a < 0.5)
        return Texts::tr("Cohen の目安で「小」の効果です（0.2 以上 0.5 未満）。");
    if (a < 0.8)
        return Texts::tr("Cohen の目安で「中」の効果です（0.5 以上 0.8 未満）。");
    return Texts::tr("Cohen の目安で「大」の効果です（0.8 以上）。");
}

QString i2Reading(const std::optional<double> &i2)
{
    if (!i2)
        return QString();
    if (*i2 < 0.25)
        return Texts::tr("ばらつきのうち偶然を超える部分は小さい（25 % 未満）。");
    if (*i2 < 0.75)
        return Texts::tr("ばらつきの一部は偶然を超えています（25～75 %、中程度）。");
    return Texts::tr("ばらつきの大部分が偶然を超えています（75 % 以上、大きい）。");
}

QString i2Text(const stats::Heterogeneity &h)
{
    if (!h.i2)
        return QStringLiteral("—");
    QString t = QString::number(100.0 * *h.i2, 'f', 1) + QStringLiteral(" %");
    if (h.i2ci95)
        t += QStringLiteral(" [%1, %2]")
                 .arg(QString::number(100.0 * h.i2ci95->lo, 'f', 1), QString::number(100.0 * h.i2ci95->hi, 'f', 1));
    return t;
}

struct Group {
    QString label;
    QString site;
    int experiments = 0;
    int runs = 0;
    Tally tally;
    int index = -1; // the experiment's page, -1 without one
};

void groupTable(HtmlWriter &out, const QVector<Group> &groups, bool withSite)
{
    out.start("table", {{"class", QStringLiteral("groups")}});
    out.start("tr");
    out.leaf("th", withSite ? Texts::tr("実験") : Texts::tr("サイト"));
    if (withSite)
        out.leaf("th", Texts::tr("サイト"));
    else
        out.leaf("th", Texts::tr("実験"));
    out.leaf("th", Texts::tr("ラン"));
    out.leaf("th", Texts::tr("試行"));
    out.leaf("th", Texts::tr("一致"));
    out.leaf("th", Texts::tr("的中率"));
    out.leaf("th", Texts::tr("95 % 信頼区間"));
    out.leaf("th", QStringLiteral("z"));
    out.leaf("th", QStringLiteral("p"));
    out.leaf("th", QStringLiteral("Cohen's h"));
    out.end();
    const QString num = QStringLiteral("num");
    for (const Group &g : groups) {
        const bool any = g.tally.trials > 0;
        out.start("tr");
        out.start("td");
        if (g.index >= 0)
            out.leaf("a", g.label, {{"href", QStringLiteral("#e%1").arg(g.index + 1)}});
        else
            out.text(g.label);
        out.end();
        out.leaf("td", withSite ? g.site : QString::number(g.experiments), {{"class", withSite ? QString() : num}});
        out.leaf("td", QString::number(g.runs), {{"class", num}});
        out.leaf("td", QString::number(g.tally.trials), {{"class", num}});
        out.leaf("td", QString::number(g.tally.hits), {{"class", num}});
        out.leaf("td", any ? percent(g.tally.hitRate()) : QStringLiteral("—"), {{"class", num}});
        out.leaf("td",
                 any ? interval(stats::clopperPearson(g.tally.hits, g.tally.trials, 0.95), true) : QStringLiteral("—"),
                 {{"class", num}});
        out.leaf("td", formatZ(g.tally.z()), {{"class", num}});
        out.leaf("td", any ? formatP(g.tally.p()) : QStringLiteral("—"), {{"class", num}});
        out.leaf("td", any ? hText(stats::cohensH(g.tally.hitRate())) : QStringLiteral("—"), {{"class", num}});
        out.end();
    }
    out.end();
}

QVector<stats::Count> countsOf(const QVector<Group> &groups)
{
    QVector<stats::Count> out;
    for (const Group &g : groups)
        out.append({g.tally.hits, g.tally.trials});
    return out;
}

QVector<ForestRow> forestRows(const QVector<Group> &groups, bool withSite)
{
    QVector<ForestRow> out;
    for (const Group &g : groups)
        out.append({withSite ? g.site + QLatin1Char('/') + g.label : g.label, g.tally.hits, g.tally.trials});
    return out;
}

void planSection(HtmlWriter &out, const PlanAudit &a, Lang lang)
{
    out.start("section", {{"class", QStringLiteral("plan")}});
    out.leaf("h2", Texts::tr("計画との照合：") + a.title);
    out.leaf("p", QStringLiteral("SHA-256 ") + a.sha256, {{"class", QStringLiteral("meta")}});
    out.start("table", {{"class", QStringLiteral("figures")}});
    out.start("tr");
    out.leaf("th", Texts::tr("問い"));
    out.leaf("th", Texts::tr("答え"));
    out.leaf("th", Texts::tr("根拠"));
    out.end();
    for (const PlanAudit::Answer &answer : a.answers) {
        out.start("tr");
        out.leaf("td", answer.question);
        out.leaf("td", answer.yes ? Texts::tr("はい") : Texts::tr("いいえ"),
                 {{"class", answer.yes ? QStringLiteral("ok") : QStringLiteral("warn")}});
        out.leaf("td", answer.evidence);
        out.end();
    }
    out.end();
    auto figures = [&](const QString &heading, const QVector<PlanAudit::Figure> &rows) {
        out.leaf("h3", heading);
        out.start("table", {{"class", QStringLiteral("figures")}});
        for (const PlanAudit::Figure &f : rows) {
            out.start("tr");
            out.leaf("td", f.label);
            out.leaf("td", f.value, {{"class", QStringLiteral("num")}});
            out.end();
        }
        out.end();
    };
    figures(a.primaryHeading, a.primary);
    figures(Texts::tr("全データ（探索的）"), a.exploratory);
    out.end();
}

void studySection(HtmlWriter &out, const StudyData &study, const PooledFigures &f, bool pages, Lang lang)
{
    // Per experiment and per site, in the order pooled.
    QVector<Group> experiments;
    QVector<Group> sites;
    QHash<QString, int> siteIndex;
    for (qsizetype i = 0; i < study.experiments.size(); ++i) {
        const StudyExperiment &e = study.experiments.at(i);
        Group g;
        QString name = e.tally.file.section(QLatin1Char('/'), -1);
        if (name.endsWith(QLatin1String(".txt"), Qt::CaseInsensitive))
            name.chop(4);
        g.label = name;
        g.site = e.site;
        g.experiments = 1;
        g.runs = e.tally.runs;
        g.tally = {qint64(e.tally.runs) * kTrialsPerRun, e.tally.hits};
        g.index = pages ? int(i) : -1;
        experiments.append(g);
        if (!siteIndex.contains(e.site)) {
            siteIndex.insert(e.site, int(sites.size()));
            Group s;
            s.label = s.site = e.site;
            sites.append(s);
        }
        Group &s = sites[siteIndex.value(e.site)];
        ++s.experiments;
        s.runs += g.runs;
        s.tally.trials += g.tally.trials;
        s.tally.hits += g.tally.hits;
    }
    std::sort(sites.begin(), sites.end(), [](const Group &a, const Group &b) { return a.site < b.site; });
    const stats::Heterogeneity byExperiment = stats::heterogeneity(countsOf(experiments));
    const stats::Heterogeneity bySite = stats::heterogeneity(countsOf(sites));
    const bool any = f.tally.trials > 0;

    out.start("section", {{"class", QStringLiteral("study")}});
    out.leaf("h2", Texts::tr("研究全体：効果量・サイト・異質性"));

    out.leaf("h3", Texts::tr("効果量"));
    QVector<Row> effects;
    effects.append({Texts::tr("的中率 − 0.5（全試行）"),
                    any ? signedPercent(f.tally.hitRate() - 0.5) + QStringLiteral(" [") + signedPercent(f.ci95.lo - 0.5)
                              + QStringLiteral(", ") + signedPercent(f.ci95.hi - 0.5) + QLatin1Char(']')
                        : QStringLiteral("—"),
                    Texts::tr("偶然（50 %）からの的中率のずれと、その 95 % 信頼区間（Clopper–Pearson）です。")});
    effects.append(
        {Texts::tr("Cohen の h（固定効果、95 % 区間）"),
         any ? hInterval(byExperiment.fixedH, byExperiment.fixedSe) : QStringLiteral("—"),
         any ? Texts::tr("h = 2 arcsin√的中率 − 2 arcsin√0.5。") + cohenReading(byExperiment.fixedH) : QString()});
    effects.append({Texts::tr("Cohen の h（変量効果、実験間、95 % 区間）"),
                    byExperiment.k > 0 ? hInterval(byExperiment.randomH, byExperiment.randomSe) : QStringLiteral("—"),
                    byExperiment.k > 0
                        ? Texts::tr("実験ごとの真の効果が τ² だけばらつくとみた推定です。的中率にすると %1。")
                              .arg(percent(stats::rateOfCohensH(byExperiment.randomH)))
                        : QString()});
    figuresTable(out, effects);

    out.leaf("h3", Texts::tr("異質性（的中率が実験・サイトによって偶然以上に違うか）"));
    out.start("table", {{"class", QStringLiteral("figures")}});
    out.start("tr");
    out.leaf("th", Texts::tr("項目"));
    out.leaf("th", Texts::tr("実験の間"));
    out.leaf("th", Texts::tr("サイトの間"));
    out.leaf("th", Texts::tr("読み方"));
    out.end();
    auto hetRow = [&](const QString &label, const QString &a, const QString &b, const QString &reading, bool warn) {
        out.start("tr");
        out.leaf("td", label);
        out.leaf("td", a, {{"class", QStringLiteral("num")}});
        out.leaf("td", b, {{"class", QStringLiteral("num")}});
        if (warn)
            out.leaf("td", reading, {{"class", QStringLiteral("warn")}});
        else
            out.leaf("td", reading);
        out.end();
    };
    const bool two = byExperiment.k >= 2 || bySite.k >= 2;
    auto qText = [](const stats::Heterogeneity &h) {
        return h.k >= 2 ? QStringLiteral("%1 (df %2)").arg(QString::number(h.q, 'f', 2)).arg(h.df)
                        : QStringLiteral("—");
    };
    hetRow(Texts::tr("数（試行のあるもの）"), QString::number(byExperiment.k), QString::number(bySite.k),
           Texts::tr("比べるには 2 つ以上が要ります。"), false);
    hetRow(Texts::tr("Cochran の Q"), qText(byExperiment), qText(bySite),
           Texts::tr("Cohen の h を試行数で重みづけた、全体の推定からのずれの二乗和です。"), false);
    const bool qWarn = (byExperiment.k >= 2 && byExperiment.qP < 0.05) || (bySite.k >= 2 && bySite.qP < 0.05);
    hetRow(Texts::tr("Q の p（カイ二乗）"), byExperiment.k >= 2 ? formatP(byExperiment.qP) : QStringLiteral("—"),
           bySite.k >= 2 ? formatP(bySite.qP) : QStringLiteral("—"),
           !two ? QString()
           : qWarn ? Texts::tr("p < 0.05 の列では、的中率の違いは偶然だけでは説明しにくい大きさです。")
                   : Texts::tr("的中率の違いは偶然の範囲内です。"),
           qWarn);
    hetRow(Texts::tr("I²（95 % 区間、Higgins–Thompson）"), i2Text(byExperiment), i2Text(bySite),
           i2Reading(byExperiment.k >= 2 ? byExperiment.i2 : bySite.i2), false);
    hetRow(Texts::tr("τ²（DerSimonian–Laird）"),
           byExperiment.k >= 2 ? QString::number(byExperiment.tau2, 'g', 4) : QStringLiteral("—"),
           bySite.k >= 2 ? QString::number(bySite.tau2, 'g', 4) : QStringLiteral("—"),
           Texts::tr("真の効果（Cohen の h）の実験間・サイト間の分散の推定です。0 ならばらつきは偶然で説明できます。"),
           false);
    hetRow(Texts::tr("変量効果の h（95 % 区間）"),
           byExperiment.k > 0 ? hInterval(byExperiment.randomH, byExperiment.randomSe) : QStringLiteral("—"),
           bySite.k > 0 ? hInterval(bySite.randomH, bySite.randomSe) : QStringLiteral("—"),
           Texts::tr("各実験（サイト）を 1/(1/n + τ²) で重みづけた推定です。"), false);
    out.end();

    const QString pooledLabel = Texts::tr("全体");
    out.leaf("h3", Texts::tr("サイトごとの的中率（フォレストプロット）"));
    out.start("figure", {{"class", QStringLiteral("forest")}});
    forestSvg(out, forestRows(sites, false), QStringLiteral("forest-sites"), pooledLabel, lang);
    out.end();
    out.leaf("h3", Texts::tr("実験ごとの的中率（フォレストプロット）"));
    out.start("figure", {{"class", QStringLiteral("forest")}});
    forestSvg(out, forestRows(experiments, sites.size() > 1), QStringLiteral("forest-experiments"), pooledLabel, lang);
    out.end();

    out.leaf("h3", Texts::tr("証拠の積み重なり（日ごと）"));
    out.start("div", {{"class", QStringLiteral("charts")}});
    out.start("figure");
    out.leaf("figcaption", Texts::tr("log10 BF10（一様事前分布）"));
    evidenceSvg(out, study.days, Evidence::Log10Bf, lang);
    out.end();
    out.start("figure");
    out.leaf("figcaption", QStringLiteral("z"));
    evidenceSvg(out, study.days, Evidence::Z, lang);
    out.end();
    out.end();
    qint64 undated = 0;
    for (const DayCount &d : study.days)
        if (!d.date.isValid())
            undated += d.runs;
    if (undated > 0)
        out.leaf("p", Texts::tr("日付として読めないラン %1 件は、この図に含みません。").arg(undated),
                 {{"class", QStringLiteral("meta")}});

    out.leaf("h3", Texts::tr("サイトごと"));
    groupTable(out, sites, false);
    out.leaf("h3", Texts::tr("実験ごと"));
    groupTable(out, experiments, true);
    out.end();
}

} // namespace

QString pReading(double p, std::optional<double> z, Lang lang)
{
    const language::Scope speaking(languageCode(lang));
    const bool above = z.value_or(0.0) > 0.0;
    if (p < 0.01)
        return above ? Texts::tr("偶然では説明しにくいほど多い一致です（1 % 水準で有意）。")
                     : Texts::tr("偶然では説明しにくいほど少ない一致です（1 % 水準で有意、サイミッシングの方向）。");
    if (p < 0.05)
        return Texts::tr("5 % 水準では有意ですが、1 % 水準には届きません。");
    return Texts::tr("偶然の範囲内です。");
}

QString bayesReading(double log10Bf, Lang lang)
{
    const language::Scope speaking(languageCode(lang));
    const double moderate = std::log10(3.0);
    if (log10Bf >= 2.0)
        return Texts::tr("効果あり（H1）を決定的に支持します（BF10 > 100）。");
    if (log10Bf >= 1.0)
        return Texts::tr("効果あり（H1）を強く支持します（BF10 > 10）。");
    if (log10Bf >= moderate)
        return Texts::tr("効果あり（H1）をある程度支持します（BF10 > 3）。");
    if (log10Bf > -moderate)
        return Texts::tr("どちらとも言えません（データ不足）。");
    if (log10Bf > -1.0)
        return Texts::tr("偶然（H0）をある程度支持します（BF10 < 1/3）。");
    if (log10Bf > -2.0)
        return Texts::tr("偶然（H0）を強く支持します（BF10 < 1/10）。");
    return Texts::tr("偶然（H0）を決定的に支持します（BF10 < 1/100）。");
}

QByteArray studyReportBytes(const StudyData &study, const QVector<Experiment> &experiments, const ReportOptions &o)
{
    const Lang lang = o.lang;
    const language::Scope speaking(languageCode(lang));
    QVector<ExperimentTally> tallies;
    tallies.reserve(study.experiments.size());
    for (const StudyExperiment &e : study.experiments)
        tallies.append(e.tally);
    const PooledFigures f = pooledFromTallies(tallies);

    // The experiments' pages are made first, so that their shared chart parts are known.
    const bool pages = o.experimentPages && experiments.size() == study.experiments.size();
    ChartParts charts;
    QVector<ExperimentPage> prepared;
    if (pages) {
        for (const Experiment &e : experiments)
            prepared.append(prepareExperiment(e, o, charts));
        charts.share();
    }

    QByteArray bytes;
    bytes.reserve(60000 + (pages ? 30000 : 600) * study.experiments.size());
    HtmlWriter out(&bytes);
    out.xml().writeDTD(QStringLiteral("<!DOCTYPE html>"));
    out.xml().writeCharacters(QStringLiteral("\n"));
    out.start("html", {{"lang", language::current()}});
    out.start("head");
    out.empty("meta", {{"charset", QStringLiteral("utf-8")}});
    out.empty("meta", {{"name", QStringLiteral("viewport")},
                       {"content", QStringLiteral("width=device-width, initial-scale=1")}});
    const QString title = Texts::tr("VORA 実験レポート");
    out.leaf("title", title);
    out.leaf("style", QString::fromUtf8(kStyle));
    out.end();
    out.start("body");
    charts.writeDefs(out);
    out.leaf("h1", title);
    out.leaf("p",
             Texts::tr("作成 %1 ・ 実験 %2 件 ・ ラン %3 ・ 試行 %4")
                 .arg(o.generated, QString::number(f.files), QString::number(f.runs), QString::number(f.tally.trials)),
             {{"class", QStringLiteral("meta")}});

    if (o.planAudit)
        planSection(out, *o.planAudit, lang);

    out.start("section", {{"class", QStringLiteral("pooled")}});
    out.leaf("h2", Texts::tr("全実験をまとめた評価"));
    figuresTable(out, pooledRows(f, lang));
    out.leaf("h3", Texts::tr("監査（p < 0.01 で警告）"));
    const QStringList warnings = auditWarnings(f, lang);
    if (warnings.isEmpty()) {
        out.leaf("p", Texts::tr("回答の偏り・試行間の依存・ターゲットの乱数性に警告はありません。"),
                 {{"class", QStringLiteral("ok")}});
    } else {
        out.start("ul", {{"class", QStringLiteral("warnings")}});
        for (const QString &w : warnings)
            out.leaf("li", w, {{"class", QStringLiteral("warn")}});
        out.end();
    }
    out.end();

    // Sites side by side, heterogeneity and forest plots compare experiments: one alone (the
    // program's report of the experiment shown) has nothing to compare.
    if (study.experiments.size() > 1)
        studySection(out, study, f, pages, lang);

    for (int i = 0; i < prepared.size(); ++i)
        experimentSection(out, prepared.at(i), i, o, charts);
    out.end(); // body
    out.end(); // html
    bytes += '\n';
    return bytes;
}

QByteArray reportBytes(const QVector<Experiment> &experiments, const ReportOptions &options)
{
    QVector<ExperimentTally> tallies;
    for (const Experiment &e : experiments)
        tallies.append(tallyOf(e));
    return studyReportBytes(studyFromExperiments(experiments, tallies), experiments, options);
}

QString reportHtml(const QVector<Experiment> &experiments, const ReportOptions &options)
{
    return QString::fromUtf8(reportBytes(experiments, options));
}

} // namespace vora::report
