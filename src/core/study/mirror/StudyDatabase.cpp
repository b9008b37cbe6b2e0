#include "core/study/mirror/StudyDatabase.h"

#include "core/study/mirror/StudySchema.h"

#include <QAtomicInt>
#include <QCoreApplication>
#include <QMap>
#include <QSqlDriver>
#include <QSqlError>
#include <QSqlField>
#include <QSqlQuery>
#include <QVariant>

#include <libpq-fe.h>

#include <algorithm>
#include <utility>

namespace vora::study {

namespace {
// The texts of this file, under the translation context "StudyDatabase".
struct Texts {
    Q_DECLARE_TR_FUNCTIONS(StudyDatabase)
};
} // namespace

namespace {

QAtomicInt g_connections;

// Keys the driver takes as fields of its own; every other key goes into the option string.
const QStringList kFieldKeys = {QStringLiteral("host"), QStringLiteral("port"), QStringLiteral("dbname"),
                                QStringLiteral("user"), QStringLiteral("password")};

QString optionValue(const QString &value)
{
    QString v = value;
    v.replace(QLatin1Char('\\'), QStringLiteral("\\\\"));
    v.replace(QLatin1Char('\''), QStringLiteral("\\'"));
    return QLatin1Char('\'') + v + QLatin1Char('\'');
}

QVariant textOrNull(const QString &s)
{
    return s.isEmpty() ? QVariant(QMetaType(QMetaType::QString)) : QVariant(s);
}

// A value as an SQL literal, quoted and escaped by the driver. Qt's PostgreSQL driver sends
// the values of a prepared query the same way ("EXECUTE name (literal, ...)"), so a
// server-side prepared statement gains nothing here; and its DEALLOCATE, sent when the query
// ends, fails on a connection the server has just dropped, which the driver reports on stderr
// as "Unable to free statement" after our own message. Plain statements leave nothing to free.
QString literal(const QSqlDatabase &db, const QVariant &value)
{
    QSqlField field(QString(), value.metaType());
    field.setValue(value);
    return db.driver()->formatValue(field);
}

} // namespace

QString sqlLiteral(const QSqlDatabase &db, const QVariant &value)
{
    return literal(db, value);
}

QSqlDatabase StudyDatabase::connection() const
{
    return QSqlDatabase::database(m_name, false);
}

StudyDatabase::StudyDatabase(const ConnInfo &conn)
    : m_conn(conn), m_name(QStringLiteral("vora-study-%1").arg(g_connections.fetchAndAddRelaxed(1)))
{
}

StudyDatabase::~StudyDatabase()
{
    close();
    if (QSqlDatabase::contains(m_name))
        QSqlDatabase::removeDatabase(m_name);
}

QString StudyDatabase::failure(const QString &what, const QString &detail) const
{
    return m_conn.mask(what + Texts::tr("：") + detail.simplified());
}

bool StudyDatabase::isOpen() const
{
    return QSqlDatabase::contains(m_name) && QSqlDatabase::database(m_name, false).isOpen();
}

void StudyDatabase::close()
{
    if (QSqlDatabase::contains(m_name))
        QSqlDatabase::database(m_name, false).close();
}

bool StudyDatabase::open(QString *error)
{
    if (!QSqlDatabase::isDriverAvailable(QStringLiteral("QPSQL"))) {
        *error = Texts::tr("PostgreSQL用のドライバがありません（Debianのパッケージ libqt6sql6-psql）。");
        return false;
    }
    {
        QSqlDatabase db = QSqlDatabase::contains(m_name) ? QSqlDatabase::database(m_name, false)
                                                         : QSqlDatabase::addDatabase(QStringLiteral("QPSQL"), m_name);
        QStringList options;
        for (const auto &p : m_conn.pairs()) {
            if (kFieldKeys.contains(p.first))
                continue;
            // The driver turns every ";" of its option string into a separator.
            if (p.second.contains(QLatin1Char(';'))) {
                *error = Texts::tr("接続文字列の「%1」の値に「;」は使えません。").arg(p.first);
                return false;
            }
            options.append(p.first + QLatin1Char('=') + optionValue(p.second));
        }
        // A server that does not answer must not tie the sender up for minutes.
        if (!m_conn.has(QStringLiteral("connect_timeout")))
            options.append(QStringLiteral("connect_timeout=10"));
        db.setHostName(m_conn.value(QStringLiteral("host")));
        db.setDatabaseName(m_conn.value(QStringLiteral("dbname")));
        db.setUserName(m_conn.value(QStringLiteral("user")));
        db.setPassword(m_conn.password());
        bool portOk = true;
        const QString port = m_conn.value(QStringLiteral("port"));
        db.setPort(port.isEmpty() ? -1 : port.toInt(&portOk));
        if (!portOk) {
            *error = Texts::tr("接続文字列の port が数ではありません。");
            return false;
        }
        db.setConnectOptions(options.join(QLatin1Char(';')));
        if (!db.open()) {
            *error = failure(Texts::tr("研究用データベースに接続できません"), db.lastError().text());
            return false;
        }
    }
    QSqlQuery q(QSqlDatabase::database(m_name, false));
    // A site role usually may not create tables: look before creating.
    const QString look = QStringLiteral(
        "SELECT to_regclass('vora_runs') IS NOT NULL, to_regclass('vora_heads') IS NOT NULL,"
        " EXISTS (SELECT FROM pg_attribute WHERE attrelid = to_regclass('vora_runs') AND attname = 'consistent'"
        " AND NOT attisdropped)");
    if (!q.exec(look) || !q.next()) {
        *error = failure(Texts::tr("研究用データベースを読めません"), q.lastError().text());
        close();
        return false;
    }
    if (!q.value(0).toBool()) {
        // The tables as `vora-data study init` makes them, without roles and grants.
        QSqlDatabase db = QSqlDatabase::database(m_name, false);
        db.transaction();
        for (const QString &statement : schemaTableStatements()) {
            if (!q.exec(statement)) {
                *error = failure(Texts::tr("表 vora_runs を作れません"), q.lastError().text());
                db.rollback();
                close();
                return false;
            }
        }
        if (!db.commit()) {
            *error = failure(Texts::tr("表 vora_runs を作れません"), db.lastError().text());
            close();
            return false;
        }
        if (!q.exec(look) || !q.next()) {
            *error = failure(Texts::tr("研究用データベースを読めません"), q.lastError().text());
            close();
            return false;
        }
    }
    m_hasHeads = q.value(1).toBool();
    m_hasTallies = q.value(2).toBool();
    return true;
}

bool StudyDatabase::exec(const QString &sql, const QString &what, QString *error)
{
    QSqlQuery q(QSqlDatabase::database(m_name, false));
    if (q.exec(sql))
        return true;
    *error = failure(what, q.lastError().text());
    return false;
}

bool StudyDatabase::initSchema(QString *error)
{
    QSqlDatabase db = QSqlDatabase::database(m_name, false);
    // Idempotent statements meeting what is there say so in notices: not worth a line each.
    if (!exec(QStringLiteral("SET client_min_messages = warning"), Texts::tr("研究用データベースを準備できません"),
              error))
        return false;
    if (!db.transaction()) {
        *error = failure(Texts::tr("研究用データベースを準備できません"), db.lastError().text());
        return false;
    }
    for (const QString &statement : schemaTableStatements() + schemaAccessStatements()) {
        if (!exec(statement, Texts::tr("研究用データベースを準備できません"), error)) {
            db.rollback();
            return false;
        }
    }
    if (!db.commit()) {
        *error = failure(Texts::tr("研究用データベースを準備できません"), db.lastError().text());
        return false;
    }
    m_hasHeads = m_hasTallies = true;
    return true;
}

StudyDatabase::SiteAdded StudyDatabase::addSite(const QString &site, const QString &password, QString *error)
{
    const QSqlDatabase db = QSqlDatabase::database(m_name, false);
    QSqlQuery q(db);
    if (!q.exec(QStringLiteral("SELECT EXISTS (SELECT FROM pg_roles WHERE rolname = %1),"
                               " EXISTS (SELECT FROM pg_roles WHERE rolname = %2)")
                    .arg(literal(db, site), literal(db, siteGroupRole())))
        || !q.next()) {
        *error = failure(Texts::tr("研究用データベースを読めません"), q.lastError().text());
        return SiteAdded::Failed;
    }
    if (q.value(0).toBool()) {
        *error = Texts::tr("ロール %1 はすでにあります（パスワードは変えていません）。").arg(site);
        return SiteAdded::Exists;
    }
    if (!q.value(1).toBool()) {
        *error =
            Texts::tr("ロール %1 がありません。先に vora-data study init を実行してください。").arg(siteGroupRole());
        return SiteAdded::NotReady;
    }
    // The site name is checked (letters, digits, "-", "_"): quoted, it is a role name as it is.
    const QString role = QLatin1Char('"') + site + QLatin1Char('"');
    return exec(QStringLiteral("CREATE ROLE %1 LOGIN PASSWORD %2 IN ROLE %3")
                    .arg(role, literal(db, password), siteGroupRole()),
                Texts::tr("ロールを作れません"), error)
               ? SiteAdded::Added
               : SiteAdded::Failed;
}

Delivery StudyDatabase::deliver(const MirrorEntry &entry, QString *error, QString *stored)
{
    const QSqlDatabase db = QSqlDatabase::database(m_name, false);
    const QString key = literal(db, entry.site) + QLatin1Char(',') + literal(db, entry.experiment) + QLatin1Char(',')
                        + literal(db, entry.run);
    QSqlQuery q(db);
    // Each statement commits on its own: once exec() returns true the row is on the server.
    if (!q.exec(QStringLiteral("INSERT INTO vora_runs (site, experiment, run, record, seal) VALUES (%1, %2, %3)"
                               " ON CONFLICT DO NOTHING")
                    .arg(key, literal(db, entry.record), literal(db, textOrNull(entry.seal))))) {
        *error = failure(Texts::tr("ランを送れません"), q.lastError().text());
        return Delivery::Failed;
    }
    if (q.numRowsAffected() == 1)
        return Delivery::Sent;

    if (!q.exec(QStringLiteral("SELECT record, seal FROM vora_runs WHERE (site, experiment, run) = (%1)").arg(key))
        || !q.next()) {
        *error = failure(Texts::tr("送ったランを確かめられません"), q.lastError().text());
        return Delivery::Failed;
    }
    const QString record = q.value(0).toString();
    const QString seal = q.value(1).toString();
    if (stored)
        *stored = record;
    // A different seal for the same run means the chain before it differs.
    const bool sealsDiffer = !seal.isEmpty() && !entry.seal.isEmpty() && seal != entry.seal;
    return record == entry.record && !sealsDiffer ? Delivery::AlreadyThere : Delivery::Conflict;
}

bool StudyDatabase::fetch(const QString &site, QList<MirrorEntry> *out, QString *error)
{
    const QSqlDatabase db = QSqlDatabase::database(m_name, false);
    QSqlQuery q(db);
    q.setForwardOnly(true);
    QString sql = QStringLiteral("SELECT site, experiment, run, record, seal FROM vora_runs");
    if (!site.isEmpty())
        sql += QStringLiteral(" WHERE site = ") + literal(db, site);
    // Byte order, so the order does not depend on the server's locale.
    sql += QStringLiteral(" ORDER BY site COLLATE \"C\", experiment COLLATE \"C\", run");
    if (!q.exec(sql)) {
        *error = failure(Texts::tr("研究用データベースを読めません"), q.lastError().text());
        return false;
    }
    out->clear();
    while (q.next())
        out->append({q.value(0).toString(), q.value(1).toString(), q.value(2).toInt(), q.value(3).toString(),
                     q.value(4).toString()});
    if (q.lastError().isValid()) {
        // The connection dropped while the rows came in: a part is no answer.
        *error = failure(Texts::tr("研究用データベースを読めません"), q.lastError().text());
        return false;
    }
    return true;
}

namespace {

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
            quoted << literal(db, n);
        terms << QStringLiteral("(site = %1 AND experiment IN (%2))")
                     .arg(literal(db, it.key()), quoted.join(QLatin1Char(',')));
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

bool StudyDatabase::deliverBatch(const QVector<MirrorEntry> &entries, const QVector<HeadEntry> &heads,
                                 QVector<Delivery> *out, QStringList *stored, QString *error)
{
    QSqlDatabase db = QSqlDatabase::database(m_name, false);
    PGconn *conn = libpqConnection(db);
    if (!conn || entries.isEmpty() || !m_hasTallies)
        return insertBatch(entries, heads, out, stored, error);

    out->fill(Delivery::Failed, entries.size());
    *stored = QStringList();
    for (qsizetype i = 0; i < entries.size(); ++i)
        stored->append(QString());
    // In one transaction: the keys of the batch already stored (with the heads added in the
    // same statement), then COPY of the others, the bulk path the server reads fastest.
    if (!db.transaction()) {
        *error = failure(Texts::tr("ランを送れません"), db.lastError().text());
        return false;
    }
    QHash<QString, int> index; // "site/experiment/run" -> entry
    for (qsizetype i = 0; i < entries.size(); ++i) {
        const MirrorEntry &e = entries.at(i);
        index.insert(e.site + QLatin1Char('/') + e.experiment + QLatin1Char('/') + QString::number(e.run), int(i));
    }
    QString headRows;
    if (m_hasHeads) {
        for (const HeadEntry &h : heads) {
            if (!headRows.isEmpty())
                headRows += QLatin1Char(',');
            headRows += QLatin1Char('(') + literal(db, h.site) + QLatin1Char(',') + literal(db, h.experiment)
                        + QLatin1Char(',') + QString::number(h.run) + QLatin1Char(',') + literal(db, h.head)
                        + QLatin1Char(')');
        }
    }
    {
        QSqlQuery q(db);
        q.setForwardOnly(true);
        QString sql;
        if (!headRows.isEmpty())
            sql = QStringLiteral("WITH heads AS (INSERT INTO vora_heads (site, experiment, run, head) VALUES ")
                  + headRows + QStringLiteral(" RETURNING 1) ");
        sql += storedRunsQuery(db, entries);
        if (!q.exec(sql)) {
            *error = failure(Texts::tr("ランを送れません"), q.lastError().text());
            db.rollback();
            return false;
        }
        while (q.next()) {
            const int i = index.value(q.value(0).toString() + QLatin1Char('/') + q.value(1).toString()
                                          + QLatin1Char('/') + q.value(2).toString(),
                                      -1);
            if (i < 0)
                continue; // another run of the same experiment
            const MirrorEntry &e = entries.at(i);
            const QString record = q.value(3).toString();
            const QString seal = q.value(4).toString();
            (*stored)[i] = record;
            const bool sealsDiffer = !seal.isEmpty() && !e.seal.isEmpty() && seal != e.seal;
            (*out)[i] = record == e.record && !sealsDiffer ? Delivery::AlreadyThere : Delivery::Conflict;
        }
        if (q.lastError().isValid()) {
            *error = failure(Texts::tr("ランを送れません"), q.lastError().text());
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
            *error = failure(Texts::tr("ランを送れません"), copyError);
            return false;
        }
        db.rollback();
        // Most likely another session stored one of these keys meanwhile: the statement that
        // takes conflicts row by row decides.
        return insertBatch(entries, heads, out, stored, error);
    }
    if (!db.commit()) {
        *error = failure(Texts::tr("ランを送れません"), db.lastError().text());
        return false;
    }
    for (qsizetype i = 0; i < entries.size(); ++i) {
        if (out->at(i) == Delivery::Failed)
            (*out)[i] = Delivery::Sent;
    }
    return true;
}

bool StudyDatabase::insertBatch(const QVector<MirrorEntry> &entries, const QVector<HeadEntry> &heads,
                                QVector<Delivery> *out, QStringList *stored, QString *error)
{
    out->fill(Delivery::Failed, entries.size());
    *stored = QStringList();
    for (qsizetype i = 0; i < entries.size(); ++i)
        stored->append(QString());
    if (entries.isEmpty() && (heads.isEmpty() || !m_hasHeads))
        return true;
    const QSqlDatabase db = QSqlDatabase::database(m_name, false);
    QString headRows;
    if (m_hasHeads) {
        for (const HeadEntry &h : heads) {
            if (!headRows.isEmpty())
                headRows += QLatin1Char(',');
            headRows += QLatin1Char('(') + literal(db, h.site) + QLatin1Char(',') + literal(db, h.experiment)
                        + QLatin1Char(',') + QString::number(h.run) + QLatin1Char(',') + literal(db, h.head)
                        + QLatin1Char(')');
        }
    }
    // One statement, so one transaction and one round trip: the runs (in file order, so that
    // each run's predecessor is there when its trigger looks), with the heads in a
    // data-modifying WITH. A plain multi-row INSERT plans and runs faster than one that joins
    // its own input again; the keys it met stored already are asked for afterwards.
    QString sql;
    sql.reserve(entries.size() * 360 + headRows.size() + 256);
    if (!headRows.isEmpty())
        sql += QStringLiteral("WITH heads AS (INSERT INTO vora_heads (site, experiment, run, head) VALUES ") + headRows
               + QStringLiteral(" RETURNING 1) ");
    if (entries.isEmpty()) {
        sql += QStringLiteral("SELECT count(*) FROM heads");
    } else {
        sql += QStringLiteral("INSERT INTO vora_runs (site, experiment, run, record, seal) VALUES ");
        for (qsizetype i = 0; i < entries.size(); ++i) {
            const MirrorEntry &e = entries.at(i);
            if (i > 0)
                sql += QLatin1Char(',');
            sql += QLatin1Char('(') + literal(db, e.site) + QLatin1Char(',') + literal(db, e.experiment)
                   + QLatin1Char(',') + QString::number(e.run) + QLatin1Char(',') + literal(db, e.record)
                   + QLatin1Char(',') + literal(db, textOrNull(e.seal)) + QLatin1Char(')');
        }
        sql += QStringLiteral(" ON CONFLICT DO NOTHING RETURNING site, experiment, run");
    }
    QSqlQuery q(db);
    q.setForwardOnly(true);
    if (!q.exec(sql)) {
        *error = failure(Texts::tr("ランを送れません"), q.lastError().text());
        return false;
    }
    if (entries.isEmpty())
        return true;
    QHash<QString, int> index; // "site/experiment/run" -> entry
    for (qsizetype i = 0; i < entries.size(); ++i) {
        const MirrorEntry &e = entries.at(i);
        index.insert(e.site + QLatin1Char('/') + e.experiment + QLatin1Char('/') + QString::number(e.run), int(i));
    }
    while (q.next()) {
        const int i = index.value(q.value(0).toString() + QLatin1Char('/') + q.value(1).toString() + QLatin1Char('/')
                                      + q.value(2).toString(),
                                  -1);
        if (i >= 0)
            (*out)[i] = Delivery::Sent;
    }
    if (q.lastError().isValid()) {
        *error = failure(Texts::tr("ランを送れません"), q.lastError().text());
        return false;
    }
    bool anyMet = false;
    for (qsizetype i = 0; i < entries.size(); ++i)
        anyMet = anyMet || out->at(i) != Delivery::Sent;
    if (!anyMet)
        return true;
    // The keys already stored: the same record (and seal) is already there, another is a conflict.
    if (!q.exec(storedRunsQuery(db, entries))) {
        *error = failure(Texts::tr("送ったランを確かめられません"), q.lastError().text());
        return false;
    }
    while (q.next()) {
        const int i = index.value(q.value(0).toString() + QLatin1Char('/') + q.value(1).toString() + QLatin1Char('/')
                                      + q.value(2).toString(),
                                  -1);
        if (i < 0 || out->at(i) == Delivery::Sent)
            continue;
        const MirrorEntry &e = entries.at(i);
        const QString record = q.value(3).toString();
        const QString seal = q.value(4).toString();
        (*stored)[i] = record;
        // A different seal for the same run means the chain before it differs.
        const bool sealsDiffer = !seal.isEmpty() && !e.seal.isEmpty() && seal != e.seal;
        (*out)[i] = record == e.record && !sealsDiffer ? Delivery::AlreadyThere : Delivery::Conflict;
    }
    if (q.lastError().isValid()) {
        *error = failure(Texts::tr("送ったランを確かめられません"), q.lastError().text());
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

namespace {

QString siteFilter(const QSqlDatabase &db, const QString &site, const QString &column = QStringLiteral("site"))
{
    return site.isEmpty() ? QString() : QStringLiteral(" WHERE %1 = %2").arg(column, literal(db, site));
}

} // namespace

bool StudyDatabase::serverTallies(const QString &site, QVector<ServerExperiment> *out, QVector<BadRow> *bad,
                                  QString *error)
{
    out->clear();
    bad->clear();
    const QSqlDatabase db = QSqlDatabase::database(m_name, false);
    const QString where = siteFilter(db, site);
    QSqlQuery q(db);
    q.setForwardOnly(true);
    // A run whose record fails the check makes the figures meaningless: name them instead.
    const QString badWhere = where.isEmpty() ? QStringLiteral(" WHERE consistent IS NOT TRUE")
                                             : where + QStringLiteral(" AND consistent IS NOT TRUE");
    if (!q.exec(QStringLiteral("SELECT site, experiment, run, record, targets IS NOT NULL FROM vora_runs") + badWhere
                + QStringLiteral(" ORDER BY site COLLATE \"C\", experiment COLLATE \"C\", run LIMIT 100"))) {
        *error = failure(Texts::tr("研究用データベースを読めません"), q.lastError().text());
        return false;
    }
    while (q.next())
        bad->append({q.value(0).toString() + QLatin1Char('/') + q.value(1).toString() + QLatin1Char(':')
                         + q.value(2).toString(),
                     q.value(3).toString(), q.value(4).toBool()});
    if (q.lastError().isValid()) {
        *error = failure(Texts::tr("研究用データベースを読めません"), q.lastError().text());
        return false;
    }
    if (!bad->isEmpty())
        return true;

    // One row per site and experiment. The targets of consecutive runs form one sequence: its
    // runs of equal bits are the runs' own, less one wherever a run's first target continues
    // the previous run's last (joins_previous, known at insert when the previous run was
    // stored first). Experiments where that is unknown for some run are counted exactly below.
    // The first target of the first run and the last of the last come with the sums: run
    // numbers are distinct within an experiment, so min(2 run + bit) is reached at the first
    // run and its parity is that run's bit (max likewise at the last). Compiling the plan
    // (JIT) costs more than this scan saves.
    QSqlQuery(db).exec(QStringLiteral("SET jit = off"));
    if (!q.exec(QStringLiteral("SELECT site, experiment, count(*), sum(hits), sum(target_ones), sum(input_ones),"
                               " sum(after_hit_trials), sum(after_hit_hits), sum(after_miss_hits), sum(target_runs),"
                               " count(*) FILTER (WHERE joins_previous),"
                               " count(*) FILTER (WHERE joins_previous IS NULL AND run > 1),"
                               " min(2 * run::bigint + target_first) % 2, max(2 * run::bigint + target_last) % 2"
                               " FROM vora_runs")
                + where
                + QStringLiteral(" GROUP BY site, experiment ORDER BY site COLLATE \"C\", experiment COLLATE \"C\""))) {
        *error = failure(Texts::tr("研究用データベースを読めません"), q.lastError().text());
        return false;
    }
    QStringList unknown;
    while (q.next()) {
        ServerExperiment e;
        e.site = q.value(0).toString();
        e.experiment = q.value(1).toString();
        report::ExperimentTally &t = e.tally;
        t.file = e.site + QLatin1Char('/') + e.experiment;
        t.runs = q.value(2).toInt();
        t.hits = q.value(3).toLongLong();
        t.targetOnes = q.value(4).toLongLong();
        t.inputOnes = q.value(5).toLongLong();
        t.afterHit = {q.value(6).toLongLong(), q.value(7).toLongLong()};
        t.afterMiss = {qint64(t.runs) * (kTrialsPerRun - 1) - t.afterHit.trials, q.value(8).toLongLong()};
        t.targets.n = qint64(t.runs) * kTrialsPerRun;
        t.targets.ones = t.targetOnes;
        t.targets.runs = q.value(9).toLongLong() - q.value(10).toLongLong();
        t.targets.first = q.value(12).toInt();
        t.targets.last = q.value(13).toInt();
        if (q.value(11).toLongLong() > 0)
            unknown << QStringLiteral("(%1, %2)").arg(literal(db, e.site), literal(db, e.experiment));
        out->append(e);
    }
    if (q.lastError().isValid()) {
        *error = failure(Texts::tr("研究用データベースを読めません"), q.lastError().text());
        return false;
    }
    if (unknown.isEmpty())
        return true;
    // Runs stored out of order or with a gap before them: the joins counted in run order.
    if (!q.exec(
            QStringLiteral("SELECT site, experiment, sum(target_runs) - count(*) FILTER (WHERE previous = target_first)"
                           " FROM (SELECT site, experiment, target_runs, target_first,"
                           " lag(target_last) OVER (PARTITION BY site, experiment ORDER BY run) AS previous"
                           " FROM vora_runs WHERE (site, experiment) IN (")
            + unknown.join(QLatin1Char(',')) + QStringLiteral(")) x GROUP BY site, experiment"))) {
        *error = failure(Texts::tr("研究用データベースを読めません"), q.lastError().text());
        return false;
    }
    QHash<QString, qint64> exact;
    while (q.next())
        exact.insert(q.value(0).toString() + QLatin1Char('/') + q.value(1).toString(), q.value(2).toLongLong());
    for (ServerExperiment &e : *out) {
        if (const auto it = exact.constFind(e.tally.file); it != exact.constEnd())
            e.tally.targets.runs = *it;
    }
    return true;
}

bool StudyDatabase::dayCounts(const QString &site, QVector<report::DayCount> *out, QString *error)
{
    out->clear();
    const QSqlDatabase db = QSqlDatabase::database(m_name, false);
    QSqlQuery q(db);
    q.setForwardOnly(true);
    if (!q.exec(QStringLiteral("SELECT run_date, count(*), sum(hits) FROM vora_runs") + siteFilter(db, site)
                + QStringLiteral(" GROUP BY run_date ORDER BY run_date NULLS FIRST"))) {
        *error = failure(Texts::tr("研究用データベースを読めません"), q.lastError().text());
        return false;
    }
    while (q.next())
        out->append(
            {q.value(0).isNull() ? QDate() : q.value(0).toDate(), q.value(1).toLongLong(), q.value(2).toLongLong()});
    return !q.lastError().isValid();
}

bool StudyDatabase::storedHeads(const QString &site, const QString &experiment, QVector<StoredHead> *out,
                                QString *error)
{
    out->clear();
    if (!m_hasHeads)
        return true;
    const QSqlDatabase db = QSqlDatabase::database(m_name, false);
    QSqlQuery q(db);
    q.setForwardOnly(true);
    if (!q.exec(QStringLiteral("SELECT run, head, to_char(pushed_at, 'YYYY-MM-DD\"T\"HH24:MI:SSOF')"
                               " FROM vora_heads WHERE site = %1 AND experiment = %2 ORDER BY pushed_at, run")
                    .arg(literal(db, site), literal(db, experiment)))) {
        *error = failure(Texts::tr("研究用データベースを読めません"), q.lastError().text());
        return false;
    }
    while (q.next())
        out->append({q.value(0).toInt(), q.value(1).toString(), q.value(2).toString()});
    return !q.lastError().isValid();
}

} // namespace vora::study
