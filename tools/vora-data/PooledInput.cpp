#include "PooledInput.h"

#include "DataInput.h"
#include "Output.h"

#include "toolkit/FileStore.h"

namespace voradata {

int loadExperiments(const QStringList &paths, QVector<vora::report::Experiment> *out)
{
    int worst = kExitOk;
    const vora::FileStore store;
    for (const QString &path : paths) {
        const CheckedFile file = checkFile(path);
        if (const int refused = refuseUnfit(file); refused != kExitOk) {
            worst = std::max(worst, refused);
            continue;
        }
        const vora::ReadResult read = store.readLines(path);
        if (!read.ok) {
            writeErr(QStringLiteral("vora-data: ") + path + QStringLiteral(": cannot read\n"));
            worst = std::max(worst, kExitUsage);
            continue;
        }
        out->append(vora::report::experimentFromLines(path, read.lines));
    }
    return worst;
}

} // namespace voradata
