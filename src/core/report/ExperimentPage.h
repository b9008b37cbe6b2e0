#pragma once
// An experiment's own page in the report: its conditions, dates and memo, the texts and the
// charts of the results view, the report's two charts of its runs, and the run memos.
#include "core/report/ChartParts.h"
#include "core/report/HtmlWriter.h"
#include "core/report/ReportHtml.h"

#include <QPair>
#include <QString>
#include <QVector>

namespace vora::report::page {

// An experiment's page, its charts made ahead so that their shared parts are known first.
struct ExperimentPage {
    const Experiment *experiment = nullptr;
    const LoadedRun *shown = nullptr;
    QVector<QPair<QString, int>> figures; // caption, chart
};

ExperimentPage prepareExperiment(const Experiment &e, const ReportOptions &o, ChartParts &charts);
// The page as section "e<index + 1>", the target of the study tables' links.
void experimentSection(HtmlWriter &out, const ExperimentPage &page, int index, const ChartParts &charts);

} // namespace vora::report::page
