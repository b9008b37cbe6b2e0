#include "ui/startup/Module1.h"

#include "ui/startup/frmSplash.h"

#include <QApplication>

namespace vora {

Module1::Module1(Services services, QObject *parent) : QObject(parent), m_services(std::move(services))
{
    m_splashTimer.setSingleShot(true);
    m_splashTimer.setTimerType(Qt::PreciseTimer);
    connect(&m_splashTimer, &QTimer::timeout, this, &Module1::splashTimeUp);
}

Module1::~Module1()
{
    delete m_main.data();
    delete m_experiment.data();
    delete m_splash.data();
}

void Module1::start()
{
    if (m_startPhase != StartPhase::NotStarted)
        return;
    auto *splash = new frmSplash(m_services.paths.folder());
    m_splash = splash;
    splash->show();
    splash->repaint(); // fully drawn at once, before anything else runs
    m_startPhase = StartPhase::Splash;
    m_splashShownAt = m_services.clock->monotonicMs();
    Q_EMIT splashShown();
    m_splashTimer.start(m_services.timing.splashMs);
}

void Module1::splashTimeUp()
{
    if (m_startPhase != StartPhase::Splash)
        return;
    const qint64 shown = m_services.clock->monotonicMs() - m_splashShownAt;
    if (shown < m_services.timing.splashMs) {
        // A timer may come a little early; the splash stays its full time.
        m_splashTimer.start(static_cast<int>(m_services.timing.splashMs - shown));
        return;
    }
    m_startPhase = StartPhase::Running;
    showMainWindow();
    m_lastSplashMs = m_services.clock->monotonicMs() - m_splashShownAt;
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
