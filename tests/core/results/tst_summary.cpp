#include "Fakes.h"
#include "StoredRuns.h"
#include "core/results/ChartModel.h"
#include "core/results/Summary.h"

#include <QtTest>
#include <numeric>

using namespace vora;
using vora::testing::runLine;
using vora::testing::runLineFromMatches;
using vora::testing::runLineWithHits;
using vora::testing::TestServices;

namespace {

const QString kFile = QStringLiteral("data/Test-1.txt");
const QString kMemoLine = QStringLiteral("実験条件=静かな部屋") + QChar(1) + QChar(1) + QStringLiteral("夜");

// Ten runs: run n has 49 + n hits, its date 2009/04/(10 + n) and the memo "m<n>" on run 4.
QStringList tenRuns()
{
    QStringList lines;
    for (int n = 1; n <= 10; ++n) {
        const QString date = QStringLiteral("2009/04/%1").arg(10 + n);
        QVector<bool> m(100, false);
        for (int i = 0; i < 49 + n; ++i)
            m[i] = true;
        lines << runLineFromMatches(m, 30 + n, date, QStringLiteral(" 9:0%1").arg(n % 10),
                                    n == 4 ? QStringLiteral("m4") : QString());
    }
    return lines;
}

RunSet load(const QStringList &lines, int browsedRun, int previousRunCount = 0)
{
    TestServices t;
    t.writeLines(kFile, lines);
    return loadRuns(*t.files, t.path(kFile), browsedRun, previousRunCount);
}

} // namespace

class TestSummary : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void loaderAccumulates();
    void browsingStopsAtTheRunShown_data();
    void browsingStopsAtTheRunShown();
    void memoLineDoesNotShiftRuns();
    void noRunsGivesZeroAndNoMean_data();
    void noRunsGivesZeroAndNoMean();
    void moreThanHundredRuns();
    void hundredMatchRun();
    void summaryLineExample();
    void meanTruncates_data();
    void meanTruncates();
    void levelCounters();
    void overviewCongratulation_data();
    void overviewCongratulation();
    void meanProfile();
    void shownDateTime_data();
    void shownDateTime();
    void conditionLine_data();
    void conditionLine();
    void lowerChartCounts();
    void limits();
};

void TestSummary::loaderAccumulates()
{
    const RunSet s = load(tenRuns(), 0);
    QVERIFY(s.readOk);
    QCOMPARE(s.runsRead, 10);
    QCOMPARE(s.runCount, 10);
    QCOMPARE(s.hitTotal, 50 * 10 + 55 - 10); // 50..59
    QCOMPARE(s.tr1Total, 500);
    QCOMPARE(s.av1Total, 500);
    int in1 = 0;
    for (const QString &line : tenRuns())
        in1 += line.mid(161, 100).count(QLatin1Char('1'));
    QCOMPARE(s.in1Total, in1);
    QVERIFY(in1 != s.tr1Total);
    QCOMPARE(s.segmentTotal[0], 200);
    QCOMPARE(s.segmentTotal[2], 10 * 10 + 45); // run n has 9 + n hits in trials 41-60
    QCOMPARE(s.firstRunDate, QStringLiteral("2009/04/11"));
    QCOMPARE(s.lastRunDate, QStringLiteral("2009/04/20"));
    QCOMPARE(s.run(3)->dateTime, QStringLiteral("2009/04/13  9:03"));
    QCOMPARE(s.run(4)->memo, QStringLiteral("m4"));
    QVERIFY(s.run(5)->memo.isEmpty());
    QCOMPARE(s.lastRun()->hits, 59);
    QCOMPARE(s.lastRun()->stimulusTrial(), 40);
    QCOMPARE(s.stimulusCode, QStringLiteral("M"));
    QCOMPARE(s.hitDisplayCode, QStringLiteral("D"));
}

void TestSummary::browsingStopsAtTheRunShown_data()
{
    QTest::addColumn<int>("browsed");
    QTest::addColumn<int>("runsRead");
    QTest::addColumn<int>("hitTotal");
    QTest::newRow("overview") << 0 << 10 << 545;
    QTest::newRow("run 3 of 10") << 3 << 3 << 50 + 51 + 52;
    QTest::newRow("run 1") << 1 << 1 << 50;
    QTest::newRow("last run") << 10 << 10 << 545;
    QTest::newRow("beyond the file") << 12 << 10 << 545;
}

