#include "Fakes.h"
#include "StoredRuns.h"
#include "core/results/ChartModel.h"
#include "core/results/Summary.h"

#include <QtTest>

using namespace vora;
using vora::testing::runLineWithHits;

namespace {

QVector<ChartItem> linesIn(const ChartModel &m, const units::Rgb &colour)
{
    QVector<ChartItem> out;
    for (const ChartItem &i : m.itemsOfKind(ChartItem::Line)) {
        if (i.colour == colour)
            out.append(i);
    }
    return out;
}

bool horizontalAt(const ChartItem &i, double y)
{
    return qFuzzyCompare(i.p1.y(), y) && qFuzzyCompare(i.p2.y(), y);
}

RunSet runsWithHits(const QList<int> &hits, const QStringList &memos = {})
{
    QStringList lines;
    for (int k = 0; k < hits.size(); ++k)
        lines << runLineWithHits(hits[k], memos.value(k));
    return loadRunsFromLines(lines, 0);
}

} // namespace

class TestCharts : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void colours();
    void segmentChartTenEverywhereSitsOnChance();
    void segmentChartScale_data();
    void segmentChartScale();
    void overviewDotsAndLines_data();
    void overviewDotsAndLines();
    void overviewEndsAtRunHundred();
    void deviationChart_data();
    void deviationChart();
    void deviationAxisNumbersLineUp();
    void lowerChartLimits_data();
    void lowerChartLimits();
    void beforeAfterAxis();
    void perTrialAxisAndPoints();
    void lowerChartChoice_data();
    void lowerChartChoice();
    void congratulationPanel_data();
    void congratulationPanel();
    void everyChartStaysInItsFrame_data();
    void everyChartStaysInItsFrame();
};

void TestCharts::everyChartStaysInItsFrame_data()
{
    QTest::addColumn<int>("kind"); // 0 segments, 1 overview, 2 deviation, 3 around the stimulus, 4 per trial
    QTest::addColumn<int>("hits"); // of every trial of every run: far beyond chance either way
    for (int hits : {0, 100}) {
        for (int kind = 0; kind < 5; ++kind)
            QTest::addRow("chart %d, every run %d hits", kind, hits) << kind << hits;
    }
}

// Data far from chance never draws outside the plot area (over titles, buttons or the next
// chart), and every x-axis number stands on a vertical line of its chart.
void TestCharts::everyChartStaysInItsFrame()
{
    QFETCH(int, kind);
    QFETCH(int, hits);
    const int matches = hits / 5;
    QStringList lines;
    for (int r = 0; r < 100; ++r)
        lines << vora::testing::runLine({matches, matches, matches, matches, matches});
    const RunSet runs = loadRunsFromLines(lines, 0);
    QVector<int> counts(kind == 3 ? 60 : 100, hits == 100 ? 100 : 0);
    ChartModel m;
    switch (kind) {
    case 0: m = segmentChart(runs.runs.first().segmentHits, true); break;
    case 1: m = overviewChart(runs.runs); break;
    case 2: m = vora::deviationChart(runs.segmentTotal, runs.runsRead, false); break;
    case 3: m = aroundStimulusChart(counts, 100, true); break;
    default: m = perTrialChart(counts, 100, false); break;
    }
    QSet<double> verticals;
    for (const ChartItem &i : m.items) {
        if (i.kind == ChartItem::Line && qFuzzyCompare(i.p1.x(), i.p2.x()))
            verticals.insert(std::round(i.p1.x() * 1000) / 1000);
    }
    for (const ChartItem &i : m.items) {
        if (i.kind == ChartItem::FilledRect || i.colour == chartcolour::onset())
            continue; // the stimulus zone and its onset line reach the captions below by design
        // A dot reaches its radius beyond its centre; an edge marker's tip points out of the frame.
        const double reach = i.kind == ChartItem::Circle     ? i.radius
                             : i.kind == ChartItem::Triangle ? 1.5 * i.radius
                                                             : 0.0;
        for (const QPointF &p : {i.p1, i.p2}) {
            QVERIFY2(p.y() >= 10 - reach - 1e-9 && p.y() <= 58 + reach + 1e-9,
                     qPrintable(QStringLiteral("item %1 at y %2").arg(int(i.kind)).arg(p.y())));
        }
    }
    for (const HitDot &d : m.dots)
        QVERIFY(d.top >= 10 - kHitDotSize && d.top + kHitDotSize <= 58 + kHitDotSize);
    int axisNumbers = 0;
    for (const ChartText &t : m.texts) {
        if (t.align == ChartText::Align::Left || !t.visible)
            continue;
        ++axisNumbers;
        QVERIFY2(verticals.contains(std::round(t.left * 1000) / 1000),
                 qPrintable(QStringLiteral("x-axis number %1").arg(t.index)));
    }
    QVERIFY(axisNumbers >= 5);
}

