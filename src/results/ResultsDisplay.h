#pragma once
// The results view inside the experiment window: the one display procedure that the key
// handler falls into after trial 100, that the window load calls for ResultsOnly/BrowsedRun,
// and that every browse action ends in; plus browsing, continuous display and memos.
#include <QObject>

namespace vora {

class ResultsHost;

class ResultsDisplay : public QObject {
    Q_OBJECT
public:
    explicit ResultsDisplay(ResultsHost &host, QObject *parent = nullptr);
    ~ResultsDisplay() override;

    // Window load: creates the results controls (hidden), then enables Timer1 when
    // ContinuousActive is 1 and takes ContinuousInterval; sizes the dot buttons.
    void onWindowLoad();
    // The results display (single run or overview, by SharedState).
    void display();
    // AllRunChartMode 1 or 2: only the lower all-run chart (when no run is browsed).
    int allRunChartMode() const;
    void displayAllRunChart();
    // Closing a run stops the continuous display timer.
    void stopContinuousTimer();
    // 0 from the window's load until the first results display, then 1.
    bool resultsShown() const;
    // 1 while the memo editor is open (MemoEditing).
    bool memoEditing() const;
    // Runs of the experiment as far as known (RunCount).
    int runCount() const;

private:
    class Impl;
    Impl *d;
};

} // namespace vora
