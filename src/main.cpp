#include "mainwindow/Windows.h"
#include "startup/Module1.h"
#include "study/mirror/StudyMirror.h"
#include "toolkit/Fonts.h"
#include "toolkit/Translations.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("VORAjikken"));
    // The last window closing ends the program only where a handler says so.
    QApplication::setQuitOnLastWindowClosed(true);
    vora::fonts::install();
    vora::translations::install(); // Qt's own buttons and dialogs in Japanese too

    vora::Services services = vora::Services::production();
    services.mirror = vora::study::StudyMirror::fromSettings(services.paths);
    vora::Module1 module(services);
    vora::registerWindows(module);
    module.start();
    return app.exec();
}
