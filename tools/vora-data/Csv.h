#pragma once
// One text cell of export's CSV.
#include <QString>

namespace voradata {

// Quoted when it holds a separator, a quote or a line break (RFC 4180). A cell a spreadsheet
// would take for a formula (starting with "=", "+", "-", "@", a tab or a carriage return: a
// hand-edited date "=SUM(A1)" or "@cmd") gets a leading "'", which spreadsheets show as text.
QString csvField(const QString &raw);

} // namespace voradata
