#include "core/study/mirror/RunPush.h"

#include <QCoreApplication>
#include <QHash>
#include <QMap>
#include <QSqlDriver>
#include <QSqlError>
#include <QSqlQuery>
#include <QVariant>

#include <libpq-fe.h>

#include <algorithm>

namespace vora::study {

namespace {

// The texts of the study database, under the translation context "StudyDatabase".
struct Texts {
    Q_DECLARE_TR_FUNCTIONS(StudyDatabase)
};

QVariant textOrNull(const QString &s)
{
    return s.isEmpty() ? QVariant(QMetaType(QMetaType::QString)) : QVariant(s);
}

// What a run stored already is to the one sent: the same record (and seal), or a conflict.
// A different seal for the same run means the chain before it differs.
Delivery compared(const MirrorEntry &sent, const QString &record, const QString &seal)
{
    const bool sealsDiffer = !seal.isEmpty() && !sent.seal.isEmpty() && seal != sent.seal;
    return record == sent.record && !sealsDiffer ? Delivery::AlreadyThere : Delivery::Conflict;
}

// "site/experiment/run" -> entry
QHash<QString, int> indexByKey(const QVector<MirrorEntry> &entries)
{
    QHash<QString, int> index;
    for (qsizetype i = 0; i < entries.size(); ++i) {
        const MirrorEntry &e = entries.at(i);
        index.insert(e.site + QLatin1Char('/') + e.experiment + QLatin1Char('/') + QString::number(e.run), int(i));
    }
    return index;
}

// The key of a result row whose first columns are site, experiment and run.
QString rowKey(const QSqlQuery &q)
{
    return q.value(0).toString() + QLatin1Char('/') + q.value(1).toString() + QLatin1Char('/') + q.value(2).toString();
}

// The heads stored by a data-modifying WITH at the front of a statement, which then reads them
// as "heads"; empty without heads.
QString headsInsert(const QSqlDatabase &db, const QVector<HeadEntry> &heads)
{
    QString rows;
    for (const HeadEntry &h : heads) {
        if (!rows.isEmpty())
            rows += QLatin1Char(',');
        rows += QLatin1Char('(') + sqlLiteral(db, h.site) + QLatin1Char(',') + sqlLiteral(db, h.experiment)
                + QLatin1Char(',') + QString::number(h.run) + QLatin1Char(',') + sqlLiteral(db, h.head)
                + QLatin1Char(')');
    }
    if (rows.isEmpty())
        return QString();
    return QStringLiteral("WITH heads AS (INSERT INTO vora_heads (site, experiment, run, head) VALUES ") + rows
           + QStringLiteral(" RETURNING 1) ");
}

// The stored runs of the entries' experiments: the primary key's index read by site and
// experiment (a join with thousands of key rows would be planned as a scan of the table).
QString storedRunsQuery(const QSqlDatabase &db, const QVector<MirrorEntry> &entries)
{
    QMap<QString, QStringList> experiments; // site -> experiments, each once
    for (const MirrorEntry &e : entries) {
        QStringList &list = experiments[e.site];
        if (list.isEmpty() || list.last() != e.experiment)
            list.append(e.experiment);
    }
    QStringList terms;
    for (auto it = experiments.cbegin(); it != experiments.cend(); ++it) {
        QStringList names = it.value();
        names.removeDuplicates();
        QStringList quoted;
        for (const QString &n : std::as_const(names))
            quoted << sqlLiteral(db, n);
        terms << QStringLiteral("(site = %1 AND experiment IN (%2))")
                     .arg(sqlLiteral(db, it.key()), quoted.join(QLatin1Char(',')));
    }
    return QStringLiteral("SELECT site, experiment, run, record, seal FROM vora_runs WHERE ")
           + terms.join(QStringLiteral(" OR "));
}

// The connection under Qt's driver, for what the driver cannot do (COPY).
PGconn *libpqConnection(const QSqlDatabase &db)
{
    const QVariant handle = db.driver() ? db.driver()->handle() : QVariant();
    // The driver declares the type under libpq's struct name.
    if (!handle.isValid()
        || (qstrcmp(handle.typeName(), "PGconn*") != 0 && qstrcmp(handle.typeName(), "pg_conn*") != 0))
        return nullptr;
    return *static_cast<PGconn *const *>(handle.constData());
}

// A text field of COPY's text format.
void appendCopyField(QByteArray &out, const QString &value)
{
    const QByteArray utf8 = value.toUtf8();
    for (const char c : utf8) {
        switch (c) {
        case '\\': out += "\\\\"; break;
        case '\t': out += "\\t"; break;
        case '\n': out += "\\n"; break;
        case '\r': out += "\\r"; break;
        default: out += c;
        }
    }
}

QString resultError(PGresult *result, PGconn *conn)
{
    const char *message = result ? PQresultErrorMessage(result) : PQerrorMessage(conn);
    // libpq's messages run over lines (and end in one): the tool's messages are one line each.
    return QString::fromUtf8(message && *message ? message : PQerrorMessage(conn)).simplified();
}

} // namespace

Delivery RunPush::deliver(const MirrorEntry &entry, QString *error, QString *stored)
{
    const QSqlDatabase db = m_db.connection();
    const QString key = sqlLiteral(db, entry.site) + QLatin1Char(',') + sqlLiteral(db, entry.experiment)
                        + QLatin1Char(',') + sqlLiteral(db, entry.run);
    QSqlQuery q(db);
    // Each statement commits on its own: once exec() returns true the row is on the server.
    if (!q.exec(QStringLiteral("INSERT INTO vora_runs (site, experiment, run, record, seal) VALUES (%1, %2, %3)"
                               " ON CONFLICT DO NOTHING")
                    .arg(key, sqlLiteral(db, entry.record), sqlLiteral(db, textOrNull(entry.seal))))) {
        *error = m_db.failure(Texts::tr("ランを送れません"), q.lastError().text());
        return Delivery::Failed;
    }
    if (q.numRowsAffected() == 1)
        return Delivery::Sent;

    if (!q.exec(QStringLiteral("SELECT record, seal FROM vora_runs WHERE (site, experiment, run) = (%1)").arg(key))
        || !q.next()) {
        *error = m_db.failure(Texts::tr("送ったランを確かめられません"), q.lastError().text());
        return Delivery::Failed;
    }
    if (stored)
        *stored = q.value(0).toString();
    return compared(entry, q.value(0).toString(), q.value(1).toString());
}

bool RunPush::deliverBatch(const QVector<MirrorEntry> &entries, const QVector<HeadEntry> &heads, QVector<Delivery> *out,
                           QStringList *stored, QString *error)
{
    QSqlDatabase db = m_db.connection();
    PGconn *conn = libpqConnection(db);
    if (!conn || entries.isEmpty() || !m_db.hasTallies())
        return insertBatch(entries, heads, out, stored, error);

    out->fill(Delivery::Failed, entries.size());
    *stored = QStringList();
    for (qsizetype i = 0; i < entries.size(); ++i)
        stored->append(QString());
    // In one transaction: the keys of the batch already stored (with the heads added in the
    // same statement), then COPY of the others, the bulk path the server reads fastest.
    if (!db.transaction()) {
        *error = m_db.failure(Texts::tr("ランを送れません"), db.lastError().text());
        return false;
    }
    const QHash<QString, int> index = indexByKey(entries);
    const QString withHeads = m_db.hasHeads() ? headsInsert(db, heads) : QString();
    {
        QSqlQuery q(db);
        q.setForwardOnly(true);
        const QString sql = withHeads + storedRunsQuery(db, entries);
        if (!q.exec(sql)) {
            *error = m_db.failure(Texts::tr("ランを送れません"), q.lastError().text());
            db.rollback();
            return false;
        }
        while (q.next()) {
            const int i = index.value(rowKey(q), -1);
            if (i < 0)
                continue; // another run of the same experiment
            const MirrorEntry &e = entries.at(i);
            (*stored)[i] = q.value(3).toString();
            (*out)[i] = compared(e, q.value(3).toString(), q.value(4).toString());
        }
        if (q.lastError().isValid()) {
            *error = m_db.failure(Texts::tr("ランを送れません"), q.lastError().text());
            db.rollback();
            return false;
        }
    }
    QByteArray rows;
    rows.reserve(entries.size() * 360);
    for (qsizetype i = 0; i < entries.size(); ++i) {
        if (out->at(i) != Delivery::Failed)
            continue; // stored already
        const MirrorEntry &e = entries.at(i);
        appendCopyField(rows, e.site);
        rows += '\t';
        appendCopyField(rows, e.experiment);
        rows += '\t' + QByteArray::number(e.run) + '\t';
        appendCopyField(rows, e.record);
        rows += '\t';
        if (e.seal.isEmpty())
            rows += "\\N";
        else
            appendCopyField(rows, e.seal);
        rows += '\n';
    }
    bool copied = true;
    QString copyError;
    if (!rows.isEmpty()) {
        PGresult *begin = PQexec(conn, "COPY vora_runs (site, experiment, run, record, seal) FROM STDIN");
        copied = PQresultStatus(begin) == PGRES_COPY_IN;
        if (!copied)
            copyError = resultError(begin, conn);
        PQclear(begin);
        if (copied) {
            constexpr qsizetype kChunk = 1 << 20;
            for (qsizetype at = 0; copied && at < rows.size(); at += kChunk)
                copied = PQputCopyData(conn, rows.constData() + at, int(std::min(kChunk, rows.size() - at))) == 1;
            copied = PQputCopyEnd(conn, copied ? nullptr : "cancelled") == 1 && copied;
            // Every result of the COPY, so that the connection is free again.
            while (PGresult *end = PQgetResult(conn)) {
                if (PQresultStatus(end) != PGRES_COMMAND_OK) {
                    // The first failure is the cause; what follows it is its consequence.
                    if (copied || copyError.isEmpty())
                        copyError = resultError(end, conn);
                    copied = false;
                }
                PQclear(end);
            }
        }
    }
    if (!copied) {
        if (PQstatus(conn) != CONNECTION_OK) {
            *error = m_db.failure(Texts::tr("ランを送れません"), copyError);
            return false;
        }
        db.rollback();
        // Most likely another session stored one of these keys meanwhile: the statement that
        // takes conflicts row by row decides.
        return insertBatch(entries, heads, out, stored, error);
    }
    if (!db.commit()) {
        *error = m_db.failure(Texts::tr("ランを送れません"), db.lastError().text());
        return false;
    }
    for (qsizetype i = 0; i < entries.size(); ++i) {
        if (out->at(i) == Delivery::Failed)
            (*out)[i] = Delivery::Sent;
    }
    return true;
}

bool RunPush::insertBatch(const QVector<MirrorEntry> &entries, const QVector<HeadEntry> &heads, QVector<Delivery> *out,
                          QStringList *stored, QString *error)
{
    out->fill(Delivery::Failed, entries.size());
    *stored = QStringList();
    for (qsizetype i = 0; i < entries.size(); ++i)
        stored->append(QString());
    if (entries.isEmpty() && (heads.isEmpty() || !m_db.hasHeads()))
        return true;
    const QSqlDatabase db = m_db.connection();
    const QString withHeads = m_db.hasHeads() ? headsInsert(db, heads) : QString();
    // One statement, so one transaction and one round trip: the runs (in file order, so that
    // each run's predecessor is there when its trigger looks), with the heads in a
    // data-modifying WITH. A plain multi-row INSERT plans and runs faster than one that joins
    // its own input again; the keys it met stored already are asked for afterwards.
    QString sql;
    sql.reserve(entries.size() * 360 + withHeads.size() + 256);
    sql += withHeads;
    if (entries.isEmpty()) {
        sql += QStringLiteral("SELECT count(*) FROM heads");
    } else {
        sql += QStringLiteral("INSERT INTO vora_runs (site, experiment, run, record, seal) VALUES ");
        for (qsizetype i = 0; i < entries.size(); ++i) {
            const MirrorEntry &e = entries.at(i);
            if (i > 0)
                sql += QLatin1Char(',');
            sql += QLatin1Char('(') + sqlLiteral(db, e.site) + QLatin1Char(',') + sqlLiteral(db, e.experiment)
                   + QLatin1Char(',') + QString::number(e.run) + QLatin1Char(',') + sqlLiteral(db, e.record)
                   + QLatin1Char(',') + sqlLiteral(db, textOrNull(e.seal)) + QLatin1Char(')');
        }
        sql += QStringLiteral(" ON CONFLICT DO NOTHING RETURNING site, experiment, run");
    }
    QSqlQuery q(db);
    q.setForwardOnly(true);
    if (!q.exec(sql)) {
        *error = m_db.failure(Texts::tr("ランを送れません"), q.lastError().text());
        return false;
    }
    if (entries.isEmpty())
        return true;
    const QHash<QString, int> index = indexByKey(entries);
    while (q.next()) {
        const int i = index.value(rowKey(q), -1);
        if (i >= 0)
            (*out)[i] = Delivery::Sent;
    }
    if (q.lastError().isValid()) {
        *error = m_db.failure(Texts::tr("ランを送れません"), q.lastError().text());
        return false;
    }
    bool anyMet = false;
    for (qsizetype i = 0; i < entries.size(); ++i)
        anyMet = anyMet || out->at(i) != Delivery::Sent;
    if (!anyMet)
        return true;
    // The keys already stored: the same record (and seal) is already there, another is a conflict.
    if (!q.exec(storedRunsQuery(db, entries))) {
        *error = m_db.failure(Texts::tr("送ったランを確かめられません"), q.lastError().text());
        return false;
    }
    while (q.next()) {
        const int i = index.value(rowKey(q), -1);
        if (i < 0 || out->at(i) == Delivery::Sent)
            continue;
        const MirrorEntry &e = entries.at(i);
        (*stored)[i] = q.value(3).toString();
        (*out)[i] = compared(e, q.value(3).toString(), q.value(4).toString());
    }
    if (q.lastError().isValid()) {
        *error = m_db.failure(Texts::tr("送ったランを確かめられません"), q.lastError().text());
        return false;
    }
    for (qsizetype i = 0; i < entries.size(); ++i) {
        if (out->at(i) == Delivery::Failed) {
            *error = Texts::tr("送ったランを確かめられません：%1/%2 のラン %3 が見つかりません")
                         .arg(entries.at(i).site, entries.at(i).experiment)
                         .arg(entries.at(i).run);
            return false;
        }
    }
    return true;
}

} // namespace vora::study
