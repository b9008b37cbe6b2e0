#pragma once
// The study database's runs as experiments for the pooled analysis, so that the figures over
// the server come from the same code as those over local files.
#include "core/report/Pooled.h"
#include "core/study/mirror/StudyDatabase.h"

#include <QVector>

namespace vora::study {

struct RowProblem {
    QString where; // "SITE/EXPERIMENT:RUN"
    QString reason; // the check's reason (Japanese)
};

// One experiment per site and experiment, named "SITE/EXPERIMENT", its runs in the order
// given (the database returns them by site, experiment and run). A record that fails the
// data file check is listed in `problems`.
QVector<report::Experiment> experimentsFromRows(const QList<MirrorEntry> &rows, QVector<RowProblem> *problems);

} // namespace vora::study
