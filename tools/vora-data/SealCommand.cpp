// vora-data seal FILE...: seals the runs of each file that are not sealed yet (a file written
// before sealing existed, or a run whose seal a crash prevented). Refuses a file that fails
// the check or whose existing seal does not verify.
#include "CommandLine.h"
#include "Commands.h"
#include "DataInput.h"
#include "Output.h"
#include "SealOutput.h"

#include "study/SealWriter.h"

#include <QDateTime>

namespace voradata {

int runSeal(const QStringList &args)
{
    CommandLine line(QStringLiteral("seal"));
    if (!line.parse(args))
        return line.exitCode();
    const QStringList files = line.positional();
    if (files.isEmpty())
        return line.usageError(QStringLiteral("no file given"));

    bool anyBad = false;
    bool anyUnreadable = false;
    vora::FileStore store;
    for (const QString &path : files) {
        const CheckedFile checked = checkFile(path);
        if (const int refused = refuseUnfit(checked); refused != kExitOk) {
            anyUnreadable = anyUnreadable || refused == kExitUsage;
            anyBad = true;
            continue;
        }
        const vora::study::SealRunsResult r = vora::study::sealUnsealedRuns(store, path, QDateTime::currentDateTime());
        // Neither the files nor the seal are at fault when they cannot be read or written.
        if (r.unreadable || r.writeFailed) {
            anyUnreadable = true;
            writeErr(QStringLiteral("vora-data: ") + path + QStringLiteral(": ") + r.message + QLatin1Char('\n'));
            continue;
        }
        if (!r.ok) {
            anyBad = true;
            printFindings(r.after, false);
            writeOut(path + QStringLiteral(": not sealed: ") + r.message + QLatin1Char('\n'));
            continue;
        }
        if (r.after.firstSealedRun > 1)
            writeOut(path + QStringLiteral(": runs 1-") + QString::number(r.after.firstSealedRun - 1)
                     + QStringLiteral(" predate the seal and stay unsealed\n"));
        writeOut(path + QStringLiteral(": sealed (") + QString::number(r.after.sealedRuns()) + QStringLiteral(" runs, ")
                 + QString::number(r.added) + QStringLiteral(" new); head ") + r.after.headHex() + QLatin1Char('\n'));
    }
    if (anyUnreadable)
        return kExitUsage;
    return anyBad ? kExitBadData : kExitOk;
}

} // namespace voradata
