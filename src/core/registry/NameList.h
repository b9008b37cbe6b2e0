#pragma once
// Name boxes: list items "Name      -SD3" and their list files Combo1.txt .. Combo5.txt,
// and the selection file Jikkenmei.txt.
#include "core/toolkit/AppPaths.h"
#include "core/toolkit/FileStore.h"

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <QVector>

namespace vora {

// The registration rule: 1 to 10 of 0-9 A-Z a-z "_" "-".
bool isValidExperimentName(const QString &name);
// Where the rule fails: 0 ok, 1 empty, 2 too long (more than 10), 3 a bad character.
enum class NameProblem { None, Empty, TooLong, BadCharacter };
NameProblem checkExperimentName(const QString &name);
// The name padded with spaces (or cut) to 10 columns.
QString padName(const QString &name);

struct NameListItem {
    QString name; // without padding
    QString stimulusCode; // column 12
    QString hitDisplayCode; // column 13
    QString runs; // column 14 on (digits of the last drop-down), may be empty

    QString text() const; // padded name + "-" + codes + runs
    QString textWithoutRuns() const; // first 13 characters
    static NameListItem parse(const QString &line);
    QString fileSuffix() const
    {
        return stimulusCode == QLatin1String("n") ? QStringLiteral("0") : QStringLiteral("1");
    }
};

QString nameListFileName(int box); // "Combo1.txt" .. "Combo5.txt"

// Whether a list line is one the program can use, and what it gives: a valid name padded in
// columns 1-10, "-", a stimulus code (S M B n), a hit display code (D -), then nothing, a run
// count, or the earlier format's two counts "a,b". Anything else gives no item, so that no
// line is turned into another name (a line "GOOD5" would become "GOOD50" at the drop-down).
struct ListLine {
    bool usable = false;
    QString name; // the checked name when usable
    bool earlierFormat = false;
    QString withoutStimulus; // earlier format: count a (series without stimulus)
    QString withStimulus; // earlier format: count b
};
ListLine parseListLine(const QString &line);

// A line of a list file the program cannot use. It stays in the file byte for byte on every
// rewrite, at its place among the items.
struct KeptListLine {
    int itemsBefore = 0; // items of the list before it
    QByteArray bytes; // the line as stored, without its line break
};
using KeptListLines = QVector<KeptListLine>;
// Keeps each kept line at its place among the other items when item `index` is removed.
void itemRemoved(KeptListLines &kept, int index);

// Reading a list file: every usable line gives its item, whatever the length of the list;
// lines of the earlier format ("a,b" counts after column 13) are converted, and the
// no-stimulus series' data file gets "n" in column 27 of every run line (through
// data/work.txt). Unusable lines (a name that breaks the registration rule, so that no
// crafted name can reach outside the data folder, or codes that are missing or wrong) give
// no item; they are kept for the rewrites and listed for the user.
struct UnusableListLine {
    int fileLine = 0; // 1-based
    QString text; // as decoded, for the message
};
struct NameListRead {
    QStringList items; // item texts in list order
    KeptListLines kept;
    QVector<UnusableListLine> unusable; // non-blank kept lines, for the report
    bool missing = false;
    // The file is there but could not be read (too large, no regular file, no permission):
    // it must never be rewritten, or the names in it would be lost.
    bool unreadable = false;
    QString error; // unreadable file or a failed conversion (for the user)
};
NameListRead readNameListFile(FileStore &files, const AppPaths &paths, int box);
// Writes the items in order with the kept lines at their places. Items are ASCII by the name
// rule; an item the code page cannot hold is refused and nothing is written.
FileResult writeNameListFile(FileStore &files, const AppPaths &paths, int box, const QStringList &items,
                             const KeptListLines &kept = {});
// The report shown once at load for the unusable lines of one list file; empty when none.
QString unusableLinesMessage(int box, const QVector<UnusableListLine> &lines);

// Selection file: one line per box ("" for a box without a selection), name padded to 11,
// then the stimulus code and the hit display code.
struct BoxSelection {
    QString name; // empty: no selection
    QString stimulusCode;
    QString hitDisplayCode;
};
QString selectionFileName(); // "Jikkenmei.txt"
QString selectionLine(const BoxSelection &s);
struct SelectionRead {
    bool opened = false; // false: the file does not exist or cannot be read
    QVector<BoxSelection> boxes; // always 5 entries; invalid names come back empty
    // Why the file must not be rewritten: it is there but could not be read, or it holds
    // bytes that are not CP932 (the boxes of such lines come back empty). Empty when none.
    QString error;
};
SelectionRead readSelectionFile(const FileStore &files, const AppPaths &paths);
FileResult writeSelectionFile(FileStore &files, const AppPaths &paths, const QVector<BoxSelection> &boxes);

// The conditions a name in a box's select button was registered with, from the box's list:
// the item with the remembered codes when it is listed, else the first item of that name.
// An empty name or a name not in the list gives no selection (empty name).
BoxSelection registeredSelection(const QStringList &items, const BoxSelection &remembered);

// First run: "Dt" + yymmdd from a "yyyy/MM/dd" date ("2010/09/22" -> "Dt100922"), and the
// line written to both Jikkenmei.txt and Combo1.txt: name + "  -" + "S" + "D" + "0".
QString firstRunName(const QString &dateText);
QString firstRunLine(const QString &dateText);
// Adds the first-run line to the list of box 1: creates the file when it is missing, appends
// the line when the list does not hold that name with those codes; never replaces a line.
FileResult addFirstRunLine(FileStore &files, const AppPaths &paths, const QString &dateText);

} // namespace vora
