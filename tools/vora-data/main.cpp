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
        return usageError(QStringLiteral("no command given"));

    const QString command = args.takeFirst();
    if (command == QLatin1String("--help") || command == QLatin1String("-h") || command == QLatin1String("help")) {
        // "vora-data help COMMAND" is "vora-data COMMAND --help".
        if (command == QLatin1String("help") && args.size() == 1 && findCommand(args.first())) {
            writeOut(commandHelp(*findCommand(args.first())));
            return kExitOk;
        }
        if (!args.isEmpty())
            return usageError(command + QStringLiteral(": unexpected argument ") + args.first());
        writeOut(usageText());
        return kExitOk;
    }
    if (command == QLatin1String("--version")) {
        if (!args.isEmpty())
            return usageError(QStringLiteral("--version: unexpected argument ") + args.first());
        writeOut(versionText());
        return kExitOk;
    }
    // Not in the usage: the build writes the man page with it (vora-data --man DATE).
    if (command == QLatin1String("--man") && args.size() == 1) {
        writeOut(manPage(args.first()));
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
    return usageError(QStringLiteral("unknown command \"") + command + QLatin1Char('"'));
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    // The texts vora-data takes from the program (check reasons, results texts, the report) in
    // the program's language for this user.
    vora::language::install(vora::language::chosen());
    QStringList args = QCoreApplication::arguments();
    args.removeFirst();
    return finishOutput(dispatch(args));
}
