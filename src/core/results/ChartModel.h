#pragma once
// The five result charts as lists of drawing primitives in millimetres (origin top-left of
// the picture box, y downwards), with their texts by role: caption, place, size and colour.
// The window's chart boxes and the report's SVG render both as they are; tests read the lists.
#include "core/results/RunLoader.h"
#include "core/toolkit/Units.h"

#include <QPoint>
#include <QPointF>
#include <QString>
#include <QVector>
#include <array>

namespace vora {

namespace chartcolour {
// Colour numbers with red in the low byte, as the charts give them.
units::Rgb black();
units::Rgb grid(); // &HC0C0C0
units::Rgb darkGrid(); // &H808080
units::Rgb chance(); // &H000008: 8,0,0
units::Rgb limit(); // &HAAAAFF: 255,170,170
units::Rgb overviewLimit(); // &HA0A0FF: 255,160,160
units::Rgb stimulusZone(); // &HCCDDFF: 255,221,204
units::Rgb onset(); // &H0000FF: 255,0,0
units::Rgb memoDot(); // &H000080: 128,0,0
} // namespace chartcolour

struct ChartItem {
    // Triangle: the marker of a point beyond the frame, drawn on the frame's edge and
    // pointing the way the value lies.
    enum Kind { Line, Outline, FilledRect, Circle, Triangle };
    Kind kind = Line;
    QPointF p1; // line start / rectangle corner / circle centre / triangle tip
    QPointF p2; // line end / opposite rectangle corner / middle of the triangle's base
    double radius = 0.0; // circles (filled with their colour); half the triangle's base
    units::Rgb colour;
    int penWidth = 1; // pixels
};

// What a text of a chart stands for. Axis numbers are counted from the top (y) and from the
// left (x), from 1; the other roles have index 0.
enum class ChartRole {
    YNumber,
    XNumber,
    YTitle, // written one character under the other
    XTitle,
    Mean, // "平均" beside the chance line of the lower charts
    Stimulus, // " 刺 激 " under the stimulus onset
    UpperLimit, // "有意" at the upper 1 % line
    LowerLimit, // "有意" at the lower 1 % line
    Note, // the note beside the lower chart, outside its box
};

// A text of the chart, positioned in the chart's millimetres.
struct ChartText {
    // Where `left` is: the text's left edge, or (axis numbers) the x its visible text is
    // centred on or ends at, so that a number sits on its grid line whatever the font.
    enum class Align { Left, Centre, Right };
    ChartRole role = ChartRole::YNumber;
    int index = 0;
    QString caption;
    bool placed = true; // false: position unchanged
    double left = 0.0;
    double top = 0.0;
    Align align = Align::Left;
    bool visible = true;
    double points = 7.0; // font size
    bool vertical = false; // one character under the other
    units::Rgb colour; // none: the label's own
};

// Chart 2: the button standing for run n (Command3(n)); clicking it opens that run.
struct HitDot {
    int run = 0;
    double left = 0.0; // mm in the chart
    double top = 0.0;
    units::Rgb backColour; // memo colour for a run with a memo; invalid = the button's own
    bool hasMemo = false;
    // +1 for a hit count above the chart's range, -1 below it: the dot then sits on the
    // frame's edge and is drawn as a triangle pointing that way.
    int offScale = 0;
};
// The dot buttons are 1.6 mm squares centred on the run's point.
constexpr double kHitDotSize = 1.6;

// A picture box's place in the window, in twips.
struct BoxGeometry {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
};

struct ChartModel {
    BoxGeometry box;
    QString titleCaption; // shown above the box
    QVector<ChartItem> items; // paint order
    QVector<ChartText> texts;
    QVector<HitDot> dots; // chart 2 only
    // Chart 4/5: caption for Command11 (shown beside the title); empty = leave it as it is.
    QString toggleCaption;
    bool limitsShown = false; // 1 % limit lines drawn

    const ChartText *text(ChartRole role, int index = 0) const;
    QVector<ChartItem> itemsOfKind(ChartItem::Kind kind) const;
};

// Chart 1 (Picture1, single run): the five segment counts; points only when a run is judged
// (a run just done or a browsed run, not the overview).
ChartModel segmentChart(const std::array<int, 5> &segmentHits, bool drawPoints);
// Chart 2 (Picture1, overview): one point and dot button per run (runs 1..100).
ChartModel overviewChart(const QVector<LoadedRun> &runs);
// Chart 3 (Picture2): segment totals over R runs as deviation from chance.
ChartModel deviationChart(const std::array<int, 5> &segmentTotal, int runsRead, bool overview);
// Chart 4 (Picture4): counts of the 60 positions around the stimulus onset.
ChartModel aroundStimulusChart(const QVector<int> &counts, int runsRead, bool stimulusZone, int span = 30);
// Chart 5 (Picture4): counts of the 100 trial positions. `toggleToBeforeAfter` when the user
// chose this chart (AllRunChartMode 1), so Command11 offers the way back.
ChartModel perTrialChart(const QVector<int> &counts, int runsRead, bool toggleToBeforeAfter);
// The lower chart the results view shows: per trial when AllRunChartMode is 1 or without a
// stimulus, else around the stimulus.
ChartModel lowerChart(const RunSet &runs, bool withStimulus, int allRunChartMode);

// The congratulation panel Frame1 (Label29 fills it), in twips. A single run's panel covers
// its chart, or sits below it while the continuous display runs; the overview's panel covers
// the lower half of the per-run chart.
BoxGeometry congratulationPanel(bool overview, bool continuousActive);
// Picture5 beside the overview panel: 300 twips above it, 300 twips in from its right edge.
QPoint overviewPicturePosition(const BoxGeometry &panel);

} // namespace vora
