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

bool isJa(Lang lang)
{
    return lang == Lang::Ja;
}

QString tr(Lang lang, const char *ja, const char *en)
{
    return isJa(lang) ? QString::fromUtf8(ja) : QString::fromUtf8(en);
}

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

QString ciReading(const stats::Interval &ci, Lang lang)
{
    if (ci.lo <= 0.5 && 0.5 <= ci.hi)
        return tr(
            lang, "真の的中率は 95 % の確かさでこの範囲にあります。50 % を含むので、偶然と区別できません。",
            "The true hit rate lies in this range with 95 % confidence. It includes 50 %: not distinguishable from chance.");
    return ci.lo > 0.5
               ? tr(lang, "真の的中率は 95 % の確かさでこの範囲にあり、50 % より上です。",
                    "The true hit rate lies in this range with 95 % confidence, above 50 %.")
               : tr(lang, "真の的中率は 95 % の確かさでこの範囲にあり、50 % より下です（サイミッシングの方向）。",
                    "The true hit rate lies in this range with 95 % confidence, below 50 % (psi-missing).");
}

QString hdiReading(const stats::Interval &i, Lang lang)
{
    const bool chance = i.lo <= 0.5 && 0.5 <= i.hi;
    return chance ? tr(lang, "データを見た後、的中率は 90 % の確率でこの範囲にあります。50 % も範囲内です。",
                       "After the data, the hit rate lies in this range with 90 % probability; 50 % is inside it.")
                  : tr(lang, "データを見た後、的中率は 90 % の確率でこの範囲にあります。50 % は範囲外です。",
                       "After the data, the hit rate lies in this range with 90 % probability; 50 % is outside it.");
}

QString auditReading(double p, const char *okJa, const char *okEn, const char *badJa, const char *badEn, Lang lang)
{
    return p < kAuditLevel ? tr(lang, badJa, badEn) : tr(lang, okJa, okEn);
}

