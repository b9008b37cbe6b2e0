#include "core/study/mirror/StudyDatabase.h"

#include "core/study/mirror/StudySchema.h"

#include <QAtomicInt>
#include <QSqlDriver>
#include <QSqlError>
#include <QSqlField>
#include <QSqlQuery>
#include <QVariant>

#include <utility>

namespace vora::study {

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
    return m_conn.mask(what + QStringLiteral("：") + detail.simplified());
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
        *error = QStringLiteral("PostgreSQL用のドライバがありません（Debianのパッケージ libqt6sql6-psql）。");
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
                *error = QStringLiteral("接続文字列の「%1」の値に「;」は使えません。").arg(p.first);
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
            *error = QStringLiteral("接続文字列の port が数ではありません。");
            return false;
        }
        db.setConnectOptions(options.join(QLatin1Char(';')));
        if (!db.open()) {
            *error = failure(QStringLiteral("研究用データベースに接続できません"), db.lastError().text());
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
        *error = failure(QStringLiteral("研究用データベースを読めません"), q.lastError().text());
        close();
        return false;
    }
    if (!q.value(0).toBool()) {
        // The tables as `vora-data study init` makes them, without roles and grants.
        QSqlDatabase db = QSqlDatabase::database(m_name, false);
        db.transaction();
        for (const QString &statement : schemaTableStatements()) {
            if (!q.exec(statement)) {
                *error = failure(QStringLiteral("表 vora_runs を作れません"), q.lastError().text());
                db.rollback();
                close();
                return false;
            }
        }
        if (!db.commit()) {
            *error = failure(QStringLiteral("表 vora_runs を作れません"), db.lastError().text());
            close();
            return false;
        }
        if (!q.exec(look) || !q.next()) {
            *error = failure(QStringLiteral("研究用データベースを読めません"), q.lastError().text());
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
    if (!db.transaction()) {
        *error = failure(QStringLiteral("研究用データベースを準備できません"), db.lastError().text());
        return false;
    }
    for (const QString &statement : schemaTableStatements() + schemaAccessStatements()) {
        if (!exec(statement, QStringLiteral("研究用データベースを準備できません"), error)) {
            db.rollback();
            return false;
        }
    }
    if (!db.commit()) {
        *error = failure(QStringLiteral("研究用データベースを準備できません"), db.lastError().text());
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
        *error = failure(QStringLiteral("研究用データベースを読めません"), q.lastError().text());
        return SiteAdded::Failed;
    }
    if (q.value(0).toBool()) {
        *error = QStringLiteral("ロール %1 はすでにあります（パスワードは変えていません）。").arg(site);
        return SiteAdded::Exists;
    }
    if (!q.value(1).toBool()) {
        *error = QStringLiteral("ロール %1 がありません。先に vora-data study init を実行してください。")
                     .arg(siteGroupRole());
        return SiteAdded::NotReady;
    }
    // The site name is checked (letters, digits, "-", "_"): quoted, it is a role name as it is.
    const QString role = QLatin1Char('"') + site + QLatin1Char('"');
    return exec(QStringLiteral("CREATE ROLE %1 LOGIN PASSWORD %2 IN ROLE %3")
                    .arg(role, literal(db, password), siteGroupRole()),
                QStringLiteral("ロールを作れません"), error)
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
        *error = failure(QStringLiteral("ランを送れません"), q.lastError().text());
        return Delivery::Failed;
    }
    if (q.numRowsAffected() == 1)
        return Delivery::Sent;

    if (!q.exec(QStringLiteral("SELECT record, seal FROM vora_runs WHERE (site, experiment, run) = (%1)").arg(key))
        || !q.next()) {
        *error = failure(QStringLiteral("送ったランを確かめられません"), q.lastError().text());
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
        *error = failure(QStringLiteral("研究用データベースを読めません"), q.lastError().text());
        return false;
    }
    out->clear();
    while (q.next())
        out->append({q.value(0).toString(), q.value(1).toString(), q.value(2).toInt(), q.value(3).toString(),
                     q.value(4).toString()});
    if (q.lastError().isValid()) {
        // The connection dropped while the rows came in: a part is no answer.
        *error = failure(QStringLiteral("研究用データベースを読めません"), q.lastError().text());
        return false;
    }
    return true;
}

