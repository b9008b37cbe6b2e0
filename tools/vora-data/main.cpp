// vora-data: the command-line companion for VORA's experiment data files.
#include "Commands.h"
#include "Output.h"

#include <QCoreApplication>

#include <cstdio>

using namespace voradata;

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    QStringList args = QCoreApplication::arguments();
    args.removeFirst();
    if (args.isEmpty())
        return usageError(QStringLiteral("no command given"));

    const QString command = args.takeFirst();
    if (command == QLatin1String("--help") || command == QLatin1String("-h") || command == QLatin1String("help")) {
        writeOut(usageText());
        return kExitOk;
    }
    if (command == QLatin1String("check"))
        return runCheck(args);
    if (command == QLatin1String("summary"))
        return args.contains(QLatin1String("--pooled")) ? runPooledSummary(args) : runSummary(args);
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
    if (command == QLatin1String("evaluate"))
        return runEvaluate(args, stdin);
    return usageError(QStringLiteral("unknown command \"") + command + QLatin1Char('"'));
}
