#include "core/run/RunSave.h"

#include "core/registry/RunRecord.h"

namespace vora {

RunSave saveFinishedRun(FileStore &files, const AppPaths &paths, const QString &dataPath, const QString &runLine,
                        const QDateTime &sealedAt, const QString &stamp, bool lastAttempt)
{
    RunSave out;
    QString refusal;
    const study::SavedRun saved = study::appendAndSealRun(
        files, dataPath, runLine, sealedAt,
        [&] { return appendRunLine(files, paths, dataPath, runLine, &refusal, LockWait::TryOnce); },
        lastAttempt ? study::SealLockWait::TryOrGoOn : study::SealLockWait::TryOnce);
    if (saved.busy || saved.append.code == FileError::LockBusy) {
        out.outcome = RunSave::Outcome::Busy;
        out.message = saved.append.message;
        return out;
    }
    if (saved.append.ok) {
        out.outcome = RunSave::Outcome::Saved;
        out.seal = saved.seal;
        return out;
    }
    if (refusal.isEmpty()) {
        out.message = saved.append.message;
        return out;
    }
    const KeptRun kept = keepRefusedRun(files, dataPath, runLine, stamp);
    if (!kept.result.ok) {
        out.message = refusal + CRLF + kept.result.message;
        return out;
    }
    out.outcome = RunSave::Outcome::Kept;
    out.keptPath = kept.path;
    out.message = refusedRunMessage(refusal, kept.path);
    return out;
}

} // namespace vora
