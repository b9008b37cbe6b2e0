#pragma once
// The research report: one self-contained HTML page (inline SVG and CSS, no script, nothing
// loaded from anywhere), printable on A4. Every experiment with its conditions, texts, memos
// and charts, then the pooled figures with a plain-language reading of each and the audits.
#include "core/report/Pooled.h"

#include <QByteArray>
#include <QString>
#include <QVector>

namespace vora::report {

struct ReportOptions {
    Lang lang = Lang::Ja;
    QString generated; // date and time written in the heading
    // The run whose segment chart and texts are shown: this run of every experiment that has
    // it, 0 for each experiment's last run (the results view's browsed run).
    int shownRun = 0;
};

QString reportHtml(const QVector<Experiment> &experiments, const ReportOptions &options);
// The page as the bytes of its file: UTF-8, as its meta tag says.
QByteArray reportBytes(const QVector<Experiment> &experiments, const ReportOptions &options);

// One-line readings of the pooled figures, also used by the table.
QString pReading(double p, std::optional<double> z, Lang lang);
QString bayesReading(double log10Bf, Lang lang);

} // namespace vora::report
