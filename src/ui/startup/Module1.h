#pragma once
#include "core/startup/SharedState.h"
#include "core/toolkit/Services.h"

#include <QObject>
#include <QPointer>
#include <QTimer>
#include <QWidget>
#include <functional>

namespace vora {

// The start module: owns the program-wide state and services, runs the start procedure
// and hands over between the main window and the experiment window. The two windows never
// exist at once: showing one unloads the other, and "show" always builds a window afresh
// so its load sequence runs again.
class Module1 : public QObject {
    Q_OBJECT
public:
    using WindowFactory = std::function<QWidget *(Module1 &)>;

    explicit Module1(Services services, QObject *parent = nullptr);
    ~Module1() override;

    SharedState &state() { return m_state; }
    Services &services() { return m_services; }

    void setMainWindowFactory(WindowFactory factory) { m_mainFactory = std::move(factory); }
    void setExperimentWindowFactory(WindowFactory factory) { m_experimentFactory = std::move(factory); }

    enum class StartPhase { NotStarted, Splash, Running };

    // Shows the splash and returns at once. A timer on the monotonic clock ends the wait of
    // at least Timing::splashMs; then the main window is loaded while the splash stays up,
    // shown, and the splash removed. Work meant to run during the wait hangs on splashShown().
    void start();
    StartPhase startPhase() const { return m_startPhase; }

    // Unloads the experiment window (if any), loads the main window afresh and shows it.
    QWidget *showMainWindow();
    // Unloads both windows, loads the experiment window afresh and shows it.
    QWidget *showExperimentWindow();
    void unloadMainWindow();
    void unloadExperimentWindow();

    QWidget *mainWindow() const { return m_main; }
    QWidget *experimentWindow() const { return m_experiment; }
    QWidget *splashWindow() const { return m_splash; }
    // Monotonic ms from the splash being drawn to the main window being shown (last start()).
    qint64 lastSplashMs() const { return m_lastSplashMs; }

Q_SIGNALS:
    void splashShown();
    void mainWindowShown(QWidget *window);
    void experimentWindowShown(QWidget *window);

private:
    void unload(QPointer<QWidget> &window);
    void splashTimeUp();

    Services m_services;
    SharedState m_state;
    WindowFactory m_mainFactory;
    WindowFactory m_experimentFactory;
    QPointer<QWidget> m_main;
    QPointer<QWidget> m_experiment;
    QPointer<QWidget> m_splash;
    qint64 m_lastSplashMs = 0;
    StartPhase m_startPhase = StartPhase::NotStarted;
    qint64 m_splashShownAt = 0;
    QTimer m_splashTimer;
};

} // namespace vora
