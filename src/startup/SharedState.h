#pragma once
#include "registry/Conditions.h"
#include "startup/LooseValue.h"

#include <QPointer>
#include <QWidget>

namespace vora {

// Everything the main window and the experiment window hand to each other. One instance
// lives from program start to program end, owned by Module1; it is never written to disk.
struct SharedState {
    LooseValue ExperimentName;      // 1 to 10 characters
    Stimulus stimulus = Stimulus::Unset;
    HitDisplay hitDisplay = HitDisplay::Unset;
    // The main window's selected data file: NAME-1.txt (with stimulus) or NAME-0.txt.
    bool stimulusFile = true;
    // The experiment window's runs: with a stimulus (file NAME-1.txt) or without.
    bool withStimulus = false;
    LooseValue ConditionMemo;       // CR LF or Chr(1) Chr(1) line breaks
    LooseValue ShowConditions;      // 0 or 1
    LooseValue RunsDone;            // run lines in the selected data file
    LooseValue LaunchedFromMain;    // 0 or 1
    LooseValue ResultsOnly;         // > 0: the experiment window only shows results
    LooseValue BrowsedRun;          // run being browsed; 0 = none
    LooseValue BrowseStep;          // -1, 0, +1 per continuous-display tick
    LooseValue ContinuousInterval;  // ms
    LooseValue ContinuousActive;    // 0 or 1
    LooseValue BackgroundImagePath; // empty: the main window draws one at its next load
    QPointer<QWidget> MainWindow;
};

} // namespace vora