bool StudyDatabase::deliverBatch(const QVector<MirrorEntry> &entries, const QVector<HeadEntry> &heads,
                                 QVector<Delivery> *out, QStringList *stored, QString *error)
{
    out->fill(Delivery::Failed, entries.size());
    *stored = QStringList();
    for (qsizetype i = 0; i < entries.size(); ++i)
        stored->append(QString());
    if (entries.isEmpty() && (heads.isEmpty() || !m_hasHeads))
        return true;
    const QSqlDatabase db = QSqlDatabase::database(m_name, false);
    QString values;
    values.reserve(entries.size() * 360);
    for (qsizetype i = 0; i < entries.size(); ++i) {
        const MirrorEntry &e = entries.at(i);
        if (i > 0)
            values += QLatin1Char(',');
        values += QLatin1Char('(') + literal(db, e.site) + QLatin1Char(',') + literal(db, e.experiment)
                  + QLatin1Char(',') + QString::number(e.run) + QLatin1Char(',') + literal(db, e.record)
                  + QLatin1Char(',') + literal(db, textOrNull(e.seal)) + QStringLiteral("::text,") + QString::number(i)
                  + QLatin1Char(')');
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
    QString sql;
    if (!entries.isEmpty()) {
        // One statement: what it inserts and the rows it met instead arrive together. The
        // final SELECT sees the table as it was before the statement, so a key it meets there
        // was stored earlier; one stored meanwhile by another session is asked for again below.
        sql = QStringLiteral("WITH input(site, experiment, run, record, seal, i) AS (VALUES ") + values
              + QStringLiteral("), stored AS (INSERT INTO vora_runs (site, experiment, run, record, seal)"
                               " SELECT site, experiment, run, record, seal FROM input ORDER BY i"
                               " ON CONFLICT DO NOTHING RETURNING site, experiment, run)");
        if (!headRows.isEmpty())
            sql += QStringLiteral(", heads AS (INSERT INTO vora_heads (site, experiment, run, head) VALUES ") + headRows
                   + QStringLiteral(" RETURNING 1)");
        sql += QStringLiteral(" SELECT input.i, stored.run IS NOT NULL, r.record, r.seal, r.run IS NOT NULL"
                              " FROM input LEFT JOIN stored USING (site, experiment, run)"
                              " LEFT JOIN vora_runs r ON stored.run IS NULL AND r.site = input.site"
                              " AND r.experiment = input.experiment AND r.run = input.run ORDER BY input.i");
    } else {
        sql = QStringLiteral("INSERT INTO vora_heads (site, experiment, run, head) VALUES ") + headRows;
    }
    QSqlQuery q(db);
    q.setForwardOnly(true);
    if (!q.exec(sql)) {
        *error = failure(QStringLiteral("ランを送れません"), q.lastError().text());
        return false;
    }
    QVector<int> unseen;
    auto judge = [&](int i, const QString &record, const QString &seal) {
        const MirrorEntry &e = entries.at(i);
        (*stored)[i] = record;
        // A different seal for the same run means the chain before it differs.
        const bool sealsDiffer = !seal.isEmpty() && !e.seal.isEmpty() && seal != e.seal;
        (*out)[i] = record == e.record && !sealsDiffer ? Delivery::AlreadyThere : Delivery::Conflict;
    };
    while (q.next()) {
        const int i = q.value(0).toInt();
        if (i < 0 || i >= entries.size())
            continue;
        if (q.value(1).toBool())
            (*out)[i] = Delivery::Sent;
        else if (q.value(4).toBool())
            judge(i, q.value(2).toString(), q.value(3).toString());
        else
            unseen.append(i);
    }
    if (q.lastError().isValid()) {
        *error = failure(QStringLiteral("ランを送れません"), q.lastError().text());
        return false;
    }
    for (const int i : std::as_const(unseen)) {
        const MirrorEntry &e = entries.at(i);
        QSqlQuery again(db);
        if (!again.exec(
                QStringLiteral("SELECT record, seal FROM vora_runs WHERE (site, experiment, run) = (%1, %2, %3)")
                    .arg(literal(db, e.site), literal(db, e.experiment), QString::number(e.run)))
            || !again.next()) {
            *error = failure(QStringLiteral("送ったランを確かめられません"), again.lastError().text());
            return false;
        }
        judge(i, again.value(0).toString(), again.value(1).toString());
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
        *error = failure(QStringLiteral("研究用データベースを読めません"), q.lastError().text());
        return false;
    }
    while (q.next())
        bad->append({q.value(0).toString() + QLatin1Char('/') + q.value(1).toString() + QLatin1Char(':')
                         + q.value(2).toString(),
                     q.value(3).toString(), q.value(4).toBool()});
    if (q.lastError().isValid()) {
        *error = failure(QStringLiteral("研究用データベースを読めません"), q.lastError().text());
        return false;
    }
    if (!bad->isEmpty())
        return true;

    // One row per site and experiment. The targets of consecutive runs form one sequence: its
    // runs of equal bits are the runs' own, less one wherever a run's first target continues
    // the previous run's last (joins_previous, known at insert when the previous run was
    // stored first). Experiments where that is unknown for some run are counted exactly below.
    if (!q.exec(QStringLiteral("WITH g AS (SELECT site, experiment, count(*) AS runs, sum(hits) AS hits,"
                               " sum(target_ones) AS target_ones, sum(input_ones) AS input_ones,"
                               " sum(after_hit_trials) AS after_hit_trials, sum(after_hit_hits) AS after_hit_hits,"
                               " sum(after_miss_hits) AS after_miss_hits, sum(target_runs) AS target_runs,"
                               " count(*) FILTER (WHERE joins_previous) AS joins,"
                               " count(*) FILTER (WHERE joins_previous IS NULL AND run > 1) AS unknown,"
                               " min(run) AS lo, max(run) AS hi FROM vora_runs")
                + where
                + QStringLiteral(
                    " GROUP BY site, experiment)"
                    " SELECT g.site, g.experiment, g.runs, g.hits, g.target_ones, g.input_ones, g.after_hit_trials,"
                    " g.after_hit_hits, g.after_miss_hits, g.target_runs, g.joins, g.unknown, f.target_first,"
                    " l.target_last FROM g"
                    " JOIN vora_runs f ON f.site = g.site AND f.experiment = g.experiment AND f.run = g.lo"
                    " JOIN vora_runs l ON l.site = g.site AND l.experiment = g.experiment AND l.run = g.hi"
                    " ORDER BY g.site COLLATE \"C\", g.experiment COLLATE \"C\""))) {
        *error = failure(QStringLiteral("研究用データベースを読めません"), q.lastError().text());
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
        t.afterMiss = {qint64(t.runs) * (report::kTrialsPerRun - 1) - t.afterHit.trials, q.value(8).toLongLong()};
        t.targets.n = qint64(t.runs) * report::kTrialsPerRun;
        t.targets.ones = t.targetOnes;
        t.targets.runs = q.value(9).toLongLong() - q.value(10).toLongLong();
        t.targets.first = q.value(12).toInt();
        t.targets.last = q.value(13).toInt();
        if (q.value(11).toLongLong() > 0)
            unknown << QStringLiteral("(%1, %2)").arg(literal(db, e.site), literal(db, e.experiment));
        out->append(e);
    }
    if (q.lastError().isValid()) {
        *error = failure(QStringLiteral("研究用データベースを読めません"), q.lastError().text());
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
        *error = failure(QStringLiteral("研究用データベースを読めません"), q.lastError().text());
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
        *error = failure(QStringLiteral("研究用データベースを読めません"), q.lastError().text());
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
        *error = failure(QStringLiteral("研究用データベースを読めません"), q.lastError().text());
        return false;
    }
    while (q.next())
        out->append({q.value(0).toInt(), q.value(1).toString(), q.value(2).toString()});
    return !q.lastError().isValid();
}

} // namespace vora::study
