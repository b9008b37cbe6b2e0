#pragma once
// Writing the seal: the program seals each run it appends, together with any run before it
// that is not sealed yet (a file from before sealing, or a run whose seal a crash prevented),
// and seals the runs a crash left open when the experiment is selected; vora-data seals
// files the program has not touched since.
//
// Appending a run and sealing it happen under one lock, "NAME-C.seal-lock" beside the data
// file (QLockFile), so two processes appending to one experiment each seal their own run and
// the chain stays whole. The run is made durable first, then its entry: a crash between the
// two leaves the run "not sealed", never a seal that disagrees with the data.
#include "core/study/Seal.h"
#include "core/toolkit/FileStore.h"

#include <QDateTime>
#include <QString>
#include <QVector>

#include <functional>

namespace vora::study {

QString sealLockPathFor(const QString &dataPath);
// "2026-12-08T14:03:22+09:00"
QString sealTimeText(const QDateTime &when);

struct SealOutcome {
    bool sealed = false;
    // Set when sealing was attempted and failed (a write, the lock, a run that cannot be
    // sealed), or when runs a crash had left unsealed were sealed along with this one, so the
    // user should hear of it; a run left unsealed because the seal no longer verifies has none.
    QString message; // Japanese, ready to show
    QVector<SealEntry> added; // the new entries (run number and chained hash for a mirror)
};

struct SavedRun {
    FileResult append; // the run itself: only this decides whether the run is saved
    SealOutcome seal;
    bool busy = false; // the sealing lock was held by another process: nothing was written
};

// What a save does when another process holds the sealing lock.
enum class SealLockWait {
    Wait, // waits for it some seconds, then appends the run unsealed
    TryOnce, // gives up at once: `busy`, nothing written, the caller comes back later
    TryOrGoOn, // does not wait: appends the run unsealed at once
};

// Runs `append` (which appends `runLine` to `dataPath`) under the sealing lock and then
// seals that run, provided it is the last run of the file, reads back as written, and the
// seal verifies. Runs after the last sealed one are sealed with it; a file without a seal
// file is sealed from its first run. Before the first run of an experiment the seal file is
// started (its header alone), so that a crash before the seal is told apart from a file
// written before sealing existed.
SavedRun appendAndSealRun(FileStore &files, const QString &dataPath, const QString &runLine, const QDateTime &sealedAt,
                          const std::function<FileResult()> &append, SealLockWait wait = SealLockWait::Wait);

// "ラン N〜M は封印されていませんでした（前回の異常終了）。いま封印しました。"
QString crashSealedMessage(int firstRun, int lastRun);

// What the main window says about the seal of an experiment it has just selected.
struct SelectionSeal {
    QString message; // Japanese; empty when there is nothing to say
    bool warning = false; // a broken or unreadable seal, or runs that could not be sealed
    QVector<SealEntry> added; // entries written now
};
// At selection: a seal that no longer verifies is reported (the first affected run named);
// runs after the last sealed one that a crash left unsealed are sealed now, with the time of
// sealing, and said so once. A file without a seal file is left to the next run's save. The
// sealing lock is only tried, never waited for: a busy lock leaves the sealing to the save.
SelectionSeal sealAtSelection(FileStore &files, const QString &dataPath, const QDateTime &sealedAt);

struct SealRunsResult {
    bool ok = false;
    bool unreadable = false; // the data or seal file could not be read
    bool writeFailed = false; // the seal file could not be written (a full disk, say)
    QString message; // vora-data's, one line, in the program's language, when !ok
    int added = 0;
    // The chain starts after run 1 (an earlier version began it at its first own run): runs
    // 1..leadingUnsealed are not sealed. Without `reseal` they stay so; with it the chain was
    // rewritten from run 1 and `oldHead` is the head it had before.
    int leadingUnsealed = 0;
    bool resealed = false;
    QString oldHead;
    Verification after; // the file as verified after sealing
};

// vora-data seal: seals every run after the last sealed one (all runs of a file without a
// seal). Refuses when the existing chain does not verify, and refuses runs whose sealed
// columns could change by a later rewrite of the file: bytes outside ASCII, or, in a file of
// the series without stimulus ("-0"), a stimulus code other than "n" in column 27 (the
// start-up conversion of earlier list lines would set it to "n"). A chain that starts after
// run 1 is extended backwards only with `reseal`: every entry is computed anew from run 1
// (entries keep their seal time), so the head changes.
SealRunsResult sealUnsealedRuns(FileStore &files, const QString &dataPath, const QDateTime &sealedAt,
                                bool reseal = false);

// The one writer of seal files: appends `entries` to the seal file as read (`current`),
// each line made durable; a new file, or one whose last line was cut short, is written
// whole through a work file and a rename instead.
FileResult writeSealEntries(FileStore &files, const QString &sealPath, const SealFile &current,
                            const QVector<SealEntry> &entries);

} // namespace vora::study
