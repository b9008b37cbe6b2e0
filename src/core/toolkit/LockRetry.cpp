#include "core/toolkit/LockRetry.h"

namespace vora {

namespace {
constexpr qint64 kNsPerMs = 1000000;
} // namespace

LockRetry::LockRetry(std::shared_ptr<const Clock> clock, const Timing &timing, QObject *parent)
    : QObject(parent),
      m_clock(std::move(clock)),
      m_waitNs(qint64(timing.lockWaitMs) * kNsPerMs),
      m_retryNs(qMax<qint64>(1, qint64(timing.lockRetryMs) * kNsPerMs))
{
    connect(&m_timer, &DeadlineTimer::timeout, this, &LockRetry::onDeadline);
}

bool LockRetry::start(Write write, Done done)
{
    if (m_running)
        return false;
    m_running = true;
    m_write = std::move(write);
    m_done = std::move(done);
    m_endNs = m_clock->monotonicNs() + m_waitNs;
    attempt();
    return true;
}

void LockRetry::onDeadline()
{
    if (m_dueNs < 0)
        return;
    const qint64 now = m_clock->monotonicNs();
    if (m_dueNs > now) {
        m_timer.start(m_dueNs - now);
        return;
    }
    attempt();
}

void LockRetry::attempt()
{
    const qint64 now = m_clock->monotonicNs();
    const bool last = now >= m_endNs;
    const FileResult result = m_write();
    if (result.code == FileError::LockBusy && !last) {
        const bool began = m_dueNs < 0;
        m_dueNs = qMin(now + m_retryNs, m_endNs);
        m_timer.start(m_dueNs - now);
        if (began)
            Q_EMIT waitingChanged(true);
        return;
    }
    const bool waited = m_dueNs >= 0;
    m_timer.stop();
    m_dueNs = -1;
    m_running = false;
    m_write = nullptr;
    const Done done = std::move(m_done);
    m_done = nullptr;
    if (waited)
        Q_EMIT waitingChanged(false);
    if (done)
        done(result);
}

} // namespace vora
