#include "core/results/ChartModel.h"

#include "core/results/Summary.h"
#include "core/toolkit/Units.h"

#include <QCoreApplication>
#include <cmath>

namespace vora {

namespace {
// The texts of this file, under the translation context "ChartModel".
struct Texts {
    Q_DECLARE_TR_FUNCTIONS(ChartModel)
};
} // namespace

namespace chartcolour {
units::Rgb black()
{
    return units::rgbNumber(0x000000);
}
units::Rgb grid()
{
    return units::rgbNumber(0xC0C0C0);
}
units::Rgb darkGrid()
{
    return units::rgbNumber(0x808080);
}
units::Rgb chance()
{
    return units::rgbNumber(0x000008);
}
units::Rgb limit()
{
    return units::rgbNumber(0xAAAAFF);
}
units::Rgb overviewLimit()
{
    return units::rgbNumber(0xA0A0FF);
}
units::Rgb stimulusZone()
{
    return units::rgbNumber(0xCCDDFF);
}
units::Rgb onset()
{
    return units::rgbNumber(0x0000FF);
}
units::Rgb memoDot()
{
    return units::rgbNumber(0x000080);
}
} // namespace chartcolour

const ChartText *ChartModel::text(ChartRole role, int index) const
{
    for (const ChartText &t : texts) {
        if (t.role == role && t.index == index)
            return &t;
    }
    return nullptr;
}

QVector<ChartItem> ChartModel::itemsOfKind(ChartItem::Kind kind) const
{
    QVector<ChartItem> out;
    for (const ChartItem &i : items) {
        if (i.kind == kind)
            out.append(i);
    }
    return out;
}

namespace {

// Chance sits at y 34 and one axis step of 6 mm on every chart but the overview.
constexpr double kChanceY = 34.0;
// Every chart's frame runs from y 10 to y 58.
constexpr double kPlotTop = 10.0;
constexpr double kPlotBottom = 58.0;

// The axis numbers and the y-axis titles are written at 7 points, the other titles at 8.
constexpr double kNumberPoints = 7.0;
constexpr double kTitlePoints = 8.0;

// Right-aligned in three characters, as the lower charts' x-axis numbers are written.
QString threeWide(int value)
{
    return QString::number(value).rightJustified(3, QLatin1Char(' '));
}

class Builder {
public:
    explicit Builder(ChartModel &m) : m_(m) { }

