#pragma once
// What the results display needs from the experiment window that hosts it.
#include <QString>

class QWidget;

namespace vora {

class ExperimentHeader;
class Module1;

class ResultsHost {
public:
    virtual ~ResultsHost() = default;
    virtual QWidget *view() = 0;              // parent of the results controls and their dialogs
    virtual Module1 &module() = 0;            // SharedState and Services
    virtual ExperimentHeader &header() = 0;   // name, title, date and time row
    virtual void hideRunControls() = 0;       // key box, start, frame cover, countdown, panel …
    // The conditions line in the digit frame's place, with the condition memo beside it.
    virtual void showConditions(const QString &line, bool fitLine, const QString &memo, bool showMemo) = 0;
    // Another view (a browsed run, the overview, the overview after a memo save): the window
    // stays, the results view starts again and shows it.
    virtual void showResultsAfresh() = 0;
    virtual void showMainWindow() = 0;        // back to frmMain
    virtual void resetRunState() = 0;         // run variables and the how-to toggle to their start
    virtual void armLayoutTimer() = 0;        // Timer3 (one shot)
    virtual void stopAnimationTimer() = 0;    // Timer2
    virtual void clearBackgroundPicture() {}  // the results are shown on a plain window
    virtual void saveReport() {}              // the research report of the experiment shown
};

} // namespace vora
