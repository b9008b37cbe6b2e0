#pragma once
// The results view's inside, shared by nothing but ResultsDisplay.cpp: its state, its
// controls and its features, and the parts of the display procedure.
#include "ui/results/CongratulationPanel.h"
#include "ui/results/HitDots.h"
#include "ui/results/ResultsDisplay.h"
#include "ui/results/ResultsHost.h"
#include "ui/results/ResultsTexts.h"
#include "ui/results/RunBrowser.h"
#include "ui/results/ShownRuns.h"
#include "ui/startup/Module1.h"

#include <memory>

class QPushButton;

namespace vora {

class ChartBox;
class RunMemoEditor;

class ResultsDisplay::Impl : public QObject, public RunBrowser::View, public HitDots::View {
public:
    explicit Impl(ResultsHost &h) : host(h) { }

    ResultsHost &host;
    QWidget *w = nullptr;
    bool created = false;

    // Window variables of the results view.
    bool shown = false; // ResultsShown
    int chartMode = 0; // AllRunChartMode
    ShownRuns runsShown;

    // Controls and features.
    ChartBox *runsChart = nullptr; // Picture1: a run's segments, or every run's hits
    ChartBox *segmentsChart = nullptr; // Picture2
    ChartBox *trialsChart = nullptr; // Picture4
    std::unique_ptr<ResultsTexts> texts;
    QPushButton *backButton = nullptr; // Command2
    QPushButton *toggleButton = nullptr; // Command11
    RunBrowser *browser = nullptr;
    HitDots *dots = nullptr;
    CongratulationPanel *panel = nullptr;
    RunMemoEditor *memo = nullptr;

    SharedState &state() { return host.module().state(); }
    Services &services() { return host.module().services(); }

    void createControls();
    QPushButton *button(const char *name, const QString &caption, const QString &tip);

    // The display and its parts.
    void display();
    void header();
    void singleRun();
    void overview();
    void allRunPart(bool isOverview);
    void lowerChart();
    void endOfDisplay();
    void restart();
    void placePanelUnderChart();

    // What a key or a browse step does while results are runsShown.
    bool keysRedraw() const;
    void redraw();
    void redrawLowerChart();
    void back(); // Command2
    void toggleLowerChart(); // Command11

    // RunBrowser::View
    int runCount() const override { return runsShown.runCount(); }
    int runsRead() const override { return runsShown.runs().runsRead; }
    void leaveShownRun() override { panel->hidePanel(); }
    void showBrowsedRun() override;
    // HitDots::View
    const RunSet &shownRuns() const override { return runsShown.runs(); }
    void dotPressed() override;
    void openRun(int run) override;
    void memoSaved() override { host.showResultsAfresh(); }
};

} // namespace vora
