#include "PlanAudit.h"

#include "Output.h"

#include "core/report/Pooled.h"
#include "core/report/Stats.h"
#include "core/study/Sequential.h"
#include "core/study/mirror/StudyDatabase.h"
#include "core/study/mirror/StudyPlan.h"
#include "core/toolkit/Language.h"

#include <QCoreApplication>
#include <QSqlError>
#include <QSqlQuery>
#include <QVariant>

#include <cmath>

namespace voradata {

namespace {

using vora::report::Lang;
using vora::report::PlanAudit;

// The texts of this file, under the translation context "PlanAudit".
struct Texts {
    Q_DECLARE_TR_FUNCTIONS(PlanAudit)
};

QString decisionLabel(const QString &decision)
{
    if (decision == QLatin1String("continue"))
        return Texts::tr("継続");
    if (decision == QLatin1String("stop-h1"))
        return Texts::tr("停止：H1");
    if (decision == QLatin1String("stop-h0"))
        return Texts::tr("停止：H0");
    if (decision == QLatin1String("stop-max"))
        return Texts::tr("停止：最大試行数");
    return decision;
}

// Hits, rate, each prior's BF10, and the secondary binomial test.
QVector<PlanAudit::Figure> analysisFigures(const vora::study::Protocol &p, std::int64_t hits, std::int64_t trials)
{
    QVector<PlanAudit::Figure> out;
    out.append({Texts::tr("一致 / 試行"), QStringLiteral("%1 / %2").arg(hits).arg(trials)});
    out.append({Texts::tr("的中率"),
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
        out.append({Texts::tr("正確二項検定（%1、α = %2）")
                        .arg(vora::study::hypothesisName(p.hypothesis), QString::number(p.binomialAlpha, 'g', 4)),
                    value + (significant ? Texts::tr("：有意") : Texts::tr("：有意でない"))});
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
        return read.unreadable ? kExitUsage : kExitBadData;
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

    // The audit's texts are the report's: in its language, whatever vora-data speaks.
    const vora::language::Scope speaking(vora::report::languageCode(lang));
    out->title = p.title;
    out->sha256 = read.sha256;
    auto answer = [&](const QString &question, bool yes, const QString &evidence) {
        out->answers.append({question, yes, evidence});
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
            error = db.failure(Texts::tr("研究用データベースを読めません"), q.lastError().text());
            return failed();
        }
        before = q.value(0).toBool();
    }
    const QString firstRun = totals.firstReceived.isEmpty() ? Texts::tr("ランはまだありません")
                                                            : Texts::tr("最初のラン %1").arg(totals.firstReceived);
    answer(Texts::tr("計画は最初のランより前に登録されたか"), registered && before,
           registered
               ? Texts::tr("登録 %1（%2）、%3").arg(registration.registeredAt, registration.registeredBy, firstRun)
               : Texts::tr("このファイルの SHA-256 は登録されていません；%1").arg(firstRun));
    QString others;
    if (!registered) {
        QSqlQuery q(db.connection());
        if (q.exec(QStringLiteral("SELECT string_agg(sha256 || ' (' || registered_at || ')', ', ') FROM vora_protocols"
                                  " WHERE title = %1")
                       .arg(vora::study::sqlLiteral(db.connection(), p.title)))
            && q.next())
            others = q.value(0).toString();
    }
    answer(Texts::tr("計画は登録後に変わっていないか（ハッシュ）"), registered,
           registered         ? Texts::tr("SHA-256 %1 は登録どおり").arg(read.sha256)
           : others.isEmpty() ? Texts::tr("SHA-256 %1 の登録はありません").arg(read.sha256)
                              : Texts::tr("同じ題名で登録されたのは別のハッシュ：%1").arg(others));

    // Looks: analyses only at planned points; the stop where the rule says.
    QStringList offPoint;
    QStringList seen;
    const vora::study::Look *stop = nullptr;
    QStringList wrongDecision;
    for (const vora::study::Look &l : std::as_const(looks)) {
        if (!l.point)
            continue;
        seen << QStringLiteral("%1 (%2)").arg(*l.point).arg(decisionLabel(l.decision));
        if (!p.stoppingPoints.contains(*l.point) || *l.point < p.minTrials || l.trials < *l.point)
            offPoint << QStringLiteral("%1 (%2, %3)").arg(*l.point).arg(l.lookedAt, l.lookedBy);
        std::int64_t hits = 0;
        if (!plan.hitsOfFirst(p, *l.point, &hits, &error))
            return failed();
        const QString expected = vora::study::decisionName(vora::study::analyse(p, hits, *l.point).decision);
        if (expected != l.decision)
            wrongDecision << Texts::tr("%1 で記録は %2、データでは %3")
                                 .arg(QString::number(*l.point), decisionLabel(l.decision), decisionLabel(expected));
        if (!stop && l.decision.startsWith(QLatin1String("stop-")))
            stop = &l;
    }
    answer(Texts::tr("中間解析はすべて停止点で行われたか"), offPoint.isEmpty(),
           offPoint.isEmpty() ? (seen.isEmpty() ? Texts::tr("解析された中間解析はありません")
                                                : Texts::tr("解析：%1").arg(seen.join(QStringLiteral(", "))))
                              : Texts::tr("計画にない点での解析：%1").arg(offPoint.join(QStringLiteral(", "))));

    std::int64_t afterStop = 0;
    if (stop && !plan.runsReceivedAfter(p, stop->lookedAt, &afterStop, &error))
        return failed();
    QStringList ruleProblems = wrongDecision;
    if (afterStop > 0)
        ruleProblems << Texts::tr("停止後に受信したラン %1 件（停止後のデータ）").arg(afterStop);
    answer(Texts::tr("停止規則は守られたか"), ruleProblems.isEmpty(),
           !ruleProblems.isEmpty() ? ruleProblems.join(QStringLiteral("; "))
           : stop                  ? Texts::tr("%1 試行で %2（%3）、その後のランなし")
                        .arg(QString::number(*stop->point), decisionLabel(stop->decision), stop->lookedAt)
                  : Texts::tr("まだ停止していません（%1 試行）").arg(totals.trials));

    QStringList missing;
    for (const QString &site : p.sites)
        if (!totals.sites.contains(site))
            missing << site;
    answer(Texts::tr("計画に含まれる全サイトのデータがあるか"), missing.isEmpty() && !totals.sites.isEmpty(),
           missing.isEmpty()
               ? Texts::tr("データのあるサイト：%1")
                     .arg(totals.sites.isEmpty() ? QStringLiteral("—") : totals.sites.join(QStringLiteral(", ")))
               : Texts::tr("ランのないサイト：%1").arg(missing.join(QStringLiteral(", "))));

    QStringList unsupported;
    qint64 checked = 0;
    if (!plan.headsNotBorneOut(p, &unsupported, &checked, &error))
        return failed();
    answer(Texts::tr("各サイトの封印ヘッドは保存されたランと一致するか"), unsupported.isEmpty(),
           unsupported.isEmpty() ? Texts::tr("記録されたヘッド %1 件すべてが保存されたランの封印と一致").arg(checked)
                                 : Texts::tr("一致しないヘッド：%1").arg(unsupported.join(QStringLiteral(", "))));

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
        out->primaryHeading =
            Texts::tr("主解析：%1 試行の時点（%2）").arg(QString::number(*decisionPoint), decisionLabel(decision));
        out->primary = analysisFigures(p, hits, *decisionPoint);
    } else {
        out->primaryHeading = Texts::tr("主解析：まだどの停止点も解析されていません");
    }
    out->exploratory = analysisFigures(p, totals.hits, totals.trials);
    return kExitOk;
}

} // namespace voradata
