#include "core/report/ReportHtml.h"

#include "core/registry/DataFile.h"
#include "core/registry/RunRecord.h"
#include "core/report/LogP.h"
#include "core/report/Svg.h"
#include "core/results/ChartModel.h"
#include "core/results/Evaluation.h"
#include "core/results/Summary.h"
#include "core/toolkit/Language.h"

#include <QCoreApplication>
#include <QHash>
#include <QRegularExpression>
#include <QSet>

#include <cmath>

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
)css";

// The texts of this file, under the translation context "ReportHtml".
struct Texts {
    Q_DECLARE_TR_FUNCTIONS(ReportHtml)
};

// Text from a file or from the program's captions: escaped, line breaks kept.
QString htmlText(const QString &text)
{
    QString t = text;
    t.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    t.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    QString out = escapeXml(t);
    out.replace(QLatin1Char('\n'), QStringLiteral("<br>"));
    return out;
}

QString percent(double share, int decimals = 2)
{
    return QString::number(100.0 * share, 'f', decimals) + QStringLiteral(" %");
}

// A p too small for a double reads "< 1e-300", never 0 ("impossible"). HTML.
QString formatP(double p)
{
    if (p < stats::kSmallestShownP)
        return QStringLiteral("&lt; 1e-300");
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

QString tableOf(const QVector<Row> &rows)
{
    QString out = QStringLiteral("<table class=\"figures\"><tr><th>%1</th><th>%2</th><th>%3</th></tr>")
                      .arg(Texts::tr("項目"), Texts::tr("値"), Texts::tr("読み方"));
    for (const Row &r : rows)
        out += QStringLiteral("<tr><td>%1</td><td class=\"num\">%2</td><td%4>%3</td></tr>")
                   .arg(r.label, r.value, r.reading, r.warn ? QStringLiteral(" class=\"warn\"") : QString());
    return out + QStringLiteral("</table>");
}

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

QString experimentsTable(const QVector<Experiment> &experiments, const PooledFigures &f)
{
    QString out =
        QStringLiteral("<table><tr><th>%1</th><th>%2</th><th>%3</th><th>%4</th><th>%5</th><th>z</th><th>p</th></tr>")
            .arg(Texts::tr("実験"), Texts::tr("ラン"), Texts::tr("試行"), Texts::tr("一致"), Texts::tr("的中率"));
    for (int i = 0; i < f.experiments.size(); ++i) {
        const ExperimentFigures &e = f.experiments.at(i);
        out += QStringLiteral(
                   "<tr><td><a href=\"#e%1\">%2</a><br><span class=\"meta\">%3</span></td><td class=\"num\">%4</td>"
                   "<td class=\"num\">%5</td><td class=\"num\">%6</td><td class=\"num\">%7</td>"
                   "<td class=\"num\">%8</td><td class=\"num\">%9</td></tr>")
                   .arg(QString::number(i + 1), escapeXml(experiments.at(i).name), escapeXml(e.file),
                        QString::number(e.runs), QString::number(e.tally.trials), QString::number(e.tally.hits),
                        e.tally.trials > 0 ? percent(e.tally.hitRate()) : QStringLiteral("—"), formatZ(e.tally.z()),
                        e.tally.trials > 0 ? formatP(e.tally.p()) : QStringLiteral("—"));
    }
    return out + QStringLiteral("</table>");
}

// The charts of a page. Their grids, frames and axis labels repeat from experiment to
// experiment: every run of drawing elements met in two charts or more is written once, in a
// hidden <defs> at the top, and drawn where it belongs with <use href="#dN"> (a reference
// within the page). Everything else is written in place.
class ChartSet {
public:
    // A placeholder for the page; the chart itself is written by resolve().
    QString add(const QString &svg)
    {
        m_charts.append(svg);
        return QStringLiteral("\x01%1\x01").arg(m_charts.size() - 1);
    }

    QString resolve(const QString &page)
    {
        static const QRegularExpression element(QStringLiteral("<path [^>]*/>|<rect [^>]*/>|<text\\b.*?</text>"));
        struct Parsed {
            QString open;
            QStringList elements;
        };
        QVector<Parsed> parsed;
        QHash<QString, int> seen; // element -> number of charts holding it
        for (const QString &svg : m_charts) {
            Parsed p;
            const int bodyStart = svg.indexOf(QLatin1Char('>')) + 1;
            p.open = svg.left(bodyStart);
            QRegularExpressionMatchIterator it = element.globalMatch(svg, bodyStart);
            while (it.hasNext())
                p.elements << it.next().captured(0);
            for (const QString &e : QSet<QString>(p.elements.begin(), p.elements.end()))
                ++seen[e];
            parsed.append(p);
        }
        // Runs of shared elements, counted over the charts; only runs met twice are worth a definition.
        auto runsOf = [&](const Parsed &p) {
            QVector<QPair<bool, QString>> runs; // (shared, text)
            for (const QString &e : p.elements) {
                const bool shared = seen.value(e) > 1;
                if (!runs.isEmpty() && runs.last().first == shared && shared)
                    runs.last().second += e;
                else
                    runs.append({shared, e});
            }
            return runs;
        };
        QHash<QString, int> runCount;
        QVector<QVector<QPair<bool, QString>>> allRuns;
        for (const Parsed &p : parsed) {
            allRuns.append(runsOf(p));
            for (const auto &r : allRuns.last())
                if (r.first)
                    ++runCount[r.second];
        }
        QHash<QString, QString> ids;
        QString defs;
        QStringList written;
        for (int i = 0; i < parsed.size(); ++i) {
            QString svg = parsed[i].open;
            for (const auto &r : allRuns[i]) {
                if (!r.first || runCount.value(r.second) < 2) {
                    svg += r.second;
                    continue;
                }
                QString id = ids.value(r.second);
                if (id.isEmpty()) {
                    id = QStringLiteral("d%1").arg(ids.size());
                    ids.insert(r.second, id);
                    defs += QStringLiteral("<g id=\"") + id + QStringLiteral("\">") + r.second + QStringLiteral("</g>");
                }
                svg += QStringLiteral("<use href=\"#") + id + QStringLiteral("\"/>");
            }
            written << svg + QStringLiteral("</svg>");
        }
        const QString defsBlock =
            defs.isEmpty() ? QString()
                           : QStringLiteral("<svg class=\"defs\" width=\"0\" height=\"0\" aria-hidden=\"true\"><defs>")
                                 + defs + QStringLiteral("</defs></svg>");
        // One pass over the page: "\x02" stands for the definitions, "\x01n\x01" for chart n. Text
        // from files never holds either: control characters are dropped when escaped.
        QString out;
        out.reserve(page.size() + defsBlock.size() + 64 * written.size());
        for (qsizetype i = 0; i < page.size(); ++i) {
            const QChar c = page.at(i);
            if (c == QLatin1Char('\x02')) {
                out += defsBlock;
            } else if (c == QLatin1Char('\x01')) {
                const qsizetype end = page.indexOf(QLatin1Char('\x01'), i + 1);
                out += written.value(page.mid(i + 1, end - i - 1).toInt());
                i = end;
            } else {
                out += c;
            }
        }
        return out;
    }

private:
    QStringList m_charts;
};

QString figure(const QString &caption, const QString &chart)
{
    return QStringLiteral("<figure><figcaption>") + escapeXml(caption) + QStringLiteral("</figcaption>") + chart
           + QStringLiteral("</figure>");
}

QString modelTitle(const ChartModel &m)
{
    QString t = m.titleCaption.trimmed();
    t.remove(QChar(0x3000));
    return t.trimmed();
}

QString experimentSection(const Experiment &e, int index, const ReportOptions &o, ChartSet &charts)
{
    const Lang lang = o.lang;
    const RunSet &runs = e.runs;
    QString out = QStringLiteral("<section class=\"experiment\" id=\"e%1\"><h2>%2 %3</h2><p class=\"meta\">%4</p>")
                      .arg(QString::number(index + 1), Texts::tr("実験"), escapeXml(e.name), escapeXml(e.file));

    // Name, conditions, dates, the condition memo.
    const QString size = stimulusSizeWord(runs.stimulusCode);
    QString conditions =
        e.withStimulus ? Texts::tr("刺激：%1、当り表示：%2")
                             .arg(size.isEmpty() ? QStringLiteral("—") : size,
                                  runs.hitDisplayCode == QLatin1String("D") ? Texts::tr("有") : Texts::tr("なし"))
                       : Texts::tr("刺激：なし、当り表示：%1")
                             .arg(runs.hitDisplayCode == QLatin1String("D") ? Texts::tr("有") : Texts::tr("なし"));
    out += QStringLiteral("<table><tr><th>%1</th><td>%2</td></tr>").arg(Texts::tr("条件"), escapeXml(conditions));
    out += QStringLiteral("<tr><th>%1</th><td>%2</td></tr>")
               .arg(Texts::tr("期間"), runs.hasRuns()
                                           ? escapeXml(Texts::tr("%1 ～ %2").arg(runs.firstRunDate, runs.lastRunDate))
                                           : QStringLiteral("—"));
    out += QStringLiteral("<tr><th>%1</th><td>%2</td></tr>").arg(Texts::tr("ラン数"), QString::number(runs.runsRead));
    out += QStringLiteral("<tr><th>%1</th><td class=\"memo\">%2</td></tr></table>")
               .arg(Texts::tr("実験条件のメモ"),
                    runs.hasConditionMemo ? htmlText(memoFromFileForm(runs.conditionMemo)) : QStringLiteral("—"));

    if (!runs.hasRuns()) {
        out += QStringLiteral("<p>") + Texts::tr("ランがまだありません。") + QStringLiteral("</p></section>");
        return out;
    }

    const LoadedRun &shown =
        (o.shownRun > 0 && o.shownRun <= runs.runs.size()) ? runs.runs.at(o.shownRun - 1) : runs.runs.last();
    std::array<double, 5> segments{};
    for (int i = 0; i < 5; ++i)
        segments[i] = shown.segmentHits[i];
    const Analysis single = analyse(shown.hits, segments);
    const Analysis all = meanProfileAnalysis(runs);
    const QString congratulation = overviewCongratulation(countLevels(runs.runs));

    // The texts of the results view, as the program writes them.
    out += QStringLiteral("<div class=\"texts\">");
    out += QStringLiteral("<p>") + htmlText(periodLine(runs)) + QStringLiteral("</p>");
    out += QStringLiteral("<p>") + htmlText(summaryLine(runs)) + QStringLiteral("</p>");
    if (!all.analysisText.isEmpty())
        out += QStringLiteral("<p>") + Texts::tr("全ランの傾向：") + htmlText(all.analysisText.trimmed())
               + QStringLiteral("</p>");
    if (!congratulation.isEmpty())
        out += QStringLiteral("<p>") + htmlText(congratulation.trimmed()) + QStringLiteral("</p>");
    out += QStringLiteral("<p>")
           + Texts::tr("ラン %1（%2）：").arg(shown.number).arg(escapeXml(shown.dateTime.trimmed()))
           + htmlText(singleRunLine(shown.hits, e.withStimulus, shown.stimulusTrial(), kStimulusSpan, shown.targetOnes,
                                    shown.inputOnes));
    if (!single.analysisText.isEmpty())
        out += QStringLiteral("<br>") + htmlText(single.analysisText.trimmed());
    out += QStringLiteral("</p></div>");

    // The five charts of the results view from their own models, then the report's two.
    out += QStringLiteral("<div class=\"charts\">");
    const ChartModel segment = segmentChart(shown.segmentHits, true);
    out += figure(modelTitle(segment) + Texts::tr("（ラン %1）").arg(shown.number),
                  charts.add(chartSvg(segment, QStringLiteral("segment"), kChartScale)));
    const ChartModel deviation = deviationChart(runs.segmentTotal, runs.runsRead, true);
    out += figure(modelTitle(deviation), charts.add(chartSvg(deviation, QStringLiteral("deviation"), kChartScale)));
    if (e.withStimulus) {
        const ChartModel around = aroundStimulusChart(aroundStimulusCounts(runs), runs.runsRead, true);
        out += figure(modelTitle(around), charts.add(chartSvg(around, QStringLiteral("stimulus"), kChartScale)));
    }
    const ChartModel overview = overviewChart(runs.runs);
    out += figure(modelTitle(overview), charts.add(chartSvg(overview, QStringLiteral("overview"), kChartScale)));
    const ChartModel trials = perTrialChart(perTrialCounts(runs), runs.runsRead, false);
    out += figure(modelTitle(trials), charts.add(chartSvg(trials, QStringLiteral("trials"), kChartScale)));
    out += figure(Texts::tr("ランの一致数の分布と二項分布の期待値"), charts.add(histogramSvg(runs, lang, kChartScale)));
    out +=
        figure(Texts::tr("一致数の累積偏差と 1 % 限界（±2.58σ）"), charts.add(cumulativeSvg(runs, lang, kChartScale)));
    out += QStringLiteral("</div>");

    // The run memos.
    QString memos;
    for (const LoadedRun &r : runs.runs) {
        if (!r.hasMemo())
            continue;
        memos += QStringLiteral(
                     "<tr><td class=\"num\">%1</td><td>%2</td><td class=\"num\">%3</td><td class=\"memo\">%4</td></tr>")
                     .arg(QString::number(r.number), escapeXml(r.dateTime.trimmed()), QString::number(r.hits),
                          htmlText(runMemoFromFileForm(r.memo)));
    }
    out += QStringLiteral("<h3>") + Texts::tr("ランのメモ") + QStringLiteral("</h3>");
    if (memos.isEmpty())
        out += QStringLiteral("<p>") + Texts::tr("メモのあるランはありません。") + QStringLiteral("</p>");
    else
        out += QStringLiteral("<table><tr><th>No.</th><th>%1</th><th>%2</th><th>%3</th></tr>")
                   .arg(Texts::tr("日時"), Texts::tr("一致数"), Texts::tr("メモ"))
               + memos + QStringLiteral("</table>");
    return out + QStringLiteral("</section>");
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

QString reportHtml(const QVector<Experiment> &experiments, const ReportOptions &o)
{
    const Lang lang = o.lang;
    const language::Scope speaking(languageCode(lang));
    const PooledFigures f = pooledFigures(experiments);
    QString out;
    out.reserve(40000 + 24000 * experiments.size());
    out += QStringLiteral("<!DOCTYPE html>\n<html lang=\"%1\"><head><meta charset=\"utf-8\">"
                          "<meta name=\"viewport\" content=\"width=device-width, initial-scale=1\">"
                          "<title>%2</title><style>")
               .arg(language::current(), Texts::tr("VORA 実験レポート"));
    out += QString::fromUtf8(kStyle);
    out += QStringLiteral("</style></head><body>\x02");
    out += QStringLiteral("<h1>%1</h1><p class=\"meta\">%2</p>")
               .arg(Texts::tr("VORA 実験レポート"), Texts::tr("作成 %1 ・ 実験 %2 件 ・ ラン %3 ・ 試行 %4")
                                                        .arg(escapeXml(o.generated), QString::number(f.files),
                                                             QString::number(f.runs), QString::number(f.tally.trials)));

    out += QStringLiteral("<section class=\"pooled\"><h2>%1</h2>").arg(Texts::tr("全実験をまとめた評価"));
    out += tableOf(pooledRows(f, lang));
    out += QStringLiteral("<h3>%1</h3>").arg(Texts::tr("監査（p < 0.01 で警告）"));
    const QStringList warnings = auditWarnings(f, lang);
    if (warnings.isEmpty()) {
        out += QStringLiteral("<p class=\"ok\">")
               + Texts::tr("回答の偏り・試行間の依存・ターゲットの乱数性に警告はありません。") + QStringLiteral("</p>");
    } else {
        out += QStringLiteral("<ul class=\"warnings\">");
        for (const QString &w : warnings)
            out += QStringLiteral("<li class=\"warn\">") + escapeXml(w) + QStringLiteral("</li>");
        out += QStringLiteral("</ul>");
    }
    out += QStringLiteral("<h3>%1</h3>").arg(Texts::tr("実験ごと"));
    out += experimentsTable(experiments, f);
    out += QStringLiteral("</section>");

    ChartSet charts;
    for (int i = 0; i < experiments.size(); ++i)
        out += experimentSection(experiments.at(i), i, o, charts);
    out += QStringLiteral("</body></html>\n");
    return charts.resolve(out);
}

QByteArray reportBytes(const QVector<Experiment> &experiments, const ReportOptions &options)
{
    return reportHtml(experiments, options).toUtf8();
}

} // namespace vora::report
