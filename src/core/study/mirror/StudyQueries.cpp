#include "core/study/mirror/StudyQueries.h"

#include "core/registry/RecordFormat.h"

#include <QCoreApplication>
#include <QHash>
#include <QSqlError>
#include <QSqlQuery>
#include <QVariant>

namespace vora::study {

namespace {

// The texts of the study database, under the translation context "StudyDatabase".
struct Texts {
    Q_DECLARE_TR_FUNCTIONS(StudyDatabase)
};

QString siteFilter(const QSqlDatabase &db, const QString &site, const QString &column = QStringLiteral("site"))
{
    return site.isEmpty() ? QString() : QStringLiteral(" WHERE %1 = %2").arg(column, sqlLiteral(db, site));
}

} // namespace

bool StudyQueries::fetch(const QString &site, QList<MirrorEntry> *out, QString *error)
{
    const QSqlDatabase db = m_db.connection();
    QSqlQuery q(db);
    q.setForwardOnly(true);
    QString sql = QStringLiteral("SELECT site, experiment, run, record, seal FROM vora_runs");
    if (!site.isEmpty())
        sql += QStringLiteral(" WHERE site = ") + sqlLiteral(db, site);
    // Byte order, so the order does not depend on the server's locale.
    sql += QStringLiteral(" ORDER BY site COLLATE \"C\", experiment COLLATE \"C\", run");
    if (!q.exec(sql)) {
        *error = m_db.failure(Texts::tr("研究用データベースを読めません"), q.lastError().text());
        return false;
    }
    out->clear();
    while (q.next())
        out->append({q.value(0).toString(), q.value(1).toString(), q.value(2).toInt(), q.value(3).toString(),
                     q.value(4).toString()});
    if (q.lastError().isValid()) {
        // The connection dropped while the rows came in: a part is no answer.
        *error = m_db.failure(Texts::tr("研究用データベースを読めません"), q.lastError().text());
        return false;
    }
    return true;
}

bool StudyQueries::serverTallies(const QString &site, QVector<ServerExperiment> *out, QVector<BadRow> *bad,
                                 QString *error)
{
    out->clear();
    bad->clear();
    const QSqlDatabase db = m_db.connection();
    const QString where = siteFilter(db, site);
    QSqlQuery q(db);
    q.setForwardOnly(true);
    // A run whose record fails the check makes the figures meaningless: name them instead.
    const QString badWhere = where.isEmpty() ? QStringLiteral(" WHERE consistent IS NOT TRUE")
                                             : where + QStringLiteral(" AND consistent IS NOT TRUE");
    if (!q.exec(QStringLiteral("SELECT site, experiment, run, record, targets IS NOT NULL FROM vora_runs") + badWhere
                + QStringLiteral(" ORDER BY site COLLATE \"C\", experiment COLLATE \"C\", run LIMIT 100"))) {
        *error = m_db.failure(Texts::tr("研究用データベースを読めません"), q.lastError().text());
        return false;
    }
    while (q.next())
        bad->append({q.value(0).toString() + QLatin1Char('/') + q.value(1).toString() + QLatin1Char(':')
                         + q.value(2).toString(),
                     q.value(3).toString(), q.value(4).toBool()});
    if (q.lastError().isValid()) {
        *error = m_db.failure(Texts::tr("研究用データベースを読めません"), q.lastError().text());
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
        *error = m_db.failure(Texts::tr("研究用データベースを読めません"), q.lastError().text());
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
            unknown << QStringLiteral("(%1, %2)").arg(sqlLiteral(db, e.site), sqlLiteral(db, e.experiment));
        out->append(e);
    }
    if (q.lastError().isValid()) {
        *error = m_db.failure(Texts::tr("研究用データベースを読めません"), q.lastError().text());
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
        *error = m_db.failure(Texts::tr("研究用データベースを読めません"), q.lastError().text());
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

bool StudyQueries::dayCounts(const QString &site, QVector<report::DayCount> *out, QString *error)
{
    out->clear();
    const QSqlDatabase db = m_db.connection();
    QSqlQuery q(db);
    q.setForwardOnly(true);
    if (!q.exec(QStringLiteral("SELECT run_date, count(*), sum(hits) FROM vora_runs") + siteFilter(db, site)
                + QStringLiteral(" GROUP BY run_date ORDER BY run_date NULLS FIRST"))) {
        *error = m_db.failure(Texts::tr("研究用データベースを読めません"), q.lastError().text());
        return false;
    }
    while (q.next())
        out->append(
            {q.value(0).isNull() ? QDate() : q.value(0).toDate(), q.value(1).toLongLong(), q.value(2).toLongLong()});
    return !q.lastError().isValid();
}

bool StudyQueries::storedHeads(const QString &site, const QString &experiment, QVector<StoredHead> *out, QString *error)
{
    out->clear();
    if (!m_db.hasHeads())
        return true;
    const QSqlDatabase db = m_db.connection();
    QSqlQuery q(db);
    q.setForwardOnly(true);
    if (!q.exec(QStringLiteral("SELECT run, head, to_char(pushed_at, 'YYYY-MM-DD\"T\"HH24:MI:SSOF')"
                               " FROM vora_heads WHERE site = %1 AND experiment = %2 ORDER BY pushed_at, run")
                    .arg(sqlLiteral(db, site), sqlLiteral(db, experiment)))) {
        *error = m_db.failure(Texts::tr("研究用データベースを読めません"), q.lastError().text());
        return false;
    }
    while (q.next())
        out->append({q.value(0).toInt(), q.value(1).toString(), q.value(2).toString()});
    return !q.lastError().isValid();
}

} // namespace vora::study
