#pragma once
// Name boxes: list items "Name      -SD3" and their list files Combo1.txt .. Combo5.txt,
// and the selection file Jikkenmei.txt.
#include "toolkit/AppPaths.h"
#include "toolkit/FileStore.h"

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
    QString name;            // without padding
    QString stimulusCode;    // column 12
    QString hitDisplayCode;  // column 13
    QString runs;            // column 14 on (digits of the last drop-down), may be empty

    QString text() const;    // padded name + "-" + codes + runs
    QString textWithoutRuns() const; // first 13 characters
    static NameListItem parse(const QString &line);
    QString fileSuffix() const { return stimulusCode == QLatin1String("n") ? QStringLiteral("0") : QStringLiteral("1"); }
};

QString nameListFileName(int box); // "Combo1.txt" .. "Combo5.txt"

// Reading a list file: at most 100 items; lines of the earlier format ("a,b" counts after
// column 13) are converted, and the no-stimulus series' data file gets "n" in column 27
// of every run line (through data/work.txt). Lines whose name breaks the registration rule
// are skipped so that no crafted name can reach outside the data folder.
struct NameListRead {
    QStringList items;       // item texts in list order
    bool missing = false;
    QString error;           // unreadable file or a failed conversion (for the user)
};
NameListRead readNameListFile(FileStore &files, const AppPaths &paths, int box);
FileResult writeNameListFile(FileStore &files, const AppPaths &paths, int box, const QStringList &items);

// Selection file: one line per box ("" for a box without a selection), name padded to 11,
// then the stimulus code and the hit display code.
struct BoxSelection {
    QString name;            // empty: no selection
    QString stimulusCode;
    QString hitDisplayCode;
};
QString selectionFileName(); // "Jikkenmei.txt"
QString selectionLine(const BoxSelection &s);
struct SelectionRead {
    bool opened = false;     // false: the file does not exist or cannot be read
    QVector<BoxSelection> boxes; // always 5 entries; invalid names come back empty
};
SelectionRead readSelectionFile(const FileStore &files, const AppPaths &paths);
FileResult writeSelectionFile(FileStore &files, const AppPaths &paths, const QVector<BoxSelection> &boxes);

// First run: "Dt" + yymmdd from a "yyyy/MM/dd" date ("2010/09/22" -> "Dt100922"), and the
// line written to both Jikkenmei.txt and Combo1.txt: name + "  -" + "S" + "D" + "0".
QString firstRunName(const QString &dateText);
QString firstRunLine(const QString &dateText);

} // namespace vora
