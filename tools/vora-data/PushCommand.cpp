// vora-data push FILE... --server CONNINFO --site NAME | --server-file FILE: sends every run of
// the files to the study database. Runs already there are left alone, so a push can be
// repeated at any time, also while the program is saving runs of the same file.
#include "CommandLine.h"
#include "Commands.h"
#include "DataInput.h"
#include "Output.h"
#include "PooledInput.h"
#include "ServerOptions.h"

#include "core/registry/DataFile.h"
#include "core/study/Seal.h"
#include "core/study/SealWriter.h"
#include "core/study/mirror/RunSeal.h"
#include "core/study/mirror/StudyDatabase.h"
#include "core/toolkit/FileStore.h"

#include <QFileInfo>
#include <QLockFile>
#include <QSet>

#include <algorithm>
#include <condition_variable>
#include <mutex>
#include <optional>
#include <thread>
#include <vector>

#include <QCoreApplication>

namespace voradata {

namespace {

// The texts of this file, under the translation context "PushCommand".
struct Texts {
    Q_DECLARE_TR_FUNCTIONS(PushCommand)
};

} // namespace

namespace {

// Runs sent in one statement: large enough that the round trips do not count, small enough
// that a statement stays a few megabytes.
constexpr int kBatchRuns = 5000;

// A file's runs waiting in the batch.
struct PendingFile {
    QString path;
    int first = 0; // index of its first run in the batch
    QVector<int> fileLines; // file line of each run
};

class Batch {
public:
    explicit Batch(vora::study::StudyDatabase &db) : m_db(db) { }

    bool holds(const QString &experiment) const { return m_experiments.contains(experiment); }
    int size() const { return int(m_entries.size()); }

    void add(const PendingFile &file, const QVector<vora::study::MirrorEntry> &entries,
             const std::optional<vora::study::HeadEntry> &head)
    {
        PendingFile f = file;
        f.first = int(m_entries.size());
        m_files.append(f);
        m_entries += entries;
        if (head)
            m_heads.append(*head);
        if (!entries.isEmpty())
            m_experiments.insert(entries.first().experiment);
    }

    // Sends what is waiting and prints each file's line; false (message printed) when the
    // server failed, and then nothing of the batch is stored.
    bool flush(bool *anyConflict)
    {
        if (m_files.isEmpty())
            return true;
        QVector<vora::study::Delivery> outcome;
        QStringList stored;
        QString error;
        if (!m_db.deliverBatch(m_entries, m_heads, &outcome, &stored, &error)) {
            writeErr(QStringLiteral("vora-data: ") + printableName(m_files.first().path) + QStringLiteral(": ") + error
                     + QLatin1Char('\n'));
            return false;
        }
        for (const PendingFile &f : std::as_const(m_files)) {
            int sent = 0, there = 0, conflicts = 0;
            for (int k = 0; k < f.fileLines.size(); ++k) {
                switch (outcome.at(f.first + k)) {
                case vora::study::Delivery::Sent: ++sent; break;
                case vora::study::Delivery::AlreadyThere: ++there; break;
                case vora::study::Delivery::Conflict:
                case vora::study::Delivery::Failed:
                    ++conflicts;
                    writeOut(Texts::tr("%1:%2: ラン %3 は保存済みの記録と衝突します（上書きしません）")
                                 .arg(printableName(f.path), QString::number(f.fileLines.at(k)),
                                      QString::number(m_entries.at(f.first + k).run))
                             + QLatin1Char('\n'));
                    break;
                }
            }
            *anyConflict = *anyConflict || conflicts > 0;
            writeOut(Texts::tr("%1: 送信 %2、既存 %3、衝突 %4")
                         .arg(printableName(f.path), QString::number(sent), QString::number(there),
                              QString::number(conflicts))
                     + QLatin1Char('\n'));
        }
        m_files.clear();
        m_entries.clear();
        m_heads.clear();
        m_experiments.clear();
        return true;
    }

private:
    vora::study::StudyDatabase &m_db;
    QVector<PendingFile> m_files;
    QVector<vora::study::MirrorEntry> m_entries;
    QVector<vora::study::HeadEntry> m_heads;
    QSet<QString> m_experiments;
};

// A file as read for sending: checked, its runs' keys and seals.
struct ReadFile {
    CheckedFile checked;
    QStringList lines;
    QHash<int, QString> seals;
    QVector<RunKey> keys;
};

ReadFile readForPush(const QString &path)
{
    ReadFile f;
    f.checked = checkFile(path, &f.lines);
    f.seals = f.checked.passed() ? vora::study::chainedHashes(path) : QHash<int, QString>();
    if (f.checked.passed() && f.seals.size() < f.checked.contents.runCount()
        && QFileInfo::exists(vora::study::sealPathFor(path))) {
        // A run without its seal may be one the program is saving right now: read again under
        // the sealing lock, so that it is sent with its seal, not before it. (Taking the lock
        // costs a synced write: not for every file.) A folder where no lock can be made is
        // read as it is.
        QLockFile sealing(vora::study::sealLockPathFor(path));
        sealing.setStaleLockTime(3000);
        sealing.tryLock(10000);
        f.checked = checkFile(path, &f.lines);
        f.seals = f.checked.passed() ? vora::study::chainedHashes(path) : QHash<int, QString>();
        if (sealing.isLocked())
            sealing.unlock();
    }
    if (f.checked.passed())
        f.keys = runKeys(f.lines);
    return f;
}

// Reads the files ahead on worker threads while the batches before them are on the server;
// take() hands them over in the order given, at most `window` files ahead.
class ReadAhead {
public:
    ReadAhead(const QStringList &files, int window)
        : m_files(files), m_window(window), m_done(size_t(files.size()), 0), m_read(size_t(files.size()))
    {
        const int workers = std::clamp(int(std::thread::hardware_concurrency()), 1, 4);
        for (int w = 0; w < std::min<int>(workers, int(files.size())); ++w)
            m_threads.emplace_back([this] { work(); });
    }
    ~ReadAhead()
    {
        {
            std::lock_guard<std::mutex> lock(m_mutex);
            m_stop = true;
        }
        m_space.notify_all();
        for (std::thread &t : m_threads)
            t.join();
    }

