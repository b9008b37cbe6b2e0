#pragma once
// The report's section that tests the data against a preregistered plan: each question
// answered yes or no with its evidence, then the figures at the decision point and over all
// the data.
#include "core/report/HtmlWriter.h"
#include "core/report/ReportHtml.h"

namespace vora::report::page {

void planSection(HtmlWriter &out, const PlanAudit &a);

} // namespace vora::report::page
