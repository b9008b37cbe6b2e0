#pragma once
// Saving a finished run: appended to its data file and sealed, or, when the file's own rules
// refuse it (the experiment is full, or its runs were done under other conditions), kept in a
// file of its own beside it, so that no answer typed is ever lost without the subject's say.
#include "core/study/SealWriter.h"
#include "core/toolkit/AppPaths.h"
#include "core/toolkit/FileStore.h"

#include <QDateTime>
#include <QString>

namespace vora {

struct RunSave {
    enum class Outcome {
        Saved, // in the data file (and sealed, unless `seal.message` says otherwise)
        Kept, // refused by the data file, kept at `keptPath`
        Failed, // nowhere but in memory: the caller still holds the line
        Busy, // another copy of the program held a lock the save needs: nothing was written
    };
    Outcome outcome = Outcome::Failed;
    QString message; // Kept: what to tell the subject; Failed: why (Japanese)
    QString keptPath;
    study::SealOutcome seal;
};

// `stamp` names a kept run's file ("20261209-094700"). A save never waits for a lock another copy
// of the program holds: it comes back Busy with nothing written, and the caller tries again
// later. On the `lastAttempt` a busy sealing lock no longer holds the run back: it is appended
// unsealed and the seal message says so (a busy data file is still Busy, with its message).
RunSave saveFinishedRun(FileStore &files, const AppPaths &paths, const QString &dataPath, const QString &runLine,
                        const QDateTime &sealedAt, const QString &stamp, bool lastAttempt = false);

} // namespace vora
