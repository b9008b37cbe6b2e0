#include "registry/NameList.h"

#include "registry/DataFile.h"
#include "registry/RewriteGuard.h"

#include <QDir>

namespace vora {

namespace {

constexpr int kMaxListItems = 100;
constexpr int kBoxes = 5;

bool isNameCharacter(QChar c)
{
    const ushort u = c.unicode();
    return (u >= '0' && u <= '9') || (u >= 'A' && u <= 'Z') || (u >= 'a' && u <= 'z') || u == '_' || u == '-';
}

QString cutBeforeFirstSpace(const QString &text)
{
    const int space = text.indexOf(QLatin1Char(' '));
    return space < 0 ? text : text.left(space);
}

// The name that a list or selection line gives: the text before the first space, provided
// the ten name columns hold nothing else but padding. Empty when the line names no valid
// experiment, so that nothing read from a file can name a path outside the data folder.
QString checkedName(const QString &line)
{
    const QString name = cutBeforeFirstSpace(line);
    if (!isValidExperimentName(name))
        return QString();
    if (columns(line, name.size() + 1, 10).trimmed().size() > 0)
        return QString();
    return name;
}

QString column(const QString &line, int col)
{
    return columns(line, col, col);
}

// The series without stimulus gets "n" in column 27 of every run line, as the earlier
// list format kept both series under one name. Missing file: nothing to convert.
QString convertNoStimulusSeries(FileStore &files, const AppPaths &paths, const QString &name)
{
    const QString path = dataFilePath(paths, name, QStringLiteral("0"));
    if (!files.exists(path))
        return QString();
    const FileResult wrote = editDataFile(files, paths, path, [&](const ReadResult &read) {
        if (read.missing)
            return FileEdit::keep();
        if (!read.ok)
            return FileEdit::refuse(notReplacedMessage(path, read.message));
        QStringList lines = read.lines;
        bool changed = false;
        for (QString &line : lines) {
            if (isConditionMemoLine(line) || line.size() < 27)
                continue; // a line too short to hold the code stays as it is
            if (line.at(26) != QLatin1Char('n')) {
                line[26] = QLatin1Char('n');
                changed = true;
            }
        }
        // Until the list file is rewritten the old line comes back at every start; an already
        // converted file is left untouched then.
        if (!changed)
            return FileEdit::keep();
        if (FileResult damaged = refuseDamagedKeptLines(path, read, lines); !damaged)
            return FileEdit::refuse(damaged.message);
        return FileEdit::replaceWith(lines);
    });
    return wrote ? QString() : wrote.message;
}

} // namespace

NameProblem checkExperimentName(const QString &name)
{
    if (name.isEmpty())
        return NameProblem::Empty;
    if (name.size() > 10)
        return NameProblem::TooLong;
    for (const QChar c : name) {
        if (!isNameCharacter(c))
            return NameProblem::BadCharacter;
    }
    return NameProblem::None;
}

bool isValidExperimentName(const QString &name)
{
    return checkExperimentName(name) == NameProblem::None;
}

QString padName(const QString &name)
{
    return name.leftJustified(10, QLatin1Char(' '), true);
}

QString NameListItem::text() const
{
    return padName(name) + QLatin1Char('-') + stimulusCode + hitDisplayCode + runs;
}

QString NameListItem::textWithoutRuns() const
{
    return text().left(13);
}

NameListItem NameListItem::parse(const QString &line)
{
    NameListItem item;
    item.name = cutBeforeFirstSpace(line.left(10));
    item.stimulusCode = column(line, 12);
    item.hitDisplayCode = column(line, 13);
    item.runs = line.mid(13);
    return item;
}

QString nameListFileName(int box)
{
    return QStringLiteral("Combo%1.txt").arg(box);
}

NameListRead readNameListFile(FileStore &files, const AppPaths &paths, int box)
{
    NameListRead out;
    const QString path = paths.file(nameListFileName(box));
    const ReadResult read = files.readLines(path);
    if (read.missing) {
        out.missing = true;
        return out;
    }
    if (!read.ok) {
        out.error = read.message;
        return out;
    }

    QStringList errors;
    for (const QString &line : read.lines) {
        if (out.items.size() >= kMaxListItems)
            break;
        const QString name = checkedName(line.left(10));
        if (name.isEmpty())
            continue; // a crafted or broken line must not name a file

        const QString rest = line.mid(13);
        const int comma = rest.indexOf(QLatin1Char(','));
        if (comma < 0) {
            out.items.append(line);
            continue;
        }
        // Earlier format: "a,b" run counts of the series without and with stimulus.
        const QString withoutStimulus = rest.left(comma);
        const QString withStimulus = rest.mid(comma + 1);
        if (withoutStimulus != QLatin1String("0")) {
            out.items.append(line.left(10) + QStringLiteral("-n-") + withoutStimulus);
            const QString error = convertNoStimulusSeries(files, paths, name);
            if (!error.isEmpty())
                errors.append(error);
        }
        out.items.append(line.left(12) + QLatin1Char('-') + withStimulus);
    }
    while (out.items.size() > kMaxListItems)
        out.items.removeLast();
    out.error = errors.join(QStringLiteral("\r\n"));
    return out;
}

FileResult writeNameListFile(FileStore &files, const AppPaths &paths, int box, const QStringList &items)
{
    return files.replaceAll(paths.file(nameListFileName(box)), items);
}

QString selectionFileName()
{
    return QStringLiteral("Jikkenmei.txt");
}

QString selectionLine(const BoxSelection &s)
{
    // A name that would not read back as the same name is not written at all.
    if (!isValidExperimentName(s.name))
        return QString();
    return padName(s.name).leftJustified(11, QLatin1Char(' ')) + s.stimulusCode.left(1).leftJustified(1, QLatin1Char(' '))
        + s.hitDisplayCode.left(1).leftJustified(1, QLatin1Char(' '));
}

SelectionRead readSelectionFile(const FileStore &files, const AppPaths &paths)
{
    SelectionRead out;
    out.boxes.resize(kBoxes);
    const ReadResult read = files.readLines(paths.file(selectionFileName()));
    if (!read.ok)
        return out;
    out.opened = true;
    for (int i = 0; i < kBoxes; ++i) {
        const QString line = read.lines.value(i);
        const QString name = checkedName(line);
        if (name.isEmpty())
            continue;
        out.boxes[i].name = name;
        out.boxes[i].stimulusCode = column(line, 12);
        out.boxes[i].hitDisplayCode = column(line, 13);
    }
    return out;
}

FileResult writeSelectionFile(FileStore &files, const AppPaths &paths, const QVector<BoxSelection> &boxes)
{
    // One line for every box, empty ones included, so that each line stays with its box.
    QStringList lines;
    for (int i = 0; i < kBoxes; ++i)
        lines.append(selectionLine(boxes.value(i)));
    return files.replaceAll(paths.file(selectionFileName()), lines);
}

QString firstRunName(const QString &dateText)
{
    const QString raw = QStringLiteral("Dt") + dateText.mid(2, 2) + dateText.mid(5, 2) + dateText.mid(8, 2);
    // The name ends up in a file name: an odd date text must not bring in other characters.
    QString name;
    for (const QChar c : raw) {
        if (isNameCharacter(c))
            name += c;
    }
    return name.left(10);
}

QString firstRunLine(const QString &dateText)
{
    // Padding to ten columns equals the two spaces of the usual eight-character name and keeps
    // the codes in columns 12 and 13 for any other length.
    return padName(firstRunName(dateText)) + QStringLiteral("-") + QStringLiteral("S") + QStringLiteral("D") + QStringLiteral("0");
}

} // namespace vora
