#include "core/study/mirror/StudyDatabase.h"

#include "core/study/mirror/RunPush.h"
#include "core/study/mirror/StudyQueries.h"
#include "core/study/mirror/StudySchema.h"

#include <QAtomicInt>
#include <QCoreApplication>
#include <QSqlDriver>
#include <QSqlError>
#include <QSqlField>
#include <QSqlQuery>
#include <QVariant>

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

// Sending runs and reading back are parts of their own (RunPush.h, StudyQueries.h).

Delivery StudyDatabase::deliver(const MirrorEntry &entry, QString *error, QString *stored)
{
    return RunPush(*this).deliver(entry, error, stored);
}

bool StudyDatabase::deliverBatch(const QVector<MirrorEntry> &entries, const QVector<HeadEntry> &heads,
                                 QVector<Delivery> *out, QStringList *stored, QString *error)
{
    return RunPush(*this).deliverBatch(entries, heads, out, stored, error);
}

bool StudyDatabase::fetch(const QString &site, QList<MirrorEntry> *out, QString *error)
{
    return StudyQueries(*this).fetch(site, out, error);
}

bool StudyDatabase::serverTallies(const QString &site, QVector<ServerExperiment> *out, QVector<BadRow> *bad,
                                  QString *error)
{
    return StudyQueries(*this).serverTallies(site, out, bad, error);
}

bool StudyDatabase::dayCounts(const QString &site, QVector<report::DayCount> *out, QString *error)
{
    return StudyQueries(*this).dayCounts(site, out, error);
}

bool StudyDatabase::storedHeads(const QString &site, const QString &experiment, QVector<StoredHead> *out,
                                QString *error)
{
    return StudyQueries(*this).storedHeads(site, experiment, out, error);
}

} // namespace vora::study
