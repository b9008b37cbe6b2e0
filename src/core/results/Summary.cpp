#include "core/results/Summary.h"

#include "core/registry/DataFile.h"

#include <QCoreApplication>
#include <cmath>

namespace vora {

namespace {
// The texts of this file, under the translation context "Summary".
struct Texts {
    Q_DECLARE_TR_FUNCTIONS(Summary)
};
} // namespace

int truncatedMeanTenths(int hitTotal, int runs)
{
    if (runs <= 0 || hitTotal <= 0)
        return 0;
    // Integer division truncates exactly; Int(x * 10) on a double can fall one tenth short.
    return static_cast<int>((static_cast<qint64>(hitTotal) * 10) / runs);
}

QString formatMeanTenths(int tenths)
{
    if (tenths < 0)
        tenths = 0;
    return QString::number(tenths / 10) + QLatin1Char('.') + QString::number(tenths % 10);
}

QString summaryLine(const RunSet &runs)
{
    const int n = runs.runsRead;
    return Texts::tr("◆全ラン平均一致数=%1、ラン数=%2")
               .arg(formatMeanTenths(truncatedMeanTenths(runs.hitTotal, n)), QString::number(n))
           + QStringLiteral(" (Tr1T=") + QString::number(runs.tr1Total) + QStringLiteral(", In1T=")
           + QString::number(runs.in1Total) + QStringLiteral(", Av1T=") + QString::number(runs.av1Total)
           + QStringLiteral(")");
}

QString summaryLineTooltip()
{
    return Texts::tr("Tr1T=ﾀｰｹﾞｯﾄの1の回数の合計、In1T=入力の1の回数の合計、Av1T=平均の1の回数");
}

QString periodLine(const RunSet &runs)
{
    return Texts::tr("◆実験期間；%1 ～ %2").arg(runs.firstRunDate, runs.lastRunDate);
}

QString runCountCaption(int runCount)
{
    return Texts::tr("（全ラン=%1）").arg(runCount);
}

void LevelCounts::add(int hits)
{
    if (hits >= 63)
        ++atLeast63;
    if (hits == 63)
        ++many100;
    if (hits == 64)
        ++many200;
    if (hits == 65)
        ++many370;
    if (hits >= 66)
        ++many1000;
    if (hits <= 37)
        ++atMost37;
    if (hits == 37)
        ++few100;
    if (hits == 36)
        ++few200;
    if (hits == 35)
        ++few370;
    if (hits <= 34)
        ++few1000;
}

int LevelCounts::count(int level) const
{
    switch (level) {
    case 1: return many100;
    case 2: return many200;
    case 3: return many370;
    case 4: return many1000;
    case -1: return few100;
    case -2: return few200;
    case -3: return few370;
    case -4: return few1000;
    default: break;
    }
    return 0;
}

LevelCounts countLevels(const QVector<LoadedRun> &runs)
{
    LevelCounts c;
    for (const LoadedRun &r : runs)
        c.add(r.hits);
    return c;
}

bool overviewShowsPanel(const LevelCounts &counts)
{
    return counts.significantRuns() >= 2;
}

bool overviewShowsPicture(const LevelCounts &counts)
{
    return counts.significantRuns() >= 4;
}

QString overviewCongratulation(const LevelCounts &counts)
{
    if (!overviewShowsPanel(counts))
        return QString();
    QString s = Texts::tr("　　★おめでとうございます") + QStringLiteral("\r\n\r\n");
    for (int level : {1, 2, 3, 4, -1, -2, -3, -4}) {
        const int n = counts.count(level);
        if (n > 0)
            s += Texts::tr("%1%2回、").arg(allRunLevelPhrase(level), QString::number(n));
    }
    s += Texts::tr("起きています。");
    return s;
}

Analysis meanProfileAnalysis(const RunSet &runs)
{
    // Without a run there is no mean to judge (the routine would divide by zero).
    if (!runs.hasRuns())
        return Analysis();
    return analyse(runs.meanHits(), runs.meanSegments());
}

ShownDateTime shownRunDateTime(const RunSet &runs, int browsedRun, const QString &dateText, const QString &timeText)
{
    ShownDateTime r;
    if (const LoadedRun *run = browsedRun > 0 ? runs.run(browsedRun) : nullptr)
        r.dateTime = run->dateTime;
    if (r.dateTime.isEmpty())
        r.dateTime = dateText + QLatin1Char(' ') + timeText.left(5);
    r.date = r.dateTime.left(10);
    r.time = r.dateTime.mid(11, 5);
    // "9:05:12" gives "9:05:" as its first five characters.
    if (r.time.endsWith(QLatin1Char(':')))
        r.time.chop(1);
    return r;
}

QString stimulusSizeWord(const QString &stimulusCode)
{
    if (stimulusCode == QLatin1String("B"))
        return Texts::tr("大");
    if (stimulusCode == QLatin1String("M"))
        return Texts::tr("中");
    if (stimulusCode == QLatin1String("S"))
        return Texts::tr("小");
    if (stimulusCode == QLatin1String("n"))
        return Texts::tr("無");
    return QString();
}

QString conditionLine(bool withStimulus, const QString &stimulusCode, const QString &hitDisplayCode)
{
    if (!withStimulus)
        return Texts::tr("　刺激；なし　");
    const QString display = hitDisplayCode == QLatin1String("D") ? Texts::tr("有 ") : Texts::tr("なし");
    return Texts::tr(" 刺激；１回、刺激；") + stimulusSizeWord(stimulusCode) + Texts::tr("、当り表示；") + display;
}

QString conditionMemoShown(const RunSet &runs)
{
    return memoFromFileForm(runs.conditionMemo);
}

QVector<int> perTrialCounts(const RunSet &runs)
{
    QVector<int> count(kTrialsPerRun, 0);
    for (const LoadedRun &r : runs.runs) {
        for (int v = 1; v <= kTrialsPerRun; ++v) {
            if (r.isMatch(v))
                ++count[v - 1];
        }
    }
    return count;
}

QVector<int> aroundStimulusCounts(const RunSet &runs, int span)
{
    QVector<int> count(kBeforeAfterPositions, 0);
    for (const LoadedRun &r : runs.runs) {
        const int first = r.stimulusTrial() - span - 1;
        for (int v = 1; v <= kBeforeAfterPositions; ++v) {
            if (r.isMatch(first + v)) // isMatch counts nothing outside 1..100
                ++count[v - 1];
        }
    }
    return count;
}

std::optional<double> allRunLimit(int runsRead)
{
    if (runsRead < 10)
        return std::nullopt;
    return 1.3 * std::sqrt(double(runsRead));
}

double deviationLimit(int runsRead)
{
    return 1.3 * std::sqrt(double(kTrialsPerBlock) * std::max(0, runsRead));
}

} // namespace vora