QVector<Row> pooledRows(const PooledFigures &f, Lang lang)
{
    QVector<Row> rows;
    const Tally &t = f.tally;
    const bool any = t.trials > 0;
    rows.append({tr(lang, "実験（ファイル）数", "Experiments (files)"), QString::number(f.files),
                 tr(lang, "まとめて評価したデータファイルの数です。", "Data files pooled in this analysis.")});
    rows.append({tr(lang, "ラン数", "Runs"), QString::number(f.runs),
                 tr(lang, "1 ランは 100 試行です。", "A run is 100 trials.")});
    rows.append({tr(lang, "試行数", "Trials"), QString::number(t.trials),
                 tr(lang, "全ランの試行の合計です。", "All trials of all runs.")});
    rows.append({tr(lang, "一致数", "Hits"), QString::number(t.hits),
                 tr(lang, "偶然なら試行数の半分（%1）が期待値です。", "Chance expects half the trials (%1).")
                     .arg(shortNumber(t.trials / 2.0, 1))});
    rows.append({tr(lang, "的中率", "Hit rate"), any ? percent(t.hitRate()) : QStringLiteral("—"),
                 tr(lang, "偶然なら 50 % です。", "Chance gives 50 %.")});
    rows.append({QStringLiteral("z"), formatZ(t.z()),
                 tr(lang, "期待値からのずれを標準偏差（√試行数 / 2）で割った値。±2.58 を超えると 1 % 水準で有意です。",
                    "Distance from chance in standard deviations (√n / 2); beyond ±2.58 is significant at 1 %.")});
    // Without trials a figure is "—" and says nothing: no p, no evidence either way.
    const QString none = QStringLiteral("—");
    rows.append({tr(lang, "p（二項検定、両側）", "p (exact binomial, two-tailed)"), any ? formatP(t.p()) : none,
                 any ? pReading(t.p(), t.z(), lang) : QString(), any && t.p() < kAuditLevel});
    rows.append({tr(lang, "95 % 信頼区間（Clopper–Pearson）", "95 % interval (Clopper–Pearson)"),
                 any ? interval(f.ci95, true) : QStringLiteral("—"), any ? ciReading(f.ci95, lang) : QString()});
    rows.append({tr(lang, "Stouffer の Z", "Stouffer's Z"), formatZ(f.stoufferZ),
                 tr(lang, "実験ごとの z を同じ重みで合わせた値（Σz / √実験数）です。",
                    "The experiments' own z combined with equal weight (Σz / √k).")});
    rows.append({tr(lang, "Stouffer の p（両側）", "Stouffer's p (two-tailed)"),
                 f.stoufferZ ? formatP(f.stoufferP) : QStringLiteral("—"),
                 f.stoufferZ ? pReading(f.stoufferP, f.stoufferZ, lang) : QString(),
                 f.stoufferZ && f.stoufferP < kAuditLevel});
    rows.append({tr(lang, "log10 BF10（一様事前分布 Beta(1, 1)）", "log10 BF10 (uniform prior Beta(1, 1))"),
                 any ? QString::number(f.log10BfUniform, 'f', 2) : none,
                 any ? bayesReading(f.log10BfUniform, lang) : QString()});
    rows.append({tr(lang, "log10 BF10（再現事前分布 Beta(829, 733)）", "log10 BF10 (replication prior Beta(829, 733))"),
                 any ? QString::number(f.log10BfReplication, 'f', 2) : none,
                 any ? bayesReading(f.log10BfReplication, lang)
                           + tr(lang, "（過去の肯定的研究の 53 % 付近を予想する仮説との比較）",
                                " (against a hypothesis expecting about the 53 % of earlier positive studies)")
                     : QString()});
    rows.append({tr(lang, "事後分布の最頻値", "Posterior mode"),
                 f.posteriorMode ? percent(*f.posteriorMode) : QStringLiteral("—"),
                 tr(lang, "一様事前分布のもとで最も確からしい的中率です。",
                    "The most probable hit rate under the uniform prior.")});
    rows.append({tr(lang, "90 % 最高密度区間", "90 % highest-density interval"),
                 f.hdi90 ? interval(*f.hdi90, true) : QStringLiteral("—"),
                 f.hdi90 ? hdiReading(*f.hdi90, lang) : QString()});

    const double targetBiasP = binomialTwoTailedP(f.targetOnes, t.trials);
    rows.append({tr(lang, "ターゲットの「1」の割合", "Share of \"1\" among targets"),
                 f.targetOnesShare() ? percent(*f.targetOnesShare()) : QStringLiteral("—"),
                 any ? auditReading(targetBiasP, "50 % からのずれは偶然の範囲内です。", "Within chance of 50 %.",
                                    "50 % から有意にずれています。", "Significantly away from 50 %.", lang)
                     : QString(),
                 any && targetBiasP < kAuditLevel});
    rows.append({tr(lang, "回答の「1」の割合", "Share of \"1\" among answers"),
                 f.inputOnesShare() ? percent(*f.inputOnesShare()) : QStringLiteral("—"),
                 any ? auditReading(f.inputBiasP(), "回答に目立った偏りはありません。", "No notable answer bias.",
                                    "回答が一方の数字に偏っています（回答の偏り）。",
                                    "Answers lean to one digit (answer bias).", lang)
                     : QString(),
                 any && f.inputBiasP() < kAuditLevel});
    rows.append({tr(lang, "直前が当たりのときの的中率", "Hit rate after a hit"),
                 f.afterHit.trials > 0 ? percent(f.afterHit.hitRate()) : QStringLiteral("—"),
                 tr(lang, "各ランの試行 2～100 のうち、直前の試行が当たりだったもの（%1 試行）。",
                    "Trials 2-100 of each run whose previous trial was a hit (%1 trials).")
                     .arg(f.afterHit.trials)});
    rows.append({tr(lang, "直前が外れのときの的中率", "Hit rate after a miss"),
                 f.afterMiss.trials > 0 ? percent(f.afterMiss.hitRate()) : QStringLiteral("—"),
                 tr(lang, "同じく直前が外れだったもの（%1 試行）。", "The same after a miss (%1 trials).")
                     .arg(f.afterMiss.trials)});
    rows.append({tr(lang, "依存性の p（Fisher の正確検定、両側）", "Dependency p (Fisher's exact test, two-sided)"),
                 any ? formatP(f.dependencyP) : none,
                 any ? auditReading(f.dependencyP, "直前の当たり外れによる的中率の違いは偶然の範囲内です。",
                                    "The difference after hits and misses is within chance.",
                                    "直前の結果で的中率が変わっています（試行間の依存の疑い）。",
                                    "The hit rate depends on the previous trial (sequential dependency).", lang)
                     : QString(),
                 any && f.dependencyP < kAuditLevel});
    rows.append({tr(lang, "ターゲットのビット数", "Target bits"), QString::number(f.targets.n),
                 tr(lang, "保存されたターゲットを、ファイルの順に一続きの列として検定します。",
                    "The stored targets in file order, tested as one sequence.")});
    rows.append({tr(lang, "ターゲットの「1」の割合（NIST）", "Share of ones (NIST)"),
                 f.targets.n > 0 ? percent(double(f.targets.ones) / double(f.targets.n)) : QStringLiteral("—"),
                 tr(lang, "乱数なら 50 % 前後です。", "About 50 % for random bits.")});
    const bool bits = f.targets.n > 0;
    rows.append({tr(lang, "NIST 頻度（モノビット）検定の p", "NIST frequency (monobit) test p"),
                 bits ? formatP(f.monobitP) : none,
                 bits ? auditReading(f.monobitP, "0 と 1 の数の釣り合いに問題はありません。",
                                     "Zeros and ones are balanced as random bits are.",
                                     "0 と 1 の数が偏っています。ターゲットの乱数発生器を疑ってください。",
                                     "Zeros and ones are unbalanced: suspect the target generator.", lang)
                      : QString(),
                 bits && f.monobitP < kAuditLevel});
    const bool prerequisiteFails = f.runsPrerequisiteFails();
    rows.append({tr(lang, "NIST 連（ラン）検定の p", "NIST runs test p"),
                 !bits               ? none
                 : prerequisiteFails ? QStringLiteral("0")
                                     : formatP(f.runsP),
                 !bits ? QString()
                 : prerequisiteFails ? tr(lang, "頻度検定の前提（|π − ½| < 2/√n）を満たさないため 0 とします。",
                                          "The frequency prerequisite |π − ½| < 2/√n fails, so p is 0.")
                                     : auditReading(f.runsP, "0 と 1 の入れ替わり方は乱数として自然です。",
                                                    "Zeros and ones alternate as random bits do.",
                                                    "0 と 1 の入れ替わり方が乱数として不自然です。",
                                                    "Zeros and ones alternate unlike random bits.", lang),
                 bits && f.runsP < kAuditLevel});
    return rows;
}