    ReadFile take(int i)
    {
        std::unique_lock<std::mutex> lock(m_mutex);
        m_ready.wait(lock, [&] { return m_done[size_t(i)] != 0; });
        m_taken = i + 1;
        m_space.notify_all();
        return std::move(m_read[size_t(i)]);
    }

private:
    void work()
    {
        for (;;) {
            int i = 0;
            {
                std::unique_lock<std::mutex> lock(m_mutex);
                m_space.wait(lock, [&] { return m_stop || m_next >= m_files.size() || m_next < m_taken + m_window; });
                if (m_stop || m_next >= m_files.size())
                    return;
                i = m_next++;
            }
            ReadFile f = readForPush(m_files.at(i));
            {
                std::lock_guard<std::mutex> lock(m_mutex);
                m_read[size_t(i)] = std::move(f);
                m_done[size_t(i)] = 1;
            }
            m_ready.notify_all();
        }
    }

    const QStringList m_files;
    const int m_window;
    std::mutex m_mutex;
    std::condition_variable m_ready; // a file was read
    std::condition_variable m_space; // a file was taken, or the end
    std::vector<char> m_done;
    std::vector<ReadFile> m_read;
    int m_next = 0;
    int m_taken = 0;
    bool m_stop = false;
    std::vector<std::thread> m_threads;
};

} // namespace

int runPush(const QStringList &args)
{
    CommandLine line(QStringLiteral("push"));
    if (!line.parse(args))
        return line.exitCode();
    ServerOptions server;
    if (const int bad = server.read(line, ServerUse::Push); bad != kExitOk)
        return bad;
    if (line.positional().isEmpty())
        return line.usageError(Texts::tr("ファイルが指定されていません"));
    const QStringList files = distinctFiles(line.positional(), FileUse::Sent);

    vora::study::StudyDatabase db(server.conn);
    QString error;
    if (!db.open(&error)) {
        writeErr(QStringLiteral("vora-data: ") + error + QLatin1Char('\n'));
        return kExitUsage;
    }

    bool anyConflict = false;
    bool anyDamaged = false;
    bool anyUnreadable = false;
    RunCopies copies;
    Batch batch(db);
    ReadAhead reader(files, 2 * kBatchRuns / 100);
    for (int f = 0; f < files.size(); ++f) {
        const QString &path = files.at(f);
        const ReadFile read = reader.take(f);
        if (const int refused = refuseUnfit(read.checked); refused != kExitOk) {
            (refused == kExitBadData ? anyDamaged : anyUnreadable) = true;
            continue;
        }
        const QVector<RunKey> &keys = read.keys;
        const QStringList &lines = read.lines;
        const QHash<int, QString> &seals = read.seals;
        copies.add(path, keys);

        const QString experiment = QFileInfo(path).completeBaseName();
        // One statement takes each key once: a second file of the same name goes in the next.
        if (batch.holds(experiment) || batch.size() + keys.size() > kBatchRuns) {
            if (!batch.flush(&anyConflict))
                return kExitUsage;
        }
        PendingFile pending{path, 0, {}};
        QVector<vora::study::MirrorEntry> entries;
        for (const RunKey &k : keys) {
            pending.fileLines.append(k.line);
            entries.append(
                {server.site, experiment, k.run, lines.at(k.line - 1).left(vora::kRunColumns), seals.value(k.run)});
        }
        std::optional<vora::study::HeadEntry> head;
        int headRun = 0;
        for (auto it = seals.cbegin(); it != seals.cend(); ++it)
            headRun = std::max(headRun, it.key());
        if (headRun > 0)
            head = vora::study::HeadEntry{server.site, experiment, headRun, seals.value(headRun)};
        batch.add(pending, entries, head);
    }
    if (!batch.flush(&anyConflict))
        return kExitUsage;
    copies.warn();
    if (anyUnreadable)
        return kExitUsage;
    return anyConflict || anyDamaged ? kExitBadData : kExitOk;
}

} // namespace voradata
