#include "JsonP.h"

#include "core/report/LogP.h"

#include <QJsonValue>

#include <algorithm>

namespace voradata {

void insertP(QJsonObject &o, const QString &key, std::optional<double> p, const std::function<double()> &exactLog10)
{
    const QString logKey = key + QStringLiteral("Log10");
    if (!p) {
        o.insert(key, QJsonValue(QJsonValue::Null));
        o.insert(logKey, QJsonValue(QJsonValue::Null));
        return;
    }
    const double log10 = vora::stats::log10P(*p, exactLog10);
    o.insert(key, std::max(*p, vora::stats::kSmallestShownP));
    o.insert(logKey, log10);
}

} // namespace voradata
