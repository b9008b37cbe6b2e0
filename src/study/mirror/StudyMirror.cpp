#include "study/mirror/StudyMirror.h"

#include "registry/DataFile.h"
#include "study/mirror/RunSeal.h"
#include "toolkit/FileStore.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QMetaObject>

namespace vora::study {

// ---- sender (worker thread) ----------------------------------------------------------------

OutboxSender::OutboxSender(const ConnInfo &conn, const QString &outboxFolder, int retryMs)
    : m_conn(conn), m_outbox(outboxFolder), m_retryMs(retryMs)
{
}

OutboxSender::~OutboxSender() = default;

void OutboxSender::deliverPending()
{
    if (!m_retry) {
        // Made here so that the timer belongs to the sender's thread.
        m_retry = new QTimer(this);
        m_retry->setSingleShot(true);
        connect(m_retry, &QTimer::timeout, this, &OutboxSender::deliverPending);
    }
    m_retry->stop();

    int sent = 0;
    QString failure;
    QStringList conflicts;
    const QStringList files = m_outbox.pending();
    // A connection that was open before this pass may have died with a server restart:
    // one fresh connection is tried before giving up.
    bool mayReconnect = true;
    for (int i = 0; i < files.size(); ++i) {
        if (QThread::currentThread()->isInterruptionRequested())
            break;
        const QString &file = files.at(i);
        if (!m_db)
            m_db = std::make_unique<StudyDatabase>(m_conn);
        if (!m_db->isOpen()) {
            mayReconnect = false;
            if (!m_db->open(&failure))
                break;
        }
        const std::optional<MirrorEntry> entry = m_outbox.read(file);
        if (!entry) {
            if (QFile::exists(file) && m_outbox.hold(file))
                conflicts.append(QStringLiteral("%1：読めない送信待ちの記録です。").arg(QFileInfo(file).fileName()));
            continue; // gone: another instance of the program delivered it
        }
        QString error;
        QString stored;
        switch (m_db->deliver(*entry, &error, &stored)) {
        case Delivery::Sent:
            ++sent;
            m_outbox.remove(file);
            break;
        case Delivery::AlreadyThere:
            m_outbox.remove(file);
            break;
        case Delivery::Conflict:
            m_outbox.hold(file);
            conflicts.append(QStringLiteral("%1 のラン %2：サーバーには別の記録があります（上書きしません）。")
                                 .arg(entry->experiment)
                                 .arg(entry->run));
            break;
        case Delivery::Failed:
            m_db->close();
            if (mayReconnect) {
                mayReconnect = false;
                --i; // the same entry again on a fresh connection
                continue;
            }
            failure = error;
            break;
        }
        if (!failure.isEmpty())
            break;
    }
    if (!failure.isEmpty() && m_retryMs > 0)
        m_retry->start(m_retryMs);
    Q_EMIT passDone(sent, failure, conflicts);
}

int runNumberOf(const QStringList &fileLines, const QString &record)
{
    int runNo = 0;
    int found = 0;
    for (const QString &line : fileLines) {
        if (isConditionMemoLine(line))
            continue;
        ++runNo;
        if (line.left(261) == record)
            found = runNo;
    }
    return found;
}

// ---- mirror (caller's thread) ---------------------------------------------------------------

std::shared_ptr<StudyMirror> StudyMirror::fromSettings(const AppPaths &paths, int retryMs)
{
    const StudyConfig config = StudyConfig::load(paths);
    if (!config.present)
        return nullptr;
    return std::make_shared<StudyMirror>(config, paths, retryMs);
}

StudyMirror::StudyMirror(const StudyConfig &config, const AppPaths &paths, int retryMs)
    : m_config(config), m_paths(paths), m_outbox(Outbox::folderFor(paths))
{
    m_warning = !config.valid ? QStringLiteral("%1：%2").arg(StudyConfig::fileName(), config.error) : config.warning;
    if (!m_warning.isEmpty())
        qWarning("%s", qUtf8Printable(m_warning));
    if (!config.valid)
        return;

    m_thread = new QThread;
    m_thread->setObjectName(QStringLiteral("study-sender"));
    m_sender = new OutboxSender(config.conn, m_outbox.folder(), retryMs);
    m_sender->moveToThread(m_thread);
    connect(m_thread, &QThread::finished, m_sender, &QObject::deleteLater);
    connect(m_sender, &OutboxSender::passDone, this, &StudyMirror::onPassDone);
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
    return m_config.valid ? m_outbox.pendingCount() : 0;
}

int StudyMirror::heldCount() const
{
    return m_config.valid ? m_outbox.heldCount() : 0;
}

void StudyMirror::retry()
{
    if (m_sender)
        QMetaObject::invokeMethod(m_sender, &OutboxSender::deliverPending, Qt::QueuedConnection);
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
    entry.record = runLine.left(261);
    entry.run = runNumberOf(read.lines, entry.record);
    if (entry.run == 0) {
        m_problem = QStringLiteral("保存したランがデータファイルに見つからないため、送信できません。");
        Q_EMIT changed();
        return;
    }
    entry.seal = chainedHashes(dataFilePath).value(entry.run);
    const QString error = m_outbox.enqueue(entry);
    if (!error.isEmpty()) {
        m_problem = error;
        qWarning("%s", qUtf8Printable(error));
    }
    Q_EMIT changed();
    retry();
}

void StudyMirror::onPassDone(int sent, const QString &failure, const QStringList &conflicts)
{
    QStringList problems = conflicts;
    if (!failure.isEmpty())
        problems.prepend(failure);
    for (const QString &c : conflicts)
        qWarning("%s", qUtf8Printable(c));
    // Passwords were masked where the messages were made.
    m_problem = problems.join(QStringLiteral("\r\n"));
    Q_EMIT changed();
    Q_EMIT passFinished(sent);
}

} // namespace vora::study
