// vora-data study init | add-site NAME, with --server CONNINFO or --server-file FILE: what a
// study coordinator runs once to set up the study database, and once per site.
#include "CommandLine.h"
#include "Commands.h"
#include "Output.h"
#include "ServerOptions.h"

#include "core/study/mirror/StudyDatabase.h"
#include "core/study/mirror/StudySchema.h"

#include <QRandomGenerator>

namespace voradata {

namespace {

// 24 characters from the system's random source: about 140 bits, and no character that needs
// quoting in a connection string or a .pgpass line.
QString newPassword()
{
    static const QString alphabet = QStringLiteral("ABCDEFGHJKLMNPQRSTUVWXYZabcdefghijkmnopqrstuvwxyz23456789");
    QString out;
    for (int i = 0; i < 24; ++i)
        out += alphabet.at(int(QRandomGenerator::system()->bounded(quint32(alphabet.size()))));
    return out;
}

// The connection string a site uses: the coordinator's, with the site's user and password.
QString siteConnection(const vora::study::ConnInfo &coordinator, const QString &site, const QString &password)
{
    QStringList parts;
    for (const auto &[key, value] : coordinator.pairs()) {
        if (key == QLatin1String("user") || key == QLatin1String("password"))
            continue;
        const bool plain = !value.isEmpty() && !value.contains(QLatin1Char(' ')) && !value.contains(QLatin1Char('\''))
                           && !value.contains(QLatin1Char('\\'));
        QString quoted = value;
        quoted.replace(QLatin1Char('\\'), QStringLiteral("\\\\")).replace(QLatin1Char('\''), QStringLiteral("\\'"));
        parts << key + QLatin1Char('=') + (plain ? value : QLatin1Char('\'') + quoted + QLatin1Char('\''));
    }
    parts << QStringLiteral("user=") + site << QStringLiteral("password=") + password;
    return parts.join(QLatin1Char(' '));
}

} // namespace

int runStudy(const QStringList &args)
{
    CommandLine line(QStringLiteral("study"));
    if (!line.parse(args))
        return line.exitCode();
    const QStringList words = line.positional();
    const QString action = words.value(0);
    if (action != QLatin1String("init") && action != QLatin1String("add-site"))
        return line.usageError(words.isEmpty() ? QStringLiteral("init or add-site NAME is required")
                                               : QStringLiteral("unknown action \"") + action + QLatin1Char('"'));
    if (action == QLatin1String("init") && words.size() != 1)
        return line.usageError(QStringLiteral("init: unexpected argument ") + words.at(1));
    if (action == QLatin1String("add-site") && words.size() != 2)
        return line.usageError(QStringLiteral("add-site takes one site NAME"));
    const QString site = words.value(1);
    if (action == QLatin1String("add-site") && !vora::study::isValidSiteName(site))
        return line.usageError(QStringLiteral("a site NAME is 1 to 32 letters, digits, \"-\" or \"_\""));
    ServerOptions server;
    if (const int bad = server.read(line, ServerUse::Admin); bad != kExitOk)
        return bad;

    vora::study::StudyDatabase db(server.conn);
    QString error;
    if (!db.open(&error)) {
        writeErr(QStringLiteral("vora-data: ") + error + QLatin1Char('\n'));
        return kExitUsage;
    }
    if (action == QLatin1String("init")) {
        if (!db.initSchema(&error)) {
            writeErr(QStringLiteral("vora-data: ") + error + QLatin1Char('\n'));
            return kExitUsage;
        }
        writeOut(QStringLiteral("study database ready (schema version %1)\n").arg(vora::study::kSchemaVersion));
        return kExitOk;
    }
    const QString password = newPassword();
    const auto added = db.addSite(site, password, &error);
    if (added != vora::study::StudyDatabase::SiteAdded::Added) {
        writeErr(QStringLiteral("vora-data: ") + error + QLatin1Char('\n'));
        return added == vora::study::StudyDatabase::SiteAdded::Failed ? kExitUsage : kExitBadData;
    }
    // The two lines of the site's study-server.txt; the password appears nowhere else.
    writeOut(siteConnection(server.conn, site, password) + QStringLiteral("\n") + site + QStringLiteral("\n"));
    writeErr(QStringLiteral("vora-data: site %1 added; the lines above are its study-server.txt (chmod 600). The "
                            "password is shown this once and is not stored anywhere else.\n")
                 .arg(site));
    return kExitOk;
}

} // namespace voradata
