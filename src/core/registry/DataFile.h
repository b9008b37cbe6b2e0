#pragma once
// The experiment data file: an optional condition memo line and one 261-column line per run.
// Contract shared by the main window, the experiment window, the results and vora-data.
#include "core/registry/RecordFormat.h"
#include "core/toolkit/AppPaths.h"
#include "core/toolkit/FileStore.h"

#include <QString>
#include <QStringList>

namespace vora {

// "Yama090425" + "1" -> "Yama090425-1.txt" (suffix "0" without stimulus, "1" otherwise).
QString dataFileName(const QString &experimentName, const QString &suffix);
// Full path in the program's data folder.
QString dataFilePath(const AppPaths &paths, const QString &experimentName, const QString &suffix);

// A line that begins with conditionMemoPrefix().
bool isConditionMemoLine(const QString &line);
// Chr(1) Chr(1) <-> CR LF
QString memoFromFileForm(const QString &stored);
QString memoToFileForm(const QString &shown);

// Lenient number of a fixed-column field: blanks ignored, the digits up to the first other
// character form the value, no digits reads as 0. ("  7" -> 7, " 1x" -> 1, "   " -> 0)
int lenientNumber(const QString &field);

// Where bytes that are not valid CP932 stood, the decoded text holds this character.
QChar undecodableMark();

// The consistency check of one run line (columns 1-261; a run memo is not examined).
// Bytes that are not valid CP932 in columns 1-261 make the line damaged; in the run memo
// (and in the condition memo line) they are accepted and show as undecodableMark(), since
// every figure of the file is still what was stored. So do control characters (NUL and the
// like), and a line shorter than 261 columns. Then the three count checks follow; a line that
// fails them is named for what it is (no run record at all, one running on past column 261,
// or the count that disagrees).
// A total of "00" whose five block counts add up to 100 is read as 100 matches.
struct RunLineCheck {
    bool ok = true;
    QString reason; // plain Japanese words: which count disagrees
};
RunLineCheck checkRunLine(const QString &line);
// The stored total of a run line: columns 28-29, with "00" read as 100 where the blocks say so.
int storedTotal(const QString &line);

// Everything the selection load takes from a data file.
struct DataFileContents {
    bool readOk = true; // false only when an existing file could not be read
    FileResult read; // the read itself: why it failed (`message` for the user), when !readOk or missing
    bool missing = false; // no file: reads as an empty one
    bool hasMemoLine = false;
    QString conditionMemo; // the last memo line's text, with CR LF line breaks
    QStringList runLines; // every non-memo line, in file order
    QString lastStimulusCode; // column 27 of the last run line
    QString lastHitDisplayCode; // column 30 of the last run line
    QString lastDate; // columns 11-20 of the last run line, "-" when there is none
    // The check stops at the first bad run line: 0 when every run line passed. A run after
    // the kMaxRuns-th is a bad line too.
    int firstBadFileLine = 0; // 1-based line number in the file
    int firstBadRun = 0; // 1-based run number
    QString badReason;
    bool passed() const { return readOk && firstBadFileLine == 0; }
    int runCount() const { return runLines.size(); }
};
DataFileContents loadDataFile(const FileStore &files, const QString &path);
// The same over lines already read (a file that could be read).
DataFileContents dataFileFromLines(const QStringList &lines);

// Run count of a name (name boxes): lines that are not memo lines, and columns 11-20 of the
// last one as the date ("-" when there is none or no file).
struct RunCountInfo {
    int runs = 0;
    QString lastDate = QStringLiteral("-");
};
RunCountInfo countRuns(const FileStore &files, const QString &path);

// Memo save of the main window: the memo line first (CR LF -> Chr(1) Chr(1)), then every
// run line in order; other memo lines are dropped. Goes through the work file data/work.txt
// and an atomic rename. A data file that exists but cannot be read is never replaced.
// Text the code page cannot hold is refused; nothing is written.
FileResult saveConditionMemo(FileStore &files, const AppPaths &paths, const QString &path, const QString &memoText);

} // namespace vora
