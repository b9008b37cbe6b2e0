#include "mainwindow/Windows.h"
#include "startup/Module1.h"
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

    vora::Module1 module(vora::Services::production());
    vora::registerWindows(module);
    module.start();
    return app.exec();
}
