#pragma once
// report --protocol FILE --server: the section that tests the study database's data against
// a preregistered protocol (registration time and hash, the looks, the stopping rule, the
// sites, the seal heads) with the primary analysis at the decision point.
#include "ServerOptions.h"

#include "core/report/ReportHtml.h"

namespace voradata {

// Fills `out`; 0, 1 (the protocol file is not valid) or 2 (a file or the server cannot be read).
int auditPlan(const ServerOptions &server, const QString &path, vora::report::Lang lang, vora::report::PlanAudit *out);

} // namespace voradata
