#include "core/startup/CommandLine.h"
#include "core/study/mirror/StudyMirror.h"
#include "core/toolkit/Language.h"
#include "ui/mainwindow/Windows.h"
#include "ui/startup/DesktopIdentity.h"
#include "ui/startup/Module1.h"
#include "ui/toolkit/DesktopServices.h"
#include "ui/toolkit/Style.h"
#include "ui/toolkit/TextFit.h"
#include "ui/toolkit/Translations.h"

#include <QApplication>
#include <QLoggingCategory>

#include <cstdio>

// Off unless asked for (QT_LOGGING_RULES=vora.startup.info=true): a test's or a packager's
// proof that the main window came up.
Q_LOGGING_CATEGORY(lcStartup, "vora.startup", QtWarningMsg)

namespace {
int answer(const vora::CommandLine &line)
{
    const QByteArray text = line.output.toLocal8Bit();
    std::FILE *out = line.action == vora::CommandLine::Action::Error ? stderr : stdout;
    std::fwrite(text.constData(), 1, static_cast<size_t>(text.size()), out);
    return line.exitCode;
}
} // namespace

int main(int argc, char *argv[])
{
    using vora::CommandLine;
    // --help and --version are answered before QApplication: no window system is asked for,
    // no window started and no file written.
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    if (const CommandLine line = CommandLine::parse(arguments, CommandLine::Stage::BeforeQt);
        line.action != CommandLine::Action::Start)
        return answer(line);

    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("VORAjikken"));
    // QApplication has taken its own options; anything left is not the program's.
    if (const CommandLine line = CommandLine::parse(QApplication::arguments(), CommandLine::Stage::AfterQt);
        line.action != CommandLine::Action::Start)
        return answer(line);
    vora::desktop::applyIdentity(QApplication::applicationDirPath());
    // The last window closing ends the program only where a handler says so.
    QApplication::setQuitOnLastWindowClosed(true);
    vora::fonts::install();
    // The language of this start (VORA_LANG, else the locale's when we have it, else Japanese),
    // with Qt's own buttons and dialogs in it.
    if (vora::translations::install() != vora::language::source())
        vora::textfit::fitWhenShown(); // longer texts in windows made for the Japanese ones

    vora::Services services = vora::productionServices();
    services.mirror = vora::study::StudyMirror::fromSettings(services.paths);
    vora::Module1 module(services);
    vora::registerWindows(module);
    QObject::connect(&module, &vora::Module1::mainWindowShown, [] { qCInfo(lcStartup, "main window shown"); });
    module.start();
    return app.exec();
}
