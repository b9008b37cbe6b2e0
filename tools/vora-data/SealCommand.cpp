// vora-data seal FILE...: seals the runs of each file that are not sealed yet (a file written
// before sealing existed, or a run whose seal a crash prevented). Refuses a file that fails
// the check or whose existing seal does not verify.
#include "Commands.h"
#include "DataInput.h"
#include "Output.h"
#include "SealOutput.h"

#include "study/SealWriter.h"

#include <QDateTime>

namespace voradata {

int runSeal(const QStringList &args)
{
    QStringList files;
    bool optionsEnded = false;
    for (const QString &a : args) {
        if (!optionsEnded && a == QLatin1String("--"))
            optionsEnded = true;
        else if (!optionsEnded && a.startsWith(QLatin1Char('-')) && a.size() > 1)
            return usageError(QStringLiteral("seal: unknown option ") + a);
        else
            files.append(a);
    }
    if (files.isEmpty())
        return usageError(QStringLiteral("seal: no file given"));

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
        if (r.unreadable) {
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
