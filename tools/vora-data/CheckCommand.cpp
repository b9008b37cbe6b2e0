// vora-data check FILE...: one line per file on stdout ("FILE: ok (N runs)" or
// "FILE:LINE: reason" for its first bad line); unreadable files are reported on stderr.
#include "CommandLine.h"
#include "Commands.h"
#include "DataInput.h"
#include "Output.h"

#include <QCoreApplication>

namespace voradata {

namespace {

// The texts of this file, under the translation context "CheckCommand".
struct Texts {
    Q_DECLARE_TR_FUNCTIONS(CheckCommand)
};

} // namespace

int runCheck(const QStringList &args)
{
    CommandLine line(QStringLiteral("check"));
    if (!line.parse(args))
        return line.exitCode();
    const QStringList files = line.positional();
    if (files.isEmpty())
        return line.usageError(Texts::tr("ファイルが指定されていません"));

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
            // "ok" stays as it is in every language: scripts look for it.
            writeOut(Texts::tr("%1: ok（ラン %2 件）").arg(printableName(path), QString::number(f.contents.runCount()))
                     + QLatin1Char('\n'));
        }
    }
    // Every file is still checked; the worst outcome decides the exit code.
    if (anyUnreadable)
        return kExitUsage;
    return anyDamaged ? kExitBadData : kExitOk;
}

} // namespace voradata
