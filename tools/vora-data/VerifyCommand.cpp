// vora-data verify [--head] [--expect-head HASH] FILE...: compares every data file with its
// seal ("NAME-C.seal"). "FILE: sealed (N runs)", or "FILE:LINE: reason" for every run changed,
// inserted, removed or reordered since it was sealed (LINE counted as check counts it);
// unsealed runs are listed and do not fail the file by themselves.
#include "CommandLine.h"
#include "Commands.h"
#include "Output.h"
#include "SealOutput.h"
#include "ServerOptions.h"

#include "core/study/mirror/StudyDatabase.h"

#include <QFileInfo>
#include <QSet>

#include <memory>

#include <QCoreApplication>

namespace voradata {

namespace {

// The texts of this file, under the translation context "VerifyCommand".
struct Texts {
    Q_DECLARE_TR_FUNCTIONS(VerifyCommand)
};

} // namespace

namespace {

using vora::study::Finding;
using vora::study::FindingKind;
using vora::study::Verification;

QString findingLine(const Verification &v, const Finding &f)
{
    const QString &file = f.kind == FindingKind::SealBroken ? v.sealPath : v.dataPath;
    return file + QLatin1Char(':') + QString::number(f.fileLine) + QStringLiteral(": ") + vora::study::findingText(f);
}

QString sealedSummary(const Verification &v)
{
    const QString runs = QString::number(v.sealedRuns());
    if (const int open = v.notSealedRuns(); open > 0)
        return Texts::tr("%1: 封印済み（ラン %2 件、未封印 %3 件）").arg(v.dataPath, runs, QString::number(open));
    return Texts::tr("%1: 封印済み（ラン %2 件）").arg(v.dataPath, runs);
}

} // namespace

void printFindings(const Verification &v, bool withNotSealed)
{
    for (const Finding &f : v.findings) {
        if (f.tampering() || withNotSealed)
            writeOut(findingLine(v, f) + QLatin1Char('\n'));
    }
}

int runVerify(const QStringList &args)
{
    CommandLine line(QStringLiteral("verify"));
    if (!line.parse(args))
        return line.exitCode();
    const QStringList files = line.positional();
    const bool head = line.isSet(QStringLiteral("head"));
    QString expected;
    if (line.isSet(QStringLiteral("expect-head"))) {
        expected = line.value(QStringLiteral("expect-head")).trimmed().toLower();
        if (expected.size() != 64 || QByteArray::fromHex(expected.toLatin1()).toHex() != expected.toLatin1())
            return line.usageError(Texts::tr("--expect-head には 16 進数 64 桁を指定します"));
    }
    if (files.isEmpty())
        return line.usageError(Texts::tr("ファイルが指定されていません"));
    ServerOptions server;
    if (const int bad = server.read(line, ServerUse::Check); bad != kExitOk)
        return bad;
    std::unique_ptr<vora::study::StudyDatabase> db;
    if (server.given) {
        db = std::make_unique<vora::study::StudyDatabase>(server.conn);
        QString error;
        if (!db->open(&error)) {
            writeErr(QStringLiteral("vora-data: ") + error + QLatin1Char('\n'));
            return kExitUsage;
        }
    }

    bool anyBad = false;
    bool anyUnreadable = false;
    for (const QString &path : files) {
        const Verification v = vora::study::verifyDataFile(path);
        if (!v.readOk) {
            anyUnreadable = true;
            writeErr(QStringLiteral("vora-data: ") + path + QStringLiteral(": ") + v.error + QLatin1Char('\n'));
            continue;
        }
        printFindings(v, !head);
        if (!v.intact()) {
            anyBad = true;
            continue;
        }
        if (!expected.isEmpty()) {
            const vora::study::SealEntry *e = v.entryWithChained(expected);
            if (e) {
                writeOut(Texts::tr("%1: ヘッド %2 はラン %3 にあります（封印 %4）")
                             .arg(path, expected, QString::number(e->run), e->sealedAt)
                         + QLatin1Char('\n'));
            } else {
                anyBad = true;
                writeOut(Texts::tr("%1: ヘッド %2 は連鎖にありません。それより前に封印したランが書き換えられたか、"
                                   "巻き戻されました")
                             .arg(path, expected)
                         + QLatin1Char('\n'));
            }
        }
        if (head) {
            if (v.entries.isEmpty()) {
                anyBad = true;
                writeOut(Texts::tr("%1: 封印したランがなく、ヘッドもありません").arg(path) + QLatin1Char('\n'));
            } else {
                writeOut(
                    Texts::tr("%1: ヘッド %2（ラン %3）").arg(path, v.headHex(), QString::number(v.entries.last().run))
                    + QLatin1Char('\n'));
            }
        } else if (expected.isEmpty()) {
            writeOut(sealedSummary(v) + QLatin1Char('\n'));
        }
        if (db) {
            // Every head the server recorded when the site pushed this file must still be the
            // chain's entry for that run: else runs sealed before it changed since.
            QVector<vora::study::StoredHead> heads;
            QString error;
            if (!db->storedHeads(server.site, QFileInfo(path).completeBaseName(), &heads, &error)) {
                writeErr(QStringLiteral("vora-data: ") + error + QLatin1Char('\n'));
                return kExitUsage;
            }
            if (heads.isEmpty())
                writeOut(Texts::tr("%1: サーバーに記録されたヘッドはありません").arg(path) + QLatin1Char('\n'));
            QSet<QString> said;
            for (const vora::study::StoredHead &h : std::as_const(heads)) {
                if (said.contains(h.head + QString::number(h.run)))
                    continue; // pushed again unchanged: said once
                said.insert(h.head + QString::number(h.run));
                const vora::study::SealEntry *e = v.entryWithChained(h.head);
                const QString run = QString::number(h.run);
                if (e && e->run == h.run) {
                    writeOut(Texts::tr("%1: ラン %3 のヘッド %2（送信 %4）: あり").arg(path, h.head, run, h.pushedAt)
                             + QLatin1Char('\n'));
                } else {
                    anyBad = true;
                    writeOut(
                        Texts::tr("%1: ラン %3 のヘッド %2（送信 %4）: 連鎖にありません（それより前に封印したランが"
                                  "書き換えられたか、巻き戻されました）")
                            .arg(path, h.head, run, h.pushedAt)
                        + QLatin1Char('\n'));
                }
            }
        }
    }
    if (anyUnreadable)
        return kExitUsage;
    return anyBad ? kExitBadData : kExitOk;
}

} // namespace voradata
