#include "core/toolkit/DeadlineTimer.h"

#include <QSocketNotifier>

#ifdef Q_OS_LINUX
#include <cstdint>
#include <sys/timerfd.h>
#include <unistd.h>
#endif

namespace vora {

DeadlineTimer::DeadlineTimer(QObject *parent) : QObject(parent)
{
    m_fallback.setSingleShot(true);
    m_fallback.setTimerType(Qt::PreciseTimer);
    connect(&m_fallback, &QTimer::timeout, this, &DeadlineTimer::fire);
#ifdef Q_OS_LINUX
    m_fd = timerfd_create(CLOCK_MONOTONIC, TFD_NONBLOCK | TFD_CLOEXEC);
    if (m_fd >= 0) {
        m_notifier = new QSocketNotifier(m_fd, QSocketNotifier::Read, this);
        connect(m_notifier, &QSocketNotifier::activated, this, [this] {
            std::uint64_t expirations = 0;
            // Nothing to read: re-armed after it became readable, so not due yet.
            if (::read(m_fd, &expirations, sizeof expirations) == sizeof expirations && expirations > 0)
                fire();
        });
    }
#endif
}

DeadlineTimer::~DeadlineTimer()
{
#ifdef Q_OS_LINUX
    if (m_fd >= 0) {
        delete m_notifier;
        ::close(m_fd);
    }
#endif
}

void DeadlineTimer::start(qint64 ns)
{
    m_active = true;
#ifdef Q_OS_LINUX
    if (m_fd >= 0) {
        ns = qMax<qint64>(1, ns); // a zero value would disarm the timer
        itimerspec when{};
        when.it_value.tv_sec = static_cast<time_t>(ns / 1000000000);
        when.it_value.tv_nsec = static_cast<long>(ns % 1000000000);
        if (timerfd_settime(m_fd, 0, &when, nullptr) == 0)
            return;
    }
#endif
    m_fallback.start(static_cast<int>(qMax<qint64>(0, (ns + 999999) / 1000000)));
}

void DeadlineTimer::stop()
{
    m_active = false;
    m_fallback.stop();
#ifdef Q_OS_LINUX
    if (m_fd >= 0) {
        const itimerspec off{};
        timerfd_settime(m_fd, 0, &off, nullptr);
    }
#endif
}

void DeadlineTimer::fire()
{
    // A stop() after the descriptor became readable leaves nothing to do.
    if (!m_active)
        return;
    m_active = false;
    Q_EMIT timeout();
}

} // namespace vora
