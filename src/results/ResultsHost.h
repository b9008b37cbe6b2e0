#pragma once
// What the results display needs from the experiment window that hosts it.
class QWidget;

namespace vora {

class Module1;

class ResultsHost {
public:
    virtual ~ResultsHost() = default;
    virtual QWidget *window() = 0;            // toushiJikken itself; controls are found by name
    virtual Module1 &module() = 0;            // SharedState and Services
    virtual void callKeyHandler(int keyCode) = 0; // the window's key handler with a dummy key
    virtual void reopenWindow() = 0;          // unload and show afresh: its load runs again
    virtual void reopenWindowAfterMemo() = 0; // the same, marked as the reload after a memo save
    virtual void showMainWindow() = 0;        // back to frmMain
    virtual void resetRunState() = 0;         // run variables and InstructionToggle to their start
    virtual void armLayoutTimer() = 0;        // Timer3 (one shot)
    virtual void stopAnimationTimer() = 0;    // Timer2
    virtual void clearBackgroundPicture() {}  // the results are shown on a plain window
    virtual void saveReport() {}              // the research report of the experiment shown
};

} // namespace vora
