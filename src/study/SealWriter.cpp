#include "study/SealWriter.h"

#include "toolkit/Cp932.h"

#include <QDir>
#include <QFileInfo>
#include <QLockFile>

namespace vora::study {

namespace {

// Another process appending or sealing holds the lock for milliseconds. A dead one's lock is
// taken over at once (QLockFile sees that its process is gone), except a lock file that a
// kill cut short while it was being written: that one counts as stale after kStaleMs.
constexpr int kLockWaitMs = 10000;
constexpr int kStaleMs = 3000;

bool takeLock(QLockFile &lock)
{
    lock.setStaleLockTime(kStaleMs);
    return lock.tryLock(kLockWaitMs);
}

bool fitsRewrites(const QByteArray &sealed)
{
    for (const char c : sealed) {
        if (static_cast<unsigned char>(c) >= 0x80)
            return false;
    }
    return true;
}

bool noStimulusSeries(const QString &dataPath)
{
    return QFileInfo(dataPath).fileName().endsWith(QLatin1String("-0.txt"), Qt::CaseInsensitive);
}

SealEntry nextEntry(const QVector<SealEntry> &chain, const StoredRun &run, const QString &sealedAt)
{
    SealEntry e;
    e.run = run.run;
    e.runHash = run.hash;
    e.chained = chainNext(chain.isEmpty() ? genesis(run.run) : chain.last().chained, run.hash);
    e.sealedAt = sealedAt;
    return e;
}

QString notSealedMessage(const QString &reason)
{
    return QStringLiteral("このランはデータファイルに保存しましたが、封印できませんでした。\r\n理由：%1\r\n"
                          "後で vora-data seal で封印できます。")
        .arg(reason);
}

} // namespace

QString sealLockPathFor(const QString &dataPath)
{
    return sealPathFor(dataPath) + QStringLiteral("-lock");
}

QString sealTimeText(const QDateTime &when)
{
    return when.toOffsetFromUtc(when.offsetFromUtc()).toString(Qt::ISODate);
}

FileResult writeSealEntries(FileStore &files, const QString &sealPath, const SealFile &current,
                            const QVector<SealEntry> &entries)
{
    QStringList lines;
    for (const SealEntry &e : entries)
        lines.append(entryLine(e));
    if (current.missing || current.goodLines.isEmpty() || current.cutShortTail) {
        const QStringList kept = current.goodLines.isEmpty() ? QStringList{headerLine()} : current.goodLines;
        return files.replaceAll(sealPath, kept + lines);
    }
    for (const QString &line : lines) {
        // Each entry is durable before the next: a failure leaves a shorter, still valid chain.
        if (FileResult r = files.appendLine(sealPath, line); !r)
            return r;
    }
    return {};
}

SavedRun appendAndSealRun(FileStore &files, const QString &dataPath, const QString &runLine,
                          const QDateTime &sealedAt, const std::function<FileResult()> &append)
{
    SavedRun out;
    // The lock lives beside the data file; the first run of an experiment creates the folder.
    files.ensureFolder(QFileInfo(dataPath).absolutePath());
    QLockFile lock(sealLockPathFor(dataPath));
    const bool locked = takeLock(lock);
    out.append = append();
    if (!out.append)
        return out;
    if (!locked) {
        out.seal.message = notSealedMessage(QStringLiteral("封印の鍵ファイル「%1」を使えませんでした。")
                                                .arg(QDir::toNativeSeparators(sealLockPathFor(dataPath))));
        return out;
    }

    DataRuns data;
    SealFile seal;
    const Verification v = verifyDataFile(dataPath, &data, &seal);
    if (!v.readOk || data.runs.isEmpty() || !seal.ok) {
        out.seal.message = notSealedMessage(v.readOk ? seal.error : v.error);
        return out;
    }
    // Only the run just written, and only where the chain reaches it; anything else
    // (a broken seal, runs that nobody sealed) is left for verify to show.
    const StoredRun &last = data.runs.last();
    const QByteArray written = sealedColumns(cp932::encode(runLine).bytes);
    const bool chainReaches = v.entries.isEmpty() || v.entries.last().run == last.run - 1;
    if (last.sealed != written || !v.intact() || !chainReaches)
        return out;

    const SealEntry entry = nextEntry(v.entries, last, sealTimeText(sealedAt));
    if (FileResult wrote = writeSealEntries(files, v.sealPath, seal, {entry}); !wrote) {
        out.seal.message = notSealedMessage(wrote.message);
        return out;
    }
    out.seal.sealed = true;
    out.seal.added = {entry};
    return out;
}

SealRunsResult sealUnsealedRuns(FileStore &files, const QString &dataPath, const QDateTime &sealedAt)
{
    SealRunsResult out;
    QLockFile lock(sealLockPathFor(dataPath));
    if (!takeLock(lock)) {
        out.unreadable = true;
        out.message = QStringLiteral("cannot take the lock ") + sealLockPathFor(dataPath)
            + QStringLiteral(" (another program is writing this experiment, or the folder is read-only)");
        return out;
    }
    DataRuns data;
    SealFile seal;
    Verification v = verifyDataFile(dataPath, &data, &seal);
    if (!v.readOk || !seal.ok) {
        out.unreadable = true;
        out.message = v.readOk ? QStringLiteral("seal file: ") + seal.error : v.error;
        return out;
    }
    if (!v.intact()) {
        out.message = QStringLiteral("the existing seal does not verify; nothing sealed");
        out.after = v;
        return out;
    }

    const int from = v.entries.isEmpty() ? 1 : v.entries.last().run + 1;
    QVector<SealEntry> chain = v.entries;
    QVector<SealEntry> added;
    const QString when = sealTimeText(sealedAt);
    for (int run = from; run <= data.runs.size(); ++run) {
        const StoredRun &r = data.runs.at(run - 1);
        QString refusal;
        if (!fitsRewrites(r.sealed))
            refusal = QStringLiteral("run %1 (line %2) holds characters other than ASCII in columns 1-261");
        else if (noStimulusSeries(dataPath) && (r.sealed.size() < 27 || r.sealed.at(26) != 'n'))
            refusal = QStringLiteral("run %1 (line %2) of a series without stimulus has no \"n\" in column 27: "
                                     "start the program once so that it converts the earlier format, then seal");
        if (!refusal.isEmpty()) {
            out.message = refusal.arg(r.run).arg(r.fileLine) + QStringLiteral("; nothing sealed");
            out.after = v;
            return out;
        }
        added.append(nextEntry(chain, r, when));
        chain.append(added.last());
    }
    if (!added.isEmpty()) {
        if (FileResult wrote = writeSealEntries(files, v.sealPath, seal, added); !wrote) {
            out.writeFailed = true;
            out.message = QStringLiteral("cannot write the seal file: ") + QString(wrote.message).replace(QStringLiteral("\r\n"), QStringLiteral(" "));
            return out;
        }
    }
    out.ok = true;
    out.added = int(added.size());
    out.after = verifyDataFile(dataPath);
    return out;
}

} // namespace vora::study
