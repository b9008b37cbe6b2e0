#pragma once
// Texts and figures of the results view computed from the runs read: the summary and
// period lines, the significant-run counters of the overview, the mean profile, the date
// and time of the run shown, the condition line, and the counts of the lower charts.
#include "core/results/Evaluation.h"
#include "core/results/RunLoader.h"

#include <QString>
#include <QVector>
#include <optional>

namespace vora {

// A mean truncated (not rounded) to one decimal: Int(total * 10 / runs) / 10, in exact
// integer arithmetic. 0 when there are no runs.
int truncatedMeanTenths(int hitTotal, int runs);
// "##.0": 503 -> "50.3", 500 -> "50.0", 50 -> "5.0". Below 1 the zero is kept ("0.0", "0.3").
QString formatMeanTenths(int tenths);

// Label16: "◆全ラン平均一致数=50.3、ラン数=12 (Tr1T=601, In1T=588, Av1T=600)".
// N is the number of runs read; with none the mean reads "0.0" and ラン数=0.
QString summaryLine(const RunSet &runs);
QString summaryLineTooltip();
// Label15 of the overview: "◆実験期間；2009/04/25 ～ 2009/05/02".
QString periodLine(const RunSet &runs);
// Label27: "（全ラン=12）".
QString runCountCaption(int runCount);

// The overview's counters of significant runs. A run at 66 counts in atLeast63 and in
// many1000; the message lists each run once, by its own level.
struct LevelCounts {
    int atLeast63 = 0, many100 = 0, many200 = 0, many370 = 0, many1000 = 0;
    int atMost37 = 0, few100 = 0, few200 = 0, few370 = 0, few1000 = 0;
    void add(int hits);
    int significantRuns() const { return atLeast63 + atMost37; }
    // Count for a level of significanceLevel(): +1..+4, -1..-4.
    int count(int level) const;
};
LevelCounts countLevels(const QVector<LoadedRun> &runs);
// The overview congratulation (Label29) when two or more runs are significant, else empty.
QString overviewCongratulation(const LevelCounts &counts);
bool overviewShowsPanel(const LevelCounts &counts); // two or more significant runs
bool overviewShowsPicture(const LevelCounts &counts); // four or more

// Label14: the analysis routine on the mean profile of all runs read (empty without runs).
Analysis meanProfileAnalysis(const RunSet &runs);

// Label31 / Label34: the stored date and time of the run shown, or, for the run just
// finished and the overview, the current date and time ("H:mm:ss" time text).
struct ShownDateTime {
    QString dateTime; // 16 characters as stored, or date + " " + first five of the time
    QString date; // Label31: characters 1-10
    QString time; // Label34: characters 12-16 without a trailing ":"
};
ShownDateTime shownRunDateTime(const RunSet &runs, int browsedRun, const QString &dateText, const QString &timeText);

// Label4 as the condition line: " 刺激；１回、刺激；中、当り表示；有 " or "　刺激；なし　".
QString conditionLine(bool withStimulus, const QString &stimulusCode, const QString &hitDisplayCode);
// "大", "中", "小", "無" for "B", "M", "S", "n"; empty for anything else.
QString stimulusSizeWord(const QString &stimulusCode);
// Text5: the condition memo with its Chr(1) Chr(1) pairs as CR LF.
QString conditionMemoShown(const RunSet &runs);

// Trial positions the before/after chart shows ahead of the stimulus onset.
constexpr int kBeforeAfterSpan = 30;
constexpr int kBeforeAfterPositions = 60;
// Chart 5: count[v - 1] = runs read in which trial v (1..100) was a match.
QVector<int> perTrialCounts(const RunSet &runs);
// Chart 4: count[v - 1] for positions v = 1..60 = runs read in which trial T - span + v - 1
// was a match, T the run's stimulus trial; trials outside 1..100 count nothing.
QVector<int> aroundStimulusCounts(const RunSet &runs, int span = kBeforeAfterSpan);
// 1 % limit of counts summed over R runs: 1.3 * sqrt(R), only from 10 runs on.
std::optional<double> allRunLimit(int runsRead);
// 1 % limit of a segment total over R runs (20 trials each): 1.3 * sqrt(20 R).
double deviationLimit(int runsRead);

} // namespace vora
