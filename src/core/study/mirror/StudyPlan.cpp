#include "core/study/mirror/StudyPlan.h"

#include <QSqlError>
#include <QSqlQuery>
#include <QVariant>

namespace vora::study {

namespace {

const QString kTime = QStringLiteral("'YYYY-MM-DD\"T\"HH24:MI:SS.USOF'");

QString readFailure()
{
    return QStringLiteral("研究用データベースを読めません");
}

// The order runs arrived in; runs of one transaction share received_at.
const QString kArrival = QStringLiteral("received_at, site COLLATE \"C\", experiment COLLATE \"C\", run");

} // namespace

bool protocolIncludes(const Protocol &p, const QString &site, const QString &experiment)
{
    if (!p.sites.isEmpty() && !p.sites.contains(site))
        return false;
    if (p.experiments.isEmpty())
        return true;
    return p.experiments.contains(experiment) || p.experiments.contains(site + QLatin1Char('/') + experiment);
}

QString StudyPlan::studyFilter(const Protocol &p, const QString &alias) const
{
    const QSqlDatabase db = m_db.connection();
    const QString a = alias.isEmpty() ? QString() : alias + QLatin1Char('.');
    auto list = [&](const QStringList &values) {
        QStringList quoted;
        for (const QString &v : values)
            quoted << sqlLiteral(db, v);
        return quoted.join(QLatin1Char(','));
    };
    QStringList terms;
    if (!p.sites.isEmpty())
        terms << QStringLiteral("%1site IN (%2)").arg(a, list(p.sites));
    if (!p.experiments.isEmpty()) {
        QStringList plain;
        QStringList qualified;
        for (const QString &e : p.experiments)
            (e.contains(QLatin1Char('/')) ? qualified : plain) << e;
        QStringList either;
        if (!plain.isEmpty())
            either << QStringLiteral("%1experiment IN (%2)").arg(a, list(plain));
        if (!qualified.isEmpty())
            either << QStringLiteral("%1site || '/' || %1experiment IN (%2)").arg(a, list(qualified));
        terms << QLatin1Char('(') + either.join(QStringLiteral(" OR ")) + QLatin1Char(')');
    }
    return terms.isEmpty() ? QStringLiteral("true") : terms.join(QStringLiteral(" AND "));
}

bool StudyPlan::ready(QString *error)
{
    QSqlQuery q(m_db.connection());
    if (!q.exec(QStringLiteral(
            "SELECT to_regclass('vora_protocols') IS NOT NULL AND to_regclass('vora_looks') IS NOT NULL"))
        || !q.next()) {
        *error = m_db.failure(readFailure(), q.lastError().text());
        return false;
    }
    if (!q.value(0).toBool()) {
        *error = QStringLiteral("研究用データベースに計画の表（vora_protocols, vora_looks）がありません：vora-data "
                                "study init を実行してください");
        return false;
    }
    return true;
}

StudyPlan::Registered StudyPlan::registerProtocol(const ProtocolRead &read, Registration *out, QString *error)
{
    const QSqlDatabase db = m_db.connection();
    QSqlQuery q(db);
    if (!q.exec(QStringLiteral("INSERT INTO vora_protocols (sha256, protocol, title) VALUES (%1, %2, %3)"
                               " ON CONFLICT (sha256) DO NOTHING RETURNING sha256")
                    .arg(sqlLiteral(db, read.sha256), sqlLiteral(db, QString::fromUtf8(read.bytes)),
                         sqlLiteral(db, read.protocol.title)))) {
        *error = m_db.failure(QStringLiteral("計画を登録できません"), q.lastError().text());
        return Registered::Failed;
    }
    const bool inserted = q.next();
    bool found = false;
    if (!registration(read.sha256, out, &found, error))
        return Registered::Failed;
    if (!found) {
        *error = QStringLiteral("計画を登録できません：登録した行が見つかりません");
        return Registered::Failed;
    }
    return inserted ? Registered::New : Registered::Already;
}

bool StudyPlan::registration(const QString &sha256, Registration *out, bool *found, QString *error)
{
    const QSqlDatabase db = m_db.connection();
    QSqlQuery q(db);
    if (!q.exec(QStringLiteral("SELECT sha256, title, to_char(registered_at, %1), registered_by, protocol"
                               " FROM vora_protocols WHERE sha256 = %2")
                    .arg(kTime, sqlLiteral(db, sha256)))) {
        *error = m_db.failure(readFailure(), q.lastError().text());
        return false;
    }
    *found = q.next();
    if (*found)
        *out = {q.value(0).toString(), q.value(1).toString(), q.value(2).toString(), q.value(3).toString(),
                q.value(4).toString().toUtf8()};
    return true;
}

bool StudyPlan::totals(const Protocol &p, StudyTotals *out, QString *error)
{
    QSqlQuery q(m_db.connection());
    if (!q.exec(QStringLiteral("SELECT count(*), coalesce(sum(hits), 0), to_char(min(received_at), %1),"
                               " array_to_string(array_agg(DISTINCT site ORDER BY site), ',')"
                               " FROM vora_runs WHERE consistent AND %2")
                    .arg(kTime, studyFilter(p)))
        || !q.next()) {
        *error = m_db.failure(readFailure(), q.lastError().text());
        return false;
    }
    out->runs = q.value(0).toLongLong();
    out->trials = out->runs * 100;
    out->hits = q.value(1).toLongLong();
    out->firstReceived = q.value(2).toString();
    out->sites = q.value(3).toString().split(QLatin1Char(','), Qt::SkipEmptyParts);
    return true;
}

bool StudyPlan::hitsOfFirst(const Protocol &p, std::int64_t trials, std::int64_t *hits, QString *error)
{
    QSqlQuery q(m_db.connection());
    const QString n = QString::number(trials);
    if (!q.exec(QStringLiteral(
                    "WITH s AS (SELECT hits, targets, inputs, sum(100) OVER (ORDER BY %1 ROWS UNBOUNDED"
                    " PRECEDING) AS upto FROM vora_runs WHERE consistent AND %2)"
                    " SELECT coalesce(sum(hits) FILTER (WHERE upto <= %3), 0)"
                    " + coalesce(sum(bit_count(substring(~(targets # inputs) FROM 1 FOR (%3 - upto + 100)::int)))"
                    " FILTER (WHERE upto > %3 AND upto - 100 < %3), 0) FROM s")
                    .arg(kArrival, studyFilter(p), n))
        || !q.next()) {
        *error = m_db.failure(readFailure(), q.lastError().text());
        return false;
    }
    *hits = q.value(0).toLongLong();
    return true;
}

bool StudyPlan::runsReceivedAfter(const Protocol &p, const QString &time, std::int64_t *runs, QString *error)
{
    const QSqlDatabase db = m_db.connection();
    QSqlQuery q(db);
    if (!q.exec(QStringLiteral("SELECT count(*) FROM vora_runs WHERE %1 AND received_at > %2::timestamptz")
                    .arg(studyFilter(p), sqlLiteral(db, time)))
        || !q.next()) {
        *error = m_db.failure(readFailure(), q.lastError().text());
        return false;
    }
    *runs = q.value(0).toLongLong();
    return true;
}

bool StudyPlan::looks(const QString &sha256, QVector<Look> *out, QString *error)
{
    out->clear();
    const QSqlDatabase db = m_db.connection();
    QSqlQuery q(db);
    q.setForwardOnly(true);
    if (!q.exec(QStringLiteral("SELECT id, to_char(looked_at, %1), looked_by, trials, point, decision FROM vora_looks"
                               " WHERE sha256 = %2 ORDER BY looked_at, id")
                    .arg(kTime, sqlLiteral(db, sha256)))) {
        *error = m_db.failure(readFailure(), q.lastError().text());
        return false;
    }
    while (q.next()) {
        Look l;
        l.id = q.value(0).toLongLong();
        l.lookedAt = q.value(1).toString();
        l.lookedBy = q.value(2).toString();
        l.trials = q.value(3).toLongLong();
        if (!q.value(4).isNull())
            l.point = q.value(4).toLongLong();
        l.decision = q.value(5).toString();
        out->append(l);
    }
    return !q.lastError().isValid();
}

bool StudyPlan::addLook(const QString &sha256, std::int64_t trials, std::optional<std::int64_t> point,
                        const QString &decision, Look *out, QString *error)
{
    const QSqlDatabase db = m_db.connection();
    QSqlQuery q(db);
    if (!q.exec(QStringLiteral("INSERT INTO vora_looks (sha256, trials, point, decision) VALUES (%1, %2, %3, %4)"
                               " RETURNING id, to_char(looked_at, %5), looked_by")
                    .arg(sqlLiteral(db, sha256), QString::number(trials),
                         point ? QString::number(*point) : QStringLiteral("NULL"), sqlLiteral(db, decision), kTime))
        || !q.next()) {
        *error = m_db.failure(QStringLiteral("中間解析の記録を残せません"), q.lastError().text());
        return false;
    }
    out->id = q.value(0).toLongLong();
    out->lookedAt = q.value(1).toString();
    out->lookedBy = q.value(2).toString();
    out->trials = trials;
    out->point = point;
    out->decision = decision;
    return true;
}

bool StudyPlan::headsNotBorneOut(const Protocol &p, QStringList *out, qint64 *checked, QString *error)
{
    out->clear();
    QSqlQuery q(m_db.connection());
    q.setForwardOnly(true);
    if (!q.exec(QStringLiteral("SELECT h.site, h.experiment, h.run, r.run IS NOT NULL AND r.seal IS NOT DISTINCT FROM"
                               " h.head FROM vora_heads h LEFT JOIN vora_runs r ON (r.site, r.experiment, r.run) ="
                               " (h.site, h.experiment, h.run) WHERE %1"
                               " ORDER BY h.site COLLATE \"C\", h.experiment COLLATE \"C\", h.run")
                    .arg(studyFilter(p, QStringLiteral("h"))))) {
        *error = m_db.failure(readFailure(), q.lastError().text());
        return false;
    }
    *checked = 0;
    while (q.next()) {
        ++*checked;
        if (!q.value(3).toBool())
            out->append(QStringLiteral("%1/%2 run %3")
                            .arg(q.value(0).toString(), q.value(1).toString(), q.value(2).toString()));
    }
    out->removeDuplicates();
    return !q.lastError().isValid();
}

bool StudyPlan::states(QVector<ProtocolState> *out, QString *error)
{
    out->clear();
    QSqlQuery q(m_db.connection());
    q.setForwardOnly(true);
    if (!q.exec(QStringLiteral("SELECT p.sha256, p.protocol, to_char(l.looked_at, %1), l.decision FROM vora_protocols p"
                               " LEFT JOIN LATERAL (SELECT looked_at, decision FROM vora_looks WHERE sha256 = p.sha256"
                               " AND decision LIKE 'stop-%' ORDER BY looked_at, id LIMIT 1) l ON true"
                               " ORDER BY p.registered_at")
                    .arg(kTime))) {
        *error = m_db.failure(readFailure(), q.lastError().text());
        return false;
    }
    while (q.next()) {
        const ProtocolRead read = parseProtocol(q.value(1).toString().toUtf8());
        if (!read.ok)
            continue; // registered by hand without the check: no study the program can follow
        out->append({read.protocol, q.value(0).toString(), q.value(2).toString(), q.value(3).toString()});
    }
    return !q.lastError().isValid();
}

} // namespace vora::study
