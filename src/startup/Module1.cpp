#include "startup/Module1.h"

#include "startup/frmSplash.h"
#include "toolkit/Waits.h"

#include <QApplication>

namespace vora {

Module1::Module1(Services services, QObject *parent)
    : QObject(parent), m_services(std::move(services)) {}

Module1::~Module1()
{
    delete m_main.data();
    delete m_experiment.data();
    delete m_splash.data();
}

void Module1::start()
{
    auto *splash = new frmSplash(m_services.paths.folder());
    m_splash = splash;
    splash->show();
    splash->repaint(); // fully drawn before the long steps
    processPendingEvents();

    const qint64 t0 = m_services.clock->monotonicMs();
    // The splash keeps repainting while it waits; input is held back until the main window is up.
    while (m_services.clock->monotonicMs() - t0 < m_services.timing.splashMs) {
        const qint64 left = m_services.timing.splashMs - (m_services.clock->monotonicMs() - t0);
        waitMs(static_cast<int>(qMax<qint64>(1, left)), false);
    }

    showMainWindow();
    m_lastSplashMs = m_services.clock->monotonicMs() - t0;
    unload(m_splash);
}

void Module1::unload(QPointer<QWidget> &window)
{
    if (!window)
        return;
    QWidget *w = window.data();
    window.clear();
    w->hide();
    // The window may be unloading itself from inside one of its own handlers.
    w->deleteLater();
}

void Module1::unloadMainWindow()
{
    unload(m_main);
    m_state.MainWindow.clear();
}

void Module1::unloadExperimentWindow()
{
    unload(m_experiment);
}

QWidget *Module1::showMainWindow()
{
    unloadExperimentWindow();
    unloadMainWindow();
    if (!m_mainFactory)
        return nullptr;
    m_main = m_mainFactory(*this);
    m_state.MainWindow = m_main;
    if (m_main) {
        m_main->show();
        Q_EMIT mainWindowShown(m_main);
    }
    return m_main;
}

QWidget *Module1::showExperimentWindow()
{
    unloadMainWindow();
    unloadExperimentWindow();
    if (!m_experimentFactory)
        return nullptr;
    m_experiment = m_experimentFactory(*this);
    if (m_experiment) {
        m_experiment->show();
        Q_EMIT experimentWindowShown(m_experiment);
    }
    return m_experiment;
}

} // namespace vora
