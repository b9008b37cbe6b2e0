// vora-data summary --pooled FILE... | --server CONNINFO [--site NAME]: the evidence over several
// experiments (data files, or the study database's runs) as one JSON object.
#include "CommandLine.h"
#include "Commands.h"
#include "JsonP.h"
#include "Output.h"
#include "PooledInput.h"
#include "ServerOptions.h"

#include "core/report/LogP.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <cmath>

#include <QCoreApplication>

namespace voradata {

namespace {

// The texts of this file, under the translation context "PooledCommand".
struct Texts {
    Q_DECLARE_TR_FUNCTIONS(PooledCommand)
};

} // namespace

namespace {

namespace stats = vora::stats;
using vora::report::PooledFigures;
using vora::report::Tally;

QJsonValue orNull(const std::optional<double> &v)
{
    return v ? QJsonValue(*v) : QJsonValue(QJsonValue::Null);
}

QJsonArray pair(const vora::stats::Interval &i)
{
    return QJsonArray{i.lo, i.hi};
}

// Rate, z and p as the single-file summary's `total` gives them; none without trials.
void insertTally(QJsonObject &o, const Tally &t)
{
    o.insert(QStringLiteral("trials"), t.trials);
    o.insert(QStringLiteral("hits"), t.hits);
    o.insert(QStringLiteral("hitRate"), t.trials > 0 ? QJsonValue(t.hitRate()) : QJsonValue(QJsonValue::Null));
    o.insert(QStringLiteral("z"), orNull(t.z()));
    insertP(o, QStringLiteral("p"), t.trials > 0 ? std::optional<double>(t.p()) : std::nullopt,
            [&] { return stats::log10BinomialTwoTailedP(t.hits, t.trials); });
}

QJsonObject pooledJson(const PooledFigures &f)
{
    // Every figure below needs trials: with none (files without runs) each is null.
    const bool any = f.tally.trials > 0;
    auto ifAny = [&](const QJsonValue &v) { return any ? v : QJsonValue(QJsonValue::Null); };
    QJsonObject o;
    o.insert(QStringLiteral("files"), f.files);
    o.insert(QStringLiteral("runs"), f.runs);
    insertTally(o, f.tally);
    o.insert(QStringLiteral("ci95"), ifAny(pair(f.ci95)));
    o.insert(QStringLiteral("stoufferZ"), orNull(f.stoufferZ));
    insertP(o, QStringLiteral("stoufferP"), f.stoufferZ ? std::optional<double>(f.stoufferP) : std::nullopt,
            [&] { return stats::log10NormalTwoTailedP(*f.stoufferZ); });
    o.insert(QStringLiteral("log10Bf10"), QJsonObject{{QStringLiteral("uniform"), ifAny(f.log10BfUniform)},
                                                      {QStringLiteral("replication"), ifAny(f.log10BfReplication)}});
    o.insert(
        QStringLiteral("posterior"),
        QJsonObject{{QStringLiteral("mode"), orNull(f.posteriorMode)},
                    {QStringLiteral("hdi90"), f.hdi90 ? QJsonValue(pair(*f.hdi90)) : QJsonValue(QJsonValue::Null)}});
    o.insert(QStringLiteral("responseBias"),
             QJsonObject{{QStringLiteral("targetOnesShare"), orNull(f.targetOnesShare())},
                         {QStringLiteral("inputOnesShare"), orNull(f.inputOnesShare())}});

    auto rate = [](const Tally &t) { return t.trials > 0 ? QJsonValue(t.hitRate()) : QJsonValue(QJsonValue::Null); };
    QJsonObject dependency{{QStringLiteral("hitRateAfterHit"), rate(f.afterHit)},
                           {QStringLiteral("hitRateAfterMiss"), rate(f.afterMiss)}};
    const qint64 afterMissMisses = f.afterMiss.trials - f.afterMiss.hits;
    insertP(dependency, QStringLiteral("p"),
            f.afterHit.trials + f.afterMiss.trials > 0 ? std::optional<double>(f.dependencyP) : std::nullopt, [&] {
                return stats::log10FisherExactTwoSided(f.afterHit.hits, f.afterHit.trials - f.afterHit.hits,
                                                       f.afterMiss.hits, afterMissMisses);
            });
    o.insert(QStringLiteral("dependency"), dependency);

    const stats::BitTally &bits = f.targets;
    const bool anyBits = bits.n > 0;
    QJsonObject targets{{QStringLiteral("n"), qint64(bits.n)},
                        {QStringLiteral("onesShare"),
                         anyBits ? QJsonValue(double(bits.ones) / double(bits.n)) : QJsonValue(QJsonValue::Null)}};
    const double n = double(bits.n);
    const double pi = anyBits ? double(bits.ones) / n : 0.5;
    insertP(targets, QStringLiteral("monobitP"), anyBits ? std::optional<double>(f.monobitP) : std::nullopt,
            [&] { return stats::log10Erfc(std::fabs(2.0 * double(bits.ones) - n) / std::sqrt(2.0 * n)); });
    if (f.runsPrerequisiteFails()) {
        // The frequency prerequisite fails: the test's rule sets p to 0, no tail is computed.
        targets.insert(QStringLiteral("runsP"), 0.0);
        targets.insert(QStringLiteral("runsPLog10"), QJsonValue(QJsonValue::Null));
    } else {
        insertP(targets, QStringLiteral("runsP"), anyBits ? std::optional<double>(f.runsP) : std::nullopt, [&] {
            const double spread = 2.0 * std::sqrt(2.0 * n) * pi * (1.0 - pi);
            return stats::log10Erfc(std::fabs(double(bits.runs) - 2.0 * n * pi * (1.0 - pi)) / spread);
        });
    }
    o.insert(QStringLiteral("targets"), targets);
    return o;
}

} // namespace

int runPooledSummary(const CommandLine &line)
{
    ServerOptions server;
    if (const int bad = server.read(line, ServerUse::Filter); bad != kExitOk)
        return bad;
    const QStringList paths = line.positional();
    if (server.given && !paths.isEmpty())
        return line.usageError(Texts::tr("--pooled にはファイルか --server のどちらか一方を指定します"));
    if (paths.isEmpty() && !server.given)
        return line.usageError(Texts::tr("--pooled: ファイルが指定されていません"));

    // Over the study database the server adds up the runs' tallies: a few rows per
    // experiment come back, not every record.
    QVector<vora::report::ExperimentTally> tallies;
    if (server.given) {
        if (const int refused = loadServerTallies(server, &tallies); refused != kExitOk)
            return refused;
    } else {
        if (const int refused = loadExperiments(paths, nullptr, &tallies); refused != kExitOk)
            return refused;
    }

    const PooledFigures f = vora::report::pooledFromTallies(tallies);
    QJsonArray perFile;
    for (const vora::report::ExperimentFigures &e : f.experiments) {
        QJsonObject o;
        o.insert(QStringLiteral("file"), e.file);
        o.insert(QStringLiteral("runs"), e.runs);
        insertTally(o, e.tally);
        perFile.append(o);
    }
    QJsonObject root;
    root.insert(QStringLiteral("experiments"), perFile);
    root.insert(QStringLiteral("pooled"), pooledJson(f));
    writeOut(QJsonDocument(root).toJson(QJsonDocument::Indented));
    return kExitOk;
}

} // namespace voradata
