#pragma once
// A study as the study report sees it: every experiment's tally with its site, and the runs
// per day. The same from data files (the site is the file's folder) and from the study
// database (the site its runs were sent under, summed by the server).
#include "core/report/Pooled.h"

#include <QDate>
#include <QString>
#include <QVector>

namespace vora::report {

struct DayCount {
    QDate date; // invalid: runs whose date column is no date
    qint64 runs = 0;
    qint64 hits = 0;
};

struct StudyExperiment {
    QString site;
    ExperimentTally tally; // tally.file names the experiment
};

struct StudyData {
    QVector<StudyExperiment> experiments; // in the order pooled
    QVector<DayCount> days; // by date, the undated runs (if any) first
};

// Columns 11-20 of a run, "yyyy/MM/dd", as a date; invalid for anything else. The study
// database's run_date follows the same rule.
QDate runDate(const QString &dateColumns);

// The site of a data file: the name of the folder it is in.
QString siteOfFile(const QString &path);

// From experiments read from files, their tallies already made (tallyOf) in the same order.
StudyData studyFromExperiments(const QVector<Experiment> &experiments, const QVector<ExperimentTally> &tallies);

} // namespace vora::report
