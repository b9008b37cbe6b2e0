#pragma once
// One write of a feature that may meet a lock another copy of the program holds. The write
// refuses a busy lock at once (a store with LockWait::TryOnce); it is then tried again on a
// deadline on the monotonic clock, so the event loop never waits for the other copy and the
// window stays live. Meanwhile the feature shows it is waiting and starts no second write.
#include "core/toolkit/Clock.h"
#include "core/toolkit/DeadlineTimer.h"
#include "core/toolkit/FileResult.h"
#include "core/toolkit/Timing.h"

#include <QObject>

#include <functional>
#include <memory>

namespace vora {

class LockRetry : public QObject {
    Q_OBJECT
public:
    using Write = std::function<FileResult()>;
    using Done = std::function<void(const FileResult &result)>;

    // Tries a busy write again every `timing.lockRetryMs` for `timing.lockWaitMs`.
    LockRetry(std::shared_ptr<const Clock> clock, const Timing &timing, QObject *parent = nullptr);

    // Runs `write` now. While it comes back LockBusy (nothing written) and the wait lasts, it
    // runs again at the next deadline; `done` gets the first other result, or the last busy
    // one once the wait is over (its message says so; the user may try again). `done` may be
    // called before start() returns. False, and nothing run, while an earlier write waits.
    bool start(Write write, Done done);
    // A write is waiting for a lock.
    bool waiting() const { return m_dueNs >= 0; }
    // Monotonic ms of the next attempt; -1 while nothing waits.
    qint64 deadline() const { return m_dueNs < 0 ? -1 : m_dueNs / 1000000; }
    // The next attempt. Early calls re-arm and return: tests call it after moving a frozen clock.
    void onDeadline();

Q_SIGNALS:
    // A write began or stopped waiting; emitted before `done` is called.
    void waitingChanged(bool waiting);

private:
    void attempt();

    std::shared_ptr<const Clock> m_clock;
    qint64 m_waitNs;
    qint64 m_retryNs;
    Write m_write;
    Done m_done;
    bool m_running = false; // between start() and `done`
    qint64 m_endNs = -1; // past this the last attempt's result is final
    qint64 m_dueNs = -1;
    DeadlineTimer m_timer;
};

} // namespace vora
