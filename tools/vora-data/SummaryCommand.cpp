// vora-data summary FILE [--upto N]: the figures and texts of the results view as one JSON object.
#include "CommandLine.h"
#include "Commands.h"
#include "DataInput.h"
#include "JsonP.h"
#include "Output.h"

#include "core/registry/RunRecord.h"
#include "core/report/LogP.h"
#include "core/results/Evaluation.h"
#include "core/results/RunLoader.h"
#include "core/results/Summary.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <cmath>

#include <QCoreApplication>

namespace voradata {

namespace {

// The texts of this file, under the translation context "SummaryCommand".
struct Texts {
    Q_DECLARE_TR_FUNCTIONS(SummaryCommand)
};

} // namespace

namespace {

QJsonObject levelsJson(const vora::LevelCounts &c)
{
    QJsonObject o;
    o.insert(QStringLiteral("atLeast63"), c.atLeast63);
    o.insert(QStringLiteral("exactly63"), c.many100);
    o.insert(QStringLiteral("exactly64"), c.many200);
    o.insert(QStringLiteral("exactly65"), c.many370);
    o.insert(QStringLiteral("atLeast66"), c.many1000);
    o.insert(QStringLiteral("atMost37"), c.atMost37);
    o.insert(QStringLiteral("exactly37"), c.few100);
    o.insert(QStringLiteral("exactly36"), c.few200);
    o.insert(QStringLiteral("exactly35"), c.few370);
    o.insert(QStringLiteral("atMost34"), c.few1000);
    o.insert(QStringLiteral("significantRuns"), c.significantRuns());
    return o;
}

QJsonObject runJson(const vora::LoadedRun &run)
{
    QJsonObject o;
    o.insert(QStringLiteral("n"), run.number);
    o.insert(QStringLiteral("date"), run.date);
    o.insert(QStringLiteral("time"), vora::columns(run.dateTime, 12, 16).trimmed());
    o.insert(QStringLiteral("hits"), run.hits);
    QJsonArray segments;
    for (int s : run.segmentHits)
        segments.append(s);
    o.insert(QStringLiteral("segments"), segments);
    o.insert(QStringLiteral("stimulusTrial"), run.stimulusTrial());
    o.insert(QStringLiteral("tr1"), run.targetOnes);
    o.insert(QStringLiteral("in1"), run.inputOnes);
    o.insert(QStringLiteral("memo"), unixLineBreaks(vora::runMemoFromFileForm(run.memo)));
    insertP(o, QStringLiteral("p"), vora::binomialTwoTailedP(run.hits, vora::kTrialsPerRun),
            [&] { return vora::stats::log10BinomialTwoTailedP(run.hits, vora::kTrialsPerRun); });
    return o;
}

QJsonObject totalJson(const vora::RunSet &set)
{
    const int trials = set.runsRead * vora::kTrialsPerRun;
    QJsonObject o;
    o.insert(QStringLiteral("hits"), set.hitTotal);
    o.insert(QStringLiteral("trials"), trials);
    // Without a trial there is no spread to divide by: the score is undefined, not 0.
    if (trials > 0)
        o.insert(QStringLiteral("z"), (set.hitTotal - trials / 2.0) / std::sqrt(trials / 4.0));
    else
        o.insert(QStringLiteral("z"), QJsonValue(QJsonValue::Null));
    // Nor is there a p: no trials are not "as likely as chance" (p = 1).
    insertP(o, QStringLiteral("p"),
            trials > 0 ? std::optional<double>(vora::binomialTwoTailedP(set.hitTotal, trials)) : std::nullopt,
            [&] { return vora::stats::log10BinomialTwoTailedP(set.hitTotal, trials); });
    return o;
}

} // namespace

int runSummary(const QStringList &args)
{
    CommandLine line(QStringLiteral("summary"));
    if (!line.parse(args))
        return line.exitCode();
    if (line.isSet(QStringLiteral("pooled"))) {
        if (line.isSet(QStringLiteral("upto")))
            return line.usageError(Texts::tr("--upto は 1 つのファイルのランを読むもので、--pooled とは使えません"));
        return runPooledSummary(line);
    }
    for (const QString &pooledOnly : {QStringLiteral("server"), QStringLiteral("site")})
        if (line.isSet(pooledOnly))
            return line.usageError(Texts::tr("--%1 には --pooled が必要です").arg(pooledOnly));
    const QStringList files = line.positional();
    if (files.isEmpty())
        return line.usageError(Texts::tr("ファイルが指定されていません"));
    if (files.size() > 1)
        return line.usageError(Texts::tr("ファイルは一度に 1 つです（--pooled なら複数を指定できます）"));
    const QString path = files.first();
    int upto = 0;
    if (line.isSet(QStringLiteral("upto"))) {
        const QString value = line.value(QStringLiteral("upto"));
        bool ok = false;
        upto = value.toInt(&ok);
        if (!ok || upto < 1)
            return line.usageError(Texts::tr("--upto には 1 以上のラン番号を指定します（\"%1\" ではなく）").arg(value));
    }

    const CheckedFile file = checkFile(path);
    if (const int refused = refuseUnfit(file); refused != kExitOk)
        return refused;

    const vora::FileStore store;
    const vora::RunSet set = vora::loadRuns(store, path, upto);
    if (!set.readOk || set.missing) {
        writeErr(QStringLiteral("vora-data: ") + printableName(path) + QStringLiteral(": ") + readFailureText(set.read)
                 + QLatin1Char('\n'));
        return kExitUsage;
    }

    const vora::LevelCounts levels = vora::countLevels(set.runs);
    const vora::Analysis allRuns = vora::meanProfileAnalysis(set);

    QJsonObject o;
    o.insert(QStringLiteral("file"), path);
    o.insert(QStringLiteral("runs"), set.runsRead);
    o.insert(QStringLiteral("runsInFile"), file.contents.runCount());
    o.insert(QStringLiteral("upto"), upto > 0 ? QJsonValue(upto) : QJsonValue(QJsonValue::Null));
    o.insert(QStringLiteral("conditionMemo"),
             set.hasConditionMemo ? QJsonValue(unixLineBreaks(vora::memoFromFileForm(set.conditionMemo)))
                                  : QJsonValue(QJsonValue::Null));
    o.insert(QStringLiteral("summaryLine"), unixLineBreaks(vora::summaryLine(set)));
    o.insert(QStringLiteral("periodLine"), set.hasRuns() ? unixLineBreaks(vora::periodLine(set)) : QString());
    o.insert(QStringLiteral("allRunAnalysis"), unixLineBreaks(allRuns.analysisText));
    o.insert(QStringLiteral("allRunProfile"),
             set.hasRuns() ? QJsonValue(QString(vora::profileLetter(allRuns.profile))) : QJsonValue(QJsonValue::Null));
    o.insert(QStringLiteral("congratulation"), unixLineBreaks(vora::overviewCongratulation(levels)));
    o.insert(QStringLiteral("levels"), levelsJson(levels));
    QJsonArray perRun;
    for (const vora::LoadedRun &run : set.runs)
        perRun.append(runJson(run));
    o.insert(QStringLiteral("perRun"), perRun);
    o.insert(QStringLiteral("total"), totalJson(set));

    writeOut(QJsonDocument(o).toJson(QJsonDocument::Indented));
    return kExitOk;
}

} // namespace voradata
