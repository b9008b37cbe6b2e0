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

#include <QCoreApplication>

namespace voradata {

namespace {

// The texts of this file, under the translation context "SealCommand".
struct Texts {
    Q_DECLARE_TR_FUNCTIONS(SealCommand)
};

} // namespace

int runSeal(const QStringList &args)
{
    CommandLine line(QStringLiteral("seal"));
    if (!line.parse(args))
        return line.exitCode();
    const QStringList files = line.positional();
    const bool reseal = line.isSet(QStringLiteral("reseal"));
    if (files.isEmpty())
        return line.usageError(Texts::tr("ファイルが指定されていません"));

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
            writeOut(Texts::tr("%1: 封印しませんでした: %2").arg(path, r.message) + QLatin1Char('\n'));
            continue;
        }
        const QString leading = QString::number(r.leadingUnsealed);
        if (r.resealed) {
            writeOut(
                Texts::tr("%1: ラン 1-%2 は封印されていませんでした。連鎖をラン 1 から書き直しました。古いヘッド %3 "
                          "とそれまでに公開したヘッドはもう一致しません")
                    .arg(path, leading, r.oldHead)
                + QLatin1Char('\n'));
        }
        writeOut(Texts::tr("%1: 封印済み（ラン %2 件、新規 %3 件）。ヘッド %4")
                     .arg(path, QString::number(r.after.sealedRuns()), QString::number(r.added), r.after.headHex())
                 + QLatin1Char('\n'));
        if (r.leadingUnsealed > 0 && !r.resealed) {
            // Left to the user: sealing them rewrites the chain and its head.
            anyBad = true;
            writeOut(
                Texts::tr("%1: ラン 1-%2 は封印されていません。連鎖はラン %3 から始まります。seal --reseal で連鎖を"
                          "ラン 1 から書き直せます（ヘッドは変わります）")
                    .arg(path, leading, QString::number(r.leadingUnsealed + 1))
                + QLatin1Char('\n'));
        }
    }
    if (anyUnreadable)
        return kExitUsage;
    return anyBad ? kExitBadData : kExitOk;
}

} // namespace voradata
