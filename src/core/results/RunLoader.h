#pragma once
// Reads an experiment's data file for the results view: every run up to the one shown,
// with the totals, dates, memos and the values of the last run read.
#include "core/registry/RunRecord.h"
#include "core/toolkit/FileStore.h"

#include <QString>
#include <QVector>
#include <array>

namespace vora {

// One run line as the results view uses it.
struct LoadedRun {
    int number = 0; // 1-based run number (memo lines not counted)
    int fileLine = 0; // 1-based line number in the file
    QString date; // columns 11-20
    QString dateTime; // columns 11-26: date, space, start time (RunDateTimes)
    QString memo; // column 263 on, "<BR>" line breaks as stored (RunMemos)
    QString stimulusCode; // column 27
    QString hitDisplayCode; // column 30
    int hits = 0; // columns 28-29 ("00" over blocks adding to 100 reads as 100)
    std::array<int, kBlocksPerRun> segmentHits{};
    std::array<int, kBlocksPerRun> stimulusTrials{};
    int targetOnes = 0;
    int inputOnes = 0;
    QString targets; // columns 61-160
    QString inputs; // columns 162-261

    int stimulusTrial() const { return stimulusTrials[0]; }
    bool hasMemo() const { return !memo.isEmpty(); }
    // Whether trial t (1..100) was a match; a digit missing from a short line is no match.
    bool isMatch(int trial) const;
};

// Everything RunLoader leaves in the window's accumulators.
struct RunSet {
    bool readOk = true; // false when an existing file could not be read
    bool missing = false; // no file: read as an empty one
    FileResult read; // why an existing file could not be read, when !readOk

    int runsRead = 0; // R: run lines read (up to the browsed run)
    int runCount = 0; // largest runsRead seen, including earlier loads
    int tr1Total = 0;
    int in1Total = 0;
    int av1Total = 0; // 50 per run read
    int hitTotal = 0;
    std::array<int, kBlocksPerRun> segmentTotal{};
    QString firstRunDate;
    QString lastRunDate;
    QVector<LoadedRun> runs; // runs 1..runsRead, in file order; never capped at 100

    // The condition memo line, when one was met before the reading stopped.
    bool hasConditionMemo = false;
    QString conditionMemo; // as stored, Chr(1) Chr(1) line breaks
    // Columns 27 and 30 of the last run read (empty when no run was read).
    QString stimulusCode;
    QString hitDisplayCode;

    bool hasRuns() const { return runsRead > 0; }
    // The run whose values the single-run display judges: the last run read.
    const LoadedRun *lastRun() const { return runs.isEmpty() ? nullptr : &runs.last(); }
    // Run n (1-based) or nullptr.
    const LoadedRun *run(int n) const { return n >= 1 && n <= runs.size() ? &runs[n - 1] : nullptr; }
    // HitTotal / R; 0 when no run was read.
    double meanHits() const { return runsRead > 0 ? double(hitTotal) / runsRead : 0.0; }
    // SegmentTotal(i) / R; zeros when no run was read.
    std::array<double, kBlocksPerRun> meanSegments() const;
};

// Reads `path` in file order. With `browsedRun` > 0 the reading stops after that run, so
// the totals cover runs 1..browsedRun; memo lines anywhere are skipped and do not shift
// the run numbers. `previousRunCount` is the RunCount of earlier loads (it only rises).
RunSet loadRuns(const FileStore &files, const QString &path, int browsedRun, int previousRunCount = 0);
// The same from lines already in memory.
RunSet loadRunsFromLines(const QStringList &lines, int browsedRun, int previousRunCount = 0);

} // namespace vora
