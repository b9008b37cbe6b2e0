#pragma once
#include "core/registry/Conditions.h"

#include <QString>

namespace vora {

// What the experiment window shows: a run being done (and its results once it is over), the
// overview of all stored runs, or one stored run.
enum class ExperimentView { Run, Overview, BrowseRun };

// Everything the main window and the experiment window hand to each other. One instance
// lives from program start to program end, owned by Module1; it is never written to disk.
struct SharedState {
    QString experimentName; // 1 to 10 characters; empty: none selected
    Stimulus stimulus = Stimulus::Unset;
    HitDisplay hitDisplay = HitDisplay::Unset;
    // The main window's selected data file: NAME-1.txt (with stimulus) or NAME-0.txt.
    bool stimulusFile = true;
    // The experiment window's runs: with a stimulus (file NAME-1.txt) or without.
    bool withStimulus = false;
    QString conditionMemo; // CR LF or Chr(1) Chr(1) line breaks
    bool showConditions = false; // the experiment window shows the condition memo
    int runsDone = 0; // run lines in the selected data file
    ExperimentView view = ExperimentView::Run;
    int browsedRun = 0; // the run shown in BrowseRun; 0 in the other views
    // The experiment window was opened from the main window (or is passing the runs by): its
    // close does not end the program through the run.
    bool launchedFromMain = false;
    int browseStep = 0; // -1, 0, +1 per continuous-display tick
    int continuousIntervalMs = 0; // 0: the standard pace
    bool continuousActive = false;
    QString backgroundImagePath; // empty: the main window draws one at its next load

    void showRunView()
    {
        view = ExperimentView::Run;
        browsedRun = 0;
    }
    void showOverview()
    {
        view = ExperimentView::Overview;
        browsedRun = 0;
    }
    // Run 0 (nothing to browse) leaves the window in its run view.
    void browse(int run)
    {
        browsedRun = run > 0 ? run : 0;
        view = browsedRun > 0 ? ExperimentView::BrowseRun : ExperimentView::Run;
    }
    void stopBrowsing()
    {
        browsedRun = 0;
        if (view == ExperimentView::BrowseRun)
            view = ExperimentView::Run;
    }
};

} // namespace vora