    void line(double x1, double y1, double x2, double y2, const units::Rgb &c, int width = 1)
    {
        m_.items.append({ChartItem::Line, {x1, y1}, {x2, y2}, 0.0, c, width});
    }
    void outline(double x1, double y1, double x2, double y2, const units::Rgb &c, int width = 1)
    {
        m_.items.append({ChartItem::Outline, {x1, y1}, {x2, y2}, 0.0, c, width});
    }
    void fill(double x1, double y1, double x2, double y2, const units::Rgb &c)
    {
        m_.items.append({ChartItem::FilledRect, {x1, y1}, {x2, y2}, 0.0, c, 1});
    }
    void dot(double x, double y, double r, int width)
    {
        m_.items.append({ChartItem::Circle, {x, y}, {x, y}, r, chartcolour::black(), width});
    }
    // Points joined in order by black lines, each point a filled circle. A point beyond the
    // frame (y 10 to 58) sits on its edge as a triangle pointing the way it lies, and the
    // lines join the points as drawn, so nothing leaves the plot area for the titles around it.
    void series(const QVector<QPointF> &points, double radius, int width)
    {
        QPointF previous;
        for (int i = 0; i < points.size(); ++i) {
            int offScale = 0;
            const QPointF p(points[i].x(), withinPlot(points[i].y(), &offScale));
            if (offScale != 0)
                edgeMarker(p.x(), p.y(), offScale, qMax(0.6, 1.2 * radius));
            else
                dot(p.x(), p.y(), radius, width);
            if (i > 0)
                line(previous.x(), previous.y(), p.x(), p.y(), chartcolour::black(), width);
            previous = p;
        }
    }
    static double withinPlot(double y, int *offScale)
    {
        *offScale = y < kPlotTop ? 1 : (y > kPlotBottom ? -1 : 0);
        return qBound(kPlotTop, y, kPlotBottom);
    }
    // A triangle on the frame's edge at `edgeY`, pointing up (offScale +1) or down (-1).
    void edgeMarker(double x, double edgeY, int offScale, double size)
    {
        const double out = offScale > 0 ? -1.0 : 1.0; // y grows downwards
        m_.items.append({ChartItem::Triangle,
                         {x, edgeY + out * 1.5 * size},
                         {x, edgeY - out * 0.6 * size},
                         size,
                         chartcolour::black(),
                         1});
    }
    // A text in the axis numbers' size unless told otherwise.
    ChartText &text(ChartRole role, int index, const QString &caption, double left, double top,
                    double points = kNumberPoints)
    {
        ChartText t;
        t.role = role;
        t.index = index;
        t.caption = caption;
        t.left = left;
        t.top = top;
        t.points = points;
        m_.texts.append(t);
        return m_.texts.last();
    }
    ChartText &yNumber(int index, const QString &caption, double left, double top)
    {
        return text(ChartRole::YNumber, index, caption, left, top);
    }
    // An x-axis number: its visible text centred on the grid line at x (or ending at it,
    // or beginning at it, where two numbers share little room).
    ChartText &xNumber(int index, const QString &caption, double x, double top,
                       ChartText::Align align = ChartText::Align::Centre)
    {
        ChartText &t = text(ChartRole::XNumber, index, caption, x, top);
        t.align = align;
        return t;
    }
    ChartText &xTitle(const QString &caption) { return text(ChartRole::XTitle, 0, caption, 20, 64, kTitlePoints); }
    // The y-axis title, one character under the other.
    ChartText &yTitle(const QString &caption, double left, double top)
    {
        ChartText &t = text(ChartRole::YTitle, 0, caption, left, top);
        t.vertical = true;
        return t;
    }
    // A text whose caption is set without moving it.
    ChartText &caption(ChartRole role, int index, const QString &caption, bool visible = true,
                       double points = kNumberPoints)
    {
        ChartText &t = text(role, index, caption, 0.0, 0.0, points);
        t.placed = false;
        t.visible = visible;
        return t;
    }
    ChartText &stimulus(bool visible)
    {
        ChartText &t = caption(ChartRole::Stimulus, 0, Texts::tr(" 刺 激 "), visible, kTitlePoints);
        t.colour = chartcolour::onset();
        return t;
    }

private:
    ChartModel &m_;
};

const char *const kSegmentCaptions[5] = {" 1-20", "21-40", "41-60", "61-80", "81-100"};

// Left of a lower-chart y-axis number so its digits line up at the right.
double lowerAxisLeft(int value)
{
    if (value == 0 || value == 5)
        return 7.5;
    if (value <= -10)
        return 4.5;
    return 6.0;
}

// Y-axis numbers, grid, chance line, frame and limits shared by charts 4 and 5.
void lowerChartFrame(Builder &b, ChartModel &m, double right, double labelLeft, int runsRead)
{
    for (int v = 1; v <= 9; ++v) {
        b.line(10, 6 * v + 4, right, 6 * v + 4, chartcolour::grid());
        const int value = 25 - 5 * v;
        b.yNumber(v, QString::number(value), lowerAxisLeft(value), 6 * v + 2.5);
    }
    b.line(10, kChanceY, right, kChanceY, chartcolour::chance(), 2);
    b.outline(10, 10, right, 58, chartcolour::black(), 1);

    const std::optional<double> limit = allRunLimit(runsRead);
    m.limitsShown = limit.has_value();
    const double offset = limit ? 1.2 * *limit : 0.0;
    if (limit) {
        b.line(10, kChanceY - offset, right, kChanceY - offset, chartcolour::limit(), 1);
        b.line(10, kChanceY + offset, right, kChanceY + offset, chartcolour::limit(), 1);
    }
    ChartText &upper = b.text(ChartRole::UpperLimit, 0, Texts::tr("有意"), labelLeft, kChanceY - offset - 1.5);
    upper.visible = m.limitsShown;
    upper.placed = m.limitsShown;
    ChartText &lower = b.text(ChartRole::LowerLimit, 0, Texts::tr("有意"), labelLeft, kChanceY + offset - 1.5);
    lower.visible = m.limitsShown;
    lower.placed = m.limitsShown;
}

// What the lower charts end with: the note beside them (empty), and the y-axis title.
void lowerChartTitles(Builder &b)
{
    b.caption(ChartRole::Note, 0, QString(), true, 9);
    b.yTitle(Texts::tr("一致数の偏差"), 1, 12);
}

// A point's y kept within the frame's top and bottom; `offScale` tells which edge took it.
double withinFrame(double y, double top, double bottom, int *offScale)
{
    *offScale = y < top ? 1 : (y > bottom ? -1 : 0);
    return qBound(top, y, bottom);
}

// y of a summed count over R runs: 1.2 mm per match away from R/2.
double lowerChartY(int count, int runsRead)
{
    return kChanceY - 1.2 * (count - runsRead / 2.0);
}

} // namespace

ChartModel segmentChart(const std::array<int, 5> &segmentHits, bool drawPoints)
{
    ChartModel m;
    m.box = {360, 1600, 4100, 4000};
    // The overview renames this title; a run shown after it needs its own title back.
    m.titleCaption = Texts::tr("　今回の試行部分ごとの結果　");
    Builder b(m);

    for (int v = 0; v <= 10; ++v) {
        if (v < 1 || v > 5)
            b.caption(ChartRole::XNumber, v, QString(), false);
    }
    for (int v = 1; v <= 5; ++v) {
        b.line(10 * v + 10, 10, 10 * v + 10, 58, chartcolour::darkGrid());
        b.xNumber(v, QLatin1String(kSegmentCaptions[v - 1]), 10 * v + 10, 59);
    }
    b.line(10, 10, 10, 58, chartcolour::black());
    b.line(65, 10, 65, 58, chartcolour::black());

    for (int v = 1; v <= 9; ++v) {
        const bool chanceLine = v == 5;
        const bool edge = v == 1 || v == 9;
        b.line(10, 6 * v + 4, 65, 6 * v + 4, chanceLine || edge ? chartcolour::black() : chartcolour::darkGrid(),
               chanceLine ? 2 : 1);
        const int value = 20 - 2 * v;
        b.yNumber(v, QString::number(value), value < 10 ? 7.7 : 6.0, 6 * v + 2.5);
    }

    b.line(10, 16.6, 65, 16.6, chartcolour::limit(), 1);
    b.line(10, 51.4, 65, 51.4, chartcolour::limit(), 1);
    b.yTitle(Texts::tr("一致数"), 1.5, 15);

    if (drawPoints) {
        // 0, 1, 19 and 20 hits lie beyond the frame (2 to 18): such a point sits on the
        // frame's edge as a triangle, and the lines join the points as drawn.
        QPointF previous;
        for (int v = 1; v <= 5; ++v) {
            int offScale = 0;
            const QPointF p(10.0 * v + 10, withinFrame(10 + 3.0 * (18 - segmentHits[v - 1]), 10, 58, &offScale));
            if (offScale != 0)
                b.edgeMarker(p.x(), p.y(), offScale, 1.3);
            else
                b.dot(p.x(), p.y(), 1.1, 3);
            if (v > 1)
                b.line(previous.x(), previous.y(), p.x(), p.y(), chartcolour::black(), 3);
            previous = p;
        }
    }
    b.xTitle(Texts::tr("試行部分"));
    return m;
}

ChartModel overviewChart(const QVector<LoadedRun> &runs)
{
    ChartModel m;
    m.box = {160, 1600, 6500, 4000};
    m.titleCaption = Texts::tr("　各ランの一致数　");
    Builder b(m);
    auto yOf = [](double hits) { return 10 + 1.2 * (70 - hits); };

    for (int v = 0; v <= 10; ++v) {
        b.line(10 * v + 10, 10, 10 * v + 10, 58, chartcolour::grid());
        b.xNumber(v, QLatin1Char(' ') + QString::number(10 * v), 10 * v + 10, 59);
    }
    b.xTitle(Texts::tr("ラン番号"));

    for (int v = 1; v <= 9; ++v) {
        b.line(10, 6 * v + 4, 110, 6 * v + 4, chartcolour::grid());
        b.yNumber(v, QString::number(75 - 5 * v), 6, 6 * v + 2.5);
    }
    b.yTitle(Texts::tr("一致数"), 1.5, 15);

    // The chance line marks 50 matches on the same scale as the points and the grid line
    // labelled 50, so a run at chance sits on it.
    b.line(10, yOf(50), 110, yOf(50), chartcolour::chance());
    b.line(10, 18.5, 110, 18.5, chartcolour::overviewLimit());
    b.line(10, 49.7, 110, 49.7, chartcolour::overviewLimit());
    b.outline(10, 10, 110, 58, chartcolour::black());

    // The axis and the dot buttons end at run 100; later lines of a hand-edited file
    // are counted elsewhere but have no place here.
    QPointF previous;
    for (const LoadedRun &r : runs) {
        if (r.number < 1 || r.number > kMaxRuns)
            continue;
        // Below 30 or above 70 hits a run lies beyond the frame: its dot stays on the edge,
        // where it can still be pointed at, and the lines stay inside.
        HitDot d;
        const QPointF p(10.0 + r.number, withinFrame(yOf(r.hits), 10, 58, &d.offScale));
        d.run = r.number;
        d.left = p.x() - kHitDotSize / 2;
        d.top = p.y() - kHitDotSize / 2;
        d.hasMemo = r.hasMemo();
        if (d.hasMemo)
            d.backColour = chartcolour::memoDot();
        m.dots.append(d);
        if (m.dots.size() > 1)
            b.line(previous.x(), previous.y(), p.x(), p.y(), chartcolour::black(), 1);
        previous = p;
    }
    return m;
}

ChartModel deviationChart(const std::array<int, 5> &segmentTotal, int runsRead, bool overview)
{
    ChartModel m;
    m.box = {overview ? 8300 : 7000, 1600, 4100, 4000};
    m.titleCaption = Texts::tr("　試行部分ごとの結果（全ラン）　");
    Builder b(m);

    for (int v = 1; v <= 5; ++v) {
        b.line(10 * v + 10, 10, 10 * v + 10, 58, chartcolour::grid());
        b.xNumber(v, QLatin1String(kSegmentCaptions[v - 1]), 10 * v + 10, 59);
    }
    b.xTitle(Texts::tr("試行部分"));

    for (int v = 1; v <= 9; ++v) {
        b.line(10, 6 * v + 4, 68, 6 * v + 4, chartcolour::grid());
        const int value = 125 - 25 * v;
        double left = value < 0 ? 3.5 : 5.0;
        if (value >= 1 && value <= 99)
            left = 6.5;
        else if (value == 0)
            left = 8.0;
        else if (value >= -99 && value <= -1)
            left = 4.9;
        b.yNumber(v, QString::number(value), left, 6 * v + 2.5);
    }
    b.yTitle(Texts::tr("一致数の偏差"), 1, 15);

    b.line(10, kChanceY, 68, kChanceY, chartcolour::chance());
    b.line(10, 10, 68, 10, chartcolour::black());
    b.line(68, 10, 68, 58, chartcolour::black());
    b.line(68, 58, 10, 58, chartcolour::black());
    b.line(10, 58, 10, 10, chartcolour::black());

    // Without a run there are neither limits nor points: both would only sit on the chance line.
    if (runsRead <= 0)
        return m;
    const double offset = 6.0 * deviationLimit(runsRead) / 25.0;
    b.line(10, kChanceY - offset, 68, kChanceY - offset, chartcolour::limit());
    b.line(10, kChanceY + offset, 68, kChanceY + offset, chartcolour::limit());
    m.limitsShown = true;

    QVector<QPointF> points;
    for (int v = 1; v <= 5; ++v) {
        const int deviation = segmentTotal[v - 1] - 10 * runsRead;
        points.append({10.0 * v + 10, kChanceY - (6.0 / 25.0) * deviation});
    }
    b.series(points, 1.1, 3);
    return m;
}

ChartModel aroundStimulusChart(const QVector<int> &counts, int runsRead, bool stimulusZone, int span)
{
    ChartModel m;
    m.box = {6500, 5900, 5900, 4000};
    m.titleCaption = Texts::tr(" 刺激の前後 (全ラン) ");
    m.toggleCaption = Texts::tr("全試行表示");
    Builder b(m);
    const double s = span;

    if (stimulusZone) {
        b.fill(1.4 * (s + 0.4) + 8.7, 10, 1.4 * (s + 7.3) + 8.7, 58, chartcolour::stimulusZone());
        const double x = 1.4 * (s + 0.6) + 8.7;
        b.line(x, 9, x, 61, chartcolour::onset());
        ChartText &onset = b.stimulus(true);
        onset.placed = true;
        onset.left = 1.4 * (s + 0.6) + 8.8;
        onset.top = 63;
    } else {
        b.stimulus(true);
    }

    int nextLabel = 1;
    for (int v = 1; v <= kBeforeAfterPositions; ++v) {
        const double x = 1.4 * v + 8.6;
        const int d = v <= span ? v - 1 : v;
        b.line(x, 10, x, 58, chartcolour::grid());
        const bool black = v == 1 || v == 11 || v == 21 || v == 40 || v == 50 || v == 60;
        if (black)
            b.line(x, 10, x, 58, chartcolour::black());
        if ((black || d == 29 || d == 31) && nextLabel <= 10) {
            // 1 and -1 flank the onset a grid step apart: each stands on its own side of it.
            const ChartText::Align align = d == span - 1   ? ChartText::Align::Right
                                           : d == span + 1 ? ChartText::Align::Left
                                                           : ChartText::Align::Centre;
            b.xNumber(nextLabel++, threeWide(span - d), x, 59, align);
        }
    }
    for (; nextLabel <= 10; ++nextLabel)
        b.caption(ChartRole::XNumber, nextLabel, QString(), false);
    b.text(ChartRole::Mean, 0, Texts::tr("平均"), 95, 33, kTitlePoints);

    // "有意" stands just right of the frame, level with "平均".
    lowerChartFrame(b, m, 92.6, 95, runsRead);

    QVector<QPointF> points;
    for (int v = 1; v <= kBeforeAfterPositions; ++v)
        points.append({1.4 * v + 8.6, lowerChartY(counts.value(v - 1), runsRead)});
    b.series(points, 0.4, 1);
    lowerChartTitles(b);
    return m;
}

ChartModel perTrialChart(const QVector<int> &counts, int runsRead, bool toggleToBeforeAfter)
{
    ChartModel m;
    m.box = {6500, 5900, 6100, 4000};
    m.titleCaption = Texts::tr(" 各試行の一致数(全ラン) ");
    if (toggleToBeforeAfter)
        m.toggleCaption = Texts::tr("刺激の前後表示");
    Builder b(m);
    b.stimulus(false);

    for (int v = 1; v <= kTrialsPerRun; ++v) {
        const double x = 0.9 * v + 10;
        b.line(x, 10, x, 58, chartcolour::grid());
        if (v % 10 == 0) {
            b.line(x, 10, x, 58, chartcolour::black());
            b.xNumber(v / 10, threeWide(v), x, 59).points = 9;
        }
    }
    b.text(ChartRole::Mean, 0, Texts::tr("平均"), 100.5, 33, kTitlePoints);

    lowerChartFrame(b, m, 100, 100.5, runsRead);

    QVector<QPointF> points;
    for (int v = 1; v <= kTrialsPerRun; ++v)
        points.append({0.9 * v + 10, lowerChartY(counts.value(v - 1), runsRead)});
    b.series(points, 0.4, 1);
    lowerChartTitles(b);
    return m;
}

ChartModel lowerChart(const RunSet &runs, bool withStimulus, int allRunChartMode)
{
    if (allRunChartMode == 1 || !withStimulus)
        return perTrialChart(perTrialCounts(runs), runs.runsRead, allRunChartMode == 1);
    return aroundStimulusChart(aroundStimulusCounts(runs), runs.runsRead, true);
}

BoxGeometry congratulationPanel(bool overview, bool continuousActive)
{
    if (overview) {
        const BoxGeometry chart = overviewChart({}).box;
        return {chart.left + 3000, chart.top + chart.height / 2, static_cast<int>(0.8 * chart.width), 3000};
    }
    const BoxGeometry chart = segmentChart({}, false).box;
    const int top = continuousActive ? chart.top + chart.height + 200 : chart.top + 500;
    return {chart.left + 100, top, static_cast<int>(1.3 * chart.width), 4000};
}

QPoint overviewPicturePosition(const BoxGeometry &panel)
{
    return {panel.left + panel.width - 300, panel.top - 300};
}

} // namespace vora