void figuresTable(HtmlWriter &out, const QVector<Row> &rows, Lang lang)
{
    out.start("table", {{"class", QStringLiteral("figures")}});
    out.start("tr");
    out.leaf("th", tr(lang, "項目", "Figure"));
    out.leaf("th", tr(lang, "値", "Value"));
    out.leaf("th", tr(lang, "読み方", "Reading"));
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
    page.figures.append({modelTitle(segment) + tr(lang, "（ラン %1）", " (run %1)").arg(shown.number),
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
    page.figures.append({tr(lang, "ランの一致数の分布と二項分布の期待値", "Run scores against Binomial(100, 0.5)"),
                         charts.add(histogramSvg(runs, lang, kChartScale))});
    page.figures.append({tr(lang, "一致数の累積偏差と 1 % 限界（±2.58σ）",
                            "Cumulative deviation of hits with the 1 % envelope (±2.58σ)"),
                         charts.add(cumulativeSvg(runs, lang, kChartScale))});
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
    out.leaf("h2", tr(lang, "実験", "Experiment") + QLatin1Char(' ') + e.name);
    out.leaf("p", e.file, {{"class", QStringLiteral("meta")}});

    // Name, conditions, dates, the condition memo.
    const QString size = stimulusSizeWord(runs.stimulusCode);
    const QString shownMark =
        runs.hitDisplayCode == QLatin1String("D") ? tr(lang, "有", "shown") : tr(lang, "なし", "not shown");
    const QString conditions =
        e.withStimulus ? tr(lang, "刺激：%1、当り表示：%2", "stimulus: %1, hit display: %2")
                             .arg(size.isEmpty() ? QStringLiteral("—") : size, shownMark)
                       : tr(lang, "刺激：なし、当り表示：%1", "no stimulus, hit display: %1").arg(shownMark);
    out.start("table");
    headerRow(out, tr(lang, "条件", "Conditions"), conditions);
    headerRow(out, tr(lang, "期間", "Dates"),
              runs.hasRuns() ? runs.firstRunDate + QStringLiteral(" ～ ") + runs.lastRunDate : QStringLiteral("—"));
    headerRow(out, tr(lang, "ラン数", "Runs"), QString::number(runs.runsRead));
    out.start("tr");
    out.leaf("th", tr(lang, "実験条件のメモ", "Condition memo"));
    out.start("td", {{"class", QStringLiteral("memo")}});
    if (runs.hasConditionMemo)
        out.textWithBreaks(memoFromFileForm(runs.conditionMemo));
    else
        out.text(QStringLiteral("—"));
    out.end();
    out.end();
    out.end();

    if (!page.shown) {
        out.leaf("p", tr(lang, "ランがまだありません。", "No run yet."));
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
        out.textWithBreaks(tr(lang, "全ランの傾向：", "All runs: ") + all.analysisText.trimmed());
        out.end();
    }
    if (!congratulation.isEmpty()) {
        out.start("p");
        out.textWithBreaks(congratulation.trimmed());
        out.end();
    }
    out.start("p");
    out.text(tr(lang, "ラン %1（%2）：", "Run %1 (%2): ").arg(shown.number).arg(shown.dateTime.trimmed()));
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
    out.leaf("h3", tr(lang, "ランのメモ", "Run memos"));
    bool anyMemo = false;
    for (const LoadedRun &r : runs.runs)
        anyMemo = anyMemo || r.hasMemo();
    if (!anyMemo) {
        out.leaf("p", tr(lang, "メモのあるランはありません。", "No run has a memo."));
    } else {
        out.start("table");
        out.start("tr");
        out.leaf("th", QStringLiteral("No."));
        out.leaf("th", tr(lang, "日時", "Date"));
        out.leaf("th", tr(lang, "一致数", "Hits"));
        out.leaf("th", tr(lang, "メモ", "Memo"));
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

QString cohenReading(double h, Lang lang)
{
    const double a = std::fabs(h);
    if (a < 0.2)
        return tr(lang, "Cohen の目安で「小」（0.2）に届かない、ごく小さな効果です。",
                  "Below Cohen's \"small\" (0.2): a very small effect.");
    if (a < 0.5)
        return tr(lang, "Cohen の目安で「小」の効果です（0.2 以上 0.5 未満）。",
                  "A \"small\" effect by Cohen's convention (0.2 to 0.5).");
    if (a < 0.8)
        return tr(lang, "Cohen の目安で「中」の効果です（0.5 以上 0.8 未満）。",
                  "A \"medium\" effect by Cohen's convention (0.5 to 0.8).");
    return tr(lang, "Cohen の目安で「大」の効果です（0.8 以上）。",
              "A \"large\" effect by Cohen's convention (0.8 and more).");
}

QString i2Reading(const std::optional<double> &i2, Lang lang)
{
    if (!i2)
        return QString();
    if (*i2 < 0.25)
        return tr(lang, "ばらつきのうち偶然を超える部分は小さい（25 % 未満）。",
                  "Little of the spread goes beyond chance (below 25 %).");
    if (*i2 < 0.75)
        return tr(lang, "ばらつきの一部は偶然を超えています（25～75 %、中程度）。",
                  "Part of the spread goes beyond chance (25 to 75 %, moderate).");
    return tr(lang, "ばらつきの大部分が偶然を超えています（75 % 以上、大きい）。",
              "Most of the spread goes beyond chance (75 % and more, high).");
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

void groupTable(HtmlWriter &out, const QVector<Group> &groups, bool withSite, Lang lang)
{
    out.start("table", {{"class", QStringLiteral("groups")}});
    out.start("tr");
    out.leaf("th", withSite ? tr(lang, "実験", "Experiment") : tr(lang, "サイト", "Site"));
    if (withSite)
        out.leaf("th", tr(lang, "サイト", "Site"));
    else
        out.leaf("th", tr(lang, "実験", "Experiments"));
    out.leaf("th", tr(lang, "ラン", "Runs"));
    out.leaf("th", tr(lang, "試行", "Trials"));
    out.leaf("th", tr(lang, "一致", "Hits"));
    out.leaf("th", tr(lang, "的中率", "Hit rate"));
    out.leaf("th", tr(lang, "95 % 信頼区間", "95 % interval"));
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
    out.leaf("h2", tr(lang, "研究全体：効果量・サイト・異質性", "The study: effect sizes, sites, heterogeneity"));

    out.leaf("h3", tr(lang, "効果量", "Effect sizes"));
    QVector<Row> effects;
    effects.append({tr(lang, "的中率 − 0.5（全試行）", "Hit rate − 0.5 (all trials)"),
                    any ? signedPercent(f.tally.hitRate() - 0.5) + QStringLiteral(" [") + signedPercent(f.ci95.lo - 0.5)
                              + QStringLiteral(", ") + signedPercent(f.ci95.hi - 0.5) + QLatin1Char(']')
                        : QStringLiteral("—"),
                    tr(lang, "偶然（50 %）からの的中率のずれと、その 95 % 信頼区間（Clopper–Pearson）です。",
                       "How far the hit rate lies from chance (50 %), with its 95 % interval (Clopper–Pearson).")});
    effects.append({tr(lang, "Cohen の h（固定効果、95 % 区間）", "Cohen's h (fixed effect, 95 % interval)"),
                    any ? hInterval(byExperiment.fixedH, byExperiment.fixedSe) : QStringLiteral("—"),
                    any ? tr(lang, "h = 2 arcsin√的中率 − 2 arcsin√0.5。", "h = 2 arcsin√rate − 2 arcsin√0.5. ")
                              + cohenReading(byExperiment.fixedH, lang)
                        : QString()});
    effects.append({tr(lang, "Cohen の h（変量効果、実験間、95 % 区間）",
                       "Cohen's h (random effects over experiments, 95 % interval)"),
                    byExperiment.k > 0 ? hInterval(byExperiment.randomH, byExperiment.randomSe) : QStringLiteral("—"),
                    byExperiment.k > 0
                        ? tr(lang, "実験ごとの真の効果が τ² だけばらつくとみた推定です。的中率にすると %1。",
                             "The estimate when the experiments' true effects vary by τ²; as a hit rate, %1.")
                              .arg(percent(stats::rateOfCohensH(byExperiment.randomH)))
                        : QString()});
    figuresTable(out, effects, lang);

    out.leaf("h3", tr(lang, "異質性（的中率が実験・サイトによって偶然以上に違うか）",
                      "Heterogeneity (do the hit rates differ by more than chance?)"));
    out.start("table", {{"class", QStringLiteral("figures")}});
    out.start("tr");
    out.leaf("th", tr(lang, "項目", "Figure"));
    out.leaf("th", tr(lang, "実験の間", "Between experiments"));
    out.leaf("th", tr(lang, "サイトの間", "Between sites"));
    out.leaf("th", tr(lang, "読み方", "Reading"));
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
    hetRow(tr(lang, "数（試行のあるもの）", "Count (with trials)"), QString::number(byExperiment.k),
           QString::number(bySite.k), tr(lang, "比べるには 2 つ以上が要ります。", "Two or more are needed to compare."),
           false);
    hetRow(tr(lang, "Cochran の Q", "Cochran's Q"), qText(byExperiment), qText(bySite),
           tr(lang, "Cohen の h を試行数で重みづけた、全体の推定からのずれの二乗和です。",
              "Squared distances of each h from the pooled one, weighted by trials."),
           false);
    const bool qWarn = (byExperiment.k >= 2 && byExperiment.qP < 0.05) || (bySite.k >= 2 && bySite.qP < 0.05);
    hetRow(tr(lang, "Q の p（カイ二乗）", "p of Q (chi-square)"),
           byExperiment.k >= 2 ? formatP(byExperiment.qP) : QStringLiteral("—"),
           bySite.k >= 2 ? formatP(bySite.qP) : QStringLiteral("—"),
           !two ? QString()
           : qWarn ? tr(lang, "p < 0.05 の列では、的中率の違いは偶然だけでは説明しにくい大きさです。",
                        "Where p < 0.05 the hit rates differ by more than chance easily explains.")
                   : tr(lang, "的中率の違いは偶然の範囲内です。", "The hit rates differ within chance."),
           qWarn);
    hetRow(tr(lang, "I²（95 % 区間、Higgins–Thompson）", "I² (95 % interval, Higgins–Thompson)"), i2Text(byExperiment),
           i2Text(bySite), i2Reading(byExperiment.k >= 2 ? byExperiment.i2 : bySite.i2, lang), false);
    hetRow(tr(lang, "τ²（DerSimonian–Laird）", "τ² (DerSimonian–Laird)"),
           byExperiment.k >= 2 ? QString::number(byExperiment.tau2, 'g', 4) : QStringLiteral("—"),
           bySite.k >= 2 ? QString::number(bySite.tau2, 'g', 4) : QStringLiteral("—"),
           tr(lang, "真の効果（Cohen の h）の実験間・サイト間の分散の推定です。0 ならばらつきは偶然で説明できます。",
              "The estimated variance of the true effects (Cohen's h); 0 when chance explains the spread."),
           false);
    hetRow(tr(lang, "変量効果の h（95 % 区間）", "Random-effects h (95 % interval)"),
           byExperiment.k > 0 ? hInterval(byExperiment.randomH, byExperiment.randomSe) : QStringLiteral("—"),
           bySite.k > 0 ? hInterval(bySite.randomH, bySite.randomSe) : QStringLiteral("—"),
           tr(lang, "各実験（サイト）を 1/(1/n + τ²) で重みづけた推定です。",
              "Each experiment (site) weighted by 1/(1/n + τ²)."),
           false);
    out.end();

    const QString pooledLabel = tr(lang, "全体", "Pooled");
    out.leaf("h3", tr(lang, "サイトごとの的中率（フォレストプロット）", "Hit rate per site (forest plot)"));
    out.start("figure", {{"class", QStringLiteral("forest")}});
    forestSvg(out, forestRows(sites, false), QStringLiteral("forest-sites"), pooledLabel, lang);
    out.end();
    out.leaf("h3", tr(lang, "実験ごとの的中率（フォレストプロット）", "Hit rate per experiment (forest plot)"));
    out.start("figure", {{"class", QStringLiteral("forest")}});
    forestSvg(out, forestRows(experiments, sites.size() > 1), QStringLiteral("forest-experiments"), pooledLabel, lang);
    out.end();

    out.leaf("h3", tr(lang, "証拠の積み重なり（日ごと）", "Evidence as the runs came in (day by day)"));
    out.start("div", {{"class", QStringLiteral("charts")}});
    out.start("figure");
    out.leaf("figcaption", tr(lang, "log10 BF10（一様事前分布）", "log10 BF10 (uniform prior)"));
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
        out.leaf("p",
                 tr(lang, "日付として読めないラン %1 件は、この図に含みません。",
                    "%1 runs whose date cannot be read are not in these charts.")
                     .arg(undated),
                 {{"class", QStringLiteral("meta")}});

    out.leaf("h3", tr(lang, "サイトごと", "Per site"));
    groupTable(out, sites, false, lang);
    out.leaf("h3", tr(lang, "実験ごと", "Per experiment"));
    groupTable(out, experiments, true, lang);
    out.end();
}

} // namespace

QString pReading(double p, std::optional<double> z, Lang lang)
{
    const bool above = z.value_or(0.0) > 0.0;
    if (p < 0.01)
        return above ? tr(lang, "偶然では説明しにくいほど多い一致です（1 % 水準で有意）。",
                          "More hits than chance easily explains (significant at 1 %).")
                     : tr(lang, "偶然では説明しにくいほど少ない一致です（1 % 水準で有意、サイミッシングの方向）。",
                          "Fewer hits than chance easily explains (significant at 1 %, psi-missing).");
    if (p < 0.05)
        return tr(lang, "5 % 水準では有意ですが、1 % 水準には届きません。", "Significant at 5 %, not at 1 %.");
    return tr(lang, "偶然の範囲内です。", "Within chance.");
}

QString bayesReading(double log10Bf, Lang lang)
{
    const double moderate = std::log10(3.0);
    if (log10Bf >= 2.0)
        return tr(lang, "効果あり（H1）を決定的に支持します（BF10 > 100）。",
                  "Decisive evidence for an effect (BF10 > 100).");
    if (log10Bf >= 1.0)
        return tr(lang, "効果あり（H1）を強く支持します（BF10 > 10）。", "Strong evidence for an effect (BF10 > 10).");
    if (log10Bf >= moderate)
        return tr(lang, "効果あり（H1）をある程度支持します（BF10 > 3）。",
                  "Moderate evidence for an effect (BF10 > 3).");
    if (log10Bf > -moderate)
        return tr(lang, "どちらとも言えません（データ不足）。", "Inconclusive: the data do not decide.");
    if (log10Bf > -1.0)
        return tr(lang, "偶然（H0）をある程度支持します（BF10 < 1/3）。", "Moderate evidence for chance (BF10 < 1/3).");
    if (log10Bf > -2.0)
        return tr(lang, "偶然（H0）を強く支持します（BF10 < 1/10）。", "Strong evidence for chance (BF10 < 1/10).");
    return tr(lang, "偶然（H0）を決定的に支持します（BF10 < 1/100）。", "Decisive evidence for chance (BF10 < 1/100).");
}

QByteArray studyReportBytes(const StudyData &study, const QVector<Experiment> &experiments, const ReportOptions &o)
{
    const Lang lang = o.lang;
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
    out.start("html", {{"lang", isJa(lang) ? QStringLiteral("ja") : QStringLiteral("en")}});
    out.start("head");
    out.empty("meta", {{"charset", QStringLiteral("utf-8")}});
    out.empty("meta", {{"name", QStringLiteral("viewport")},
                       {"content", QStringLiteral("width=device-width, initial-scale=1")}});
    const QString title = tr(lang, "VORA 実験レポート", "VORA experiment report");
    out.leaf("title", title);
    out.leaf("style", QString::fromUtf8(kStyle));
    out.end();
    out.start("body");
    charts.writeDefs(out);
    out.leaf("h1", title);
    out.leaf("p",
             tr(lang, "作成 %1 ・ 実験 %2 件 ・ ラン %3 ・ 試行 %4", "Made %1 · %2 experiments · %3 runs · %4 trials")
                 .arg(o.generated, QString::number(f.files), QString::number(f.runs), QString::number(f.tally.trials)),
             {{"class", QStringLiteral("meta")}});

    out.start("section", {{"class", QStringLiteral("pooled")}});
    out.leaf("h2", tr(lang, "全実験をまとめた評価", "Pooled over all experiments"));
    figuresTable(out, pooledRows(f, lang), lang);
    out.leaf("h3", tr(lang, "監査（p < 0.01 で警告）", "Audits (warning at p < 0.01)"));
    const QStringList warnings = auditWarnings(f, lang);
    if (warnings.isEmpty()) {
        out.leaf("p",
                 tr(lang, "回答の偏り・試行間の依存・ターゲットの乱数性に警告はありません。",
                    "No warning on answer bias, sequential dependency or target randomness."),
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