void TestSummary::browsingStopsAtTheRunShown()
{
    QFETCH(int, browsed);
    QFETCH(int, runsRead);
    QFETCH(int, hitTotal);
    const RunSet s = load(tenRuns(), browsed, 10);
    QCOMPARE(s.runsRead, runsRead);
    QCOMPARE(s.runs.size(), runsRead);
    QCOMPARE(s.hitTotal, hitTotal);
    QCOMPARE(s.av1Total, 50 * runsRead);
    QCOMPARE(s.runCount, 10); // only ever rises
    QCOMPARE(s.lastRun()->number, runsRead);
    QCOMPARE(s.lastRun()->hits, 49 + runsRead);
    QCOMPARE(s.lastRunDate, QStringLiteral("2009/04/%1").arg(10 + runsRead));
    QVERIFY(summaryLine(s).contains(QStringLiteral("、ラン数=%1 ").arg(runsRead)));
}

void TestSummary::memoLineDoesNotShiftRuns()
{
    QStringList lines = tenRuns();
    lines.insert(2, kMemoLine); // between run 2 and run 3
    const RunSet s = load(lines, 3, 0);
    QCOMPARE(s.runsRead, 3);
    QCOMPARE(s.runCount, 3);
    QCOMPARE(s.lastRun()->hits, 52);
    QCOMPARE(s.lastRun()->fileLine, 4);
    QVERIFY(s.hasConditionMemo);
    QCOMPARE(conditionMemoShown(s), QStringLiteral("静かな部屋\r\n夜"));

    // A memo line after the run shown stays unread while browsing, the overview reads it.
    QStringList later = tenRuns();
    later.insert(5, kMemoLine);
    QVERIFY(!load(later, 3).hasConditionMemo);
    const RunSet all = load(later, 0);
    QVERIFY(all.hasConditionMemo);
    QCOMPARE(all.runsRead, 10);
    QCOMPARE(all.run(6)->hits, 55);
}

void TestSummary::noRunsGivesZeroAndNoMean_data()
{
    QTest::addColumn<QStringList>("lines");
    QTest::addColumn<bool>("writeFile");
    QTest::newRow("empty file") << QStringList() << true;
    QTest::newRow("memo only") << QStringList{kMemoLine} << true;
    QTest::newRow("missing file") << QStringList() << false;
}

void TestSummary::noRunsGivesZeroAndNoMean()
{
    QFETCH(QStringList, lines);
    QFETCH(bool, writeFile);
    TestServices t;
    if (writeFile)
        t.writeLines(kFile, lines);
    const RunSet s = loadRuns(*t.files, t.path(kFile), 0);
    QVERIFY(s.readOk);
    QCOMPARE(s.missing, !writeFile);
    QCOMPARE(s.runsRead, 0);
    QVERIFY(s.lastRun() == nullptr);
    QCOMPARE(s.meanHits(), 0.0);
    for (double v : s.meanSegments())
        QCOMPARE(v, 0.0);
    QCOMPARE(summaryLine(s), QStringLiteral("◆全ラン平均一致数=0.0、ラン数=0 (Tr1T=0, In1T=0, Av1T=0)"));
    const Analysis a = meanProfileAnalysis(s);
    QVERIFY(a.analysisText.isEmpty());
    QVERIFY(!a.significant);
    QVERIFY(vora::overviewCongratulation(countLevels(s.runs)).isEmpty());
    QCOMPARE(perTrialCounts(s), QVector<int>(100, 0));
}

void TestSummary::moreThanHundredRuns()
{
    QStringList lines;
    for (int n = 1; n <= 120; ++n)
        lines << runLineWithHits(n % 2 ? 50 : 51);
    const RunSet s = load(lines, 0);
    QCOMPARE(s.runsRead, 120);
    QCOMPARE(s.run(120)->number, 120);
    QCOMPARE(s.hitTotal, 60 * 50 + 60 * 51);
    QVERIFY(summaryLine(s).startsWith(QStringLiteral("◆全ラン平均一致数=50.5、ラン数=120 ")));
    const QVector<int> counts = perTrialCounts(s);
    QCOMPARE(counts[0], 120);
    QCOMPARE(counts[50], 60);
    // The per-run chart ends at run 100.
    QCOMPARE(overviewChart(s.runs).dots.size(), 100);
    // Browsing the last of them reads them all.
    QCOMPARE(load(lines, 120).runsRead, 120);
}

void TestSummary::hundredMatchRun()
{
    const QString line = runLineWithHits(100);
    QCOMPARE(line.mid(27, 2), QStringLiteral("00"));
    const RunSet s = load({line}, 0);
    QCOMPARE(s.lastRun()->hits, 100);
    QVERIFY(summaryLine(s).startsWith(QStringLiteral("◆全ラン平均一致数=100.0、ラン数=1 ")));
    QCOMPARE(countLevels(s.runs).many1000, 1);
}

