#include "core/report/Study.h"

#include <QDir>
#include <QFileInfo>
#include <QMap>

namespace vora::report {

QDate runDate(const QString &dateColumns)
{
    if (dateColumns.size() != 10 || dateColumns.at(4) != QLatin1Char('/') || dateColumns.at(7) != QLatin1Char('/'))
        return {};
    for (int i : {0, 1, 2, 3, 5, 6, 8, 9}) {
        if (dateColumns.at(i) < QLatin1Char('0') || dateColumns.at(i) > QLatin1Char('9'))
            return {};
    }
    const int year = dateColumns.left(4).toInt();
    if (year < 1)
        return {};
    return QDate(year, dateColumns.mid(5, 2).toInt(), dateColumns.mid(8, 2).toInt()); // invalid when no such day
}

QString siteOfFile(const QString &path)
{
    const QString folder = QFileInfo(QFileInfo(path).absolutePath()).fileName();
    return folder.isEmpty() ? QStringLiteral("/") : folder;
}

StudyData studyFromExperiments(const QVector<Experiment> &experiments, const QVector<ExperimentTally> &tallies)
{
    StudyData study;
    QMap<QDate, DayCount> days; // the invalid date sorts first
    for (qsizetype i = 0; i < experiments.size(); ++i) {
        study.experiments.append({siteOfFile(experiments.at(i).file), tallies.value(i)});
        for (const LoadedRun &run : experiments.at(i).runs.runs) {
            const QDate date = runDate(run.date);
            DayCount &d = days[date];
            d.date = date;
            ++d.runs;
            d.hits += run.hits;
        }
    }
    study.days = days.values().toVector();
    return study;
}

} // namespace vora::report
