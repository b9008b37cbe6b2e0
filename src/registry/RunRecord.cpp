#include "registry/RunRecord.h"

#include "registry/DataFile.h"
#include "registry/RewriteGuard.h"

#include <QDir>
#include <QFileInfo>

namespace vora {

namespace {

constexpr int kRecordWidth = 261;

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
    QString line;
    line.reserve(kRecordWidth + 1 + memo.size());
    line += fitted(experimentName, 10);
    line += fitted(date, 10);
    line += QLatin1Char(' ');
    line += fitted(startTime, 5);
    line += oneCharacter(stimulusCode);
    line += rightAligned(hits, 2); // 100 becomes "00"; the readers know it from the blocks
    line += oneCharacter(hitDisplayCode);
    line += rightAligned(segmentHits[0], 2);
    for (int k = 1; k < 5; ++k)
        line += rightAligned(segmentHits[k], 3);
    for (int k = 0; k < 5; ++k)
        line += rightAligned(stimulusTrials[k], 3);
    line += QLatin1Char(' ');
    line += fitted(targets, 100);
    line += QLatin1Char(' ');
    line += fitted(inputs, 100);
    if (hasMemo) {
        line += QLatin1Char(' ');
        line += memo;
    }
    return line;
}

RunRecord RunRecord::fromLine(const QString &line)
{
    RunRecord r;
    QString name = columns(line, 1, 10);
    while (name.endsWith(QLatin1Char(' ')))
        name.chop(1);
    r.experimentName = name;
    r.date = columns(line, 11, 20);
    r.startTime = columns(line, 22, 26);
    r.stimulusCode = columns(line, 27, 27);
    r.hits = storedTotal(line);
    r.hitDisplayCode = columns(line, 30, 30);
    r.segmentHits[0] = lenientNumber(columns(line, 31, 32));
    for (int k = 1; k < 5; ++k)
        r.segmentHits[k] = lenientNumber(columns(line, 33 + 3 * (k - 1), 35 + 3 * (k - 1)));
    for (int k = 0; k < 5; ++k)
        r.stimulusTrials[k] = lenientNumber(columns(line, 45 + 3 * k, 47 + 3 * k));
    r.targets = columns(line, 61, 160);
    r.inputs = columns(line, 162, 261);
    r.hasMemo = line.size() > kRecordWidth;
    r.memo = line.mid(kRecordWidth + 1);
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
    out.replace(QStringLiteral("<BR>"), QStringLiteral("\r\n"));
    return out;
}

FileResult appendRunLine(FileStore &files, const AppPaths &paths, const QString &path, const QString &line)
{
    if (line.contains(QLatin1Char('\r')) || line.contains(QLatin1Char('\n')))
        return FileResult::failure(QStringLiteral("ランの記録に改行が含まれているため保存できません。"));
    if (FileResult folder = files.ensureFolder(paths.dataFolder()); !folder)
        return folder;
    if (FileResult folder = files.ensureFolder(QFileInfo(path).absolutePath()); !folder)
        return folder;
    return files.appendLine(path, line);
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
            return FileEdit::refuse(QStringLiteral("データファイル「%1」が見つからないため、メモを保存できませんでした。")
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
            return FileEdit::refuse(QStringLiteral("ラン%1はデータファイルにないため、メモを保存できませんでした。").arg(runNo));
        if (lines.at(target).size() < kRecordWidth)
            return FileEdit::refuse(
                QStringLiteral("ラン%1の記録が%2文字に足りないため、メモを保存できませんでした。").arg(runNo).arg(kRecordWidth));

        // The old memo is replaced; everything else must survive exactly.
        QStringList kept = lines;
        kept[target] = lines.at(target).left(kRecordWidth);
        if (FileResult damaged = refuseDamagedKeptLines(path, read, kept); !damaged)
            return FileEdit::refuse(damaged.message);

        lines[target] = lines.at(target).left(kRecordWidth) + QLatin1Char(' ') + stored;
        return FileEdit::replaceWith(lines);
    });
}

} // namespace vora
