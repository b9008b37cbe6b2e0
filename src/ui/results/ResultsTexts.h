#pragma once
// The texts of the results view: the titles over the three charts, the run's line (or the
// experiment's period) and the summary line, the analyses beside the upper charts, the note
// beside the lower chart and the run count under the experiment's name. Each is a label of
// the experiment window, made hidden and shown by the display.
#include <QRect>
#include <QString>

class QLabel;
class QWidget;

namespace vora {

class ChartBox;
struct ChartModel;
struct LoadedRun;
struct RunSet;

class ResultsTexts {
public:
    explicit ResultsTexts(QWidget *window);

    enum class Chart { Runs, Segments, Trials };
    // The chart's title over its box's top margin, level with the plot's left edge.
    void placeTitle(Chart chart, const ChartBox *box, const QString &caption);
    QRect trialsTitleGeometry() const;

    void showRunCount(int runCount, const QRect &nameGeometry); // Label27
    void showSummary(const RunSet &runs); // Label16
    void showRunLine(const LoadedRun &run, bool withStimulus); // Label15 for one run
    void showPeriod(const RunSet &runs); // Label15 for the overview
    void showRunAnalysis(const QString &text); // Label13
    void hideRunAnalysis();
    void placeSegmentsAnalysis(bool isOverview); // Label14
    void setSegmentsAnalysis(const QString &text);
    void showNote(const ChartModel &lowerChart); // Label24
    void hideAll();

private:
    QLabel *label(const char *name, double points, bool bold = false);

    QWidget *m_window;
    QLabel *m_runsTitle = nullptr; // Label11
    QLabel *m_segmentsTitle = nullptr; // Label12
    QLabel *m_trialsTitle = nullptr; // Label18
    QLabel *m_runAnalysis = nullptr; // Label13
    QLabel *m_segmentsAnalysis = nullptr; // Label14
    QLabel *m_runLabel = nullptr; // Label15: the run's line, or the experiment's period
    QLabel *m_summaryLabel = nullptr; // Label16
    QLabel *m_trialsNote = nullptr; // Label24
    QLabel *m_runCountLabel = nullptr; // Label27
};

} // namespace vora