void TestSummary::summaryLineExample()
{
    RunSet s;
    s.runsRead = 12;
    s.hitTotal = 604;
    s.tr1Total = 601;
    s.in1Total = 588;
    s.av1Total = 600;
    QCOMPARE(summaryLine(s), QStringLiteral("◆全ラン平均一致数=50.3、ラン数=12 (Tr1T=601, In1T=588, Av1T=600)"));
    QCOMPARE(s.meanHits(), 604.0 / 12);
}

void TestSummary::meanTruncates_data()
{
    QTest::addColumn<int>("hitTotal");
    QTest::addColumn<int>("runs");
    QTest::addColumn<QString>("shown");
    QTest::newRow("50.36") << 5036 << 100 << QStringLiteral("50.3");
    QTest::newRow("50.39") << 5039 << 100 << QStringLiteral("50.3");
    QTest::newRow("50") << 500 << 10 << QStringLiteral("50.0");
    QTest::newRow("5") << 50 << 10 << QStringLiteral("5.0");
    QTest::newRow("0.5") << 5 << 10 << QStringLiteral("0.5");
    QTest::newRow("100") << 300 << 3 << QStringLiteral("100.0");
    QTest::newRow("2/3 of 100") << 200 << 3 << QStringLiteral("66.6");
    QTest::newRow("no runs") << 0 << 0 << QStringLiteral("0.0");
}

void TestSummary::meanTruncates()
{
    QFETCH(int, hitTotal);
    QFETCH(int, runs);
    QFETCH(QString, shown);
    QCOMPARE(formatMeanTenths(truncatedMeanTenths(hitTotal, runs)), shown);
}

void TestSummary::levelCounters()
{
    QStringList lines;
    for (int h : {63, 64, 65, 66, 90, 50, 37, 36, 35, 34, 10, 63})
        lines << runLineWithHits(h);
    const LevelCounts c = countLevels(load(lines, 0).runs);
    QCOMPARE(c.atLeast63, 6);
    QCOMPARE(c.many100, 2);
    QCOMPARE(c.many200, 1);
    QCOMPARE(c.many370, 1);
    QCOMPARE(c.many1000, 2); // 66 and 90: in the >= 63 count as well
    QCOMPARE(c.atMost37, 5);
    QCOMPARE(c.few100, 1);
    QCOMPARE(c.few200, 1);
    QCOMPARE(c.few370, 1);
    QCOMPARE(c.few1000, 2);
    QCOMPARE(c.significantRuns(), 11);
    // Each run appears once in the message, by its own level.
    const QString text = vora::overviewCongratulation(c);
    QVERIFY(text.contains(QStringLiteral("　1000回に1回しか起きない極めて多い一致が2回、")));
    QVERIFY(text.contains(QStringLiteral("100回に1回しか起きない多い一致が2回、")));
    QCOMPARE(text.count(QStringLiteral("回、")), 8);
}

void TestSummary::overviewCongratulation_data()
{
    QTest::addColumn<QList<int>>("hits");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<bool>("picture");
    const QString head = QStringLiteral("　　★おめでとうございます\r\n\r\n");
    QTest::newRow("one significant run") << QList<int>{63, 50} << QString() << false;
    QTest::newRow("example 63, 63, 35")
        << QList<int>{63, 50, 63, 35}
        << head
               + QStringLiteral(
                   "100回に1回しか起きない多い一致が2回、　370回に1回しか起きない非常に少ない一致が1回、起きています。")
        << false;
    QTest::newRow("two")
        << QList<int>{66, 34}
        << head
               + QStringLiteral(
                   "　1000回に1回しか起きない極めて多い一致が1回、1000回に1回しか起きない極めて少ない一致が1回、起きています。")
        << false;
    QTest::newRow("four") << QList<int>{64, 64, 37, 36}
                          << head
                                 + QStringLiteral(
                                     "200回に1回しか起きない大変多い一致が2回、100回に1回しか起きない少ない一致が1回、"
                                     "200回に1回しか起きない大変少ない一致が1回、起きています。")
                          << true;
}

void TestSummary::overviewCongratulation()
{
    QFETCH(QList<int>, hits);
    QFETCH(QString, caption);
    QFETCH(bool, picture);
    LevelCounts c;
    for (int h : hits)
        c.add(h);
    QCOMPARE(vora::overviewCongratulation(c), caption);
    QCOMPARE(overviewShowsPanel(c), !caption.isEmpty());
    QCOMPARE(overviewShowsPicture(c), picture);
}

