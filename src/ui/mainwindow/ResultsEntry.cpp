#include "ui/mainwindow/ResultsEntry.h"
#include "core/toolkit/HelpPage.h"

#include "ui/registry/MainControls.h"
#include "ui/startup/Module1.h"

#include <QPushButton>

namespace vora {

ResultsEntry::ResultsEntry(Module1 &module, MainControls &controls, QPushButton *helpButton, QObject *parent)
    : QObject(parent), m_module(module), m_c(controls)
{
    connect(m_c.resultsButton, &QPushButton::clicked, this, &ResultsEntry::showResults);
    connect(helpButton, &QPushButton::clicked, this, &ResultsEntry::openHelp);
    connect(m_c.exitButton, &QPushButton::clicked, this, &ResultsEntry::endProgram);
}

void ResultsEntry::showResults()
{
    if (m_c.ended)
        return;
    SharedState &st = m_module.state();
    if (st.showConditions)
        st.conditionMemo = m_c.conditionMemo->memoText();
    st.showOverview();
    st.withStimulus = st.stimulus != Stimulus::None;
    st.launchedFromMain = true;
    // Unloads this window (once this handler has returned) and builds the experiment window.
    m_module.showExperimentWindow();
}

void ResultsEntry::openHelp()
{
    const Services &s = m_module.services();
    const QString problem = openHelpPage(*s.shell, s.paths);
    if (!problem.isEmpty())
        s.dialogs->ask(m_c.window, problem, MsgButtons::Ok, MsgIcon::Exclamation, [](MsgAnswer) {});
}

void ResultsEntry::endProgram()
{
    // No questions and nothing written: an unsaved memo edit is given up. Whatever is still
    // queued for this window before the event loop ends does nothing.
    m_c.ended = true;
    m_module.services().process->quitNow();
}

} // namespace vora
