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

#include <cmath>

namespace voradata {

namespace {

using vora::study::Decision;
using vora::study::Protocol;
using vora::study::ProtocolRead;

// The file read and checked; problems printed as "FILE: problem". 0, 1 (invalid) or 2.
int readChecked(const QString &path, ProtocolRead *read)
{
    *read = vora::study::readProtocol(path);
    if (read->ok)
        return kExitOk;
    // What readProtocol() says of a file it could not read at all.
    static const QStringList kUnreadable{QStringLiteral("no such file"),
                                         QStringLiteral("larger than 1 MiB: not a protocol"),
                                         QStringLiteral("cannot be read")};
    const bool unreadable =
        read->bytes.isEmpty() && read->problems.size() == 1 && kUnreadable.contains(read->problems.first());
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
    QString rule = p.rule == vora::study::StopRule::AllPriors
                       ? QStringLiteral("every prior's BF10 past the same threshold")
                       : QStringLiteral("the BF10 of %1").arg(p.decidingPrior);
    return QStringLiteral("title: %1\nhypothesis: %2\npriors: %3\nrule: %4\nstopping points: %5 trials\n"
                          "thresholds: BF10 >= %6 for H1, <= %7 for H0\ntrials: %8 to %9\nblinding: %10\n")
        .arg(p.title, vora::study::hypothesisName(p.hypothesis), priors.join(QStringLiteral(", ")), rule,
             points.join(QStringLiteral(", ")), number(p.thresholdH1), number(p.thresholdH0))
        .arg(p.minTrials)
        .arg(p.maxTrials)
        .arg(p.blinding ? QStringLiteral("on") : QStringLiteral("off"));
}

QString operatingLine(const QString &how, double rate, const vora::study::Operating &o)
{
    const bool exact = o.sims == 0;
    auto f = [&](double p, double se) {
        return exact ? QString::number(p, 'f', 4)
                     : QString::number(p, 'f', 4) + QStringLiteral(" ± ") + QString::number(se, 'f', 4);
    };
    return QStringLiteral("rate %1, %2: stop for H1 %3, for H0 %4, at the maximum %5; expected trials %6\n")
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
        return line.usageError(QStringLiteral("--sims takes a number of simulations from 1 to 10000000"));
    QVector<double> rates{0.5};
    if (line.isSet(QStringLiteral("rate"))) {
        const double r = line.value(QStringLiteral("rate")).toDouble(&ok);
        if (!ok || !(r > 0.0) || !(r < 1.0))
            return line.usageError(QStringLiteral("--rate takes a hit rate between 0 and 1, e.g. 0.51"));
        if (r != 0.5)
            rates << r;
    }
    const quint64 seed =
        line.isSet(QStringLiteral("seed")) ? line.value(QStringLiteral("seed")).toULongLong(&ok) : 20240601u;
    if (!ok)
        return line.usageError(QStringLiteral("--seed takes a whole number"));
    for (const double rate : std::as_const(rates)) {
        writeOut(operatingLine(QStringLiteral("%1 simulations").arg(sims), rate,
                               vora::study::simulate(p, rate, sims, seed)));
        const vora::study::Operating exact = vora::study::exactOperating(p, rate);
        if (std::isfinite(exact.pH1))
            writeOut(operatingLine(QStringLiteral("exact"), rate, exact));
    }
    return kExitOk;
}

// Opens the server and checks that the study tables are there; 0 or 2.
int openPlan(const ServerOptions &server, vora::study::StudyDatabase &db, vora::study::StudyPlan &plan)
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
    if (const int bad = openPlan(server, db, plan); bad != kExitOk)
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
    writeOut(QStringLiteral("%1 %2 at %3 by %4\nsha256 %5\n")
                 .arg(result == vora::study::StudyPlan::Registered::New ? QStringLiteral("registered")
                                                                        : QStringLiteral("already registered"),
                      r.title, r.registeredAt, r.registeredBy, r.sha256));
    if (before.runs > 0 && result == vora::study::StudyPlan::Registered::New)
        writeErr(QStringLiteral("vora-data: warning: the study has %1 runs already (the first received %2): a "
                                "protocol registered after the first run does not pass the report's audit\n")
                     .arg(before.runs)
                     .arg(before.firstReceived));
    return kExitOk;
}

QString decisionText(const QString &decision)
{
    if (decision == QLatin1String("continue"))
        return QStringLiteral("「継続」 continue");
    if (decision == QLatin1String("stop-h1"))
        return QStringLiteral("「停止：H1」 stop for H1");
    if (decision == QLatin1String("stop-h0"))
        return QStringLiteral("「停止：H0」 stop for H0");
    if (decision == QLatin1String("stop-max"))
        return QStringLiteral("「停止：最大試行数」 stop, maximum reached");
    return decision;
}

QString figures(const Protocol &p, const vora::study::Analysis &a)
{
    QString out =
        QStringLiteral("  hits %1 of %2 trials (hit rate %3)\n")
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
        return line.usageError(words.isEmpty() ? QStringLiteral("check, register or simulate FILE is required")
                                               : QStringLiteral("unknown action \"") + action + QLatin1Char('"'));
    if (words.size() != 2)
        return line.usageError(action + QStringLiteral(" takes one protocol FILE"));
    if (action != QLatin1String("simulate")
        && (line.isSet(QStringLiteral("rate")) || line.isSet(QStringLiteral("sims"))
            || line.isSet(QStringLiteral("seed"))))
        return line.usageError(QStringLiteral("--rate, --sims and --seed belong to simulate"));
    ServerOptions server;
    if (action == QLatin1String("register")) {
        if (const int bad = server.read(line, ServerUse::Admin); bad != kExitOk)
            return bad;
    } else if (line.isSet(QStringLiteral("server")) || line.isSet(QStringLiteral("server-file"))) {
        return line.usageError(QStringLiteral("--server belongs to register"));
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
        return line.usageError(QStringLiteral("one PROTOCOL file is required"));
    ServerOptions server;
    if (const int bad = server.read(line, ServerUse::Admin); bad != kExitOk)
        return bad;
    ProtocolRead read;
    if (const int bad = readChecked(words.first(), &read); bad != kExitOk)
        return bad;
    const Protocol &p = read.protocol;
    vora::study::StudyDatabase db(server.conn);
    vora::study::StudyPlan plan(db);
    if (const int bad = openPlan(server, db, plan); bad != kExitOk)
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
        writeErr(QStringLiteral("vora-data: %1: this protocol (sha256 %2) is not registered: interim looks follow a "
                                "registered plan only (vora-data protocol register)\n")
                     .arg(printableName(words.first()), read.sha256));
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
        writeOut(QStringLiteral("the study stopped at %1 trials (%2): %3\n")
                     .arg(*l.point)
                     .arg(l.lookedAt, decisionText(l.decision))
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
        writeOut(QStringLiteral("at %1 trials: %2\n").arg(point).arg(decisionText(decision)));
        // Blind: the figures only once the study has stopped.
        if (!p.blinding || a.decision != Decision::Continue)
            writeOut(figures(p, a));
        if (a.decision != Decision::Continue) {
            writeOut(QStringLiteral("the study is closed: the program refuses new runs of it\n"));
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
        writeOut(QStringLiteral("no stopping point reached: %1 trials, the next point at %2\n")
                     .arg(totals.trials)
                     .arg(next));
    }
    return kExitOk;
}

} // namespace voradata
