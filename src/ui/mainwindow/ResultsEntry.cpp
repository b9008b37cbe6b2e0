#include "ui/mainwindow/ResultsEntry.h"

#include "core/mainwindow/MainFlow.h"
#include "core/toolkit/HelpPage.h"
#include "ui/startup/Module1.h"

#include <QPushButton>

namespace vora {

ResultsEntry::ResultsEntry(Module1 &module, MainFlow &flow, const Controls &controls, QObject *parent)
    : QObject(parent), m_module(module), m_flow(flow), m_c(controls)
{
    connect(m_c.results, &QPushButton::clicked, &m_flow, &MainFlow::showResults);
    connect(m_c.help, &QPushButton::clicked, this, &ResultsEntry::openHelp);
    connect(m_c.exit, &QPushButton::clicked, &m_flow, &MainFlow::endRequested);
    connect(&m_flow, &MainFlow::windowChanged, this, [this] { m_c.results->setEnabled(m_flow.resultsEnabled()); });
    connect(&m_flow, &MainFlow::registrationViewChanged, this, [this](bool open) {
        m_c.results->setVisible(!open);
        m_c.exit->setVisible(!open);
        m_c.computerOnly->hide();
        if (!open)
            m_c.computerOnly->setEnabled(true);
    });
}

void ResultsEntry::openHelp()
{
    const Services &s = m_module.services();
    const QString problem = openHelpPage(*s.shell, s.paths);
    if (!problem.isEmpty())
        s.dialogs->tell(m_c.help->window(), problem, MsgIcon::Exclamation);
}

} // namespace vora
