#pragma once
// What the results display needs from the experiment window that hosts it.
#include <QRect>
#include <QString>

class QWidget;

namespace vora {

class Module1;

// The window's row of name, title, date and time as the results view sets it. The experiment
// window's header row (ExperimentHeader) is one; the results view needs no more of it.
class HeaderRow {
public:
    virtual ~HeaderRow() = default;
    // `fit`: the label takes the width of its text.
    virtual void setTitle(const QString &text, bool fit) = 0;
    virtual void showName(const QString &name, int leftTwips) = 0;
    virtual void setDate(const QString &text, bool fit) = 0;
    virtual void setTime(const QString &text, bool fit) = 0;
    virtual void showDateAndTime() = 0;
    // Each part keeps its row and moves along it after the part before it.
    virtual void titleAfterName() = 0;
    virtual void dateAfterTitle(int gapTwips) = 0;
    virtual void timeAfterDate(int gapTwips) = 0;
    virtual QRect nameGeometry() const = 0;
};

class ResultsHost {
public:
    virtual ~ResultsHost() = default;
    virtual QWidget *view() = 0; // parent of the results controls and their dialogs
    virtual Module1 &module() = 0; // SharedState and Services
    virtual HeaderRow &header() = 0; // name, title, date and time row
    virtual void hideRunControls() = 0; // key box, start, frame cover, countdown, panel …
    // The conditions line in the digit frame's place, with the condition memo beside it.
    virtual void showConditions(const QString &line, bool fitLine, const QString &memo, bool showMemo) = 0;
    // Another view (a browsed run, the overview, the overview after a memo save): the window
    // stays, the results view starts again and shows it.
    virtual void showResultsAfresh() = 0;
    virtual void showMainWindow() = 0; // back to frmMain
    virtual void resetRunState() = 0; // run variables and the how-to toggle to their start
    virtual void armLayoutTimer() = 0; // Timer3 (one shot)
    virtual void stopAnimationTimer() = 0; // Timer2
    virtual void clearBackgroundPicture() { } // the results are shown on a plain window
    virtual void saveReport() { } // the research report of the experiment shown
};

} // namespace vora
