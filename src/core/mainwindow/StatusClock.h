#pragma once
// The status bar's clock: the date and time are refreshed once a second, on a deadline on the
// monotonic clock.
#include "core/toolkit/DeadlineTimer.h"
#include "core/toolkit/Services.h"

#include <QObject>

namespace vora {

class StatusClock : public QObject {
    Q_OBJECT
public:
    explicit StatusClock(const Services &services, QObject *parent = nullptr);

    // Monotonic ms of the next refresh, and its handler (early calls re-arm and return; tests
    // call it after moving a frozen clock).
    qint64 deadline() const { return m_deadlineNs < 0 ? -1 : m_deadlineNs / 1000000; }
    void onDeadline();

Q_SIGNALS:
    void ticked(); // time to show the date and time again

private:
    const Services &m_services;
    DeadlineTimer m_timer;
    qint64 m_deadlineNs = -1;
};

} // namespace vora
