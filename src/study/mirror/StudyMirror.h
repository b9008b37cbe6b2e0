#pragma once
// Copies every saved run to the study database. The run is queued in the outbox on the
// caller's thread (a small durable file); a sender on its own thread, with its own database
// connection, delivers the outbox at start, after each save and again after a failure.
// Nothing here waits for the server.
#include "study/mirror/Outbox.h"
#include "study/mirror/StudyConfig.h"
#include "toolkit/RunMirror.h"

#include <QThread>
#include <QTimer>
#include <memory>

namespace vora::study {

// Lives in the sender thread.
class OutboxSender : public QObject {
    Q_OBJECT
public:
    OutboxSender(const ConnInfo &conn, const QString &outboxFolder, int retryMs);
    ~OutboxSender() override;

public Q_SLOTS:
    // One pass over the outbox.
    void deliverPending();

Q_SIGNALS:
    // `failure`: why delivery stopped (entries remain); `conflicts`: one text per entry held.
    void passDone(int sent, const QString &failure, const QStringList &conflicts);

private:
    ConnInfo m_conn;
    Outbox m_outbox;
    int m_retryMs;
    std::unique_ptr<StudyDatabase> m_db;
    QTimer *m_retry = nullptr;
};

// 1-based number of the run whose columns 1-261 are `record`, counted over the run lines
// (memo lines skipped); the last match wins, since runs are appended. 0 when absent.
int runNumberOf(const QStringList &fileLines, const QString &record);

class StudyMirror : public RunMirror {
    Q_OBJECT
public:
    // Null when study-server.txt is absent: then the program works as it always has.
    static std::shared_ptr<StudyMirror> fromSettings(const AppPaths &paths, int retryMs = 30000);

    StudyMirror(const StudyConfig &config, const AppPaths &paths, int retryMs = 30000);
    ~StudyMirror() override;

    void runSaved(const QString &dataFilePath, const QString &runLine) override;
    int pendingCount() const override;
    int heldCount() const override;
    QString lastProblem() const override { return m_problem; }
    QString takeWarning() override;

    // Starts a delivery pass now (also done at start and after each save).
    void retry();
    const Outbox &outbox() const { return m_outbox; }

Q_SIGNALS:
    // A delivery pass ended (tests and the status bar follow it).
    void passFinished(int sent);

private:
    void onPassDone(int sent, const QString &failure, const QStringList &conflicts);

    StudyConfig m_config;
    AppPaths m_paths;
    Outbox m_outbox;
    QString m_problem;
    QString m_warning;
    QThread *m_thread = nullptr;
    OutboxSender *m_sender = nullptr;
};

} // namespace vora::study
