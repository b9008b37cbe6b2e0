// vora-data seal [--reseal] FILE...: seals the runs of each file that are not sealed yet (a
// file written before sealing existed, or a run whose seal a crash prevented). Refuses a file
// that fails the check or whose existing seal does not verify. A chain that starts after run 1
// is rewritten from run 1 only with --reseal, since that changes every published head.
#include "CommandLine.h"
#include "Commands.h"
#include "DataInput.h"
#include "Output.h"
#include "SealOutput.h"

#include "core/study/SealWriter.h"

#include <QDateTime>

namespace voradata {

int runSeal(const QStringList &args)
{
    CommandLine line(QStringLiteral("seal"));
    if (!line.parse(args))
        return line.exitCode();
    const QStringList files = line.positional();
    const bool reseal = line.isSet(QStringLiteral("reseal"));
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
        const vora::study::SealRunsResult r =
            vora::study::sealUnsealedRuns(store, path, QDateTime::currentDateTime(), reseal);
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
        const QString leading = QStringLiteral("runs 1-") + QString::number(r.leadingUnsealed);
        if (r.resealed) {
            writeOut(path + QStringLiteral(": ") + leading
                     + QStringLiteral(" were not sealed: the chain is rewritten from run 1; the old head ") + r.oldHead
                     + QStringLiteral(" and every head published before no longer match\n"));
        }
        writeOut(path + QStringLiteral(": sealed (") + QString::number(r.after.sealedRuns()) + QStringLiteral(" runs, ")
                 + QString::number(r.added) + QStringLiteral(" new); head ") + r.after.headHex() + QLatin1Char('\n'));
        if (r.leadingUnsealed > 0 && !r.resealed) {
            // Left to the user: sealing them rewrites the chain and its head.
            anyBad = true;
            writeOut(path + QStringLiteral(": ") + leading + QStringLiteral(" are not sealed: the chain starts at run ")
                     + QString::number(r.leadingUnsealed + 1)
                     + QStringLiteral("; seal --reseal rewrites the chain from run 1 (its head changes)\n"));
        }
    }
    if (anyUnreadable)
        return kExitUsage;
    return anyBad ? kExitBadData : kExitOk;
}

} // namespace voradata
