#pragma once
// The report's pooled section: every figure over all the experiments' trials with a
// plain-language reading of each, then the audits' warnings. The readings of p and of the
// Bayes factor are ReportHtml.h's pReading() and bayesReading().
#include "core/report/HtmlWriter.h"
#include "core/report/Pooled.h"

namespace vora::report::page {

void pooledSection(HtmlWriter &out, const PooledFigures &f, Lang lang);

} // namespace vora::report::page
