#pragma once
// The research report: one self-contained HTML page (inline SVG and CSS, no script, nothing
// loaded from anywhere), printable on A4. The pooled figures with a plain-language reading of
// each and the audits, the study (effect sizes, heterogeneity, forest plots per site and per
// experiment, the evidence over time, tables per site and experiment), then each experiment
// with its conditions, texts, memos and charts.
#include "core/report/Pooled.h"
#include "core/report/Study.h"

#include <QByteArray>
#include <QString>
#include <QVector>

#include <optional>

namespace vora::report {

// The data against a preregistered plan: each question answered yes or no with its evidence,
// then the primary analysis at the decision point and the full data as exploratory.
struct PlanAudit {
    struct Answer {
        QString question;
        bool yes = false;
        QString evidence;
    };
    struct Figure {
        QString label;
        QString value;
    };
    QString title; // the protocol's
    QString sha256; // of the file given
    QVector<Answer> answers;
    QString primaryHeading; // "At the decision point, 600 trials (stop for H1)"
    QVector<Figure> primary;
    QVector<Figure> exploratory;
};

struct ReportOptions {
    Lang lang = Lang::Ja;
    QString generated; // date and time written in the heading
    // The run whose segment chart and texts are shown: this run of every experiment that has
    // it, 0 for each experiment's last run (the results view's browsed run).
    int shownRun = 0;
    // Each experiment's own page (conditions, texts, the charts of the results view, memos)
    // after the study; without them a report of a thousand experiments stays readable.
    bool experimentPages = true;
    // The section that tests the data against a preregistered plan, when there is one.
    std::optional<PlanAudit> planAudit;
};

QString reportHtml(const QVector<Experiment> &experiments, const ReportOptions &options);
// The page as the bytes of its file: UTF-8, as its meta tag says.
QByteArray reportBytes(const QVector<Experiment> &experiments, const ReportOptions &options);
// The page of a study known by its tallies (from files or from the study database). The
// experiments' own pages need `experiments`, one per tally in the same order; without them
// (or with options.experimentPages false) the page holds the study alone.
QByteArray studyReportBytes(const StudyData &study, const QVector<Experiment> &experiments,
                            const ReportOptions &options);

// One-line readings of the pooled figures, also used by the table.
QString pReading(double p, std::optional<double> z, Lang lang);
QString bayesReading(double log10Bf, Lang lang);

} // namespace vora::report
