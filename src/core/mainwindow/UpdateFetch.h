#pragma once
// The fetch of the update page and its local copy "new-sub2.htm", without widgets. It runs
// from the event loop: start() returns at once, the attempts, their pauses and the writing of
// the copy follow on signals and timers, and finished() tells the main window when it is over.
// Module1 starts one when the splash appears, so it runs during the splash wait.
#include "core/toolkit/FileStore.h"
#include "core/toolkit/LockRetry.h"

#include <QElapsedTimer>
#include <QObject>
#include <QString>
#include <QTimer>

namespace vora {

struct HttpReply;
struct Services;

class UpdateFetch : public QObject {
    Q_OBJECT
public:
    // Storing: the copy waits for a lock another copy of the program holds.
    enum class Phase { Idle, Requesting, Pausing, Storing, Done };

    explicit UpdateFetch(Services &services, QObject *parent = nullptr);
    ~UpdateFetch() override;

    // Takes the site address and the start time, and sends the first request. Nothing
    // happens while a fetch is running.
    void start();
    // What a load of the main window calls: a fetch that is running, or one whose result no
    // load has taken yet (the one started with the splash), belongs to this load; otherwise
    // a new one starts.
    void claim();

    Phase phase() const { return m_phase; }
    bool isRunning() const
    {
        return m_phase == Phase::Requesting || m_phase == Phase::Pausing || m_phase == Phase::Storing;
    }
    // The last finished fetch brought the real page and its copy was written.
    bool succeeded() const { return m_succeeded; }
    int attempts() const { return m_attempts; }
    QString siteFolder() const { return m_siteFolder; }
    // The copy with the online mark, as the panel shows it right after a successful fetch.
    QString onlineCopy() const { return m_onlineCopy; }
    // How writing the copy went (a failure carries the message for the user).
    FileResult storeResult() const { return m_store; }

    // The longest a fetch may take: the retry window plus one attempt.
    static int boundMs(int retryWindowMs, int attemptTimeoutMs);

Q_SIGNALS:
    void finished(bool fetched);

private:
    void attempt();
    void received(const HttpReply &reply);
    void finish(const QString &page);
    void done();

    Services &m_services;
    Phase m_phase = Phase::Idle;
    bool m_claimed = false;
    bool m_succeeded = false;
    int m_attempts = 0;
    QString m_siteFolder;
    QString m_onlineCopy;
    FileResult m_store;
    QElapsedTimer m_started; // monotonic, so a start just before midnight is no different
    QTimer m_pause;
    LockRetry m_storing;
};

} // namespace vora
