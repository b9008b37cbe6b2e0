#include "core/study/SealWriter.h"

#include "core/toolkit/Cp932.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QLockFile>

namespace vora::study {

namespace {
// The texts of this file, under the translation context "SealWriter"; vora-data's under
// "SealTool", with the seal's findings.
struct Texts {
    Q_DECLARE_TR_FUNCTIONS(SealWriter)
};
struct ToolTexts {
    Q_DECLARE_TR_FUNCTIONS(SealTool)
};
} // namespace

namespace {

// Another process appending or sealing holds the lock for milliseconds. A dead one's lock is
// taken over at once (QLockFile sees that its process is gone), except a lock file that a
// kill cut short while it was being written: that one counts as stale after kStaleMs.
constexpr int kLockWaitMs = 10000;
constexpr int kStaleMs = 3000;

bool takeLock(QLockFile &lock, int waitMs = kLockWaitMs)
{
    lock.setStaleLockTime(kStaleMs);
    return lock.tryLock(waitMs);
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

// Why a run cannot be sealed, for vora-data and for the user; both empty when it can.
struct Unfit {
    QString tool;
    QString user;
    bool any() const { return !tool.isEmpty(); }
};

Unfit unfitRun(const QString &dataPath, const StoredRun &r)
{
    if (!fitsRewrites(r.sealed))
        return {ToolTexts::tr("ラン %1（%2 行目）の 1-261 桁に ASCII 以外の文字があります").arg(r.run).arg(r.fileLine),
                Texts::tr("第%1ラン（データファイルの%2行目）の1～261桁に、半角の英数字と記号以外の文字があります。")
                    .arg(r.run)
                    .arg(r.fileLine)};
    if (noStimulusSeries(dataPath) && (r.sealed.size() < 27 || r.sealed.at(26) != 'n'))
        return {ToolTexts::tr("刺激なしの実験のラン %1（%2 行目）の 27 桁目が \"n\" ではありません。"
                              "プログラムを一度起動して以前の形式を変換させてから封印してください")
                    .arg(r.run)
                    .arg(r.fileLine),
                Texts::tr("刺激なしの実験の第%1ラン（データファイルの%2行目）の27桁目が「n」ではありません。")
                    .arg(r.run)
                    .arg(r.fileLine)};
    return {};
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

// The entries of runs `from`..`to` chained on `chain`; nothing when one of them cannot be
// sealed (`unfit` says which), since a chain cannot leave a run out.
QVector<SealEntry> entriesFor(const QString &dataPath, const DataRuns &data, QVector<SealEntry> chain, int from, int to,
                              const QString &sealedAt, Unfit *unfit)
{
    QVector<SealEntry> added;
    for (int run = from; run <= to; ++run) {
        const StoredRun &r = data.runs.at(run - 1);
        if (const Unfit u = unfitRun(dataPath, r); u.any()) {
            *unfit = u;
            return {};
        }
        added.append(nextEntry(chain, r, sealedAt));
        chain.append(added.last());
    }
    return added;
}

QString notSealedMessage(const QString &reason)
{
    return Texts::tr("このランはデータファイルに保存しましたが、封印できませんでした。\r\n理由：%1\r\n"
                     "後で vora-data seal で封印できます。")
        .arg(reason);
}

QString runRange(int firstRun, int lastRun)
{
    return firstRun == lastRun ? Texts::tr("ラン %1").arg(firstRun)
                               : Texts::tr("ラン %1〜%2").arg(firstRun).arg(lastRun);
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

QString crashSealedMessage(int firstRun, int lastRun)
{
    return runRange(firstRun, lastRun) + Texts::tr(" は封印されていませんでした（前回の異常終了）。いま封印しました。");
}

SavedRun appendAndSealRun(FileStore &files, const QString &dataPath, const QString &runLine, const QDateTime &sealedAt,
                          const std::function<FileResult()> &append, SealLockWait wait)
{
    SavedRun out;
    // The lock lives beside the data file; the first run of an experiment creates the folder.
    files.ensureFolder(QFileInfo(dataPath).absolutePath());
    QLockFile lock(sealLockPathFor(dataPath));
    const bool locked = takeLock(lock, wait == SealLockWait::Wait ? kLockWaitMs : 0);
    if (!locked && wait == SealLockWait::TryOnce && lock.error() == QLockFile::LockFailedError) {
        out.busy = true;
        return out;
    }
    const QString sealPath = sealPathFor(dataPath);
    // The experiment's first run: a seal file with its header alone marks the runs as the
    // program's own, so that a crash before the seal is told apart from an earlier file.
    // Should this write fail, sealing below fails the same way and says so.
    if (locked && readSealFile(sealPath).missing && readDataRuns(dataPath).runs.isEmpty())
        files.replaceAll(sealPath, {headerLine()});
    out.append = append();
    if (!out.append)
        return out;
    if (!locked) {
        out.seal.message = notSealedMessage(Texts::tr("封印の鍵ファイル「%1」を使えませんでした。")
                                                .arg(QDir::toNativeSeparators(sealLockPathFor(dataPath))));
        return out;
    }

    DataRuns data;
    SealFile seal;
    const Verification v = verifyDataFile(dataPath, &data, &seal);
    if (!v.readOk || data.runs.isEmpty()) {
        out.seal.message = notSealedMessage(v.readFailure.message);
        return out;
    }
    // Only up to the run just written, and only on a chain that verifies; a broken seal is
    // left for verify and the selection to show.
    const StoredRun &last = data.runs.last();
    const QByteArray written = sealedColumns(cp932::encode(runLine).bytes);
    const int from = v.entries.isEmpty() ? 1 : v.entries.last().run + 1;
    if (last.sealed != written || !v.intact() || from > last.run)
        return out;

    Unfit unfit;
    const QVector<SealEntry> added =
        entriesFor(dataPath, data, v.entries, from, last.run, sealTimeText(sealedAt), &unfit);
    if (unfit.any()) {
        out.seal.message = notSealedMessage(unfit.user);
        return out;
    }
    if (FileResult wrote = writeSealEntries(files, v.sealPath, seal, added); !wrote) {
        out.seal.message = notSealedMessage(wrote.message);
        return out;
    }
    out.seal.sealed = true;
    out.seal.added = added;
    // Runs of a seal file's own that were left open: only a crash does that.
    if (from < last.run && !seal.missing)
        out.seal.message = crashSealedMessage(from, last.run - 1);
    return out;
}

SelectionSeal sealAtSelection(FileStore &files, const QString &dataPath, const QDateTime &sealedAt)
{
    SelectionSeal out;
    QLockFile lock(sealLockPathFor(dataPath));
    const bool locked = takeLock(lock, 0);
    DataRuns data;
    SealFile seal;
    const Verification v = verifyDataFile(dataPath, &data, &seal);
    if (v.sealUnreadable || (v.readOk && !v.intact())) {
        out.message = brokenSealMessage(v);
        out.warning = true;
        return out;
    }
    // Another program saving this experiment holds the lock: its run may be the open one.
    if (!v.readOk || seal.missing || !locked)
        return out;
    const int from = v.entries.isEmpty() ? 1 : v.entries.last().run + 1;
    const int to = int(data.runs.size());
    if (from > to)
        return out;

    const QString left = runRange(from, to)
                         + Texts::tr(" は封印されていませんでした（前回の異常終了）。封印できませんでした。\r\n理由：");
    Unfit unfit;
    const QVector<SealEntry> added = entriesFor(dataPath, data, v.entries, from, to, sealTimeText(sealedAt), &unfit);
    if (unfit.any()) {
        out.message = left + unfit.user;
        out.warning = true;
        return out;
    }
    if (FileResult wrote = writeSealEntries(files, v.sealPath, seal, added); !wrote) {
        out.message = left + wrote.message;
        out.warning = true;
        return out;
    }
    out.message = crashSealedMessage(from, to);
    out.added = added;
    return out;
}

SealRunsResult sealUnsealedRuns(FileStore &files, const QString &dataPath, const QDateTime &sealedAt, bool reseal)
{
    SealRunsResult out;
    QLockFile lock(sealLockPathFor(dataPath));
    if (!takeLock(lock)) {
        out.unreadable = true;
        out.message = ToolTexts::tr("ロック用のファイル %1 を使えません（別のプログラムがこの実験に書き込んでいるか、"
                                    "フォルダが読み取り専用です）")
                          .arg(sealLockPathFor(dataPath));
        return out;
    }
    DataRuns data;
    SealFile seal;
    Verification v = verifyDataFile(dataPath, &data, &seal);
    if (!v.readOk) {
        out.unreadable = true;
        out.message = v.error;
        return out;
    }
    if (!v.intact()) {
        out.message = ToolTexts::tr("今ある封印が検証に通りません。何も封印しませんでした");
        out.after = v;
        return out;
    }

    const QString when = sealTimeText(sealedAt);
    const int runs = int(data.runs.size());
    out.leadingUnsealed = v.entries.isEmpty() ? 0 : v.entries.first().run - 1;
    Unfit unfit;
    FileResult wrote;
    if (reseal && out.leadingUnsealed > 0) {
        // The whole chain anew from run 1: every chained hash changes, the runs' hashes and
        // the seal times of the runs sealed before stay.
        QVector<SealEntry> all = entriesFor(dataPath, data, {}, 1, runs, when, &unfit);
        if (!unfit.any()) {
            for (const SealEntry &old : std::as_const(v.entries))
                all[old.run - 1].sealedAt = old.sealedAt;
            QStringList lines{headerLine()};
            for (const SealEntry &e : std::as_const(all))
                lines.append(entryLine(e));
            wrote = files.replaceAll(v.sealPath, lines);
            out.added = int(all.size() - v.entries.size());
            out.resealed = true;
            out.oldHead = v.headHex();
        }
    } else {
        const int from = v.entries.isEmpty() ? 1 : v.entries.last().run + 1;
        const QVector<SealEntry> added = entriesFor(dataPath, data, v.entries, from, runs, when, &unfit);
        if (!added.isEmpty())
            wrote = writeSealEntries(files, v.sealPath, seal, added);
        out.added = int(added.size());
    }
    if (unfit.any()) {
        out.message = ToolTexts::tr("%1。何も封印しませんでした").arg(unfit.tool);
        out.after = v;
        out.added = 0;
        out.resealed = false;
        return out;
    }
    if (!wrote) {
        out.writeFailed = true;
        out.message = ToolTexts::tr("封印ファイル %1 に書き込めません: %2").arg(v.sealPath, wrote.text(Audience::Tool));
        out.added = 0;
        out.resealed = false;
        return out;
    }
    out.ok = true;
    out.after = verifyDataFile(dataPath);
    return out;
}

} // namespace vora::study
