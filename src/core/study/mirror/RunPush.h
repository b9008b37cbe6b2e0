#pragma once
// Runs and the files' seal heads sent to the study database: one run alone (the statement
// commits on its own), or many in one transaction, sent with COPY, or as one multi-row INSERT
// where COPY cannot be used. StudyDatabase::deliver() and deliverBatch() are these.
#include "core/study/mirror/StudyDatabase.h"

#include <QString>
#include <QStringList>
#include <QVector>

namespace vora::study {

class RunPush {
public:
    explicit RunPush(StudyDatabase &db) : m_db(db) { }

    Delivery deliver(const MirrorEntry &entry, QString *error, QString *stored);
    bool deliverBatch(const QVector<MirrorEntry> &entries, const QVector<HeadEntry> &heads, QVector<Delivery> *out,
                      QStringList *stored, QString *error);

private:
    // The batch as one multi-row INSERT ... ON CONFLICT DO NOTHING.
    bool insertBatch(const QVector<MirrorEntry> &entries, const QVector<HeadEntry> &heads, QVector<Delivery> *out,
                     QStringList *stored, QString *error);

    StudyDatabase &m_db;
};

} // namespace vora::study
