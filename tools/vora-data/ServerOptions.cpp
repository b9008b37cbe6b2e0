#include "ServerOptions.h"

#include "CommandLine.h"
#include "Commands.h"
#include "Output.h"

#include "study/mirror/PooledRows.h"
#include "study/mirror/StudyDatabase.h"

namespace voradata {

int ServerOptions::read(const CommandLine &line, bool required)
{
    if (line.isSet(QStringLiteral("server"))) {
        QString error;
        conn = vora::study::ConnInfo::parse(line.value(QStringLiteral("server")), &error);
        // The value may hold a password: the message names the problem, never the text.
        if (!error.isEmpty())
            return line.usageError(QStringLiteral("--server: ") + error);
        given = true;
    }
    const bool siteGiven = line.isSet(QStringLiteral("site"));
    if (siteGiven) {
        site = line.value(QStringLiteral("site"));
        if (!vora::study::isValidSiteName(site))
            return line.usageError(QStringLiteral("--site takes 1 to 32 letters, digits, \"-\" or \"_\""));
    }
    if (required && !given)
        return line.usageError(QStringLiteral("--server CONNINFO is required"));
    if (required && !siteGiven)
        return line.usageError(QStringLiteral("--site NAME is required"));
    if (siteGiven && !given)
        return line.usageError(QStringLiteral("--site needs --server"));
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
    QVector<vora::study::RowProblem> problems;
    *out = vora::study::experimentsFromRows(rows, &problems);
    for (const vora::study::RowProblem &p : problems)
        writeErr(p.where + QStringLiteral(": ") + p.reason + QLatin1Char('\n'));
    if (!problems.isEmpty()) {
        writeErr(QStringLiteral("vora-data: stored runs fail the check; nothing is pooled\n"));
        return kExitBadData;
    }
    return kExitOk;
}

} // namespace voradata