void TestCharts::colours()
{
    QCOMPARE(chartcolour::limit(), units::Rgb(255, 170, 170));
    QCOMPARE(chartcolour::overviewLimit(), units::Rgb(255, 160, 160));
    QCOMPARE(chartcolour::chance(), units::Rgb(8, 0, 0));
    QCOMPARE(chartcolour::stimulusZone(), units::Rgb(255, 221, 204));
    QCOMPARE(chartcolour::onset(), units::Rgb(255, 0, 0));
    QCOMPARE(chartcolour::memoDot(), units::Rgb(128, 0, 0));
    QCOMPARE(chartcolour::darkGrid(), units::Rgb(128, 128, 128));
}

void TestCharts::segmentChartTenEverywhereSitsOnChance()
{
    const ChartModel m = segmentChart({10, 10, 10, 10, 10}, true);
    QCOMPARE(m.box.left, 360);
    QCOMPARE(m.box.width, 4100);
    const QVector<ChartItem> dots = m.itemsOfKind(ChartItem::Circle);
    QCOMPARE(dots.size(), 5);
    for (int v = 1; v <= 5; ++v) {
        QCOMPARE(dots[v - 1].p1, QPointF(10.0 * v + 10, 34));
        QCOMPARE(dots[v - 1].radius, 1.1);
    }
    // The chance line: black, two pixels, at y 34, the only line that wide.
    int found = 0;
    for (const ChartItem &i : m.itemsOfKind(ChartItem::Line)) {
        if (i.penWidth == 2) {
            ++found;
            QVERIFY(horizontalAt(i, 34));
            QCOMPARE(i.colour, units::Rgb(0, 0, 0));
        }
    }
    QCOMPARE(found, 1);
    QCOMPARE(m.text(ChartRole::YNumber, 5)->caption, QStringLiteral("10"));
    QCOMPARE(m.text(ChartRole::YNumber, 5)->left, 6.0);
    QCOMPARE(m.text(ChartRole::YNumber, 6)->caption, QStringLiteral("8"));
    QCOMPARE(m.text(ChartRole::YNumber, 6)->left, 7.7);
    QCOMPARE(m.text(ChartRole::XNumber, 5)->caption, QStringLiteral("81-100"));
    QCOMPARE(m.text(ChartRole::XTitle)->caption, QStringLiteral("試行部分"));
}

void TestCharts::segmentChartScale_data()
{
    QTest::addColumn<int>("hits");
    QTest::addColumn<double>("y");
    QTest::addColumn<int>("offScale");
    QTest::newRow("18 at the top line") << 18 << 10.0 << 0;
    QTest::newRow("2 at the bottom line") << 2 << 58.0 << 0;
    QTest::newRow("16 on the upper limit side") << 16 << 16.0 << 0;
    // Beyond the frame: on its edge, as a triangle pointing out.
    QTest::newRow("19 above") << 19 << 10.0 << 1;
    QTest::newRow("20 above") << 20 << 10.0 << 1;
    QTest::newRow("1 below") << 1 << 58.0 << -1;
    QTest::newRow("0 below") << 0 << 58.0 << -1;
}

