// vora-data protocol check|register|simulate FILE and vora-data interim PROTOCOL: a
// preregistered study's plan, checked, registered on the server, tried out by simulation, and
// analysed at its stopping points only.
#include "CommandLine.h"
#include "Commands.h"
#include "Output.h"
#include "ServerOptions.h"

#include "core/study/Protocol.h"
#include "core/study/Sequential.h"
#include "core/study/mirror/StudyDatabase.h"
#include "core/study/mirror/StudyPlan.h"

#include <QCoreApplication>

#include <cmath>

namespace voradata {

namespace {

// The texts of this file, under the translation context "ProtocolCommand". The hash line
// ("sha256 HASH") is the same in every language, as sha256sum writes it.
struct Texts {
    Q_DECLARE_TR_FUNCTIONS(ProtocolCommand)
};

using vora::study::Decision;
using vora::study::Protocol;
using vora::study::ProtocolRead;

// The file read and checked; problems printed as "FILE: problem". 0, 1 (invalid) or 2.
int readChecked(const QString &path, ProtocolRead *read)
{
    *read = vora::study::readProtocol(path);
    if (read->ok)
        return kExitOk;
    // A file that could not be read at all is the caller's mistake (exit 2, on stderr); a
    // protocol read and found wanting is the data's (exit 1, on stdout).
    const bool unreadable = read->unreadable;
    for (const QString &problem : std::as_const(read->problems))
        (unreadable ? writeErr(QStringLiteral("vora-data: ") + printableName(path) + QStringLiteral(": ") + problem
                               + QLatin1Char('\n'))
                    : writeOut(printableName(path) + QStringLiteral(": ") + problem + QLatin1Char('\n')));
    return unreadable ? kExitUsage : kExitBadData;
}

QString number(double v)
{
    return QString::number(v, 'g', 6);
}

QString planLines(const Protocol &p)
{
    QStringList priors;
    for (const vora::study::Prior &prior : p.priors)
        priors << QStringLiteral("%1 Beta(%2, %3)").arg(prior.name, number(prior.a), number(prior.b));
    QStringList points;
    for (const std::int64_t n : p.stoppingPoints)
        points << QString::number(n);
    QString rule = p.rule == vora::study::StopRule::AllPriors ? Texts::tr("すべての事前分布の BF10 が同じ閾値を超える")
                                                              : Texts::tr("%1 の BF10").arg(p.decidingPrior);
    return Texts::tr("題名: %1\n仮説: %2\n事前分布: %3\n規則: %4\n停止点: %5 試行\n"
                     "閾値: H1 は BF10 >= %6、H0 は <= %7\n試行数: %8 〜 %9\n盲検化: %10\n")
        .arg(p.title, vora::study::hypothesisName(p.hypothesis), priors.join(QStringLiteral(", ")), rule,
             points.join(QStringLiteral(", ")), number(p.thresholdH1), number(p.thresholdH0))
        .arg(p.minTrials)
        .arg(p.maxTrials)
        .arg(p.blinding ? Texts::tr("あり") : Texts::tr("なし"));
}

QString operatingLine(const QString &how, double rate, const vora::study::Operating &o)
{
    const bool exact = o.sims == 0;
    auto f = [&](double p, double se) {
        return exact ? QString::number(p, 'f', 4)
                     : QString::number(p, 'f', 4) + QStringLiteral(" ± ") + QString::number(se, 'f', 4);
    };
    return Texts::tr("的中率 %1、%2: H1 で停止 %3、H0 で停止 %4、最大で停止 %5。試行数の期待値 %6\n")
        .arg(number(rate), how, f(o.pH1, o.seH1), f(o.pH0, o.seH0), f(o.pMax, o.seMax),
             exact ? QString::number(o.expectedTrials, 'f', 1)
                   : QString::number(o.expectedTrials, 'f', 1) + QStringLiteral(" ± ")
                         + QString::number(o.seTrials, 'f', 1));
}

int simulate(const CommandLine &line, const Protocol &p)
{
    bool ok = true;
    const int sims = line.isSet(QStringLiteral("sims")) ? line.value(QStringLiteral("sims")).toInt(&ok) : 10000;
    if (!ok || sims < 1 || sims > 10000000)
        return line.usageError(Texts::tr("--sims にはシミュレーションの回数を 1 から 10000000 で指定します"));
    QVector<double> rates{0.5};
    if (line.isSet(QStringLiteral("rate"))) {
        const double r = line.value(QStringLiteral("rate")).toDouble(&ok);
        if (!ok || !(r > 0.0) || !(r < 1.0))
            return line.usageError(Texts::tr("--rate には 0 と 1 の間の的中率を指定します（例 0.51）"));
        if (r != 0.5)
            rates << r;
    }
    const quint64 seed =
        line.isSet(QStringLiteral("seed")) ? line.value(QStringLiteral("seed")).toULongLong(&ok) : 20240601u;
    if (!ok)
        return line.usageError(Texts::tr("--seed には整数を指定します"));
    for (const double rate : std::as_const(rates)) {
        writeOut(operatingLine(Texts::tr("シミュレーション %1 回").arg(sims), rate,
                               vora::study::simulate(p, rate, sims, seed)));
        const vora::study::Operating exact = vora::study::exactOperating(p, rate);
        if (std::isfinite(exact.pH1))
            writeOut(operatingLine(Texts::tr("正確な値"), rate, exact));
    }
    return kExitOk;
}

// Opens the server and checks that the study tables are there; 0 or 2.
int openPlan(vora::study::StudyDatabase &db, vora::study::StudyPlan &plan)
{
    QString error;
    if (!db.open(&error) || !plan.ready(&error)) {
        writeErr(QStringLiteral("vora-data: ") + error + QLatin1Char('\n'));
        return kExitUsage;
    }
    return kExitOk;
}

int registerProtocol(const ServerOptions &server, const ProtocolRead &read)
{
    vora::study::StudyDatabase db(server.conn);
    vora::study::StudyPlan plan(db);
    if (const int bad = openPlan(db, plan); bad != kExitOk)
        return bad;
    QString error;
    vora::study::StudyTotals before;
    if (!plan.totals(read.protocol, &before, &error)) {
        writeErr(QStringLiteral("vora-data: ") + error + QLatin1Char('\n'));
        return kExitUsage;
    }
    vora::study::Registration r;
    const auto result = plan.registerProtocol(read, &r, &error);
    if (result == vora::study::StudyPlan::Registered::Failed) {
        writeErr(QStringLiteral("vora-data: ") + error + QLatin1Char('\n'));
        return kExitUsage;
    }
    const QString done = result == vora::study::StudyPlan::Registered::New ? Texts::tr("登録しました: %1（%2、%3）")
                                                                           : Texts::tr("登録済み: %1（%2、%3）");
    writeOut(done.arg(r.title, r.registeredAt, r.registeredBy) + QStringLiteral("\nsha256 ") + r.sha256
             + QLatin1Char('\n'));
    if (before.runs > 0 && result == vora::study::StudyPlan::Registered::New)
        writeErr(QStringLiteral("vora-data: ")
                 + Texts::tr("警告: 研究にはすでにラン %1 件があります（最初の受信 %2）。最初のランより後に登録した"
                             "プロトコルはレポートの監査に通りません")
                       .arg(QString::number(before.runs), before.firstReceived)
                 + QLatin1Char('\n'));
    return kExitOk;
}

QString decisionText(const QString &decision)
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

QString figures(const Protocol &p, const vora::study::Analysis &a)
{
    QString out =
        Texts::tr("  一致 %1 / %2 試行（的中率 %3）\n")
            .arg(a.hits)
            .arg(a.trials)
            .arg(a.trials > 0 ? QString::number(double(a.hits) / double(a.trials), 'f', 5) : QStringLiteral("-"));
    for (int i = 0; i < p.priors.size() && i < a.log10Bf.size(); ++i)
        out += QStringLiteral("  BF10 %1 Beta(%2, %3): %4 (log10 %5)\n")
                   .arg(p.priors.at(i).name, number(p.priors.at(i).a), number(p.priors.at(i).b),
                        QString::number(std::pow(10.0, a.log10Bf.at(i)), 'g', 4),
                        QString::number(a.log10Bf.at(i), 'f', 4));
    return out;
}

} // namespace

int runProtocol(const QStringList &args)
{
    CommandLine line(QStringLiteral("protocol"));
    if (!line.parse(args))
        return line.exitCode();
    const QStringList words = line.positional();
    const QString action = words.value(0);
    if (action != QLatin1String("check") && action != QLatin1String("register") && action != QLatin1String("simulate"))
        return line.usageError(words.isEmpty() ? Texts::tr("check、register、simulate のどれかと FILE が必要です")
                                               : Texts::tr("不明な操作 \"%1\"").arg(action));
    if (words.size() != 2)
        return line.usageError(Texts::tr("%1 にはプロトコルの FILE を 1 つ指定します").arg(action));
    if (action != QLatin1String("simulate")
        && (line.isSet(QStringLiteral("rate")) || line.isSet(QStringLiteral("sims"))
            || line.isSet(QStringLiteral("seed"))))
        return line.usageError(Texts::tr("--rate、--sims、--seed は simulate のためのものです"));
    ServerOptions server;
    if (action == QLatin1String("register")) {
        if (const int bad = server.read(line, ServerUse::Admin); bad != kExitOk)
            return bad;
    } else if (line.isSet(QStringLiteral("server")) || line.isSet(QStringLiteral("server-file"))) {
        return line.usageError(Texts::tr("--server は register のためのものです"));
    }
    const QString path = words.at(1);
    ProtocolRead read;
    if (const int bad = readChecked(path, &read); bad != kExitOk)
        return bad;
    if (action == QLatin1String("check")) {
        writeOut(printableName(path) + QStringLiteral(": ok\n") + planLines(read.protocol) + QStringLiteral("sha256 ")
                 + read.sha256 + QLatin1Char('\n'));
        return kExitOk;
    }
    if (action == QLatin1String("simulate"))
        return simulate(line, read.protocol);
    return registerProtocol(server, read);
}

int runInterim(const QStringList &args)
{
    CommandLine line(QStringLiteral("interim"));
    if (!line.parse(args))
        return line.exitCode();
    const QStringList words = line.positional();
    if (words.size() != 1)
        return line.usageError(Texts::tr("PROTOCOL ファイルを 1 つ指定してください"));
    ServerOptions server;
    if (const int bad = server.read(line, ServerUse::Admin); bad != kExitOk)
        return bad;
    ProtocolRead read;
    if (const int bad = readChecked(words.first(), &read); bad != kExitOk)
        return bad;
    const Protocol &p = read.protocol;
    vora::study::StudyDatabase db(server.conn);
    vora::study::StudyPlan plan(db);
    if (const int bad = openPlan(db, plan); bad != kExitOk)
        return bad;
    QString error;
    auto failed = [&] {
        writeErr(QStringLiteral("vora-data: ") + error + QLatin1Char('\n'));
        return kExitUsage;
    };
    vora::study::Registration registration;
    bool registered = false;
    if (!plan.registration(read.sha256, &registration, &registered, &error))
        return failed();
    if (!registered) {
        writeErr(QStringLiteral("vora-data: ")
                 + Texts::tr("%1: このプロトコル（sha256 %2）は登録されていません。中間解析は登録した計画にだけ従います"
                             "（vora-data protocol register）")
                       .arg(printableName(words.first()), read.sha256)
                 + QLatin1Char('\n'));
        return kExitBadData;
    }
    QVector<vora::study::Look> looks;
    vora::study::StudyTotals totals;
    if (!plan.looks(read.sha256, &looks, &error) || !plan.totals(p, &totals, &error))
        return failed();

    // A study that stopped stays stopped: the call is recorded and the outcome repeated.
    for (const vora::study::Look &l : std::as_const(looks)) {
        if (!l.decision.startsWith(QLatin1String("stop-")))
            continue;
        vora::study::Look now;
        std::int64_t hits = 0;
        if (!plan.addLook(read.sha256, totals.trials, std::nullopt, QStringLiteral("stopped"), &now, &error)
            || !plan.hitsOfFirst(p, *l.point, &hits, &error))
            return failed();
        writeOut(Texts::tr("研究は %1 試行で停止しました（%2）: %3\n")
                     .arg(QString::number(*l.point), l.lookedAt, decisionText(l.decision))
                 + figures(p, vora::study::analyse(p, hits, *l.point)));
        return kExitOk;
    }

    // Every planned point the data have reached and no look has analysed yet, in order,
    // until one stops the study.
    QVector<std::int64_t> analysed;
    for (const vora::study::Look &l : std::as_const(looks))
        if (l.point)
            analysed << *l.point;
    bool any = false;
    for (const std::int64_t point : p.stoppingPoints) {
        if (analysed.contains(point))
            continue;
        if (point > totals.trials)
            break;
        any = true;
        std::int64_t hits = 0;
        if (!plan.hitsOfFirst(p, point, &hits, &error))
            return failed();
        const vora::study::Analysis a = vora::study::analyse(p, hits, point);
        const QString decision = vora::study::decisionName(a.decision);
        vora::study::Look look;
        if (!plan.addLook(read.sha256, totals.trials, point, decision, &look, &error))
            return failed();
        writeOut(Texts::tr("%1 試行: %2\n").arg(QString::number(point), decisionText(decision)));
        // Blind: the figures only once the study has stopped.
        if (!p.blinding || a.decision != Decision::Continue)
            writeOut(figures(p, a));
        if (a.decision != Decision::Continue) {
            writeOut(Texts::tr("研究は終わりました。プログラムはこの研究の新しいランを受け付けません\n"));
            return kExitOk;
        }
    }
    if (!any) {
        std::int64_t next = 0;
        for (const std::int64_t point : p.stoppingPoints)
            if (!analysed.contains(point)) {
                next = point;
                break;
            }
        vora::study::Look look;
        if (!plan.addLook(read.sha256, totals.trials, std::nullopt, QStringLiteral("waiting"), &look, &error))
            return failed();
        writeOut(Texts::tr("停止点に達していません: %1 試行、次の停止点は %2 試行\n").arg(totals.trials).arg(next));
    }
    return kExitOk;
}

} // namespace voradata
