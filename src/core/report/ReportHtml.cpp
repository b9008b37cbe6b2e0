#include "core/report/ReportHtml.h"

#include "core/registry/DataFile.h"
#include "core/registry/RunRecord.h"
#include "core/report/LogP.h"
#include "core/report/Svg.h"
#include "core/results/ChartModel.h"
#include "core/results/Evaluation.h"
#include "core/results/Summary.h"

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

bool isJa(Lang lang)
{
    return lang == Lang::Ja;
}

QString tr(Lang lang, const char *ja, const char *en)
{
    return isJa(lang) ? QString::fromUtf8(ja) : QString::fromUtf8(en);
}

// Text from a file or from the program's captions: escaped, line breaks kept.
QString htmlText(const QString &text)
{
    QString t = text;
    t.replace(CRLF, QStringLiteral("\n"));
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

QString tableOf(const QVector<Row> &rows, Lang lang)
{
    QString out = QStringLiteral("<table class=\"figures\"><tr><th>%1</th><th>%2</th><th>%3</th></tr>")
                      .arg(tr(lang, "項目", "Figure"), tr(lang, "値", "Value"), tr(lang, "読み方", "Reading"));
    for (const Row &r : rows)
        out += QStringLiteral("<tr><td>%1</td><td class=\"num\">%2</td><td%4>%3</td></tr>")
                   .arg(r.label, r.value, r.reading, r.warn ? QStringLiteral(" class=\"warn\"") : QString());
    return out + QStringLiteral("</table>");
}

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

QString experimentsTable(const QVector<Experiment> &experiments, const PooledFigures &f, Lang lang)
{
    QString out =
        QStringLiteral("<table><tr><th>%1</th><th>%2</th><th>%3</th><th>%4</th><th>%5</th><th>z</th><th>p</th></tr>")
            .arg(tr(lang, "実験", "Experiment"), tr(lang, "ラン", "Runs"), tr(lang, "試行", "Trials"),
                 tr(lang, "一致", "Hits"), tr(lang, "的中率", "Hit rate"));
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
    QString out =
        QStringLiteral("<section class=\"experiment\" id=\"e%1\"><h2>%2 %3</h2><p class=\"meta\">%4</p>")
            .arg(QString::number(index + 1), tr(lang, "実験", "Experiment"), escapeXml(e.name), escapeXml(e.file));

    // Name, conditions, dates, the condition memo.
    const QString size = stimulusSizeWord(runs.stimulusCode);
    QString conditions = e.withStimulus
                             ? tr(lang, "刺激：%1、当り表示：%2", "stimulus: %1, hit display: %2")
                                   .arg(size.isEmpty() ? QStringLiteral("—") : size,
                                        runs.hitDisplayCode == QLatin1String("D") ? tr(lang, "有", "shown")
                                                                                  : tr(lang, "なし", "not shown"))
                             : tr(lang, "刺激：なし、当り表示：%1", "no stimulus, hit display: %1")
                                   .arg(runs.hitDisplayCode == QLatin1String("D") ? tr(lang, "有", "shown")
                                                                                  : tr(lang, "なし", "not shown"));
    out += QStringLiteral("<table><tr><th>%1</th><td>%2</td></tr>")
               .arg(tr(lang, "条件", "Conditions"), escapeXml(conditions));
    out += QStringLiteral("<tr><th>%1</th><td>%2</td></tr>")
               .arg(tr(lang, "期間", "Dates"),
                    runs.hasRuns() ? escapeXml(runs.firstRunDate + QStringLiteral(" ～ ") + runs.lastRunDate)
                                   : QStringLiteral("—"));
    out += QStringLiteral("<tr><th>%1</th><td>%2</td></tr>")
               .arg(tr(lang, "ラン数", "Runs"), QString::number(runs.runsRead));
    out += QStringLiteral("<tr><th>%1</th><td class=\"memo\">%2</td></tr></table>")
               .arg(tr(lang, "実験条件のメモ", "Condition memo"),
                    runs.hasConditionMemo ? htmlText(memoFromFileForm(runs.conditionMemo)) : QStringLiteral("—"));

    if (!runs.hasRuns()) {
        out += QStringLiteral("<p>") + tr(lang, "ランがまだありません。", "No run yet.")
               + QStringLiteral("</p></section>");
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
        out += QStringLiteral("<p>") + tr(lang, "全ランの傾向：", "All runs: ") + htmlText(all.analysisText.trimmed())
               + QStringLiteral("</p>");
    if (!congratulation.isEmpty())
        out += QStringLiteral("<p>") + htmlText(congratulation.trimmed()) + QStringLiteral("</p>");
    out += QStringLiteral("<p>")
           + tr(lang, "ラン %1（%2）：", "Run %1 (%2): ").arg(shown.number).arg(escapeXml(shown.dateTime.trimmed()))
           + htmlText(singleRunLine(shown.hits, e.withStimulus, shown.stimulusTrial(), kStimulusSpan, shown.targetOnes,
                                    shown.inputOnes));
    if (!single.analysisText.isEmpty())
        out += QStringLiteral("<br>") + htmlText(single.analysisText.trimmed());
    out += QStringLiteral("</p></div>");

    // The five charts of the results view from their own models, then the report's two.
    out += QStringLiteral("<div class=\"charts\">");
    const ChartModel segment = segmentChart(shown.segmentHits, true);
    out += figure(modelTitle(segment) + tr(lang, "（ラン %1）", " (run %1)").arg(shown.number),
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
    out += figure(tr(lang, "ランの一致数の分布と二項分布の期待値", "Run scores against Binomial(100, 0.5)"),
                  charts.add(histogramSvg(runs, lang, kChartScale)));
    out += figure(tr(lang, "一致数の累積偏差と 1 % 限界（±2.58σ）",
                     "Cumulative deviation of hits with the 1 % envelope (±2.58σ)"),
                  charts.add(cumulativeSvg(runs, lang, kChartScale)));
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
    out += QStringLiteral("<h3>") + tr(lang, "ランのメモ", "Run memos") + QStringLiteral("</h3>");
    if (memos.isEmpty())
        out += QStringLiteral("<p>") + tr(lang, "メモのあるランはありません。", "No run has a memo.")
               + QStringLiteral("</p>");
    else
        out += QStringLiteral("<table><tr><th>No.</th><th>%1</th><th>%2</th><th>%3</th></tr>")
                   .arg(tr(lang, "日時", "Date"), tr(lang, "一致数", "Hits"), tr(lang, "メモ", "Memo"))
               + memos + QStringLiteral("</table>");
    return out + QStringLiteral("</section>");
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

QString reportHtml(const QVector<Experiment> &experiments, const ReportOptions &o)
{
    const Lang lang = o.lang;
    const PooledFigures f = pooledFigures(experiments);
    QString out;
    out.reserve(40000 + 24000 * experiments.size());
    out += QStringLiteral("<!DOCTYPE html>\n<html lang=\"%1\"><head><meta charset=\"utf-8\">"
                          "<meta name=\"viewport\" content=\"width=device-width, initial-scale=1\">"
                          "<title>%2</title><style>")
               .arg(isJa(lang) ? QStringLiteral("ja") : QStringLiteral("en"),
                    tr(lang, "VORA 実験レポート", "VORA experiment report"));
    out += QString::fromUtf8(kStyle);
    out += QStringLiteral("</style></head><body>\x02");
    out += QStringLiteral("<h1>%1</h1><p class=\"meta\">%2</p>")
               .arg(tr(lang, "VORA 実験レポート", "VORA experiment report"),
                    tr(lang, "作成 %1 ・ 実験 %2 件 ・ ラン %3 ・ 試行 %4",
                       "Made %1 · %2 experiments · %3 runs · %4 trials")
                        .arg(escapeXml(o.generated), QString::number(f.files), QString::number(f.runs),
                             QString::number(f.tally.trials)));

    out += QStringLiteral("<section class=\"pooled\"><h2>%1</h2>")
               .arg(tr(lang, "全実験をまとめた評価", "Pooled over all experiments"));
    out += tableOf(pooledRows(f, lang), lang);
    out += QStringLiteral("<h3>%1</h3>").arg(tr(lang, "監査（p < 0.01 で警告）", "Audits (warning at p < 0.01)"));
    const QStringList warnings = auditWarnings(f, lang);
    if (warnings.isEmpty()) {
        out += QStringLiteral("<p class=\"ok\">")
               + tr(lang, "回答の偏り・試行間の依存・ターゲットの乱数性に警告はありません。",
                    "No warning on answer bias, sequential dependency or target randomness.")
               + QStringLiteral("</p>");
    } else {
        out += QStringLiteral("<ul class=\"warnings\">");
        for (const QString &w : warnings)
            out += QStringLiteral("<li class=\"warn\">") + escapeXml(w) + QStringLiteral("</li>");
        out += QStringLiteral("</ul>");
    }
    out += QStringLiteral("<h3>%1</h3>").arg(tr(lang, "実験ごと", "Per experiment"));
    out += experimentsTable(experiments, f, lang);
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