void TestCharts::segmentChartScale()
{
    QFETCH(int, hits);
    QFETCH(double, y);
    QFETCH(int, offScale);
    const ChartModel m = segmentChart({hits, 10, 10, 10, 10}, true);
    const QVector<ChartItem> circles = m.itemsOfKind(ChartItem::Circle);
    const QVector<ChartItem> triangles = m.itemsOfKind(ChartItem::Triangle);
    QCOMPARE(circles.size(), offScale == 0 ? 5 : 4);
    QCOMPARE(triangles.size(), offScale == 0 ? 0 : 1);
    if (offScale == 0) {
        QCOMPARE(circles.first().p1, QPointF(20, y));
    } else {
        const ChartItem &t = triangles.first();
        QCOMPARE(t.p1.x(), 20.0);
        QVERIFY((t.p1.y() - y) * offScale < 0); // the tip points out of the frame
        QVERIFY((t.p2.y() - y) * offScale > -1); // the base lies on or just inside the edge
    }
    // The lines join the points as drawn, so none leaves the frame.
    QVector<ChartItem> joins;
    for (const ChartItem &i : m.itemsOfKind(ChartItem::Line))
        if (i.penWidth == 3)
            joins.append(i);
    QCOMPARE(joins.size(), 4);
    QCOMPARE(joins.first().p1, QPointF(20, y));
    const QVector<ChartItem> limits = linesIn(m, chartcolour::limit());
    QCOMPARE(limits.size(), 2);
    QVERIFY(horizontalAt(limits[0], 16.6));
    QVERIFY(horizontalAt(limits[1], 51.4));
    // Without a judged run the chart has its grid but no points.
    const ChartModel bare = segmentChart({hits, 10, 10, 10, 10}, false);
    QVERIFY(bare.itemsOfKind(ChartItem::Circle).isEmpty() && bare.itemsOfKind(ChartItem::Triangle).isEmpty());
}

void TestCharts::overviewDotsAndLines_data()
{
    QTest::addColumn<QList<int>>("hits");
    QTest::addColumn<int>("joins");
    QTest::newRow("one run") << QList<int>{50} << 0;
    QTest::newRow("three runs") << QList<int>{50, 70, 30} << 2;
    QTest::newRow("beyond the frame") << QList<int>{100, 0, 71, 29, 50} << 4;
}

void TestCharts::overviewDotsAndLines()
{
    QFETCH(QList<int>, hits);
    QFETCH(int, joins);
    const RunSet runs = runsWithHits(hits, {QString(), QStringLiteral("memo")});
    const ChartModel m = overviewChart(runs.runs);
    QCOMPARE(m.box.left, 160);
    QCOMPARE(m.box.width, 6500);
    QCOMPARE(m.titleCaption, QStringLiteral("　各ランの一致数　"));
    QCOMPARE(m.dots.size(), hits.size());
    QVERIFY(m.itemsOfKind(ChartItem::Circle).isEmpty()); // the buttons stand for the points
    for (int k = 0; k < hits.size(); ++k) {
        const HitDot &d = m.dots[k];
        QCOMPARE(d.run, k + 1);
        QCOMPARE(d.left + kHitDotSize / 2, 11.0 + k);
        // Beyond 30..70 the dot stays on the frame's edge, marked as lying above or below.
        QCOMPARE(d.top + kHitDotSize / 2, qBound(10.0, 10 + 1.2 * (70 - hits[k]), 58.0));
        QCOMPARE(d.offScale, hits[k] > 70 ? 1 : (hits[k] < 30 ? -1 : 0));
        QCOMPARE(d.hasMemo, k == 1);
        QCOMPARE(d.backColour.isValid(), k == 1);
        if (k == 1)
            QCOMPARE(d.backColour, chartcolour::memoDot());
    }
    const QVector<ChartItem> joined = linesIn(m, units::Rgb(0, 0, 0));
    QCOMPARE(joined.size(), joins);
    for (const ChartItem &i : joined)
        QVERIFY(qMin(i.p1.y(), i.p2.y()) >= 10 && qMax(i.p1.y(), i.p2.y()) <= 58);
    // A run at chance sits on the chance line.
    const QVector<ChartItem> chance = linesIn(m, chartcolour::chance());
    QCOMPARE(chance.size(), 1);
    QVERIFY(horizontalAt(chance[0], 34));
    const QVector<ChartItem> limits = linesIn(m, chartcolour::overviewLimit());
    QCOMPARE(limits.size(), 2);
    QVERIFY(horizontalAt(limits[0], 18.5));
    QVERIFY(horizontalAt(limits[1], 49.7));
    QCOMPARE(m.text(ChartRole::XNumber, 10)->caption, QStringLiteral(" 100"));
    QCOMPARE(m.text(ChartRole::YNumber, 1)->caption, QStringLiteral("70"));
    QCOMPARE(m.text(ChartRole::YNumber, 9)->caption, QStringLiteral("30"));
}

