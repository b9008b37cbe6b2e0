#include "PlanAudit.h"

#include "Output.h"

#include "core/report/Stats.h"
#include "core/study/Sequential.h"
#include "core/study/mirror/StudyDatabase.h"
#include "core/study/mirror/StudyPlan.h"

#include <QSqlError>
#include <QSqlQuery>
#include <QVariant>

#include <cmath>

namespace voradata {

namespace {

using vora::report::Lang;
using vora::report::PlanAudit;

QString tr(Lang lang, const QString &ja, const QString &en)
{
    return lang == Lang::Ja ? ja : en;
}

QString decisionLabel(const QString &decision, Lang lang)
{
    if (decision == QLatin1String("continue"))
        return tr(lang, QStringLiteral("継続"), QStringLiteral("continue"));
    if (decision == QLatin1String("stop-h1"))
        return tr(lang, QStringLiteral("停止：H1"), QStringLiteral("stop for H1"));
    if (decision == QLatin1String("stop-h0"))
        return tr(lang, QStringLiteral("停止：H0"), QStringLiteral("stop for H0"));
    if (decision == QLatin1String("stop-max"))
        return tr(lang, QStringLiteral("停止：最大試行数"), QStringLiteral("stop, maximum reached"));
    return decision;
}

// Hits, rate, each prior's BF10, and the secondary binomial test.
QVector<PlanAudit::Figure> analysisFigures(const vora::study::Protocol &p, std::int64_t hits, std::int64_t trials,
                                           Lang lang)
{
    QVector<PlanAudit::Figure> out;
    out.append({tr(lang, QStringLiteral("一致 / 試行"), QStringLiteral("Hits / trials")),
                QStringLiteral("%1 / %2").arg(hits).arg(trials)});
    out.append({tr(lang, QStringLiteral("的中率"), QStringLiteral("Hit rate")),
                trials > 0 ? QString::number(double(hits) / double(trials), 'f', 5) : QStringLiteral("—")});
    for (const vora::study::Prior &prior : p.priors) {
        const double l = vora::study::log10BayesFactor(p.hypothesis, prior, hits, trials);
        out.append({QStringLiteral("BF10 %1 Beta(%2, %3)")
                        .arg(prior.name, QString::number(prior.a, 'g', 6), QString::number(prior.b, 'g', 6)),
                    QStringLiteral("%1 (log10 %2)")
                        .arg(QString::number(std::pow(10.0, l), 'g', 4), QString::number(l, 'f', 3))});
    }
    if (p.binomialAlpha > 0.0 && trials > 0) {
        // At 1/2 the upper tail P(X >= h) for h above n/2 is half the two-tailed p.
        const double log10Two = vora::stats::log10BinomialTwoTailedP(hits, trials);
        const bool greater = p.hypothesis == vora::study::Hypothesis::Greater;
        QString value;
        bool significant = false;
        if (greater && 2 * hits <= trials) {
            value = QStringLiteral("p ≥ 0.5");
        } else {
            const double log10P = greater ? log10Two - std::log10(2.0) : log10Two;
            significant = log10P < std::log10(p.binomialAlpha);
            value = QStringLiteral("p = %1").arg(QString::number(std::pow(10.0, log10P), 'g', 4));
        }
        out.append(
            {tr(lang, QStringLiteral("正確二項検定（%1、α = %2）"), QStringLiteral("Exact binomial test (%1, α = %2)"))
                 .arg(vora::study::hypothesisName(p.hypothesis), QString::number(p.binomialAlpha, 'g', 4)),
             value
                 + (significant ? tr(lang, QStringLiteral("：有意"), QStringLiteral(": significant"))
                                : tr(lang, QStringLiteral("：有意でない"), QStringLiteral(": not significant")))});
    }
    return out;
}

} // namespace

int auditPlan(const ServerOptions &server, const QString &path, Lang lang, PlanAudit *out)
{
    const vora::study::ProtocolRead read = vora::study::readProtocol(path);
    if (!read.ok) {
        for (const QString &problem : read.problems)
            writeErr(QStringLiteral("vora-data: ") + printableName(path) + QStringLiteral(": ") + problem
                     + QLatin1Char('\n'));
        return read.bytes.isEmpty() ? kExitUsage : kExitBadData;
    }
    const vora::study::Protocol &p = read.protocol;
    vora::study::StudyDatabase db(server.conn);
    vora::study::StudyPlan plan(db);
    QString error;
    auto failed = [&] {
        writeErr(QStringLiteral("vora-data: ") + error + QLatin1Char('\n'));
        return kExitUsage;
    };
    if (!db.open(&error) || !plan.ready(&error))
        return failed();
    vora::study::Registration registration;
    bool registered = false;
    vora::study::StudyTotals totals;
    QVector<vora::study::Look> looks;
    if (!plan.registration(read.sha256, &registration, &registered, &error) || !plan.totals(p, &totals, &error)
        || !plan.looks(read.sha256, &looks, &error))
        return failed();

    out->title = p.title;
    out->sha256 = read.sha256;
    auto answer = [&](const QString &ja, const QString &en, bool yes, const QString &evidence) {
        out->answers.append({tr(lang, ja, en), yes, evidence});
    };

    // Registered before the first run; unchanged since.
    QVariant firstIsLater;
    bool before = false;
    if (registered) {
        QSqlQuery q(db.connection());
        if (!q.exec(QStringLiteral("SELECT %1::timestamptz < coalesce(%2::timestamptz, 'infinity')")
                        .arg(vora::study::sqlLiteral(db.connection(), registration.registeredAt),
                             totals.firstReceived.isEmpty()
                                 ? QStringLiteral("NULL")
                                 : vora::study::sqlLiteral(db.connection(), totals.firstReceived)))
            || !q.next()) {
            error = db.failure(QStringLiteral("研究用データベースを読めません"), q.lastError().text());
            return failed();
        }
        before = q.value(0).toBool();
    }
    const QString firstRun = totals.firstReceived.isEmpty()
                                 ? tr(lang, QStringLiteral("ランはまだありません"), QStringLiteral("no run yet"))
                                 : tr(lang, QStringLiteral("最初のラン %1"), QStringLiteral("first run received %1"))
                                       .arg(totals.firstReceived);
    answer(QStringLiteral("計画は最初のランより前に登録されたか"),
           QStringLiteral("Protocol registered before the first run"), registered && before,
           registered ? tr(lang, QStringLiteral("登録 %1（%2）、%3"), QStringLiteral("registered %1 by %2; %3"))
                            .arg(registration.registeredAt, registration.registeredBy, firstRun)
                      : tr(lang, QStringLiteral("このファイルの SHA-256 は登録されていません；%1"),
                           QStringLiteral("this file's SHA-256 is not registered; %1"))
                            .arg(firstRun));
    QString others;
    if (!registered) {
        QSqlQuery q(db.connection());
        if (q.exec(QStringLiteral("SELECT string_agg(sha256 || ' (' || registered_at || ')', ', ') FROM vora_protocols"
                                  " WHERE title = %1")
                       .arg(vora::study::sqlLiteral(db.connection(), p.title)))
            && q.next())
            others = q.value(0).toString();
    }
    answer(QStringLiteral("計画は登録後に変わっていないか（ハッシュ）"), QStringLiteral("Protocol unchanged (hash)"),
           registered,
           registered ? tr(lang, QStringLiteral("SHA-256 %1 は登録どおり"), QStringLiteral("SHA-256 %1 as registered"))
                            .arg(read.sha256)
           : others.isEmpty() ? tr(lang, QStringLiteral("SHA-256 %1 の登録はありません"),
                                   QStringLiteral("no registration of SHA-256 %1"))
                                    .arg(read.sha256)
                              : tr(lang, QStringLiteral("同じ題名で登録されたのは別のハッシュ：%1"),
                                   QStringLiteral("the same title was registered under another hash: %1"))
                                    .arg(others));

    // Looks: analyses only at planned points; the stop where the rule says.
    QStringList offPoint;
    QStringList seen;
    const vora::study::Look *stop = nullptr;
    QStringList wrongDecision;
    for (const vora::study::Look &l : std::as_const(looks)) {
        if (!l.point)
            continue;
        seen << QStringLiteral("%1 (%2)").arg(*l.point).arg(decisionLabel(l.decision, lang));
        if (!p.stoppingPoints.contains(*l.point) || *l.point < p.minTrials || l.trials < *l.point)
            offPoint << QStringLiteral("%1 (%2, %3)").arg(*l.point).arg(l.lookedAt, l.lookedBy);
        std::int64_t hits = 0;
        if (!plan.hitsOfFirst(p, *l.point, &hits, &error))
            return failed();
        const QString expected = vora::study::decisionName(vora::study::analyse(p, hits, *l.point).decision);
        if (expected != l.decision)
            wrongDecision << tr(lang, QStringLiteral("%1 で記録は %2、データでは %3"),
                                QStringLiteral("at %1 recorded %2, the data say %3"))
                                 .arg(QString::number(*l.point), decisionLabel(l.decision, lang),
                                      decisionLabel(expected, lang));
        if (!stop && l.decision.startsWith(QLatin1String("stop-")))
            stop = &l;
    }
    answer(QStringLiteral("中間解析はすべて停止点で行われたか"), QStringLiteral("Every look at a stopping point"),
           offPoint.isEmpty(),
           offPoint.isEmpty() ? (seen.isEmpty() ? tr(lang, QStringLiteral("解析された中間解析はありません"),
                                                     QStringLiteral("no look has analysed the data"))
                                                : tr(lang, QStringLiteral("解析：%1"), QStringLiteral("analysed: %1"))
                                                      .arg(seen.join(QStringLiteral(", "))))
                              : tr(lang, QStringLiteral("計画にない点での解析：%1"),
                                   QStringLiteral("analysed off the planned points: %1"))
                                    .arg(offPoint.join(QStringLiteral(", "))));

    std::int64_t afterStop = 0;
    if (stop && !plan.runsReceivedAfter(p, stop->lookedAt, &afterStop, &error))
        return failed();
    QStringList ruleProblems = wrongDecision;
    if (afterStop > 0)
        ruleProblems << tr(lang, QStringLiteral("停止後に受信したラン %1 件（停止後のデータ）"),
                           QStringLiteral("%1 runs received after the stop (after-stop data)"))
                            .arg(afterStop);
    answer(QStringLiteral("停止規則は守られたか"), QStringLiteral("Stopping rule followed"), ruleProblems.isEmpty(),
           !ruleProblems.isEmpty() ? ruleProblems.join(QStringLiteral("; "))
           : stop                  ? tr(lang, QStringLiteral("%1 試行で %2（%3）、その後のランなし"),
                                        QStringLiteral("%2 at %1 trials (%3), no run received after it"))
                        .arg(QString::number(*stop->point), decisionLabel(stop->decision, lang), stop->lookedAt)
                  : tr(lang, QStringLiteral("まだ停止していません（%1 試行）"),
                       QStringLiteral("not stopped yet (%1 trials)"))
                        .arg(totals.trials));

    QStringList missing;
    for (const QString &site : p.sites)
        if (!totals.sites.contains(site))
            missing << site;
    answer(QStringLiteral("計画に含まれる全サイトのデータがあるか"), QStringLiteral("All included sites present"),
           missing.isEmpty() && !totals.sites.isEmpty(),
           missing.isEmpty()
               ? tr(lang, QStringLiteral("データのあるサイト：%1"), QStringLiteral("sites with runs: %1"))
                     .arg(totals.sites.isEmpty() ? QStringLiteral("—") : totals.sites.join(QStringLiteral(", ")))
               : tr(lang, QStringLiteral("ランのないサイト：%1"), QStringLiteral("sites without runs: %1"))
                     .arg(missing.join(QStringLiteral(", "))));

    QStringList unsupported;
    qint64 checked = 0;
    if (!plan.headsNotBorneOut(p, &unsupported, &checked, &error))
        return failed();
    answer(QStringLiteral("各サイトの封印ヘッドは保存されたランと一致するか"),
           QStringLiteral("Every site's seal heads consistent"), unsupported.isEmpty(),
           unsupported.isEmpty()
               ? tr(lang, QStringLiteral("記録されたヘッド %1 件すべてが保存されたランの封印と一致"),
                    QStringLiteral("all %1 recorded heads match the stored runs' seals"))
                     .arg(checked)
               : tr(lang, QStringLiteral("一致しないヘッド：%1"), QStringLiteral("heads not borne out: %1"))
                     .arg(unsupported.join(QStringLiteral(", "))));

    // The primary analysis where the plan decided (or at its last analysed point).
    std::optional<std::int64_t> decisionPoint;
    QString decision;
    if (stop) {
        decisionPoint = stop->point;
        decision = stop->decision;
    } else {
        for (const vora::study::Look &l : std::as_const(looks))
            if (l.point) {
                decisionPoint = l.point;
                decision = l.decision;
            }
    }
    if (decisionPoint) {
        std::int64_t hits = 0;
        if (!plan.hitsOfFirst(p, *decisionPoint, &hits, &error))
            return failed();
        out->primaryHeading = tr(lang, QStringLiteral("主解析：%1 試行の時点（%2）"),
                                 QStringLiteral("Primary analysis at %1 trials (%2)"))
                                  .arg(QString::number(*decisionPoint), decisionLabel(decision, lang));
        out->primary = analysisFigures(p, hits, *decisionPoint, lang);
    } else {
        out->primaryHeading = tr(lang, QStringLiteral("主解析：まだどの停止点も解析されていません"),
                                 QStringLiteral("Primary analysis: no stopping point analysed yet"));
    }
    out->exploratory = analysisFigures(p, totals.hits, totals.trials, lang);
    return kExitOk;
}

} // namespace voradata
