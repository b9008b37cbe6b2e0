#include "core/study/Seal.h"

#include "core/registry/RecordFormat.h"
#include "core/toolkit/Cp932.h"
#include "core/toolkit/FileStore.h"

#include <QCoreApplication>
#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QRegularExpression>

#include <algorithm>

namespace vora::study {

namespace {
// The texts of this file, under the translation context "Seal"; vora-data's, which name the
// file and line themselves, under "SealTool".
struct Texts {
    Q_DECLARE_TR_FUNCTIONS(Seal)
};
struct ToolTexts {
    Q_DECLARE_TR_FUNCTIONS(SealTool)
};
} // namespace

QByteArray sealedColumns(const QByteArray &line)
{
    int i = 0;
    const int n = int(line.size());
    for (int column = 0; column < kRunColumns && i < n; ++column) {
        const bool lead = cp932::isLeadByte(static_cast<unsigned char>(line.at(i)));
        i += (lead && i + 1 < n) ? 2 : 1;
    }
    return line.left(i);
}

namespace {

const QByteArray &memoPrefixBytes()
{
    // The condition memo line of the data file.
    static const QByteArray prefix = cp932::encode(conditionMemoPrefix()).bytes;
    return prefix;
}

QString hex(const QByteArray &raw)
{
    return QString::fromLatin1(raw.toHex());
}

} // namespace

QString sealPathFor(const QString &dataPath)
{
    if (dataPath.endsWith(QLatin1String(".txt"), Qt::CaseInsensitive))
        return dataPath.left(dataPath.size() - 4) + QStringLiteral(".seal");
    return dataPath + QStringLiteral(".seal");
}

QString headerLine()
{
    return QStringLiteral("VORA-SEAL 1");
}

QByteArray runHash(const QByteArray &sealedBytes)
{
    return QCryptographicHash::hash(sealedBytes, QCryptographicHash::Sha256);
}

QByteArray genesis(int firstRun)
{
    return QCryptographicHash::hash(QByteArray("VORA-SEAL 1 from run ") + QByteArray::number(firstRun),
                                    QCryptographicHash::Sha256);
}

QByteArray chainNext(const QByteArray &previous, const QByteArray &hash)
{
    return QCryptographicHash::hash(previous + hash, QCryptographicHash::Sha256);
}

QString entryLine(const SealEntry &e)
{
    return QString::number(e.run) + QLatin1Char(' ') + hex(e.runHash) + QLatin1Char(' ') + hex(e.chained)
           + QLatin1Char(' ') + e.sealedAt;
}

DataRuns readDataRuns(const QString &dataPath)
{
    DataRuns out;
    // The file layer's read: regular files only, never past the bound every text file has.
    const BytesRead raw = FileStore::readBytes(dataPath);
    if (!raw) {
        out.read = raw;
        return out;
    }
    const QList<QByteArray> lines = splitStoredLines(raw.bytes);
    out.fileLines = int(lines.size());
    for (int i = 0; i < lines.size(); ++i) {
        if (lines.at(i).startsWith(memoPrefixBytes()))
            continue;
        StoredRun r;
        r.run = int(out.runs.size()) + 1;
        r.fileLine = i + 1;
        r.sealed = sealedColumns(lines.at(i));
        r.hash = runHash(r.sealed);
        out.runs.append(r);
    }
    out.ok = true;
    return out;
}

SealFile readSealFile(const QString &sealPath)
{
    SealFile out;
    const BytesRead raw = FileStore::readBytes(sealPath);
    if (!raw) {
        out.missing = raw.code == FileError::Missing;
        out.ok = out.missing;
        if (!out.missing)
            out.read = raw;
        return out;
    }
    out.ok = true;
    bool terminated = true;
    const QList<QByteArray> lines = splitStoredLines(raw.bytes, &terminated);
    static const QRegularExpression entryForm(
        QStringLiteral("^([1-9][0-9]{0,8}) ([0-9a-f]{64}) ([0-9a-f]{64}) (\\S{1,40})$"));
    for (int i = 0; i < lines.size(); ++i) {
        const QString text = QString::fromLatin1(lines.at(i));
        const bool last = i + 1 == lines.size();
        bool good = false;
        if (i == 0) {
            good = text == headerLine();
        } else if (const QRegularExpressionMatch m = entryForm.match(text); m.hasMatch()) {
            SealEntry e;
            e.run = m.captured(1).toInt();
            e.runHash = QByteArray::fromHex(m.captured(2).toLatin1());
            e.chained = QByteArray::fromHex(m.captured(3).toLatin1());
            e.sealedAt = m.captured(4);
            e.sealLine = i + 1;
            out.entries.append(e);
            good = true;
        }
        if (!good) {
            if (last && !terminated)
                out.cutShortTail = true;
            else
                out.malformedLine = i + 1;
            break;
        }
        out.goodLines.append(text);
    }
    return out;
}

bool Verification::intact() const
{
    return readOk && firstTampering() == nullptr;
}

int Verification::notSealedRuns() const
{
    return int(std::count_if(findings.begin(), findings.end(),
                             [](const Finding &f) { return f.kind == FindingKind::NotSealed; }));
}

const Finding *Verification::firstTampering() const
{
    for (const Finding &f : findings) {
        if (f.tampering())
            return &f;
    }
    return nullptr;
}

QString Verification::headHex() const
{
    return entries.isEmpty() ? QString() : hex(entries.last().chained);
}

const SealEntry *Verification::entryWithChained(const QString &wanted) const
{
    const QByteArray raw = QByteArray::fromHex(wanted.trimmed().toLatin1());
    if (raw.size() != 32 || wanted.trimmed().size() != 64)
        return nullptr;
    for (const SealEntry &e : entries) {
        if (e.chained == raw)
            return &e;
    }
    return nullptr;
}

QString Verification::chainedHexOfRun(int run) const
{
    if (!intact())
        return QString();
    for (const SealEntry &e : entries) {
        if (e.run == run)
            return hex(e.chained);
    }
    return QString();
}

namespace {

// Positions (indices into `a`) of one longest strictly increasing subsequence of the
// non-negative values of `a` (patience sorting).
QVector<bool> longestIncreasing(const QVector<int> &a)
{
    QVector<int> tails; // positions: tails[k] ends the best run of length k + 1
    QVector<int> before(a.size(), -1);
    for (int p = 0; p < a.size(); ++p) {
        if (a.at(p) < 0)
            continue;
        const auto it = std::lower_bound(tails.begin(), tails.end(), a.at(p),
                                         [&a](int pos, int value) { return a.at(pos) < value; });
        const int k = int(it - tails.begin());
        before[p] = k > 0 ? tails.at(k - 1) : -1;
        if (k == tails.size())
            tails.append(p);
        else
            tails[k] = p;
    }
    QVector<bool> in(a.size(), false);
    for (int p = tails.isEmpty() ? -1 : tails.last(); p >= 0; p = before.at(p))
        in[p] = true;
    return in;
}

// Lines the data runs stand on now against the runs as sealed. A run matches the entry with
// its hash; the longest in-order set of matches anchors the rest, and between two anchors the
// runs no entry knows and the entries no run matches are paired as changed, the rest are
// inserted or removed. A match outside that in-order set has been moved.
void compareRuns(const DataRuns &data, Verification &v)
{
    const QVector<SealEntry> &entries = v.entries;
    const int m = int(entries.size());
    const int n = int(data.runs.size());
    auto notSealed = [&](int p) { v.findings.append({FindingKind::NotSealed, data.runs.at(p).fileLine, p + 1, 0}); };
    if (m == 0) {
        for (int p = 0; p < n; ++p)
            notSealed(p);
        return;
    }

    QHash<QByteArray, QVector<int>> byHash;
    for (int e = 0; e < m; ++e)
        byHash[entries.at(e).runHash].append(e);
    QVector<int> a(n, -1); // entry matched by each data run
    QVector<int> entryPos(m, -1);
    for (int p = 0; p < n; ++p) {
        QVector<int> &candidates = byHash[data.runs.at(p).hash];
        if (!candidates.isEmpty()) {
            a[p] = candidates.takeFirst();
            entryPos[a.at(p)] = p;
        }
    }
    const QVector<bool> anchored = longestIncreasing(a);

    auto lineAt = [&](int p) { return p < n ? data.runs.at(p).fileLine : data.fileLines + 1; };
    QVector<QPair<int, int>> anchors; // (entry, position)
    for (int p = 0; p < n; ++p) {
        if (a.at(p) < 0)
            continue;
        if (anchored.at(p))
            anchors.append({a.at(p), p});
        else
            v.findings.append({FindingKind::Reordered, data.runs.at(p).fileLine, p + 1, entries.at(a.at(p)).run});
    }

    const int legacy = entries.first().run - 1; // runs written before sealing began
    for (int g = 0; g <= anchors.size(); ++g) {
        const int ea = g == 0 ? -1 : anchors.at(g - 1).first;
        const int pa = g == 0 ? -1 : anchors.at(g - 1).second;
        const int eb = g == anchors.size() ? m : anchors.at(g).first;
        const int pb = g == anchors.size() ? n : anchors.at(g).second;
        QVector<int> unknown;
        for (int p = pa + 1; p < pb; ++p) {
            if (a.at(p) < 0)
                unknown.append(p);
        }
        QVector<int> missing;
        for (int e = ea + 1; e < eb; ++e) {
            if (entryPos.at(e) < 0)
                missing.append(e);
        }
        if (g == 0) {
            const int kept = std::min(legacy, int(unknown.size()));
            if (kept < legacy) // a run before the first sealed one is gone
                v.findings.append({FindingKind::Removed, lineAt(pb), pb < n ? pb + 1 : 0, 0});
            for (int i = 0; i < kept; ++i)
                notSealed(unknown.at(i));
            unknown.remove(0, kept);
        }
        const int pairs = std::min(unknown.size(), missing.size());
        for (int i = 0; i < pairs; ++i)
            v.findings.append({FindingKind::Changed, data.runs.at(unknown.at(i)).fileLine, unknown.at(i) + 1,
                               entries.at(missing.at(i)).run});
        for (int i = pairs; i < unknown.size(); ++i) {
            if (g == anchors.size())
                notSealed(unknown.at(i));
            else
                v.findings.append({FindingKind::Inserted, data.runs.at(unknown.at(i)).fileLine, unknown.at(i) + 1, 0});
        }
        for (int i = pairs; i < missing.size(); ++i)
            v.findings.append({FindingKind::Removed, lineAt(pb), pb < n ? pb + 1 : 0, entries.at(missing.at(i)).run});
    }
    std::stable_sort(v.findings.begin(), v.findings.end(),
                     [](const Finding &x, const Finding &y) { return x.fileLine < y.fileLine; });
}

} // namespace

Verification verifyDataFile(const QString &dataPath, DataRuns *dataOut, SealFile *sealOut)
{
    Verification v;
    v.dataPath = dataPath;
    v.sealPath = sealPathFor(dataPath);
    const DataRuns data = readDataRuns(dataPath);
    if (dataOut)
        *dataOut = data;
    if (!data.ok) {
        v.error = data.read.text(Audience::Tool);
        v.readFailure = data.read;
        return v;
    }
    v.readOk = true;
    v.runs = int(data.runs.size());
    const SealFile seal = readSealFile(v.sealPath);
    if (sealOut)
        *sealOut = seal;
    if (!seal.ok) {
        // Nothing can be said about the runs: "cannot verify", not "tampered".
        v.readOk = false;
        v.sealUnreadable = true;
        v.error = ToolTexts::tr("封印ファイル %1: %2").arg(v.sealPath, seal.read.text(Audience::Tool));
        v.readFailure = seal.read;
        return v;
    }
    QVector<Finding> sealFindings;
    if (seal.malformedLine > 0)
        sealFindings.append({FindingKind::SealBroken, seal.malformedLine, 0, 0});
    v.cutShortTail = seal.cutShortTail;

    // The chain as stored: consecutive runs, each chained hash following from the one before.
    // Where the run numbers jump, runs were taken out or moved together with their entries:
    // the chain breaks there (said once), and the entries after it still vouch for their runs.
    QByteArray previous = seal.entries.isEmpty() ? QByteArray() : genesis(seal.entries.first().run);
    bool jumped = false;
    for (const SealEntry &e : seal.entries) {
        if (!v.entries.isEmpty() && e.run != v.entries.last().run + 1) {
            if (!jumped) {
                const int missing = v.entries.last().run + 1;
                const int line = missing <= data.runs.size() ? data.runs.at(missing - 1).fileLine : data.fileLines + 1;
                v.findings.append({FindingKind::ChainBroken, line, missing <= data.runs.size() ? missing : 0, missing});
            }
            jumped = true;
        } else if (chainNext(previous, e.runHash) != e.chained) {
            sealFindings.append({FindingKind::SealBroken, e.sealLine, 0, e.run});
        }
        previous = e.chained;
        v.entries.append(e);
    }
    v.firstSealedRun = v.entries.isEmpty() ? 0 : v.entries.first().run;
    compareRuns(data, v);
    v.findings += sealFindings;
    return v;
}

QString findingText(const Finding &f)
{
    switch (f.kind) {
    case FindingKind::Changed:
        return ToolTexts::tr("ラン %1 は封印した後に書き換えられています（封印したときはラン %2）")
            .arg(f.run)
            .arg(f.sealedRun);
    case FindingKind::Inserted: return ToolTexts::tr("ラン %1 は、前後のランを封印した後に加えられています").arg(f.run);
    case FindingKind::Removed:
        if (f.sealedRun == 0)
            return ToolTexts::tr("最初に封印したランより前のランが消えています");
        return ToolTexts::tr("封印したラン %1 が消えています").arg(f.sealedRun);
    case FindingKind::Reordered:
        return ToolTexts::tr("ラン %1 は封印したときはラン %2 でした。ランの順番が入れ替えられています")
            .arg(f.run)
            .arg(f.sealedRun);
    case FindingKind::ChainBroken:
        return ToolTexts::tr("封印の連鎖がラン %1 のところで切れています。封印した後に、ランが削除されたか、"
                             "順番が入れ替えられています")
            .arg(f.sealedRun);
    case FindingKind::SealBroken: return ToolTexts::tr("封印ファイルがここで壊れているか、書き換えられています");
    case FindingKind::NotSealed: return ToolTexts::tr("ラン %1 は封印されていません").arg(f.run);
    }
    return QString();
}

QString brokenSealMessage(const QString &dataPath)
{
    return brokenSealMessage(verifyDataFile(dataPath));
}

QString brokenSealMessage(const Verification &v)
{
    if (v.sealUnreadable)
        return Texts::tr("この実験の封印ファイルを読めないため、封印を確かめられません。\r\n") + v.readFailure.message;
    const Finding *f = v.firstTampering();
    if (!v.readOk || !f)
        return QString();
    const QString lead = Texts::tr("この実験のデータは、封印した後に書き換えられた可能性があります。\r\n");
    const QString tail = Texts::tr("\r\n\r\n結果は表示できますが、封印と合わないデータです。");
    QString where;
    switch (f->kind) {
    case FindingKind::Changed:
        where = Texts::tr("第%1ラン（データファイルの%2行目）の内容が、封印したときと違います。")
                    .arg(f->run)
                    .arg(f->fileLine);
        break;
    case FindingKind::Inserted:
        where = Texts::tr("第%1ラン（データファイルの%2行目）は、封印の後に加えられたランです。")
                    .arg(f->run)
                    .arg(f->fileLine);
        break;
    case FindingKind::Removed:
        where = f->sealedRun > 0 ? Texts::tr("封印した第%1ランがありません（データファイルの%2行目）。")
                                       .arg(f->sealedRun)
                                       .arg(f->fileLine)
                                 : Texts::tr("最初に封印したランより前のランが消えています（データファイルの%1行目）。")
                                       .arg(f->fileLine);
        break;
    case FindingKind::ChainBroken:
        where = Texts::tr("封印の連鎖が第%1ランのところで切れています（データファイルの%2行目）。"
                          "封印した後に、ランが削除されたか、順番が入れ替えられています。")
                    .arg(f->sealedRun)
                    .arg(f->fileLine);
        break;
    case FindingKind::Reordered:
        where = Texts::tr("第%1ラン（データファイルの%2行目）は、封印したときは第%3ランでした。")
                    .arg(f->run)
                    .arg(f->fileLine)
                    .arg(f->sealedRun);
        break;
    case FindingKind::SealBroken:
    case FindingKind::NotSealed:
        where = Texts::tr("封印ファイル「%1」が壊れているか、書き換えられています。")
                    .arg(QDir::toNativeSeparators(v.sealPath));
        if (f->fileLine > 0)
            where += Texts::tr("（%1行目）").arg(f->fileLine);
        break;
    }
    return lead + where + tail;
}

} // namespace vora::study
