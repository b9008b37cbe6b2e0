#include "core/study/mirror/StudyMirror.h"

#include "core/registry/DataFile.h"
#include "core/study/mirror/RunSeal.h"
#include "core/study/mirror/StudyPlan.h"
#include "core/toolkit/FileStore.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QMetaObject>
#include <QSet>
#include <QSqlQuery>
#include <QVariantMap>

namespace vora::study {

namespace {
// The texts of this file, under the translation context "StudyMirror".
struct Texts {
    Q_DECLARE_TR_FUNCTIONS(StudyMirror)
};
} // namespace

// ---- sender (worker thread) ----------------------------------------------------------------

OutboxSender::OutboxSender(const ConnInfo &conn, const QString &site, const QString &dataFolder,
                           const QString &outboxFolder, int passMs)
    : m_conn(conn),
      m_site(site),
      m_dataFolder(dataFolder),
      m_outbox(outboxFolder),
      m_marks(Watermarks::folderFor(outboxFolder), Watermarks::identityOf(conn, site)),
      m_passMs(passMs)
{
}

OutboxSender::~OutboxSender() = default;

Delivery OutboxSender::send(const MirrorEntry &entry, QString *error)
{
    for (;;) {
        if (!m_db)
            m_db = std::make_unique<StudyDatabase>(m_conn);
        if (!m_db->isOpen()) {
            m_mayReconnect = false;
            if (!m_db->open(error))
                return Delivery::Failed;
        }
        const Delivery d = m_db->deliver(entry, error);
        if (d != Delivery::Failed)
            return d;
        m_db->close();
        if (!m_mayReconnect)
            return d;
        m_mayReconnect = false; // the same run again on a fresh connection
    }
}

namespace {

QString conflictText(const MirrorEntry &entry)
{
    return Texts::tr("%1 のラン %2：サーバーには別の記録があります（上書きしません）。")
        .arg(entry.experiment)
        .arg(entry.run);
}

} // namespace

void OutboxSender::deliverAfterSave(int savedRuns)
{
    m_savedRuns = savedRuns;
    deliverPending();
}

void OutboxSender::deliverPending()
{
    if (!m_timer && m_passMs > 0) {
        // Made here so that the timer belongs to the sender's thread.
        m_timer = new QTimer(this);
        connect(m_timer, &QTimer::timeout, this, &OutboxSender::deliverPending);
        m_timer->start(m_passMs);
    }
    m_mayReconnect = true;
    const auto stopped = [] { return QThread::currentThread()->isInterruptionRequested(); };

    int sent = 0;
    QString failure;
    QStringList conflicts;
    QSet<QString> answered; // runs the server answered for in this pass
    const auto settle = [&](const MirrorEntry &entry, Delivery d) {
        if (d == Delivery::Sent)
            ++sent;
        answered.insert(Outbox::keyOf(entry.experiment, entry.run));
    };

    // The outbox first: its entries carry the seal as it was when the run was saved.
    for (const QString &file : m_outbox.pending()) {
        if (stopped() || !failure.isEmpty())
            break;
        const std::optional<MirrorEntry> entry = m_outbox.read(file);
        if (!entry) {
            if (QFile::exists(file) && m_outbox.hold(file))
                conflicts.append(Texts::tr("%1：読めない送信待ちの記録です。").arg(QFileInfo(file).fileName()));
            continue; // gone: another instance of the program delivered it
        }
        QString error;
        const Delivery d = send(*entry, &error);
        switch (d) {
        case Delivery::Sent:
        case Delivery::AlreadyThere: m_outbox.remove(file); break;
        case Delivery::Conflict:
            m_outbox.hold(file);
            conflicts.append(conflictText(*entry));
            break;
        case Delivery::Failed: failure = error; continue;
        }
        settle(*entry, d);
    }

    // Then every saved run above its file's watermark, whatever became of its entry.
    QSet<QString> waiting;
    for (const QString &path : dataFilesIn(m_dataFolder)) {
        if (stopped())
            break;
        // Noted before reading: a run appended while the file is read changes it again.
        const FileChanges::Stamp stamp = FileChanges::stampOf(path);
        if (!m_answered.changed(path, stamp))
            continue;
        FileRuns runs;
        if (!readFileRuns(path, &runs))
            continue; // unreadable or damaged: the program refuses it, and so does the mirror
        const int kept = m_marks.confirmed(runs);
        int mark = kept;
        for (int run = kept + 1; run <= runs.records.size(); ++run) {
            const QString key = Outbox::keyOf(runs.experiment, run);
            if (!answered.contains(key)) {
                const MirrorEntry entry{m_site, runs.experiment, run, runs.records.at(run - 1), runs.seals.value(run)};
                QString error;
                const Delivery d =
                    failure.isEmpty() && !runs.busy && !stopped() ? send(entry, &error) : Delivery::Failed;
                if (d == Delivery::Failed) {
                    if (failure.isEmpty() && !error.isEmpty())
                        failure = error;
                    waiting.insert(key);
                    continue;
                }
                if (d == Delivery::Conflict) {
                    const QString held = m_outbox.holdEntry(entry);
                    conflicts.append(held.isEmpty() ? conflictText(entry) : conflictText(entry) + CRLF + held);
                }
                settle(entry, d);
            }
            if (mark == run - 1)
                mark = run;
        }
        if (mark > kept && !m_marks.confirm(runs, mark))
            qWarning("study mirror: the watermark of %s could not be written", qUtf8Printable(runs.experiment));
        if (mark == runs.records.size())
            m_answered.remember(path, stamp);
        else
            m_answered.forget(path);
    }
    // Entries of runs the data files no longer show (a file removed) still wait.
    for (const QString &file : m_outbox.pending()) {
        if (const QString key = Outbox::keyOf(file); !answered.contains(key))
            waiting.insert(key);
    }
    Q_EMIT passDone(sent, failure, conflicts, int(waiting.size()), m_savedRuns);
    readStudies(failure.isEmpty() && !stopped());
}

void OutboxSender::readStudies(bool reached)
{
    QVariantList studies;
    QString error;
    if (reached && (!m_db || !m_db->isOpen())) {
        m_db = std::make_unique<StudyDatabase>(m_conn);
        reached = m_db->open(&error);
    }
    if (!reached) {
        Q_EMIT studiesRead(false, studies);
        return;
    }
    StudyPlan plan(*m_db);
    QVector<ProtocolState> states;
    QSqlQuery q(m_db->connection());
    // A server without the study tables has no study.
    const bool tables = q.exec(QStringLiteral("SELECT to_regclass('vora_protocols') IS NOT NULL"
                                              " AND to_regclass('vora_looks') IS NOT NULL"))
                        && q.next() && q.value(0).toBool();
    if (tables && !plan.states(&states, &error)) {
        Q_EMIT studiesRead(false, studies);
        return;
    }
    for (const ProtocolState &st : std::as_const(states))
        studies.append(QVariantMap{{QStringLiteral("title"), st.protocol.title},
                                   {QStringLiteral("sites"), st.protocol.sites},
                                   {QStringLiteral("experiments"), st.protocol.experiments},
                                   {QStringLiteral("closed"), !st.stoppedAt.isEmpty()}});
    Q_EMIT studiesRead(true, studies);
}

int runNumberOf(const QStringList &fileLines, const QString &record)
{
    int runNo = 0;
    int found = 0;
    for (const QString &line : fileLines) {
        if (isConditionMemoLine(line))
            continue;
        ++runNo;
        if (line.left(kRunColumns) == record)
            found = runNo;
    }
    return found;
}

// ---- mirror (caller's thread) ---------------------------------------------------------------

std::shared_ptr<StudyMirror> StudyMirror::fromSettings(const AppPaths &paths, int passMs)
{
    const StudyConfig config = StudyConfig::load(paths);
    if (!config.present)
        return nullptr;
    return std::make_shared<StudyMirror>(config, paths, passMs);
}

StudyMirror::StudyMirror(const StudyConfig &config, const AppPaths &paths, int passMs)
    : m_config(config), m_paths(paths), m_outbox(Outbox::folderFor(paths))
{
    m_warning = !config.valid ? Texts::tr("%1：%2").arg(StudyConfig::fileName(), config.error) : config.warning;
    if (!m_warning.isEmpty())
        qWarning("%s", qUtf8Printable(m_warning));
    if (!config.valid)
        return;

    m_thread = new QThread;
    m_thread->setObjectName(QStringLiteral("study-sender"));
    m_sender = new OutboxSender(config.conn, config.site, paths.dataFolder(), m_outbox.folder(), passMs);
    m_sender->moveToThread(m_thread);
    connect(m_thread, &QThread::finished, m_sender, &QObject::deleteLater);
    connect(m_sender, &OutboxSender::passDone, this, &StudyMirror::onPassDone);
    connect(m_sender, &OutboxSender::studiesRead, this, &StudyMirror::onStudiesRead);
    m_thread->start();
    retry();
}

StudyMirror::~StudyMirror()
{
    if (!m_thread)
        return;
    m_thread->requestInterruption();
    m_thread->quit();
    // The end of the program waits only briefly for an attempt under way (a server that
    // drops packets can hold a connection attempt for its whole timeout). Entries not yet
    // removed stay in the outbox for the next start.
    if (m_thread->wait(3000)) {
        delete m_thread;
    } else {
        qWarning("study sender still busy at exit; its entries stay queued");
    }
}

QString StudyMirror::takeWarning()
{
    return std::exchange(m_warning, QString());
}

int StudyMirror::pendingCount() const
{
    return m_config.valid ? m_unsent : 0;
}

int StudyMirror::heldCount() const
{
    return m_config.valid ? m_outbox.heldCount() : 0;
}

void StudyMirror::retry()
{
    if (m_sender) {
        OutboxSender *sender = m_sender;
        const int saved = m_savedRuns;
        QMetaObject::invokeMethod(
            sender, [sender, saved] { sender->deliverAfterSave(saved); }, Qt::QueuedConnection);
    }
}

void StudyMirror::runSaved(const QString &dataFilePath, const QString &runLine)
{
    if (!m_config.valid)
        return;
    const FileStore files;
    const ReadResult read = files.readLines(dataFilePath);
    MirrorEntry entry;
    entry.site = m_config.site;
    entry.experiment = QFileInfo(dataFilePath).completeBaseName();
    entry.record = runLine.left(kRunColumns);
    entry.run = runNumberOf(read.lines, entry.record);
    if (entry.run == 0) {
        m_problem = Texts::tr("保存したランがデータファイルに見つからないため、送信できません。");
        Q_EMIT changed();
        retry(); // the pass goes over the data file all the same
        return;
    }
    entry.seal = chainedHashes(dataFilePath).value(entry.run);
    // Should the entry not be written (a full disk), the sender still finds the run in the
    // data file above its watermark.
    const QString error = m_outbox.enqueue(entry);
    if (!error.isEmpty()) {
        m_problem = error;
        qWarning("%s", qUtf8Printable(error));
    }
    ++m_savedRuns;
    ++m_unsent; // until the pass below has counted it
    Q_EMIT changed();
    retry();
}

void StudyMirror::onPassDone(int sent, const QString &failure, const QStringList &conflicts, int unsent, int savedRuns)
{
    // Runs saved after the pass began may be missing from its count.
    m_unsent = unsent + (m_savedRuns - savedRuns);
    QStringList problems = conflicts;
    if (!failure.isEmpty())
        problems.prepend(failure);
    for (const QString &c : conflicts)
        qWarning("%s", qUtf8Printable(c));
    // Passwords were masked where the messages were made.
    m_problem = problems.join(CRLF);
    Q_EMIT changed();
    Q_EMIT passFinished(sent);
}

void StudyMirror::onStudiesRead(bool known, const QVariantList &studies)
{
    m_studiesKnown = known;
    if (known)
        m_studies = studies;
}

StudyStatus StudyMirror::studyStatus(const QString &experiment) const
{
    if (!m_studiesKnown)
        return {};
    StudyStatus out{StudyStatus::NoStudy, QString()};
    for (const QVariant &v : m_studies) {
        const QVariantMap m = v.toMap();
        Protocol p;
        p.sites = m.value(QStringLiteral("sites")).toStringList();
        p.experiments = m.value(QStringLiteral("experiments")).toStringList();
        if (!protocolIncludes(p, m_config.site, experiment))
            continue;
        const bool closed = m.value(QStringLiteral("closed")).toBool();
        // A closed study wins over an open one that also includes the experiment.
        if (out.state != StudyStatus::Closed)
            out = {closed ? StudyStatus::Closed : StudyStatus::Open, m.value(QStringLiteral("title")).toString()};
    }
    return out;
}

} // namespace vora::study
