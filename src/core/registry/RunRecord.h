#pragma once
// One run as stored: the 261-column line, optionally followed by a space and a run memo.
#include "core/registry/DataFile.h"
#include "core/toolkit/AppPaths.h"
#include "core/toolkit/Clock.h"
#include "core/toolkit/FileStore.h"

#include <QString>
#include <array>

namespace vora {

struct RunRecord {
    QString experimentName; // cut or padded to 10 columns
    QString date; // "yyyy/MM/dd"
    QString startTime; // 5 characters: "14:30" or " 9:05"
    QString stimulusCode; // "B", "M", "S", "n"
    int hits = 0; // 0..100; 100 is stored as "00"
    QString hitDisplayCode; // "D" or "-"
    std::array<int, kBlocksPerRun> segmentHits{}; // trials 1-20, 21-40, 41-60, 61-80, 81-100
    std::array<int, kBlocksPerRun> stimulusTrials{}; // first trial of the stimulus episode, then zeros
    QString targets; // 100 characters "1"/"0"
    QString inputs; // 100 characters "1"/"0"
    bool hasMemo = false; // a space stands at column 262
    QString memo; // as stored (line breaks as "<BR>")

    // Exactly 261 characters (plus " " + memo when hasMemo).
    QString toLine() const;
    // Reads a run line leniently (the loader's view); never fails.
    static RunRecord fromLine(const QString &line);
    int targetOnes() const;
    int inputOnes() const;
};

// "  7" style right alignment: the last `width` characters of two spaces + the number.
QString rightAligned(int value, int width);
// Start time for the record from a "H:mm:ss" time text: "14:30:05" -> "14:30", "9:05:12" -> " 9:05".
QString runStartTimeFromTimeText(const QString &timeText);

// Run memo as stored behind column 262: line breaks as "<BR>" (a lone CR or LF counts as a break).
QString runMemoToFileForm(const QString &shown);
// "<BR>" -> CR LF, for showing a stored run memo.
QString runMemoFromFileForm(const QString &stored);

// Why `runLine` may not join the data file as it is now (`current`, read under the file's
// lock); empty when it may. The limits belong to the file, not to the window that opened it:
// at most kMaxRuns runs, and every run under the conditions of the runs before it (stimulus
// letter in column 27, hit display letter in column 30). A file that cannot be read cannot
// be judged, and is refused too.
// In a series without stimulus ("-0") the stimulus letters are not compared: the file's name
// says "none", and runs of the earlier format may carry other letters until they are converted.
QString runAppendRefusal(const ReadResult &current, const QString &runLine, bool noStimulusSeries);
// The same for a run yet to be done under the given letters (the launch asks it too); an
// empty stimulus letter compares only the hit display.
QString experimentRefusal(const ReadResult &current, const QString &stimulusLetter, const QString &hitDisplayLetter);

// Appends one run line to the data file, creating the data folder and the file as needed,
// provided runAppendRefusal() lets it. On failure nothing of the line stays in the file and
// the message says why; when the file's rules refused it, `refusal` gets the reason.
FileResult appendRunLine(FileStore &files, const AppPaths &paths, const QString &path, const QString &line,
                         QString *refusal = nullptr, LockWait wait = LockWait::Wait);

// A run its data file refused, kept in a file of its own beside it: one line in the data
// file's format, under a name no reader takes for an experiment
// ("Yama090425-1.20261209-004700-4242.recovered").
struct KeptRun {
    FileResult result;
    QString path;
};
QString keptRunPath(const QString &dataPath, const QString &stamp, qint64 pid);
// "20261209-094700" from the clock's date and time texts.
QString keptRunStamp(const Clock &clock);
KeptRun keepRefusedRun(FileStore &files, const QString &dataPath, const QString &line, const QString &stamp);
// What the subject is told: why the run is not in the data file, and where it is instead.
QString refusedRunMessage(const QString &refusal, const QString &keptPath);

// Stores `memoText` (CR LF -> "<BR>") behind run `runNo` (1-based, memo lines not counted):
// the first 261 characters, a space, the memo. Every other line stays byte for byte.
// Through data/work.txt and an atomic rename; an unreadable file is never replaced;
// text the code page cannot hold is refused.
FileResult rewriteRunMemo(FileStore &files, const AppPaths &paths, const QString &path, int runNo,
                          const QString &memoText);

} // namespace vora
