#include "core/study/mirror/PooledRows.h"

#include "core/registry/DataFile.h"

namespace vora::study {

QVector<report::Experiment> experimentsFromRows(const QList<MirrorEntry> &rows, QVector<RowProblem> *problems)
{
    QVector<report::Experiment> out;
    int i = 0;
    while (i < rows.size()) {
        const MirrorEntry &first = rows.at(i);
        QStringList lines;
        for (; i < rows.size() && rows.at(i).site == first.site && rows.at(i).experiment == first.experiment; ++i) {
            const MirrorEntry &row = rows.at(i);
            const RunLineCheck check = checkRunLine(row.record);
            if (!check.ok)
                problems->append(
                    {row.site + QLatin1Char('/') + row.experiment + QLatin1Char(':') + QString::number(row.run),
                     check.reason});
            lines.append(row.record);
        }
        out.append(report::experimentFromLines(first.site + QLatin1Char('/') + first.experiment, lines));
    }
    return out;
}

} // namespace vora::study
