#include "core/registry/NameList.h"

#include "core/registry/DataFile.h"
#include "core/registry/RewriteGuard.h"
#include "core/toolkit/Cp932.h"

#include <QCoreApplication>
#include <QDir>

namespace vora {

namespace {
// The texts of this file, under the translation context "NameList".
struct Texts {
    Q_DECLARE_TR_FUNCTIONS(NameList)
};
} // namespace

namespace {

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

bool isStimulusCode(const QString &c)
{
    return c == QLatin1String("S") || c == QLatin1String("M") || c == QLatin1String("B") || c == QLatin1String("n");
}

bool isHitDisplayCode(const QString &c)
{
    return c == QLatin1String("D") || c == QLatin1String("-");
}

bool isDigits(const QString &text)
{
    for (const QChar c : text) {
        if (c < QLatin1Char('0') || c > QLatin1Char('9'))
            return false;
    }
    return true;
}

QString excerpt(const QString &text)
{
    constexpr int kShown = 24;
    QString shown = text.size() > kShown ? text.left(kShown) + QStringLiteral("…") : text;
    for (QChar &c : shown) {
        if (c.unicode() < 32)
            c = QLatin1Char(' ');
    }
    return shown;
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

ListLine parseListLine(const QString &line)
{
    ListLine out;
    const QString name = checkedName(line.left(10));
    if (name.isEmpty() || column(line, 11) != QLatin1String("-") || !isStimulusCode(column(line, 12))
        || !isHitDisplayCode(column(line, 13)))
        return out;
    const QString rest = line.mid(13);
    const int comma = rest.indexOf(QLatin1Char(','));
    if (comma < 0) {
        if (!isDigits(rest))
            return out;
    } else {
        out.withoutStimulus = rest.left(comma);
        out.withStimulus = rest.mid(comma + 1);
        if (out.withoutStimulus.isEmpty() || out.withStimulus.isEmpty() || !isDigits(out.withoutStimulus)
            || !isDigits(out.withStimulus))
            return out;
        out.earlierFormat = true;
    }
    out.usable = true;
    out.name = name;
    return out;
}

void itemRemoved(KeptListLines &kept, int index)
{
    for (KeptListLine &k : kept) {
        if (k.itemsBefore > index)
            --k.itemsBefore;
    }
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
        out.unreadable = true;
        return out;
    }

    const QList<QByteArray> stored = splitStoredLines(read.bytes);
    QStringList errors;
    for (int i = 0; i < read.lines.size(); ++i) {
        const QString &line = read.lines.at(i);
        const ListLine parsed = parseListLine(line);
        if (!parsed.usable) {
            out.kept.append(KeptListLine{int(out.items.size()), stored.value(i)});
            if (!line.trimmed().isEmpty())
                out.unusable.append(UnusableListLine{i + 1, line});
            continue;
        }
        if (!parsed.earlierFormat) {
            out.items.append(line);
            continue;
        }
        // Earlier format: "a,b" run counts of the series without and with stimulus.
        if (parsed.withoutStimulus != QLatin1String("0")) {
            out.items.append(line.left(10) + QStringLiteral("-n-") + parsed.withoutStimulus);
            const QString error = convertNoStimulusSeries(files, paths, parsed.name);
            if (!error.isEmpty())
                errors.append(error);
        }
        out.items.append(line.left(12) + QLatin1Char('-') + parsed.withStimulus);
    }
    out.error = errors.join(CRLF);
    return out;
}

FileResult writeNameListFile(FileStore &files, const AppPaths &paths, int box, const QStringList &items,
                             const KeptListLines &kept)
{
    QByteArray bytes;
    auto addKept = [&](int itemsBefore, bool andLater) {
        for (const KeptListLine &k : kept) {
            if (k.itemsBefore == itemsBefore || (andLater && k.itemsBefore > itemsBefore))
                bytes += k.bytes + kCrLfBytes;
        }
    };
    for (int i = 0; i < items.size(); ++i) {
        addKept(i, false);
        const cp932::Encoded enc = cp932::encode(items.at(i) + CRLF);
        if (!enc.ok)
            return FileResult::failure(FileError::Unencodable, paths.file(nameListFileName(box)), 0, enc.badCharacter);
        bytes += enc.bytes;
    }
    addKept(int(items.size()), true);
    return files.replaceBytes(paths.file(nameListFileName(box)), bytes);
}

QString unusableLinesMessage(int box, const QVector<UnusableListLine> &lines)
{
    if (lines.isEmpty())
        return QString();
    QString text = Texts::tr("実験名の一覧（%1）の次の行は実験名として使えないため、一覧に表示しません。\r\n"
                             "これらの行はファイルにそのまま残します。")
                       .arg(nameListFileName(box));
    // A message box taller than the screen could not be closed: the first lines tell where to look.
    constexpr int kListed = 10;
    for (int i = 0; i < lines.size() && i < kListed; ++i)
        text += Texts::tr("\r\n%1行目：「%2」").arg(lines.at(i).fileLine).arg(excerpt(lines.at(i).text));
    if (lines.size() > kListed)
        text += Texts::tr("\r\nほか%1行").arg(lines.size() - kListed);
    return text;
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
    return padName(s.name).leftJustified(11, QLatin1Char(' '))
           + s.stimulusCode.left(1).leftJustified(1, QLatin1Char(' '))
           + s.hitDisplayCode.left(1).leftJustified(1, QLatin1Char(' '));
}

SelectionRead readSelectionFile(const FileStore &files, const AppPaths &paths)
{
    SelectionRead out;
    out.boxes.resize(kBoxes);
    const ReadResult read = files.readLines(paths.file(selectionFileName()));
    if (!read.ok) {
        out.error = read.message;
        return out;
    }
    out.opened = true;
    if (read.damaged)
        out.error = Texts::tr("ファイル「%1」にCP932として読めないバイトがあります。").arg(selectionFileName());
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

BoxSelection registeredSelection(const QStringList &items, const BoxSelection &remembered)
{
    if (remembered.name.isEmpty())
        return {};
    BoxSelection first;
    for (const QString &text : items) {
        const NameListItem item = NameListItem::parse(text);
        if (item.name != remembered.name)
            continue;
        const BoxSelection listed{item.name, item.stimulusCode, item.hitDisplayCode};
        if (listed.stimulusCode == remembered.stimulusCode && listed.hitDisplayCode == remembered.hitDisplayCode)
            return listed;
        if (first.name.isEmpty())
            first = listed;
    }
    return first;
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
    return padName(firstRunName(dateText)) + QStringLiteral("-") + QStringLiteral("S") + QStringLiteral("D")
           + QStringLiteral("0");
}

FileResult addFirstRunLine(FileStore &files, const AppPaths &paths, const QString &dateText)
{
    const QString path = paths.file(nameListFileName(1));
    const QString line = firstRunLine(dateText);
    const ReadResult read = files.readLines(path);
    if (read.missing)
        return files.replaceAll(path, {line});
    if (!read.ok)
        return FileResult::failure(read.message);
    const NameListItem added = NameListItem::parse(line);
    for (const QString &existing : read.lines) {
        if (parseListLine(existing).usable
            && NameListItem::parse(existing).textWithoutRuns() == added.textWithoutRuns())
            return {};
    }
    return files.appendLine(path, line);
}

} // namespace vora
