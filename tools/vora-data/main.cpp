// vora-data: the command-line companion for VORA's experiment data files.
#include "CommandLine.h"
#include "Commands.h"
#include "Output.h"

#include "core/toolkit/Language.h"

#include <QCoreApplication>

#include <cstdio>

using namespace voradata;

namespace {

int dispatch(QStringList args)
{
    if (args.isEmpty())
        return usageError(QCoreApplication::translate("vora-data", "コマンドが指定されていません"));

    const QString command = args.takeFirst();
    if (command == QLatin1String("--help") || command == QLatin1String("-h") || command == QLatin1String("help")) {
        // "vora-data help COMMAND" is "vora-data COMMAND --help".
        if (command == QLatin1String("help") && args.size() == 1 && findCommand(args.first())) {
            writeOut(commandHelp(*findCommand(args.first())));
            return kExitOk;
        }
        if (!args.isEmpty())
            return usageError(QCoreApplication::translate("vora-data", "%1: 余分な引数 %2").arg(command, args.first()));
        writeOut(usageText());
        return kExitOk;
    }
    if (command == QLatin1String("--version")) {
        if (!args.isEmpty())
            return usageError(QCoreApplication::translate("vora-data", "%1: 余分な引数 %2").arg(command, args.first()));
        writeOut(versionText());
        return kExitOk;
    }
    // Not in the usage: the build writes the man page with it (vora-data --man DATE).
    if (command == QLatin1String("--man") && args.size() == 1) {
        const QString page = manPage(args.first());
        if (page.isEmpty()) {
            writeErr(QStringLiteral("vora-data: ")
                     + QCoreApplication::translate("vora-data", "--man: 英語のカタログ vora_en.qm が見つかりません")
                     + QLatin1Char('\n'));
            return kExitUsage;
        }
        writeOut(page);
        return kExitOk;
    }
    if (command == QLatin1String("check"))
        return runCheck(args);
    if (command == QLatin1String("summary"))
        return runSummary(args);
    if (command == QLatin1String("report"))
        return runReport(args);
    if (command == QLatin1String("export"))
        return runExport(args);
    if (command == QLatin1String("push"))
        return runPush(args);
    if (command == QLatin1String("seal"))
        return runSeal(args);
    if (command == QLatin1String("verify"))
        return runVerify(args);
    if (command == QLatin1String("study"))
        return runStudy(args);
    if (command == QLatin1String("protocol"))
        return runProtocol(args);
    if (command == QLatin1String("interim"))
        return runInterim(args);
    if (command == QLatin1String("evaluate"))
        return runEvaluate(args, stdin);
    return usageError(QCoreApplication::translate("vora-data", "不明なコマンド \"%1\"").arg(command));
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    // vora-data's own messages and the texts it takes from the program (check reasons, results
    // texts, the report) in the program's language for this user.
    vora::language::install(vora::language::chosen());
    QStringList args = QCoreApplication::arguments();
    args.removeFirst();
    return finishOutput(dispatch(args));
}
