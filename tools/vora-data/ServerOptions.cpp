#include "ServerOptions.h"

#include "CommandLine.h"
#include "Commands.h"
#include "Output.h"

#include "core/registry/DataFile.h"
#include "core/study/mirror/PooledRows.h"
#include "core/study/mirror/StudyDatabase.h"

#include <QCoreApplication>

namespace voradata {

namespace {
// The texts of this file, under the translation context "ServerOptions".
struct Texts {
    Q_DECLARE_TR_FUNCTIONS(ServerOptions)
};
} // namespace

int ServerOptions::read(const CommandLine &line, ServerUse use)
{
    const bool required = use == ServerUse::Push || use == ServerUse::Admin;
    const bool siteFromFile = use == ServerUse::Push || use == ServerUse::Check;
    bool takesSite = false;
    for (const OptionDef &o : line.def().options)
        takesSite = takesSite || o.names.contains(QStringLiteral("site"));
    const QStringList servers = line.values(QStringLiteral("server")) + line.values(QStringLiteral("server-file"));
    if (servers.size() > 1)
        return line.usageError(Texts::tr("--server か --server-file を 1 度だけ指定します"));
    QString serverFile;
    if (line.isSet(QStringLiteral("server"))) {
        QString error;
        conn = vora::study::ConnInfo::parse(line.value(QStringLiteral("server")), &error);
        // The value may hold a password: the message names the problem, never the text.
        if (!error.isEmpty())
            return line.usageError(QStringLiteral("--server: ") + error);
        given = true;
        if (conn.has(QStringLiteral("password")))
            writeErr(
                QStringLiteral("vora-data: ")
                + Texts::tr("警告: コマンドラインのパスワードは、このコンピューターのすべてのユーザーが読めます（ps）。"
                            "~/.pgpass、PGPASSFILE、PGPASSWORD か --server-file を使ってください")
                + QLatin1Char('\n'));
    } else if (line.isSet(QStringLiteral("server-file"))) {
        serverFile = line.value(QStringLiteral("server-file"));
        given = true;
    }
    bool siteGiven = takesSite && line.isSet(QStringLiteral("site"));
    if (siteGiven) {
        site = line.value(QStringLiteral("site"));
        if (!vora::study::isValidSiteName(site))
            return line.usageError(Texts::tr("--site には英字、数字、\"-\"、\"_\" の 1〜32 文字を指定します"));
    }
    if (!serverFile.isEmpty()) {
        // The program's own study-server.txt: line 1 the connection, line 2 the site.
        const vora::study::StudyConfig file = vora::study::StudyConfig::loadFile(serverFile);
        if (!file.present || !file.valid) {
            writeErr(QStringLiteral("vora-data: ") + printableName(serverFile) + QStringLiteral(": ")
                     + QString(file.present ? file.error : Texts::tr("ファイルがありません"))
                           .replace(vora::CRLF, QStringLiteral(" "))
                     + QLatin1Char('\n'));
            return kExitUsage;
        }
        if (!file.warning.isEmpty())
            writeErr(QStringLiteral("vora-data: ")
                     + Texts::tr("警告: %1 にはパスワードがあり、ほかのユーザーが読めるかもしれません（chmod 600）")
                           .arg(printableName(serverFile))
                     + QLatin1Char('\n'));
        conn = file.conn;
        if (siteFromFile && !siteGiven) {
            site = file.site;
            siteGiven = true;
        }
    }
    if (required && !given)
        return line.usageError(Texts::tr("--server CONNINFO か --server-file FILE が必要です"));
    if ((use == ServerUse::Push || (use == ServerUse::Check && given)) && !siteGiven)
        return line.usageError(Texts::tr("--site NAME が必要です"));
    if (siteGiven && !given)
        return line.usageError(Texts::tr("--site には --server か --server-file が必要です"));
    return kExitOk;
}

int loadServerExperiments(const ServerOptions &options, QVector<vora::report::Experiment> *out)
{
    vora::study::StudyDatabase db(options.conn);
    QString error;
    QList<vora::study::MirrorEntry> rows;
    if (!db.open(&error) || !db.fetch(options.site, &rows, &error)) {
        writeErr(QStringLiteral("vora-data: ") + error + QLatin1Char('\n'));
        return kExitUsage;
    }
    if (!options.site.isEmpty() && rows.isEmpty()) {
        // Most likely a misspelt site: pooling nothing would look like a result.
        writeErr(QStringLiteral("vora-data: ")
                 + Texts::tr("研究用データベースにサイト %1 のランはありません").arg(options.site) + QLatin1Char('\n'));
        return kExitBadData;
    }
    QVector<vora::study::RowProblem> problems;
    *out = vora::study::experimentsFromRows(rows, &problems);
    for (const vora::study::RowProblem &p : problems)
        writeErr(p.where + QStringLiteral(": ") + p.reason + QLatin1Char('\n'));
    if (!problems.isEmpty()) {
        writeErr(QStringLiteral("vora-data: ") + Texts::tr("保存されたランが検査に通りません。何もまとめません")
                 + QLatin1Char('\n'));
        return kExitBadData;
    }
    return kExitOk;
}

namespace {

// "SITE/EXPERIMENT" -> SITE
QString siteOfRow(const QString &name)
{
    return name.section(QLatin1Char('/'), 0, 0);
}

} // namespace

int loadServerTallies(const ServerOptions &options, QVector<vora::report::ExperimentTally> *out, QStringList *sites,
                      QVector<vora::report::DayCount> *days)
{
    vora::study::StudyDatabase db(options.conn);
    QString error;
    if (!db.open(&error)) {
        writeErr(QStringLiteral("vora-data: ") + error + QLatin1Char('\n'));
        return kExitUsage;
    }
    if (!db.hasTallies()) {
        // A table without the parsed columns (never set up with study init): every record.
        db.close();
        QVector<vora::report::Experiment> experiments;
        if (const int refused = loadServerExperiments(options, &experiments); refused != kExitOk)
            return refused;
        QVector<vora::report::ExperimentTally> tallies;
        for (const vora::report::Experiment &e : experiments)
            tallies.append(vora::report::tallyOf(e));
        *out = tallies;
        if (sites) {
            sites->clear();
            for (const vora::report::ExperimentTally &t : tallies)
                sites->append(siteOfRow(t.file));
        }
        if (days)
            *days = vora::report::studyFromExperiments(experiments, tallies).days;
        return kExitOk;
    }
    QVector<vora::study::ServerExperiment> rows;
    QVector<vora::study::BadRow> bad;
    if (!db.serverTallies(options.site, &rows, &bad, &error)
        || (days && bad.isEmpty() && !db.dayCounts(options.site, days, &error))) {
        writeErr(QStringLiteral("vora-data: ") + error + QLatin1Char('\n'));
        return kExitUsage;
    }
    if (!bad.isEmpty()) {
        for (const vora::study::BadRow &b : bad) {
            const vora::RunLineCheck check = vora::checkRunLine(b.record);
            const QString reason = !check.ok ? check.reason
                                   : !b.binary ? Texts::tr("ターゲットか回答に「0」「1」以外の文字があります")
                                               : Texts::tr("記録の一致数が合いません");
            writeErr(b.where + QStringLiteral(": ") + reason + QLatin1Char('\n'));
        }
        writeErr(QStringLiteral("vora-data: ") + Texts::tr("保存されたランが検査に通りません。何もまとめません")
                 + QLatin1Char('\n'));
        return kExitBadData;
    }
    if (!options.site.isEmpty() && rows.isEmpty()) {
        writeErr(QStringLiteral("vora-data: ")
                 + Texts::tr("研究用データベースにサイト %1 のランはありません").arg(options.site) + QLatin1Char('\n'));
        return kExitBadData;
    }
    out->clear();
    if (sites)
        sites->clear();
    for (const vora::study::ServerExperiment &r : rows) {
        out->append(r.tally);
        if (sites)
            sites->append(r.site);
    }
    return kExitOk;
}

} // namespace voradata
