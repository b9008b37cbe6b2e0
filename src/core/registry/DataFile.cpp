#include "core/registry/DataFile.h"

#include "core/registry/RewriteGuard.h"

#include <QCoreApplication>
#include <array>

namespace vora {

namespace {
// The texts of this file, under the translation context "DataFile".
struct Texts {
    Q_DECLARE_TR_FUNCTIONS(DataFile)
};
} // namespace

namespace {

const QChar kMemoBreak(1);

std::array<int, kBlocksPerRun> storedBlocks(const QString &line)
{
    std::array<int, kBlocksPerRun> s{};
    for (int k = 0; k < kBlocksPerRun; ++k)
        s[k] = lenientNumber(columns(line, runline::kBlockHits[k]));
    return s;
}

int sum(const std::array<int, kBlocksPerRun> &v)
{
    int total = 0;
    for (int x : v)
        total += x;
    return total;
}

} // namespace

QString dataFileName(const QString &experimentName, const QString &suffix)
{
    return experimentName + QLatin1Char('-') + suffix + QStringLiteral(".txt");
}

QString dataFilePath(const AppPaths &paths, const QString &experimentName, const QString &suffix)
{
    return paths.dataFile(dataFileName(experimentName, suffix));
}

bool isConditionMemoLine(const QString &line)
{
    return line.startsWith(conditionMemoPrefix());
}

QString memoFromFileForm(const QString &stored)
{
    QString out = stored;
    out.replace(QString(2, kMemoBreak), CRLF);
    return out;
}

QString memoToFileForm(const QString &shown)
{
    return lineBreaksTo(shown, QString(2, kMemoBreak));
}

int lenientNumber(const QString &field)
{
    // Fields are two or three columns wide; the cap only keeps hand-edited text from overflowing.
    constexpr int kCap = 100000000;
    int value = 0;
    for (const QChar c : field) {
        if (c == QLatin1Char(' ') || c == QLatin1Char('\t'))
            continue;
        if (c < QLatin1Char('0') || c > QLatin1Char('9'))
            break;
        if (value < kCap)
            value = value * 10 + (c.unicode() - '0');
    }
    return value;
}

int storedTotal(const QString &line)
{
    const QString field = columns(line, runline::kTotal);
    // 100 matches do not fit two columns; the writer keeps the last two digits.
    if (field == QLatin1String("00") && sum(storedBlocks(line)) == kTrialsPerRun)
        return kTrialsPerRun;
    return lenientNumber(field);
}

QChar undecodableMark()
{
    return QChar(0xFFFD);
}

namespace {

RunLineCheck damaged(const QString &reason)
{
    return RunLineCheck{false, reason};
}

// The first control character (NUL, TAB, ESC, DEL ...) in the sealed columns; -1 when none.
int firstControlColumn(const QString &line)
{
    const int n = qMin(int(line.size()), kRunColumns);
    for (int i = 0; i < n; ++i) {
        const char16_t c = line.at(i).unicode();
        if (c < 0x20 || c == 0x7F)
            return i + 1;
    }
    return -1;
}

// Whether a line has the shape of a run record at all: spaces at columns 21, 60 and 161 and
// only "0" and "1" as targets and inputs. Asked only of a line that failed its counts, to
// name the damage for what it is.
bool shapedLikeARun(const QString &line)
{
    if (line.size() < kRunColumns)
        return false;
    for (const int column : runline::kSpaceColumns) {
        if (line.at(column - 1) != QLatin1Char(' '))
            return false;
    }
    for (const runline::Field field : {runline::kTargets, runline::kInputs}) {
        for (const QChar c : columns(line, field)) {
            if (c != QLatin1Char('0') && c != QLatin1Char('1'))
                return false;
        }
    }
    return true;
}

// The reason given for a line whose counts disagree: a line that is no run record at all,
// or one whose record runs on past column 261 without the space before a run memo, is
// named as such; only a true run record gets the count that disagrees.
RunLineCheck countsDisagree(const QString &line, const QString &countReason)
{
    if (!shapedLikeARun(line))
        return damaged(Texts::tr(
            "ランの記録の形をしていません（ターゲットと入力の欄が「0」と「1」ではないか、区切りの空白がずれています）"));
    if (line.size() > kRunColumns && line.at(kRunColumns) != QLatin1Char(' '))
        return damaged(
            Texts::tr("ランの記録が長すぎます（%1文字目のあとにランメモの前の空白がありません）").arg(kRunColumns));
    return damaged(countReason);
}

} // namespace

RunLineCheck checkRunLine(const QString &line)
{
    const int total = storedTotal(line);
    const std::array<int, kBlocksPerRun> stored = storedBlocks(line);

    if (line.trimmed().isEmpty())
        return damaged(Texts::tr("空の行です（ランの記録がありません）"));
    if (columns(line, 1, kRunColumns).contains(undecodableMark()))
        return damaged(Texts::tr("CP932として読めないバイトがあります（ファイルが破損している可能性があります）"));
    if (const int column = firstControlColumn(line); column > 0)
        return damaged(Texts::tr("%1桁目に制御文字（コード%2）があります（ファイルが破損している可能性があります）")
                           .arg(column)
                           .arg(line.at(column - 1).unicode()));
    // A record is always written whole; a shorter line lost its end (and missing targets and
    // inputs would otherwise count as matches).
    if (line.size() < kRunColumns)
        return damaged(Texts::tr("ランの記録が短すぎます（%1文字、%2文字必要です）").arg(line.size()).arg(kRunColumns));

    if (sum(stored) != total)
        return countsDisagree(line, Texts::tr("ブロックごとの一致数の合計（%1）が記録された一致数（%2）と合いません")
                                        .arg(sum(stored))
                                        .arg(total));

    const QString targets = columns(line, runline::kTargets);
    const QString inputs = columns(line, runline::kInputs);
    std::array<int, kBlocksPerRun> counted{};
    for (int i = 0; i < kTrialsPerRun; ++i) {
        if (targets.at(i) == inputs.at(i))
            ++counted[i / kTrialsPerBlock];
    }
    for (int k = 0; k < kBlocksPerRun; ++k) {
        if (counted[k] != stored[k])
            return countsDisagree(line, Texts::tr("ブロック%1の一致数（%2）が記録（%3）と合いません")
                                            .arg(k + 1)
                                            .arg(counted[k])
                                            .arg(stored[k]));
    }
    if (sum(counted) != total)
        return countsDisagree(line, Texts::tr("ターゲットと入力の一致数（%1）が記録された一致数（%2）と合いません")
                                        .arg(sum(counted))
                                        .arg(total));
    return {};
}

DataFileContents loadDataFile(const FileStore &files, const QString &path)
{
    DataFileContents out;
    const ReadResult read = files.readLines(path);
    out.read = read;
    if (!read.ok) {
        if (read.missing) {
            out.missing = true;
        } else {
            out.readOk = false;
        }
        out.lastDate = QStringLiteral("-");
        return out;
    }
    return dataFileFromLines(read.lines);
}

DataFileContents dataFileFromLines(const QStringList &lines)
{
    DataFileContents out;
    int fileLine = 0;
    for (const QString &line : lines) {
        ++fileLine;
        if (isConditionMemoLine(line)) {
            out.hasMemoLine = true;
            out.conditionMemo = memoFromFileForm(line.mid(conditionMemoPrefix().size()));
            continue;
        }
        out.runLines.append(line);
        out.lastStimulusCode = columns(line, runline::kStimulus);
        out.lastHitDisplayCode = columns(line, runline::kHitDisplay);
        out.lastDate = columns(line, runline::kDate);
        if (out.firstBadFileLine == 0 && out.runLines.size() > kMaxRuns) {
            // Only two copies racing (before appends checked the count) or an edit put it there.
            out.firstBadFileLine = fileLine;
            out.firstBadRun = out.runLines.size();
            out.badReason =
                Texts::tr("%1番目のランです（１つの実験は%2ランまでです）").arg(out.runLines.size()).arg(kMaxRuns);
        }
        if (out.firstBadFileLine == 0) {
            const RunLineCheck check = checkRunLine(line);
            if (!check.ok) {
                out.firstBadFileLine = fileLine;
                out.firstBadRun = out.runLines.size();
                out.badReason = check.reason;
            }
        }
    }
    if (out.runLines.isEmpty())
        out.lastDate = QStringLiteral("-");
    return out;
}

RunCountInfo countRuns(const FileStore &files, const QString &path)
{
    RunCountInfo info;
    const ReadResult read = files.readLines(path);
    if (!read.ok)
        return info;
    for (const QString &line : read.lines) {
        if (isConditionMemoLine(line))
            continue;
        ++info.runs;
        info.lastDate = columns(line, runline::kDate);
    }
    return info;
}

FileResult saveConditionMemo(FileStore &files, const AppPaths &paths, const QString &path, const QString &memoText)
{
    const QString memoLine = conditionMemoPrefix() + memoToFileForm(memoText);
    if (FileResult refused = refuseUnencodable(memoLine); !refused)
        return refused;

    // Worked out from the file as it is under the lock: a run appended meanwhile stays.
    return editDataFile(files, paths, path, [&](const ReadResult &read) {
        if (!read.ok && !read.missing)
            return FileEdit::refuse(notReplacedMessage(path, read.message));
        QStringList lines{memoLine};
        for (const QString &line : read.lines) {
            if (!isConditionMemoLine(line))
                lines.append(line);
        }
        if (FileResult damaged = refuseDamagedKeptLines(path, read, lines.mid(1)); !damaged)
            return FileEdit::refuse(damaged.message);
        return FileEdit::replaceWith(lines);
    });
}

} // namespace vora
