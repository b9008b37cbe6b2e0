#pragma once
// The results view inside the experiment window: the one display procedure that the key
// handler falls into after trial 100, that the window load calls for the overview and a
// browsed run, and that every browse action ends in; plus browsing, continuous display and memos.
#include <QObject>

namespace vora {

class HitDots;
class ResultsHost;

class ResultsDisplay : public QObject {
    Q_OBJECT
public:
    explicit ResultsDisplay(ResultsHost &host, QObject *parent = nullptr);
    ~ResultsDisplay() override;

    // Window load: creates the results controls (hidden) and takes up a continuous display
    // that was running.
    void onWindowLoad();
    // Back to the state of a newly opened window, then its load (for another view).
    void restart();
    // The results display (single run or overview, by SharedState).
    void display();
    // AllRunChartMode: 0, or 1 and 2 while the lower chart is toggled.
    int allRunChartMode() const;
    // Whether the window's keys redraw the results (a browsed run, the overview, a toggled
    // lower chart) rather than go to the run, and that redraw.
    bool keysRedraw() const;
    void redraw();
    // Pointer moves over the bare window put the chart's hint away.
    void hideChartHint();
    // The congratulation panel and its picture under the per-run chart (the layout step).
    void placePanelUnderChart();
    // Closing a run stops the continuous display timer.
    void stopContinuousTimer();
    // 0 from the window's load until the first results display, then 1.
    bool resultsShown() const;
    // The overview's dots, for their click wait.
    HitDots &hitDots();
    // 1 while the memo editor is open (MemoEditing).
    bool memoEditing() const;
    // Runs of the experiment as far as known (RunCount).
    int runCount() const;

private:
    class Impl;
    Impl *d;
};

} // namespace vora
