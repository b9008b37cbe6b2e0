#include "core/startup/CommandLine.h"

#include "core/toolkit/Version.h"

#include <QCommandLineParser>
#include <QRegularExpression>

namespace vora {

namespace {
const QString kProgram = QStringLiteral("VORAjikken");

CommandLine answer(CommandLine::Action action, const QString &output, int exitCode)
{
    CommandLine line;
    line.action = action;
    line.output = output;
    line.exitCode = exitCode;
    return line;
}
} // namespace

CommandLine CommandLine::parse(const QStringList &arguments, Stage stage)
{
    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral("Run, record and score clairvoyance (ESP) experiments.\n"
                       "Qt's own options (-platform NAME, -style NAME, ...) are accepted too. See VORAjikken(1)."));
    // Qt's options are single-dash words ("-platform"), not bundles of letters.
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    const QCommandLineOption help({QStringLiteral("h"), QStringLiteral("help")},
                                  QStringLiteral("Print this help and exit."));
    const QCommandLineOption version({QStringLiteral("v"), QStringLiteral("version")},
                                     QStringLiteral("Print the program's name and version and exit."));
    parser.addOption(help);
    parser.addOption(version);
    const bool parsed = parser.parse(arguments);

    if (parser.isSet(help)) {
        // Without an application object the parser cannot know the program's name.
        QString text = parser.helpText();
        text.replace(QRegularExpression(QStringLiteral("^Usage: \\S+")), QStringLiteral("Usage: ") + kProgram);
        return answer(Action::Help, text, 0);
    }
    if (parser.isSet(version))
        return answer(Action::Version, kProgram + QLatin1Char(' ') + version::numbers() + QLatin1Char('\n'), 0);
    if (stage == Stage::BeforeQt)
        return {};
    QString problem;
    if (!parsed)
        problem = parser.errorText();
    else if (!parser.positionalArguments().isEmpty())
        problem = QStringLiteral("unexpected argument '%1'.").arg(parser.positionalArguments().constFirst());
    if (problem.isEmpty())
        return {};
    return answer(Action::Error,
                  kProgram + QStringLiteral(": ") + problem + QStringLiteral("\nTry 'VORAjikken --help'.\n"), 2);
}

} // namespace vora
