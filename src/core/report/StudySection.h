#pragma once
// The report's study section, where experiments are compared: effect sizes, heterogeneity
// between experiments and between sites, forest plots, the evidence day by day, and the
// tables per site and per experiment.
#include "core/report/HtmlWriter.h"
#include "core/report/Pooled.h"
#include "core/report/Study.h"

namespace vora::report::page {

// `pages`: the experiments have their own pages, which the table of experiments links to.
void studySection(HtmlWriter &out, const StudyData &study, const PooledFigures &f, bool pages, Lang lang);

} // namespace vora::report::page
