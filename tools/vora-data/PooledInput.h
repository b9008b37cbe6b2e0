#pragma once
// Reading the files that summary --pooled and report take: every file checked first, every
// unfit one named on stderr, and nothing used unless all are fit.
#include "report/Pooled.h"

#include <QStringList>
#include <QVector>

namespace voradata {

// Fills `out` in the order given and returns kExitOk, or the worst exit code of the files
// refused (2 unreadable, 1 damaged).
int loadExperiments(const QStringList &paths, QVector<vora::report::Experiment> *out);

} // namespace voradata
