#pragma once
// The seal of a data file: a hash chain over its runs, kept in a sidecar text file, so that
// any later edit of a sealed run (even one that keeps the counts consistent) is found.
//
// Sidecar: "NAME-C.seal" beside "NAME-C.txt" (any other name: the name + ".seal"), CP932
// (in fact ASCII) with CR LF. First line "VORA-SEAL 1", then one entry per sealed run:
//
//     RUN RUNHASH CHAINED SEALEDAT
//
// RUN is the run number (memo lines not counted), RUNHASH the SHA-256 of the run's columns
// 1-261 exactly as stored (CP932 bytes), CHAINED = SHA-256(previous CHAINED || RUNHASH) over
// the raw 32-byte values, both written as 64 lower-case hex digits; SEALEDAT is the local time
// of sealing, ISO 8601 with its UTC offset (information only: it is not hashed). The first
// entry's "previous" is the genesis value SHA-256("VORA-SEAL 1 from run N"), N its run number;
// entries follow each other run by run, so the chain fixes the number of every sealed run.
// A file without a seal file is sealed from its first run. Runs before the first entry of a
// chain that starts later (written by an earlier version) stay unsealed until the chain is
// rewritten on request; runs after the last entry are "not sealed" (a crash between the
// append and the seal), and the program seals them when the experiment is next selected.
// Nothing after column 261 (run memos) and no condition memo line is sealed.
#include "core/toolkit/FileResult.h"

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <QVector>

namespace vora::study {

QString sealPathFor(const QString &dataPath);

// One run of the data file as the seal sees it.
struct StoredRun {
    int run = 0; // 1-based, memo lines not counted
    int fileLine = 0; // 1-based file line, memo lines counted (as the check counts)
    QByteArray sealed; // the bytes of columns 1-261
    QByteArray hash; // SHA-256 of `sealed`, raw
};

struct DataRuns {
    bool ok = false;
    FileResult read; // why the file could not be read, when !ok
    QVector<StoredRun> runs;
    int fileLines = 0;
};
DataRuns readDataRuns(const QString &dataPath);

struct SealEntry {
    int run = 0;
    QByteArray runHash; // raw 32 bytes
    QByteArray chained; // raw 32 bytes
    QString sealedAt;
    int sealLine = 0; // 1-based line in the seal file
};

struct SealFile {
    bool ok = false; // read (a missing file is ok with no entries)
    bool missing = false;
    FileResult read; // why the file could not be read, when !ok
    QVector<SealEntry> entries; // the entries before the first malformed line
    QStringList goodLines; // header and those entries, as stored
    int malformedLine = 0; // first line that is not a valid entry, 0 when none
    // The last line lacks its line end and does not parse: a write cut short. Its run is
    // simply not sealed, and the next seal writes the file anew without it.
    bool cutShortTail = false;
};
SealFile readSealFile(const QString &sealPath);

QByteArray runHash(const QByteArray &sealedBytes);
QByteArray genesis(int firstRun);
QByteArray chainNext(const QByteArray &previous, const QByteArray &runHash);
QString entryLine(const SealEntry &entry);
QString headerLine();

enum class FindingKind {
    Changed, // a sealed run's columns differ from what was sealed
    Inserted, // a run that was not there when the runs around it were sealed
    Removed, // a sealed run is missing
    Reordered, // a sealed run stands at another place
    SealBroken, // the seal file itself is malformed or its chain does not add up
    ChainBroken, // the run numbers of the seal jump: runs were removed or reordered with their entries
    NotSealed, // after the last sealed run: not (yet) sealed; no tampering by itself
};

struct Finding {
    FindingKind kind = FindingKind::Changed;
    int fileLine = 0; // data file line (for SealBroken: seal file line)
    int run = 0; // data run at that line (0 when none, e.g. removed at the end)
    int sealedRun = 0; // the run number the seal gave it (Changed, Removed, Reordered;
                       // ChainBroken: the first run number missing from the chain)
    bool tampering() const { return kind != FindingKind::NotSealed; }
};

struct Verification {
    bool readOk = false;
    QString error; // vora-data's cause, in the program's language, when !readOk
    bool sealUnreadable = false; // !readOk because the seal file (not the data file) failed
    FileResult readFailure; // the data or seal file's failed read, when !readOk
    QString dataPath, sealPath;
    int runs = 0;
    int firstSealedRun = 0; // 0 when nothing is sealed
    QVector<SealEntry> entries;
    QVector<Finding> findings; // data file findings by line, then seal file findings
    bool cutShortTail = false;

    bool intact() const; // readable and no tampering found
    int sealedRuns() const { return entries.size(); }
    int notSealedRuns() const;
    const Finding *firstTampering() const;
    // The last entry's chained hash in hex; empty when nothing is sealed.
    QString headHex() const;
    // The entry whose chained hash is `hex` (any case); nullptr when there is none.
    const SealEntry *entryWithChained(const QString &hex) const;
    // The chained hash of `run` in hex, only when the chain verifies; empty otherwise.
    QString chainedHexOfRun(int run) const;
};
// Reads the data file and its seal file and compares them; `data` and `seal` receive what
// was read, for a writer that goes on to extend the chain.
Verification verifyDataFile(const QString &dataPath, DataRuns *data = nullptr, SealFile *seal = nullptr);
// Columns 1-261 of a stored line (CP932 bytes; a lead byte and its trail byte are one column).
QByteArray sealedColumns(const QByteArray &line);

// vora-data's reason, in the program's language ("run 2 changed since it was sealed ...").
QString findingText(const Finding &finding);
// The program's message at selection when the seal is broken, naming the first affected run;
// empty when the file verifies (unsealed runs alone are not reported). An unreadable seal
// file is reported too: the seal cannot be checked.
QString brokenSealMessage(const QString &dataPath);
QString brokenSealMessage(const Verification &verification);

} // namespace vora::study
