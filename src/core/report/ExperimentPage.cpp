#include "core/report/ExperimentPage.h"

#include "core/registry/DataFile.h"
#include "core/registry/RunRecord.h"
#include "core/report/Svg.h"
#include "core/results/ChartModel.h"
#include "core/results/Evaluation.h"
#include "core/results/Summary.h"

#include <QCoreApplication>

#include <array>

namespace vora::report::page {

namespace {

// The charts of the page at three quarters of their size in the window: three narrow ones
// or two wide ones fit across an A4 page.
constexpr double kChartScale = 0.74;

// The texts of the report, under the translation context "ReportHtml".
struct Texts {
    Q_DECLARE_TR_FUNCTIONS(ReportHtml)
};

QString modelTitle(const ChartModel &m)
{
    QString t = m.titleCaption.trimmed();
    t.remove(QChar(0x3000));
    return t.trimmed();
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

} // namespace

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

void experimentSection(HtmlWriter &out, const ExperimentPage &page, int index, const ChartParts &charts)
{
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

} // namespace vora::report::page
