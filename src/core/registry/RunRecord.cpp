#include "core/registry/RunRecord.h"

#include "core/registry/DataFile.h"
#include "core/registry/RewriteGuard.h"

#include "core/registry/Conditions.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

namespace vora {

namespace {
// The texts of this file, under the translation context "RunRecord".
struct Texts {
    Q_DECLARE_TR_FUNCTIONS(RunRecord)
};
} // namespace

namespace {

// Left-aligned in exactly `width` columns: cut, or padded with spaces.
QString fitted(const QString &text, int width)
{
    return text.leftJustified(width, QLatin1Char(' '), true);
}

QString oneCharacter(const QString &code)
{
    return fitted(code.left(1), 1);
}

} // namespace

QString rightAligned(int value, int width)
{
    return (QStringLiteral("  ") + QString::number(value)).right(width);
}

QString runStartTimeFromTimeText(const QString &timeText)
{
    const QStringList parts = timeText.trimmed().split(QLatin1Char(':'));
    const int hour = lenientNumber(parts.value(0));
    QString minutes = parts.value(1).trimmed().left(2);
    minutes = minutes.rightJustified(2, QLatin1Char('0'));
    return rightAligned(hour, 2) + QLatin1Char(':') + minutes;
}

QString RunRecord::toLine() const
{
    using namespace runline;
    QString line;
    line.reserve(kRunColumns + 1 + memo.size());
    line += fitted(experimentName, kName.width());
    line += fitted(date, kDate.width());
    line += QLatin1Char(' ');
    line += fitted(startTime, kStartTime.width());
    line += oneCharacter(stimulusCode);
    line += rightAligned(hits, kTotal.width()); // 100 becomes "00"; the readers know it from the blocks
    line += oneCharacter(hitDisplayCode);
    for (int k = 0; k < kBlocksPerRun; ++k)
        line += rightAligned(segmentHits[k], kBlockHits[k].width());
    for (int k = 0; k < kBlocksPerRun; ++k)
        line += rightAligned(stimulusTrials[k], kStimulusTrials[k].width());
    line += QLatin1Char(' ');
    line += fitted(targets, kTargets.width());
    line += QLatin1Char(' ');
    line += fitted(inputs, kInputs.width());
    if (hasMemo) {
        line += QLatin1Char(' ');
        line += memo;
    }
    return line;
}

RunRecord RunRecord::fromLine(const QString &line)
{
    using namespace runline;
    RunRecord r;
    QString name = columns(line, kName);
    while (name.endsWith(QLatin1Char(' ')))
        name.chop(1);
    r.experimentName = name;
    r.date = columns(line, kDate);
    r.startTime = columns(line, kStartTime);
    r.stimulusCode = columns(line, kStimulus);
    r.hits = storedTotal(line);
    r.hitDisplayCode = columns(line, kHitDisplay);
    for (int k = 0; k < kBlocksPerRun; ++k)
        r.segmentHits[k] = lenientNumber(columns(line, kBlockHits[k]));
    for (int k = 0; k < kBlocksPerRun; ++k)
        r.stimulusTrials[k] = lenientNumber(columns(line, kStimulusTrials[k]));
    r.targets = columns(line, kTargets);
    r.inputs = columns(line, kInputs);
    r.hasMemo = line.size() > kRunColumns;
    r.memo = line.mid(kRunColumns + 1);
    return r;
}

int RunRecord::targetOnes() const
{
    return int(targets.count(QLatin1Char('1')));
}

int RunRecord::inputOnes() const
{
    return int(inputs.count(QLatin1Char('1')));
}

QString runMemoToFileForm(const QString &shown)
{
    return lineBreaksTo(shown, QStringLiteral("<BR>"));
}

QString runMemoFromFileForm(const QString &stored)
{
    QString out = stored;
    out.replace(QStringLiteral("<BR>"), CRLF);
    return out;
}

QString experimentRefusal(const ReadResult &current, const QString &stimulus, const QString &hitDisplay)
{
    if (!current.ok && !current.missing)
        return Texts::tr("データファイルを読めないため、ラン数や条件を確かめられません。\r\n") + current.message;
    int runs = 0;
    for (const QString &line : current.lines) {
        if (isConditionMemoLine(line))
            continue;
        ++runs;
        // Without a stimulus letter to hold to (a series without stimulus, "-0"), the file's
        // name already says "none" and the earlier format's letters there mean nothing.
        const QString otherStimulus = stimulus.isEmpty() ? QString() : columns(line, runline::kStimulus);
        const QString otherHitDisplay = columns(line, runline::kHitDisplay);
        if (otherStimulus != stimulus || otherHitDisplay != hitDisplay) {
            const QString theirs = conditionsDescription(columns(line, runline::kStimulus), otherHitDisplay);
            return Texts::tr("この実験のデータファイルには、別の条件（%1）で行ったランがあります（ラン%2）。\r\n"
                             "１つの実験のランはすべて同じ条件でなければなりません。")
                .arg(theirs.isEmpty() ? Texts::tr("不明") : theirs)
                .arg(runs);
        }
    }
    if (runs >= kMaxRuns)
        return Texts::tr("この実験はすでに%1ランに達しています（別のVORAが先にランを保存した可能性があります）。\r\n"
                         "１つの実験名では%1ランまでです。")
            .arg(kMaxRuns);
    return QString();
}

QString runAppendRefusal(const ReadResult &current, const QString &runLine, bool noStimulusSeries)
{
    return experimentRefusal(current, noStimulusSeries ? QString() : columns(runLine, runline::kStimulus),
                             columns(runLine, runline::kHitDisplay));
}

FileResult appendRunLine(FileStore &files, const AppPaths &paths, const QString &path, const QString &line,
                         QString *refusal, LockWait wait)
{
    if (line.contains(QLatin1Char('\r')) || line.contains(QLatin1Char('\n')))
        return FileResult::failure(Texts::tr("ランの記録に改行が含まれているため保存できません。"));
    if (FileResult folder = files.ensureFolder(paths.dataFolder()); !folder)
        return folder;
    if (FileResult folder = files.ensureFolder(QFileInfo(path).absolutePath()); !folder)
        return folder;
    return files.appendLineIf(
        path, line,
        [&](const ReadResult &current) {
            const QString why = runAppendRefusal(current, line, path.endsWith(QLatin1String("-0.txt")));
            if (why.isEmpty())
                return FileResult{};
            if (refusal)
                *refusal = why;
            return FileResult::failure(why);
        },
        wait);
}

QString keptRunPath(const QString &dataPath, const QString &stamp, qint64 pid)
{
    const QFileInfo data(dataPath);
    return data.absolutePath() + QLatin1Char('/') + data.completeBaseName() + QLatin1Char('.') + stamp
           + QLatin1Char('-') + QString::number(pid) + QStringLiteral(".recovered");
}

QString keptRunStamp(const Clock &clock)
{
    QString time;
    for (const QString &part : clock.timeText().split(QLatin1Char(':')))
        time += part.trimmed().rightJustified(2, QLatin1Char('0'));
    return QString(clock.dateText()).remove(QLatin1Char('/')) + QLatin1Char('-') + time;
}

KeptRun keepRefusedRun(FileStore &files, const QString &dataPath, const QString &line, const QString &stamp)
{
    KeptRun out;
    // The process id keeps two copies that refuse a run in the same second apart; a number
    // keeps one copy's later runs apart.
    const qint64 pid = QCoreApplication::applicationPid();
    out.path = keptRunPath(dataPath, stamp, pid);
    for (int n = 2; files.exists(out.path) && n < 1000; ++n)
        out.path = keptRunPath(dataPath, stamp + QLatin1Char('-') + QString::number(n), pid);
    out.result = files.ensureFolder(QFileInfo(dataPath).absolutePath());
    if (out.result.ok)
        out.result = files.replaceAll(out.path, {line});
    return out;
}

QString refusedRunMessage(const QString &refusal, const QString &keptPath)
{
    return Texts::tr("このランの結果は実験データのファイルに追加できませんでした。\r\n") + refusal
           + Texts::tr("\r\n\r\n入力した100試行の結果は、次のファイルに残しました。\r\n")
           + QDir::toNativeSeparators(keptPath)
           + Texts::tr("\r\n（このファイルは実験のデータとしては読み込まれません）");
}

FileResult rewriteRunMemo(FileStore &files, const AppPaths &paths, const QString &path, int runNo,
                          const QString &memoText)
{
    const QString stored = runMemoToFileForm(memoText);
    if (FileResult refused = refuseUnencodable(stored); !refused)
        return refused;

    // Worked out from the file as it is under the lock: a run appended meanwhile stays.
    return editDataFile(files, paths, path, [&](const ReadResult &read) {
        if (read.missing)
            return FileEdit::refuse(Texts::tr("データファイル「%1」が見つからないため、メモを保存できませんでした。")
                                        .arg(QDir::toNativeSeparators(path)));
        if (!read.ok)
            return FileEdit::refuse(notReplacedMessage(path, read.message));

        QStringList lines = read.lines;
        int run = 0;
        int target = -1;
        for (int i = 0; i < lines.size(); ++i) {
            if (isConditionMemoLine(lines.at(i)))
                continue;
            if (++run == runNo) {
                target = i;
                break;
            }
        }
        if (target < 0)
            return FileEdit::refuse(
                Texts::tr("ラン%1はデータファイルにないため、メモを保存できませんでした。").arg(runNo));
        if (lines.at(target).size() < kRunColumns)
            return FileEdit::refuse(Texts::tr("ラン%1の記録が%2文字に足りないため、メモを保存できませんでした。")
                                        .arg(runNo)
                                        .arg(kRunColumns));

        // The old memo is replaced; everything else must survive exactly.
        QStringList kept = lines;
        kept[target] = lines.at(target).left(kRunColumns);
        if (FileResult damaged = refuseDamagedKeptLines(path, read, kept); !damaged)
            return FileEdit::refuse(damaged.message);

        lines[target] = lines.at(target).left(kRunColumns) + QLatin1Char(' ') + stored;
        return FileEdit::replaceWith(lines);
    });
}

} // namespace vora
