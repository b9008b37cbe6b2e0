#pragma once
// The run's clocks besides its phases: the hiding square's beat (Timer2) and the layout step
// (Timer3). Each is a deadline on the monotonic clock that RunFlow's one deadline timer serves;
// they keep the program's control names, so that they can be found and looked at like the
// controls they replace.
#include <QChar>
#include <QObject>

namespace vora {

// One repeating or one-shot clock under the program's own control name.
class RunTimer : public QObject {
    Q_OBJECT
public:
    RunTimer(const char *name, int intervalMs, QObject *parent);
    bool isActive() const { return m_dueNs >= 0; }
    int interval() const { return m_intervalMs; }
    // Monotonic ms of its next tick, -1 when none is due.
    qint64 deadline() const { return m_dueNs < 0 ? -1 : m_dueNs / 1000000; }
    qint64 dueNs() const { return m_dueNs; }
    bool dueBy(qint64 nowNs) const { return m_dueNs >= 0 && m_dueNs <= nowNs; }
    // The next tick one interval after `nowNs`.
    void start(qint64 nowNs);
    void startAt(qint64 dueNs, int intervalMs);
    void stop() { m_dueNs = -1; }

private:
    qint64 m_dueNs = -1;
    int m_intervalMs = 0;
};

// Timer2's beat. The square over the digit frame shrinks a step each tick; after 120 steps
// without a key the frame flickers "1" and "0" in turn at a slower beat.
class HidingSquare {
public:
    HidingSquare(int shrinkTickMs, int flickerTickMs, QObject *parent);

    // What a tick shows: a shrinking step (1, 2, ...) or, once those are done, a flicker digit.
    struct Tick {
        int shrinkStep = 0;
        QChar flicker;
    };
    // At full size again: the first step one shrink interval after `nowNs`. The flicker keeps
    // its alternation.
    void restart(qint64 nowNs);
    // A new run: both counts from the beginning (the timer itself is left as it is).
    void resetCounts();
    // The tick that is due, and the next one armed on a steady beat.
    Tick tick(qint64 nowNs);
    RunTimer &timer() { return *m_timer; }
    const RunTimer &timer() const { return *m_timer; }

private:
    RunTimer *m_timer;
    const int m_shrinkTickMs;
    const int m_flickerTickMs;
    int m_shrinkTick = 0;
    int m_flickerPhase = 0; // +1 / -1, alternating on every tick; 0 before the first
};

} // namespace vora
