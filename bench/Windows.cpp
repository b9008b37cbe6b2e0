// Placeholder until the windows are measured.
#include "BenchSupport.h"

namespace vorabench {
QJsonObject windowFigures()
{
    return QJsonObject{{QStringLiteral("feedback_hold_error_ms"), notMeasured(QStringLiteral("not measured yet"))}};
}
} // namespace vorabench
