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
#include "core/study/SealWriter.h"
#include "core/study/mirror/RunSeal.h"
#include "core/study/mirror/StudyDatabase.h"
#include "core/toolkit/FileStore.h"

#include <QFileInfo>
#include <QLockFile>

namespace voradata {

int runPush(const QStringList &args)
{
    CommandLine line(QStringLiteral("push"));
    if (!line.parse(args))
        return line.exitCode();
    ServerOptions server;
    if (const int bad = server.read(line, true); bad != kExitOk)
        return bad;
    if (line.positional().isEmpty())
        return line.usageError(QStringLiteral("no file given"));
    const QStringList files = distinctFiles(line.positional(), QStringLiteral("sent"));

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
    for (const QString &path : files) {
        const CheckedFile checked = checkFile(path);
        if (const int refused = refuseUnfit(checked); refused != kExitOk) {
            (refused == kExitBadData ? anyDamaged : anyUnreadable) = true;
            continue;
        }
        // Read under the sealing lock, so that a run the program is saving right now is sent
        // with its seal, not before it. A folder where no lock can be made is read as it is.
        QLockFile sealing(vora::study::sealLockPathFor(path));
        sealing.setStaleLockTime(3000);
        sealing.tryLock(10000);
        const vora::ReadResult read = vora::FileStore().readLines(path);
        copies.add(path, read.lines);
        const QHash<int, QString> seals = vora::study::chainedHashes(path);
        if (sealing.isLocked())
            sealing.unlock();
        int sent = 0, there = 0, conflicts = 0, runNo = 0;
        for (int i = 0; i < read.lines.size(); ++i) {
            const QString &line = read.lines.at(i);
            if (vora::isConditionMemoLine(line))
                continue;
            ++runNo;
            vora::study::MirrorEntry entry{server.site, QFileInfo(path).completeBaseName(), runNo,
                                           line.left(vora::kRunColumns), seals.value(runNo)};
            switch (db.deliver(entry, &error)) {
            case vora::study::Delivery::Sent: ++sent; break;
            case vora::study::Delivery::AlreadyThere: ++there; break;
            case vora::study::Delivery::Conflict:
                ++conflicts;
                writeOut(printableName(path) + QLatin1Char(':') + QString::number(i + 1) + QStringLiteral(": run ")
                         + QString::number(runNo)
                         + QStringLiteral(" conflicts with the record stored for it (not overwritten)\n"));
                break;
            case vora::study::Delivery::Failed:
                writeErr(QStringLiteral("vora-data: ") + printableName(path) + QStringLiteral(": ") + error
                         + QLatin1Char('\n'));
                return kExitUsage;
            }
        }
        anyConflict = anyConflict || conflicts > 0;
        writeOut(QStringLiteral("%1: sent %2, already there %3, conflict %4\n")
                     .arg(printableName(path))
                     .arg(sent)
                     .arg(there)
                     .arg(conflicts));
    }
    copies.warn();
    if (anyUnreadable)
        return kExitUsage;
    return anyConflict || anyDamaged ? kExitBadData : kExitOk;
}

} // namespace voradata
