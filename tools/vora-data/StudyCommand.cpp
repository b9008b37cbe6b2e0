// vora-data study init | add-site NAME, with --server CONNINFO or --server-file FILE: what a
// study coordinator runs once to set up the study database, and once per site.
#include "CommandLine.h"
#include "Commands.h"
#include "Output.h"
#include "ServerOptions.h"

#include "core/study/mirror/StudyDatabase.h"
#include "core/study/mirror/StudySchema.h"

#include <QRandomGenerator>

#include <QCoreApplication>

namespace voradata {

namespace {

// The texts of this file, under the translation context "StudyCommand".
struct Texts {
    Q_DECLARE_TR_FUNCTIONS(StudyCommand)
};

} // namespace

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
        return line.usageError(words.isEmpty() ? Texts::tr("init か add-site NAME が必要です")
                                               : Texts::tr("不明な操作 \"%1\"").arg(action));
    if (action == QLatin1String("init") && words.size() != 1)
        return line.usageError(Texts::tr("init: 余分な引数 %1").arg(words.at(1)));
    if (action == QLatin1String("add-site") && words.size() != 2)
        return line.usageError(Texts::tr("add-site にはサイトの NAME を 1 つ指定します"));
    const QString site = words.value(1);
    if (action == QLatin1String("add-site") && !vora::study::isValidSiteName(site))
        return line.usageError(Texts::tr("サイトの NAME は英字、数字、\"-\"、\"_\" の 1〜32 文字です"));
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
        writeOut(Texts::tr("研究用データベースの準備ができました（スキーマ版 %1）").arg(vora::study::kSchemaVersion)
                 + QLatin1Char('\n'));
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
    writeErr(
        QStringLiteral("vora-data: ")
        + Texts::tr("サイト %1 を加えました。上の 2 行がその study-server.txt です（chmod 600）。パスワードはこの一度"
                    "だけ表示し、ほかのどこにも保存していません。")
              .arg(site)
        + QLatin1Char('\n'));
    return kExitOk;
}

} // namespace voradata
