#pragma once
// Reading the files that summary --pooled, report and push take: every file checked first,
// every unfit one named on stderr, and nothing used unless all are fit. A file named twice
// counts once, and runs stored identically in two places are named: both would count the same
// trials twice.
#include "core/report/Pooled.h"

#include <QHash>
#include <QStringList>
#include <QVector>

namespace voradata {

// `paths` without the names of a file named before (also as ./a and a, through a symbolic or
// a hard link), each dropped with a warning on stderr saying it is `used` ("counted", "sent")
// once. Names that cannot be looked up stay: reading them reports why.
QStringList distinctFiles(const QStringList &paths, const QString &used);

// Finds runs whose columns 1-261 are the same in two places (two files, or twice in one) and
// warns once per pair of files: a copied run or file would count twice.
class RunCopies {
public:
    // The lines of a file that passed the check.
    void add(const QString &path, const QStringList &lines);
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
    QHash<QString, Place> m_seen;
    QVector<QPair<QPair<int, int>, Pair>> m_pairs; // in the order found
};

// Fills `out` in the order given and returns kExitOk, or the worst exit code of the files
// refused (2 unreadable, 1 damaged).
int loadExperiments(const QStringList &paths, QVector<vora::report::Experiment> *out);

} // namespace voradata
