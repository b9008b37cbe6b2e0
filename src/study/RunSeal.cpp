#include "study/RunSeal.h"

namespace vora::study {

QHash<int, QString> chainedHashes(const QString &dataFilePath)
{
    Q_UNUSED(dataFilePath);
    return {};
}

} // namespace vora::study
