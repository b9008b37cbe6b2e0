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

namespace voradata {

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
    QString text =
        v.dataPath + QStringLiteral(": sealed (") + QString::number(v.sealedRuns()) + QStringLiteral(" runs");
    if (const int open = v.notSealedRuns(); open > 0)
        text += QStringLiteral(", ") + QString::number(open) + QStringLiteral(" not sealed");
    return text + QLatin1Char(')');
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
            return line.usageError(QStringLiteral("--expect-head wants 64 hex digits"));
    }
    if (files.isEmpty())
        return line.usageError(QStringLiteral("no file given"));
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
                writeOut(path + QStringLiteral(": head ") + expected + QStringLiteral(" found at run ")
                         + QString::number(e->run) + QStringLiteral(" (sealed ") + e->sealedAt + QStringLiteral(")\n"));
            } else {
                anyBad = true;
                writeOut(
                    path + QStringLiteral(": head ") + expected
                    + QStringLiteral(" is not in the chain: runs sealed before it were rewritten or rolled back\n"));
            }
        }
        if (head) {
            if (v.entries.isEmpty()) {
                anyBad = true;
                writeOut(path + QStringLiteral(": no sealed run, no head\n"));
            } else {
                writeOut(path + QStringLiteral(": head ") + v.headHex() + QStringLiteral(" (run ")
                         + QString::number(v.entries.last().run) + QStringLiteral(")\n"));
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
                writeOut(path + QStringLiteral(": no head recorded by the server\n"));
            QSet<QString> said;
            for (const vora::study::StoredHead &h : std::as_const(heads)) {
                if (said.contains(h.head + QString::number(h.run)))
                    continue; // pushed again unchanged: said once
                said.insert(h.head + QString::number(h.run));
                const vora::study::SealEntry *e = v.entryWithChained(h.head);
                const QString what = path + QStringLiteral(": head ") + h.head + QStringLiteral(" of run ")
                                     + QString::number(h.run) + QStringLiteral(", pushed ") + h.pushedAt;
                if (e && e->run == h.run) {
                    writeOut(what + QStringLiteral(": found\n"));
                } else {
                    anyBad = true;
                    writeOut(what
                             + QStringLiteral(": not in the chain (runs sealed before it were rewritten or rolled "
                                              "back)\n"));
                }
            }
        }
    }
    if (anyUnreadable)
        return kExitUsage;
    return anyBad ? kExitBadData : kExitOk;
}

} // namespace voradata
