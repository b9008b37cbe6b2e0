// vora-data report FILE... | --server CONNINFO [--site NAME] [-o OUT.html] [--lang ja|en] [--experiments]:
// the study report as one HTML page.
#include "CommandLine.h"
#include "Commands.h"
#include "Output.h"
#include "PlanAudit.h"
#include "PooledInput.h"
#include "ServerOptions.h"

#include "core/report/ReportHtml.h"
#include "core/toolkit/FileStore.h"
#include "core/toolkit/Language.h"

#include <QDateTime>

#include <QCoreApplication>

namespace voradata {

namespace {

// The texts of this file, under the translation context "ReportCommand".
struct Texts {
    Q_DECLARE_TR_FUNCTIONS(ReportCommand)
};

} // namespace

int runReport(const QStringList &args)
{
    CommandLine line(QStringLiteral("report"));
    if (!line.parse(args))
        return line.exitCode();
    vora::report::ReportOptions options;
    // The language of vora-data's texts (the locale's, or VORA_LANG) unless --lang says otherwise.
    options.lang =
        vora::language::current() == vora::language::source() ? vora::report::Lang::Ja : vora::report::Lang::En;
    if (line.isSet(QStringLiteral("lang"))) {
        const QString value = line.value(QStringLiteral("lang"));
        if (value == QLatin1String("ja"))
            options.lang = vora::report::Lang::Ja;
        else if (value == QLatin1String("en"))
            options.lang = vora::report::Lang::En;
        else
            return line.usageError(Texts::tr("--lang には ja か en を指定します（\"%1\" ではなく）").arg(value));
    }
    const QString outPath = line.value(QStringLiteral("output"));
    if (line.isSet(QStringLiteral("output")) && outPath.isEmpty())
        return line.usageError(Texts::tr("-o にはファイル名が必要です"));
    ServerOptions server;
    if (const int bad = server.read(line, ServerUse::Filter); bad != kExitOk)
        return bad;
    const QStringList paths = line.positional();
    if (server.given && !paths.isEmpty())
        return line.usageError(Texts::tr("ファイルか --server のどちらか一方を指定します"));
    if (paths.isEmpty() && !server.given)
        return line.usageError(Texts::tr("ファイルが指定されていません"));
    options.experimentPages = line.isSet(QStringLiteral("experiments"));
    if (line.isSet(QStringLiteral("protocol"))) {
        if (!server.given)
            return line.usageError(
                Texts::tr("--protocol には --server が必要です。計画は研究用データベースと照らし合わせます"));
        vora::report::PlanAudit audit;
        if (const int refused = auditPlan(server, line.value(QStringLiteral("protocol")), options.lang, &audit);
            refused != kExitOk)
            return refused;
        options.planAudit = audit;
    }

    vora::report::StudyData study;
    QVector<vora::report::Experiment> experiments;
    if (!server.given) {
        if (const int refused = loadStudy(paths, &study, options.experimentPages ? &experiments : nullptr);
            refused != kExitOk)
            return refused;
    } else if (options.experimentPages) {
        // The experiments' own pages need every record.
        if (const int refused = loadServerExperiments(server, &experiments); refused != kExitOk)
            return refused;
        QVector<vora::report::ExperimentTally> tallies;
        for (const vora::report::Experiment &e : std::as_const(experiments))
            tallies.append(vora::report::tallyOf(e));
        study = vora::report::studyFromExperiments(experiments, tallies);
        for (vora::report::StudyExperiment &e : study.experiments)
            e.site = e.tally.file.section(QLatin1Char('/'), 0, 0); // "SITE/EXPERIMENT"
    } else {
        // The server adds up the runs' tallies and counts the runs per day.
        QVector<vora::report::ExperimentTally> tallies;
        QStringList sites;
        if (const int refused = loadServerTallies(server, &tallies, &sites, &study.days); refused != kExitOk)
            return refused;
        for (qsizetype i = 0; i < tallies.size(); ++i)
            study.experiments.append({sites.value(i), tallies.at(i)});
    }

    options.generated = QDateTime::currentDateTime().toString(QStringLiteral("yyyy/MM/dd HH:mm"));
    const QByteArray html = vora::report::studyReportBytes(study, experiments, options);
    if (outPath.isEmpty()) {
        writeOut(html);
        return kExitOk;
    }
    vora::FileStore store;
    const vora::FileResult wrote = store.replaceBytes(outPath, html);
    if (!wrote) {
        writeErr(QStringLiteral("vora-data: ")
                 + Texts::tr("%1 を書き込めません: %2").arg(printableName(outPath), wrote.text(vora::Audience::Tool))
                 + QLatin1Char('\n'));
        return kExitUsage;
    }
    return kExitOk;
}

} // namespace voradata
