#include "core/run/RunClocks.h"

#include "core/run/TrialEngine.h"

namespace vora {

namespace {
constexpr qint64 kNsPerMs = 1000000;
} // namespace

RunTimer::RunTimer(const char *name, int intervalMs, QObject *parent) : QObject(parent), m_intervalMs(intervalMs)
{
    setObjectName(QLatin1String(name));
}

void RunTimer::start(qint64 nowNs)
{
    m_dueNs = nowNs + qint64(m_intervalMs) * kNsPerMs;
}

void RunTimer::startAt(qint64 dueNs, int intervalMs)
{
    m_dueNs = dueNs;
    m_intervalMs = intervalMs;
}

HidingSquare::HidingSquare(int shrinkTickMs, int flickerTickMs, QObject *parent)
    : m_timer(new RunTimer("Timer2", shrinkTickMs, parent)),
      m_shrinkTickMs(shrinkTickMs),
      m_flickerTickMs(flickerTickMs)
{
}

void HidingSquare::restart(qint64 nowNs)
{
    m_shrinkTick = 0;
    m_timer->startAt(nowNs + qint64(m_shrinkTickMs) * kNsPerMs, m_shrinkTickMs);
}

void HidingSquare::resetCounts()
{
    m_shrinkTick = 0;
    m_flickerPhase = 0;
}

HidingSquare::Tick HidingSquare::tick(qint64 nowNs)
{
    if (m_flickerPhase == 0)
        m_flickerPhase = 1;
    m_flickerPhase = -m_flickerPhase;
    Tick t;
    int interval = m_shrinkTickMs;
    if (m_shrinkTick <= kShrinkTicksBeforeFlicker) {
        t.shrinkStep = ++m_shrinkTick;
    } else {
        interval = m_flickerTickMs;
        t.flicker = m_flickerPhase == 1 ? QLatin1Char('1') : QLatin1Char('0');
    }
    // A steady beat: each tick one interval after the one before; a new interval counts from now.
    const qint64 step = qint64(interval) * kNsPerMs;
    qint64 next = (interval == m_timer->interval() ? m_timer->dueNs() : nowNs) + step;
    if (next <= nowNs)
        next = nowNs + step;
    m_timer->startAt(next, interval);
    return t;
}

} // namespace vora