void TestCharts::overviewEndsAtRunHundred()
{
    QList<int> hits;
    for (int n = 0; n < 105; ++n)
        hits << 50;
    const ChartModel m = overviewChart(runsWithHits(hits).runs);
    QCOMPARE(m.dots.size(), 100);
    QCOMPARE(m.dots.last().left + kHitDotSize / 2, 110.0);
    QCOMPARE(linesIn(m, units::Rgb(0, 0, 0)).size(), 99);
}

void TestCharts::deviationChart_data()
{
    QTest::addColumn<int>("runs");
    QTest::addColumn<int>("total");
    QTest::addColumn<double>("y");
    QTest::newRow("+25 over 5 runs on the 25 line") << 5 << 75 << 28.0;
    QTest::newRow("-25 over 5 runs") << 5 << 25 << 40.0;
    QTest::newRow("+100 over 10 runs at the top") << 10 << 200 << 10.0;
    QTest::newRow("chance over 1 run") << 1 << 10 << 34.0;
}

void TestCharts::deviationChart()
{
    QFETCH(int, runs);
    QFETCH(int, total);
    QFETCH(double, y);
    const ChartModel m = vora::deviationChart({total, 10 * runs, 10 * runs, 10 * runs, 10 * runs}, runs, false);
    QCOMPARE(m.box.left, 7000);
    const QVector<ChartItem> dots = m.itemsOfKind(ChartItem::Circle);
    QCOMPARE(dots.size(), 5);
    QCOMPARE(dots[0].p1, QPointF(20, y));
    QCOMPARE(dots[4].p1.y(), 34.0);
    const QVector<ChartItem> limits = linesIn(m, chartcolour::limit());
    QCOMPARE(limits.size(), 2);
    const double offset = 6.0 * 1.3 * std::sqrt(20.0 * runs) / 25.0;
    QVERIFY(horizontalAt(limits[0], 34 - offset));
    QVERIFY(horizontalAt(limits[1], 34 + offset));
    QCOMPARE(vora::deviationChart({}, runs, true).box.left, 8300);
}

void TestCharts::deviationAxisNumbersLineUp()
{
    const ChartModel m = vora::deviationChart({}, 0, true);
    const QList<QPair<QString, double>> expected{{"100", 5.0}, {"75", 6.5},  {"25", 6.5},  {"0", 8.0},
                                                 {"-25", 4.9}, {"-75", 4.9}, {"-100", 3.5}};
    for (const auto &e : expected) {
        bool found = false;
        for (const ChartText &t : m.texts) {
            if (t.role == ChartRole::YNumber && t.caption == e.first) {
                found = true;
                QCOMPARE(t.left, e.second);
            }
        }
        QVERIFY2(found, qPrintable(e.first));
    }
    // With no run read there is nothing to plot and no limit to draw.
    QVERIFY(m.itemsOfKind(ChartItem::Circle).isEmpty());
    QVERIFY(linesIn(m, chartcolour::limit()).isEmpty());
}

void TestCharts::lowerChartLimits_data()
{
    QTest::addColumn<int>("runs");
    QTest::addColumn<bool>("limits");
    QTest::newRow("1 run") << 1 << false;
    QTest::newRow("9 runs") << 9 << false;
    QTest::newRow("10 runs") << 10 << true;
    QTest::newRow("40 runs") << 40 << true;
}

