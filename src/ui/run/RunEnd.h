#pragma once
// The end of a run in the experiment window: the finished run's line held until it is stored,
// the save, and the questions around it (a save that failed, giving the run up, a run its file
// refused, leaving the window, a help page that cannot open). Every answer goes to the run's
// state machine, which decides what follows.
#include "core/run/RunView.h"

#include <QString>
#include <functional>

class QWidget;

namespace vora {

class Module1;
class RunFlow;
class TrialEngine;

class RunEnd {
public:
    // `window` owns the dialogs; `focusKeyBox` gives the keyboard back after the help message.
    RunEnd(QWidget *window, Module1 &module, RunFlow &flow, std::function<void()> focusKeyBox);

    // A finished run that is not in the data file yet (empty when nothing is pending).
    QString unsavedLine() const { return m_unsavedLine; }
    // Set when trial 100 could not be written and the user gave the run up.
    bool lastRunDiscarded() const { return m_lastRunDiscarded; }

    void runBegins() { m_lastRunDiscarded = false; }
    // Beeps, and holds the run's line until it is stored or given up knowingly.
    void closeRun(const TrialEngine &engine);
    RunView::Saved writeRun(bool last, QString *message);
    // Given up knowingly: nothing is pending any more.
    void runDiscarded();

    void tellRunKept(const QString &message);
    void askSaveRetry(const QString &reason);
    void askDiscard();
    void askEnd();
    void openHelp();

private:
    QString dataFile() const;

    QWidget *m_window;
    Module1 &m_module;
    RunFlow &m_flow;
    std::function<void()> m_focusKeyBox;
    bool m_lastRunDiscarded = false;
    QString m_unsavedLine;
};

} // namespace vora
