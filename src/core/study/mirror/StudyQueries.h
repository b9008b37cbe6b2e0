#pragma once
// What is read back from the study database: the stored runs, and the sums the pooled figures
// and the study report take, added up by the server (per site and experiment, per day), with
// the seal heads recorded. StudyDatabase's fetch(), serverTallies(), dayCounts() and
// storedHeads() are these.
#include "core/study/mirror/StudyDatabase.h"

#include <QList>
#include <QString>
#include <QVector>

namespace vora::study {

class StudyQueries {
public:
    explicit StudyQueries(StudyDatabase &db) : m_db(db) { }

    bool fetch(const QString &site, QList<MirrorEntry> *out, QString *error);
    bool serverTallies(const QString &site, QVector<ServerExperiment> *out, QVector<BadRow> *bad, QString *error);
    bool dayCounts(const QString &site, QVector<report::DayCount> *out, QString *error);
    bool storedHeads(const QString &site, const QString &experiment, QVector<StoredHead> *out, QString *error);

private:
    StudyDatabase &m_db;
};

} // namespace vora::study
