#pragma once
// Reading the files that summary --pooled, report and push take: every file checked first,
// every unfit one named on stderr, and nothing used unless all are fit. A file named twice
// counts once, and runs stored identically in two places are named: both would count the same
// trials twice.
#include "core/report/Study.h"

#include <QHash>
#include <QStringList>
#include <QVector>

namespace voradata {

// What a command does with each file, as its warnings say.
enum class FileUse { Counted, Sent };

// `paths` without the names of a file named before (also as ./a and a, through a symbolic or
// a hard link), each dropped with a warning on stderr saying it is counted or sent once.
// Names that cannot be looked up stay: reading them reports why.
QStringList distinctFiles(const QStringList &paths, FileUse use);

// A run's record reduced to 128 bits: two runs with the same key are stored identically
// (a chance match of two different records is out of reach at these numbers).
using RecordKey = QPair<size_t, size_t>;
struct RunKey {
    RecordKey key;
    int run = 0;
    int line = 0; // 1-based file line
};
// The keys of a file's runs (memo lines skipped).
QVector<RunKey> runKeys(const QStringList &lines);

// Finds runs whose columns 1-261 are the same in two places (two files, or twice in one) and
// warns once per pair of files: a copied run or file would count twice.
class RunCopies {
public:
    // The runs of a file that passed the check.
    void add(const QString &path, const QVector<RunKey> &runs);
    void warn() const;

private:
    struct Place {
        int file = 0;
        int run = 0;
        int line = 0;
    };
    struct Pair {
        int count = 0;
        Place first; // the earlier place of the pair's first copy
        Place copy; // the later one
    };
    QStringList m_files;
    QHash<RecordKey, Place> m_seen;
    QVector<QPair<QPair<int, int>, Pair>> m_pairs; // in the order found
};

// Reads the files in parallel and fills `study` (every file's tally, its site and the runs per
// day) in the order given, and `experiments` (the runs themselves) unless it is null. Returns
// kExitOk, or the worst exit code of the files refused (2 unreadable, 1 damaged), each named
// on stderr in the order given.
int loadStudy(const QStringList &paths, vora::report::StudyData *study, QVector<vora::report::Experiment> *experiments);

// The same for the runs alone; `tallies`, when given, receives each file's tally.
int loadExperiments(const QStringList &paths, QVector<vora::report::Experiment> *out,
                    QVector<vora::report::ExperimentTally> *tallies = nullptr);

} // namespace voradata
