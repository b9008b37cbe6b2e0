#pragma once
// The record format of an experiment's data file, in one place: how long a run is, what a run
// line holds in which columns, and the line that carries the condition memo. The run engine
// writes it, the data file's check and the loaders read it, the seal hashes its columns and
// vora-data exports it. The text rules of every file (CP932 and its lead bytes, CR LF) are the
// code page's, in core/toolkit/Cp932.h.
#include "core/toolkit/Cp932.h"

#include <QString>
#include <array>

namespace vora {

// A run is 100 trials, counted in 5 blocks of 20.
constexpr int kTrialsPerRun = 100;
constexpr int kBlocksPerRun = 5;
constexpr int kTrialsPerBlock = kTrialsPerRun / kBlocksPerRun;
// Trials one stimulus episode lasts, from the run's stimulus trial on.
constexpr int kStimulusSpan = 7;
// The most runs one experiment holds: a limit of the file, checked wherever a run is added.
constexpr int kMaxRuns = 100;
// The columns of a run record. All of them are checked and sealed; a run memo follows after a
// space in the column after them.
constexpr int kRunColumns = 261;

namespace runline {

// Columns first..last (1-based, inclusive) of a run line.
struct Field {
    int first;
    int last;
    constexpr int width() const { return last - first + 1; }
};

constexpr Field kName{1, 10}; // cut or padded with spaces
constexpr Field kDate{11, 20}; // "yyyy/MM/dd"
constexpr Field kStartTime{22, 26}; // "14:30", " 9:05"
constexpr Field kDateTime{11, 26}; // the date, a space and the start time
constexpr Field kStimulus{27, 27}; // "n", "S", "M", "B"
constexpr Field kTotal{28, 29}; // hits; 100 is stored as "00"
constexpr Field kHitDisplay{30, 30}; // "D" or "-"
constexpr std::array<Field, kBlocksPerRun> kBlockHits{{{31, 32}, {33, 35}, {36, 38}, {39, 41}, {42, 44}}};
// The first trial of the stimulus episode, then zeros.
constexpr std::array<Field, kBlocksPerRun> kStimulusTrials{{{45, 47}, {48, 50}, {51, 53}, {54, 56}, {57, 59}}};
constexpr Field kTargets{61, 160}; // "1"/"0" per trial
constexpr Field kInputs{162, 261}; // "1"/"0" per trial
// The columns between fields that hold a space in every run line.
constexpr std::array<int, 3> kSpaceColumns{21, 60, 161};
// A run memo's first column, after the space that follows the record.
constexpr int kMemoFirst = kRunColumns + 2;

static_assert(kInputs.last == kRunColumns, "the inputs end the record");
static_assert(kTargets.width() == kTrialsPerRun && kInputs.width() == kTrialsPerRun, "one column per trial");

} // namespace runline

// A line that begins with this holds the condition memo instead of a run.
inline QString conditionMemoPrefix()
{
    return QStringLiteral("実験条件=");
}

// Characters first..last (1-based, inclusive) of a line; missing characters are absent.
inline QString columns(const QString &line, int first, int last)
{
    if (first < 1)
        first = 1;
    if (last < first || first > line.size())
        return QString();
    return line.mid(first - 1, last - first + 1);
}

inline QString columns(const QString &line, runline::Field field)
{
    return columns(line, field.first, field.last);
}

} // namespace vora
