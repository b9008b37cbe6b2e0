// vora-data summary --pooled FILE... | --server CONNINFO [--site NAME]: the evidence over several
// experiments (data files, or the study database's runs) as one JSON object.
#include "Commands.h"
#include "Output.h"
#include "PooledInput.h"
#include "ServerOptions.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

namespace voradata {

namespace {

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

// Rate, z and p as the single-file summary's `total` gives them; no rate without trials.
void insertTally(QJsonObject &o, const Tally &t)
{
    o.insert(QStringLiteral("trials"), t.trials);
    o.insert(QStringLiteral("hits"), t.hits);
    o.insert(QStringLiteral("hitRate"), t.trials > 0 ? QJsonValue(t.hitRate()) : QJsonValue(QJsonValue::Null));
    o.insert(QStringLiteral("z"), orNull(t.z()));
    o.insert(QStringLiteral("p"), t.p());
}

QJsonObject pooledJson(const PooledFigures &f)
{
    QJsonObject o;
    o.insert(QStringLiteral("files"), f.files);
    o.insert(QStringLiteral("runs"), f.runs);
    insertTally(o, f.tally);
    o.insert(QStringLiteral("ci95"), pair(f.ci95));
    o.insert(QStringLiteral("stoufferZ"), orNull(f.stoufferZ));
    o.insert(QStringLiteral("stoufferP"), f.stoufferP);
    o.insert(QStringLiteral("log10Bf10"), QJsonObject{{QStringLiteral("uniform"), f.log10BfUniform},
                                                      {QStringLiteral("replication"), f.log10BfReplication}});
    o.insert(QStringLiteral("posterior"),
             QJsonObject{{QStringLiteral("mode"), orNull(f.posteriorMode)},
                         {QStringLiteral("hdi90"), f.hdi90 ? QJsonValue(pair(*f.hdi90)) : QJsonValue(QJsonValue::Null)}});
    o.insert(QStringLiteral("responseBias"),
             QJsonObject{{QStringLiteral("targetOnesShare"), orNull(f.targetOnesShare())},
                         {QStringLiteral("inputOnesShare"), orNull(f.inputOnesShare())}});
    auto rate = [](const Tally &t) { return t.trials > 0 ? QJsonValue(t.hitRate()) : QJsonValue(QJsonValue::Null); };
    o.insert(QStringLiteral("dependency"), QJsonObject{{QStringLiteral("hitRateAfterHit"), rate(f.afterHit)},
                                                       {QStringLiteral("hitRateAfterMiss"), rate(f.afterMiss)},
                                                       {QStringLiteral("p"), f.dependencyP}});
    o.insert(QStringLiteral("targets"),
             QJsonObject{{QStringLiteral("n"), qint64(f.targets.n)},
                         {QStringLiteral("onesShare"), f.targets.n > 0 ? QJsonValue(double(f.targets.ones) / double(f.targets.n))
                                                                       : QJsonValue(QJsonValue::Null)},
                         {QStringLiteral("monobitP"), f.monobitP},
                         {QStringLiteral("runsP"), f.runsP}});
    return o;
}

} // namespace

int runPooledSummary(const QStringList &args)
{
    ServerOptions server;
    QStringList rest;
    if (const int bad = server.parse(QStringLiteral("summary --pooled"), args, &rest, false); bad != kExitOk)
        return bad;
    QStringList paths;
    for (const QString &a : rest) {
        if (a == QLatin1String("--pooled"))
            continue;
        if (a.startsWith(QLatin1Char('-')) && a.size() > 1)
            return usageError(QStringLiteral("summary --pooled: unknown option ") + a);
        paths << a;
    }
    if (server.given && !paths.isEmpty())
        return usageError(QStringLiteral("summary --pooled: files or --server, not both"));
    if (paths.isEmpty() && !server.given)
        return usageError(QStringLiteral("summary --pooled: no file given"));

    QVector<vora::report::Experiment> experiments;
    const int refused = server.given ? loadServerExperiments(server, &experiments) : loadExperiments(paths, &experiments);
    if (refused != kExitOk)
        return refused;

    const PooledFigures f = vora::report::pooledFigures(experiments);
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
