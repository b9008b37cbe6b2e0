#pragma once
#include <QObject>
#include <QTimer>

class QSocketNotifier;

namespace vora {

// A one-shot timer that wakes the main event loop as close to its deadline as the system
// allows. QTimer counts whole milliseconds, and its wait goes through poll(), whose slack
// grows with the length of the wait (several ms late on a 0.3 s wait were measured); on
// Linux a timerfd with a nanosecond deadline wakes the loop instead. Never waits itself.
class DeadlineTimer : public QObject {
    Q_OBJECT
public:
    explicit DeadlineTimer(QObject *parent = nullptr);
    ~DeadlineTimer() override;

    // Fires once, `ns` nanoseconds from now (at the next pass of the loop when <= 0).
    void start(qint64 ns);
    void stop();
    bool isActive() const { return m_active; }

Q_SIGNALS:
    void timeout();

private:
    void fire();

    int m_fd = -1;
    QSocketNotifier *m_notifier = nullptr;
    QTimer m_fallback;
    bool m_active = false;
};

} // namespace vora
