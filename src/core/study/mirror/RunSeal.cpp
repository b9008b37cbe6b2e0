#include "core/study/mirror/RunSeal.h"

#include "core/study/Seal.h"

namespace vora::study {

QHash<int, QString> chainedHashes(const QString &dataFilePath)
{
    // Only a chain that verifies vouches for its runs; a broken one sends no seal at all.
    const Verification v = verifyDataFile(dataFilePath);
    QHash<int, QString> out;
    for (const SealEntry &e : v.entries) {
        const QString hex = v.chainedHexOfRun(e.run);
        if (!hex.isEmpty())
            out.insert(e.run, hex);
    }
    return out;
}

} // namespace vora::study
