#include "core/study/mirror/StudyDatabase.h"

#include "core/registry/RecordFormat.h"

#include <QAtomicInt>
#include <QSqlDriver>
#include <QSqlError>
#include <QSqlField>
#include <QSqlQuery>
#include <QVariant>

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
    if (!q.exec(QStringLiteral("SELECT to_regclass('vora_runs') IS NOT NULL")) || !q.next()) {
        *error = failure(QStringLiteral("研究用データベースを読めません"), q.lastError().text());
        close();
        return false;
    }
    if (!q.value(0).toBool()
        && !q.exec(QStringLiteral("CREATE TABLE IF NOT EXISTS vora_runs ("
                                  " site text NOT NULL CHECK (site ~ '^[A-Za-z0-9_-]{1,32}$'),"
                                  " experiment text NOT NULL,"
                                  " run integer NOT NULL CHECK (run >= 1),"
                                  " record text NOT NULL CHECK (char_length(record) = %1),"
                                  " seal text,"
                                  " received_at timestamptz NOT NULL DEFAULT now(),"
                                  " PRIMARY KEY (site, experiment, run))")
                       .arg(kRunColumns))) {
        *error = failure(QStringLiteral("表 vora_runs を作れません"), q.lastError().text());
        close();
        return false;
    }
    return true;
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

} // namespace vora::study
