#pragma once
// Writing the seal: the program seals each run it appends; vora-data seals runs that the
// program did not (earlier files, or a run whose seal a crash prevented).
//
// Appending a run and sealing it happen under one lock, "NAME-C.seal-lock" beside the data
// file (QLockFile), so two processes appending to one experiment each seal their own run and
// the chain stays whole. The run is made durable first, then its entry: a crash between the
// two leaves the run "not sealed", never a seal that disagrees with the data.
#include "study/Seal.h"
#include "toolkit/FileStore.h"

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
    // Set when sealing was attempted and failed (a write or the lock), so the user should
    // hear of it; a run left unsealed on purpose (the chain does not reach it) has none.
    QString message;            // Japanese, ready to show
    QVector<SealEntry> added;   // the new entries (run number and chained hash for a mirror)
};

struct SavedRun {
    FileResult append;          // the run itself: only this decides whether the run is saved
    SealOutcome seal;
};

// Runs `append` (which appends `runLine` to `dataPath`) under the sealing lock and then
// seals that run, provided it is the last run of the file, reads back as written, and the
// seal covers every run before it (or nothing yet: the chain then starts at this run, and
// the runs before it, written before sealing existed, stay unsealed).
SavedRun appendAndSealRun(FileStore &files, const QString &dataPath, const QString &runLine,
                          const QDateTime &sealedAt, const std::function<FileResult()> &append);

struct SealRunsResult {
    bool ok = false;
    bool unreadable = false;    // the data or seal file could not be read
    bool writeFailed = false;   // the seal file could not be written (a full disk, say)
    QString message;            // English, one line, when !ok
    int added = 0;
    Verification after;         // the file as verified after sealing
};

// vora-data seal: seals every run after the last sealed one (all runs of a file without a
// seal). Refuses when the existing chain does not verify, and refuses runs whose sealed
// columns could change by a later rewrite of the file: bytes outside ASCII, or, in a file of
// the series without stimulus ("-0"), a stimulus code other than "n" in column 27 (the
// start-up conversion of earlier list lines would set it to "n").
SealRunsResult sealUnsealedRuns(FileStore &files, const QString &dataPath, const QDateTime &sealedAt);

// The one writer of seal files: appends `entries` to the seal file as read (`current`),
// each line made durable; a new file, or one whose last line was cut short, is written
// whole through a work file and a rename instead.
FileResult writeSealEntries(FileStore &files, const QString &sealPath, const SealFile &current,
                            const QVector<SealEntry> &entries);

} // namespace vora::study
