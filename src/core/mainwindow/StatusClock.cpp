#include "core/mainwindow/StatusClock.h"

namespace vora {

namespace {
constexpr qint64 kClockTickNs = 1000000000; // the status bar's time, once a second
} // namespace

StatusClock::StatusClock(const Services &services, QObject *parent) : QObject(parent), m_services(services)
{
    connect(&m_timer, &DeadlineTimer::timeout, this, &StatusClock::onDeadline);
    m_deadlineNs = m_services.clock->monotonicNs() + kClockTickNs;
    m_timer.start(kClockTickNs);
}

void StatusClock::onDeadline()
{
    if (m_deadlineNs < 0)
        return;
    const qint64 now = m_services.clock->monotonicNs();
    if (m_deadlineNs > now) {
        m_timer.start(m_deadlineNs - now);
        return;
    }
    // On the second of the window's own schedule: refreshes missed by a late timer are not
    // made up, so the next ones do not bunch up.
    m_deadlineNs += ((now - m_deadlineNs) / kClockTickNs + 1) * kClockTickNs;
    m_timer.start(m_deadlineNs - now);
    Q_EMIT ticked();
}

} // namespace vora
