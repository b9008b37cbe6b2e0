#pragma once
// Copies every saved run to the study database. The run is queued in the outbox on the
// caller's thread (a small durable file); a sender on its own thread, with its own database
// connection, delivers the outbox at start, after each save and every 30 s, and then sends
// every saved run above each data file's watermark (SavedRuns.h), so that a run whose outbox
// entry was lost or never written still arrives. Nothing here waits for the server.
#include "core/study/mirror/Outbox.h"
#include "core/study/mirror/SavedRuns.h"
#include "core/study/mirror/StudyConfig.h"
#include "core/toolkit/RunMirror.h"

#include <QThread>
#include <QTimer>
#include <QVariantList>
#include <memory>

namespace vora::study {

// Lives in the sender thread.
class OutboxSender : public QObject {
    Q_OBJECT
public:
    // `passMs`: a pass every so often (0: only when asked, as tests do).
    OutboxSender(const ConnInfo &conn, const QString &site, const QString &dataFolder, const QString &outboxFolder,
                 int passMs);
    ~OutboxSender() override;

public Q_SLOTS:
    // One pass: the outbox, then the runs of every data file above its watermark.
    void deliverPending();
    // The same, asked for after the caller's `savedRuns`-th save: the pass sees that run.
    void deliverAfterSave(int savedRuns);

Q_SIGNALS:
    // The registered studies as the server holds them, read at the end of each pass (each a
    // map of "title", "sites", "experiments", "closed"); `known` false when they could not be read.
    void studiesRead(bool known, const QVariantList &studies);
    // `failure`: why delivery stopped (runs remain); `conflicts`: one text per run held;
    // `unsent`: saved runs the server has not answered for yet, counting every save up to
    // the caller's `savedRuns`-th.
    void passDone(int sent, const QString &failure, const QStringList &conflicts, int unsent, int savedRuns);

private:
    void readStudies(bool reached);
    // One run to the server. A connection that died since the last pass (a server restart)
    // is replaced once per pass before giving up.
    Delivery send(const MirrorEntry &entry, QString *error);

    ConnInfo m_conn;
    QString m_site;
    QString m_dataFolder;
    Outbox m_outbox;
    Watermarks m_marks;
    FileChanges m_answered; // data files whose runs were all answered for, as they were then
    int m_passMs;
    bool m_mayReconnect = true;
    int m_savedRuns = 0;
    std::unique_ptr<StudyDatabase> m_db;
    QTimer *m_timer = nullptr;
};

// 1-based number of the run whose columns 1-261 are `record`, counted over the run lines
// (memo lines skipped); the last match wins, since runs are appended. 0 when absent.
int runNumberOf(const QStringList &fileLines, const QString &record);

class StudyMirror : public RunMirror {
    Q_OBJECT
public:
    // Null when study-server.txt is absent: then the program works as it always has.
    static std::shared_ptr<StudyMirror> fromSettings(const AppPaths &paths, int passMs = 30000);

    StudyMirror(const StudyConfig &config, const AppPaths &paths, int passMs = 30000);
    ~StudyMirror() override;

    void runSaved(const QString &dataFilePath, const QString &runLine) override;
    // Saved runs the server has not answered for: as the last pass counted them, plus those
    // saved since.
    int pendingCount() const override;
    int heldCount() const override;
    QString lastProblem() const override { return m_problem; }
    QString takeWarning() override;
    StudyStatus studyStatus(const QString &experiment) const override;

    // Starts a delivery pass now (also done at start, after each save and every 30 s).
    void retry();
    const Outbox &outbox() const { return m_outbox; }

Q_SIGNALS:
    // A delivery pass ended (tests and the status bar follow it).
    void passFinished(int sent);

private:
    void onPassDone(int sent, const QString &failure, const QStringList &conflicts, int unsent, int savedRuns);
    void onStudiesRead(bool known, const QVariantList &studies);

    StudyConfig m_config;
    AppPaths m_paths;
    Outbox m_outbox;
    QString m_problem;
    QString m_warning;
    int m_unsent = 0;
    int m_savedRuns = 0; // runSaved() calls, so that a pass begun before the last save is not taken for the count
    QThread *m_thread = nullptr;
    OutboxSender *m_sender = nullptr;
    bool m_studiesKnown = false;
    QVariantList m_studies;
};

} // namespace vora::study