void TestCharts::lowerChartLimits()
{
    QFETCH(int, runs);
    QFETCH(bool, limits);
    const QVector<int> counts(100, runs / 2);
    const double offset = 1.2 * 1.3 * std::sqrt(double(runs));
    const ChartModel around = aroundStimulusChart(counts.mid(0, 60), runs, true);
    const ChartModel perTrial = perTrialChart(counts, runs, false);
    for (const ChartModel *m : {&around, &perTrial}) {
        QCOMPARE(m->limitsShown, limits);
        const QVector<ChartItem> lines = linesIn(*m, chartcolour::limit());
        QCOMPARE(lines.size(), limits ? 2 : 0);
        for (const ChartRole label : {ChartRole::UpperLimit, ChartRole::LowerLimit}) {
            const ChartText *t = m->text(label);
            QVERIFY(t);
            QCOMPARE(t->visible, limits);
            QCOMPARE(t->caption, QStringLiteral("有意"));
        }
        if (limits) {
            QVERIFY(horizontalAt(lines[0], 34 - offset));
            QVERIFY(horizontalAt(lines[1], 34 + offset));
            QCOMPARE(m->text(ChartRole::UpperLimit)->top, 34 - offset - 1.5);
            QCOMPARE(m->text(ChartRole::LowerLimit)->top, 34 + offset - 1.5);
        }
    }
    QCOMPARE(perTrial.text(ChartRole::UpperLimit)->left, 100.5);
    QCOMPARE(perTrial.itemsOfKind(ChartItem::Line).last().p2.x(), 100.0); // last join ends at trial 100
}

void TestCharts::beforeAfterAxis()
{
    QVector<int> counts(60, 5);
    counts[30] = 8; // the onset position, three above R/2 = 5
    const ChartModel m = aroundStimulusChart(counts, 10, true);
    QCOMPARE(m.box.width, 5900);
    QCOMPARE(m.toggleCaption, QStringLiteral("全試行表示"));
    const QStringList captions{" 30", " 20", " 10", "  1", " -1", "-10", "-20", "-30"};
    const QList<int> positions{1, 11, 21, 30, 31, 40, 50, 60};
    for (int k = 0; k < captions.size(); ++k) {
        const ChartText *t = m.text(ChartRole::XNumber, k + 1);
        QVERIFY(t);
        QCOMPARE(t->caption, captions[k]);
        QCOMPARE(t->left, 1.4 * positions[k] + 8.6); // on its grid line
        // 1 and -1 stand each on its own side of the onset, not run together.
        QCOMPARE(t->align, k == 3   ? ChartText::Align::Right
                           : k == 4 ? ChartText::Align::Left
                                    : ChartText::Align::Centre);
        QCOMPARE(t->points, 7.0);
    }
    QVERIFY(!m.text(ChartRole::XNumber, 9)->visible);

    const QVector<ChartItem> zone = m.itemsOfKind(ChartItem::FilledRect);
    QCOMPARE(zone.size(), 1);
    QCOMPARE(zone[0].colour, chartcolour::stimulusZone());
    QCOMPARE(zone[0].p1.x(), 1.4 * 30.4 + 8.7);
    QCOMPARE(zone[0].p2.x(), 1.4 * 37.3 + 8.7);
    // The seven stimulus positions 31..37 lie inside the zone, 30 and 38 outside.
    QVERIFY(zone[0].p1.x() < 1.4 * 31 + 8.6 && 1.4 * 37 + 8.6 < zone[0].p2.x());
    QVERIFY(1.4 * 30 + 8.6 < zone[0].p1.x() && zone[0].p2.x() < 1.4 * 38 + 8.6);
    const QVector<ChartItem> onset = linesIn(m, chartcolour::onset());
    QCOMPARE(onset.size(), 1);
    QCOMPARE(onset[0].p1, QPointF(1.4 * 30.6 + 8.7, 9));
    QCOMPARE(onset[0].p2, QPointF(1.4 * 30.6 + 8.7, 61));

    const QVector<ChartItem> dots = m.itemsOfKind(ChartItem::Circle);
    QCOMPARE(dots.size(), 60);
    QCOMPARE(dots[0].p1, QPointF(1.4 + 8.6, 34));
    QCOMPARE(dots[30].p1.y(), 34 - 1.2 * 3);
    QCOMPARE(dots[30].radius, 0.4);

    const QList<QPair<int, double>> axis{{1, 6.0}, {4, 7.5}, {5, 7.5}, {6, 6.0}, {7, 4.5}, {9, 4.5}};
    for (const auto &a : axis)
        QCOMPARE(m.text(ChartRole::YNumber, a.first)->left, a.second);
    QCOMPARE(m.text(ChartRole::YNumber, 9)->caption, QStringLiteral("-20"));
}

