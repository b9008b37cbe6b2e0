#pragma once
// p values in the JSON output. A p below 1e-300 is given as 1e-300, a bound, never as the 0
// a double underflows to, and every p comes with its log10, exact at any size.
#include <QJsonObject>
#include <QString>

#include <functional>
#include <optional>

namespace voradata {

// Inserts `key` and its log10 under `key` + "Log10" ("p" gives "pLog10"). `exactLog10` is
// asked only when `p` is below the bound. No p (no trials): both null.
void insertP(QJsonObject &o, const QString &key, std::optional<double> p, const std::function<double()> &exactLog10);

} // namespace voradata