void TestSummary::meanProfile()
{
    // Two runs: segment means 10.5, 10, 10, 10, 10 take the decline branch.
    const RunSet s = load({runLine({11, 10, 10, 10, 10}), runLine({10, 10, 10, 10, 10})}, 0);
    QCOMPARE(s.meanSegments()[0], 10.5);
    const Analysis a = meanProfileAnalysis(s);
    QCOMPARE(a.profile, Profile::D);
    QVERIFY(!a.significant);
    // A mean of 63 or more adds the 1 % sentence.
    const RunSet high = load({runLineWithHits(70), runLineWithHits(56)}, 0);
    QVERIFY(meanProfileAnalysis(high).significant);
    const RunSet nearly = load({runLineWithHits(70), runLineWithHits(55)}, 0);
    QVERIFY(!meanProfileAnalysis(nearly).significant);
}

void TestSummary::shownDateTime_data()
{
    QTest::addColumn<int>("browsed");
    QTest::addColumn<QString>("time");
    QTest::addColumn<QString>("date");
    QTest::addColumn<QString>("clock");
    QTest::newRow("stored one-digit hour")
        << 3 << QStringLiteral("14:00:00") << QStringLiteral("2009/04/13") << QStringLiteral(" 9:03");
    QTest::newRow("overview: now, one-digit hour")
        << 0 << QStringLiteral("9:05:12") << QStringLiteral("2009/05/01") << QStringLiteral("9:05");
    QTest::newRow("now, two-digit hour") << 0 << QStringLiteral("14:30:05") << QStringLiteral("2009/05/01")
                                         << QStringLiteral("14:30");
}

void TestSummary::shownDateTime()
{
    QFETCH(int, browsed);
    QFETCH(QString, time);
    QFETCH(QString, date);
    QFETCH(QString, clock);
    const RunSet s = load(tenRuns(), browsed);
    const ShownDateTime shown = shownRunDateTime(s, browsed, QStringLiteral("2009/05/01"), time);
    QCOMPARE(shown.date, date);
    QCOMPARE(shown.time, clock);
}

void TestSummary::conditionLine_data()
{
    QTest::addColumn<bool>("stimulus");
    QTest::addColumn<QString>("code");
    QTest::addColumn<QString>("display");
    QTest::addColumn<QString>("line");
    QTest::newRow("medium, shown") << true << "M"
                                   << "D" << QStringLiteral(" 刺激；１回、刺激；中、当り表示；有 ");
    QTest::newRow("large, not shown") << true << "B"
                                      << "-" << QStringLiteral(" 刺激；１回、刺激；大、当り表示；なし");
    QTest::newRow("small") << true << "S"
                           << "D" << QStringLiteral(" 刺激；１回、刺激；小、当り表示；有 ");
    QTest::newRow("none") << false << "n"
                          << "D" << QStringLiteral("　刺激；なし　");
}

void TestSummary::conditionLine()
{
    QFETCH(bool, stimulus);
    QFETCH(QString, code);
    QFETCH(QString, display);
    QFETCH(QString, line);
    QCOMPARE(vora::conditionLine(stimulus, code, display), line);
}

void TestSummary::lowerChartCounts()
{
    // Run 1: stimulus at 34, only trial 34 matches. Run 2: stimulus at 5, trials 1 and 100 match.
    QVector<bool> first(100, false);
    first[33] = true;
    QVector<bool> second(100, false);
    second[0] = true;
    second[99] = true;
    const RunSet s = load({runLineFromMatches(first, 34), runLineFromMatches(second, 5)}, 0);

    const QVector<int> perTrial = perTrialCounts(s);
    QCOMPARE(perTrial.size(), 100);
    QCOMPARE(perTrial[33], 1);
    QCOMPARE(perTrial[0], 1);
    QCOMPARE(perTrial[99], 1);
    QCOMPARE(std::accumulate(perTrial.begin(), perTrial.end(), 0), 3);

    const QVector<int> around = aroundStimulusCounts(s);
    QCOMPARE(around.size(), 60);
    QCOMPARE(around[30], 1); // position 31 is the onset trial
    QCOMPARE(around[26], 1); // trial 1 is position 1 + 30 - 5 + 1 = 27 for a stimulus at 5
    // Trial 100 lies beyond position 60 for both runs; nothing else counts.
    QCOMPARE(std::accumulate(around.begin(), around.end(), 0), 2);
}

void TestSummary::limits()
{
    QVERIFY(!allRunLimit(0).has_value());
    QVERIFY(!allRunLimit(9).has_value());
    QCOMPARE(*allRunLimit(10), 1.3 * std::sqrt(10.0));
    QCOMPARE(deviationLimit(5), 13.0);
    QCOMPARE(deviationLimit(0), 0.0);
}

QTEST_GUILESS_MAIN(TestSummary)
#include "tst_summary.moc"