void TestCharts::perTrialAxisAndPoints()
{
    QVector<int> counts(100, 3);
    counts[99] = 0;
    const ChartModel m = perTrialChart(counts, 6, true);
    QCOMPARE(m.box.width, 6100);
    QCOMPARE(m.toggleCaption, QStringLiteral("刺激の前後表示"));
    QCOMPARE(m.text(ChartRole::XNumber, 1)->caption, QStringLiteral(" 10"));
    QCOMPARE(m.text(ChartRole::XNumber, 10)->caption, QStringLiteral("100"));
    QCOMPARE(m.text(ChartRole::XNumber, 10)->left, 0.9 * 100 + 10);
    QCOMPARE(m.text(ChartRole::XNumber, 10)->align, ChartText::Align::Centre);
    QCOMPARE(m.text(ChartRole::XNumber, 10)->points, 9.0);
    QVERIFY(!m.text(ChartRole::Stimulus)->visible);
    const QVector<ChartItem> dots = m.itemsOfKind(ChartItem::Circle);
    QCOMPARE(dots.size(), 100);
    QCOMPARE(dots[0].p1, QPointF(10.9, 34));
    QCOMPARE(dots[99].p1, QPointF(100, 34 + 1.2 * 3));
    QCOMPARE(linesIn(m, units::Rgb(0, 0, 0)).size(), 10 + 99); // tenth-trial grid and joins
    QVERIFY(perTrialChart(counts, 6, false).toggleCaption.isEmpty());
}

void TestCharts::lowerChartChoice_data()
{
    QTest::addColumn<bool>("stimulus");
    QTest::addColumn<int>("mode");
    QTest::addColumn<int>("width");
    QTest::newRow("stimulus, first display") << true << 0 << 5900;
    QTest::newRow("stimulus, per trial chosen") << true << 1 << 6100;
    QTest::newRow("stimulus, back to before/after") << true << 2 << 5900;
    QTest::newRow("no stimulus") << false << 0 << 6100;
    QTest::newRow("no stimulus, mode 2") << false << 2 << 6100;
}

void TestCharts::lowerChartChoice()
{
    QFETCH(bool, stimulus);
    QFETCH(int, mode);
    QFETCH(int, width);
    const ChartModel m = lowerChart(runsWithHits({60, 40}), stimulus, mode);
    QCOMPARE(m.box.width, width);
    QCOMPARE(m.box.left, 6500);
    QCOMPARE(m.box.top, 5900);
}

void TestCharts::congratulationPanel_data()
{
    QTest::addColumn<bool>("overview");
    QTest::addColumn<bool>("continuous");
    QTest::addColumn<QRect>("rect");
    QTest::newRow("single run: over the chart") << false << false << QRect(460, 2100, 5330, 4000);
    QTest::newRow("continuous display: below the chart") << false << true << QRect(460, 5800, 5330, 4000);
    QTest::newRow("overview") << true << false << QRect(3160, 3600, 5200, 3000);
}

void TestCharts::congratulationPanel()
{
    QFETCH(bool, overview);
    QFETCH(bool, continuous);
    QFETCH(QRect, rect);
    const BoxGeometry g = vora::congratulationPanel(overview, continuous);
    QCOMPARE(QRect(g.left, g.top, g.width, g.height), rect);
    if (overview)
        QCOMPARE(overviewPicturePosition(g), QPoint(3160 + 5200 - 300, 3300));
}

QTEST_GUILESS_MAIN(TestCharts)
#include "tst_charts.moc"
