// vora-data check FILE...: one line per file on stdout ("FILE: ok (N runs)" or
// "FILE:LINE: reason" for its first bad line); unreadable files are reported on stderr.
#include "Commands.h"
#include "DataInput.h"
#include "Output.h"

namespace voradata {

int runCheck(const QStringList &args)
{
    QStringList files;
    bool optionsEnded = false;
    for (const QString &a : args) {
        if (!optionsEnded && a == QLatin1String("--")) {
            optionsEnded = true;
        } else if (!optionsEnded && a.startsWith(QLatin1Char('-')) && a.size() > 1) {
            return usageError(QStringLiteral("check: unknown option ") + a);
        } else {
            files.append(a);
        }
    }
    if (files.isEmpty())
        return usageError(QStringLiteral("check: no file given"));

    bool anyDamaged = false;
    bool anyUnreadable = false;
    for (const QString &path : files) {
        const CheckedFile f = checkFile(path);
        if (!f.readable) {
            anyUnreadable = true;
            writeErr(QStringLiteral("vora-data: ") + printableName(path) + QStringLiteral(": ") + f.readError
                     + QLatin1Char('\n'));
        } else if (!f.passed()) {
            anyDamaged = true;
            writeOut(f.faultText() + QLatin1Char('\n'));
        } else {
            writeOut(printableName(path) + QStringLiteral(": ok (") + QString::number(f.contents.runCount())
                     + QStringLiteral(" runs)\n"));
        }
    }
    // Every file is still checked; the worst outcome decides the exit code.
    if (anyUnreadable)
        return kExitUsage;
    return anyDamaged ? kExitBadData : kExitOk;
}

} // namespace voradata
