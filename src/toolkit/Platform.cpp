#include "toolkit/Platform.h"

#include <QApplication>
#include <QDesktopServices>
#include <QProcess>

namespace vora {

void SystemSound::beep()
{
    QApplication::beep();
}

bool DesktopShell::openDocument(const QString &path)
{
    return QDesktopServices::openUrl(QUrl::fromLocalFile(path));
}

bool DesktopShell::openUrl(const QUrl &url)
{
    return QDesktopServices::openUrl(url);
}

bool SystemProcess::startNewInstance()
{
    return QProcess::startDetached(QCoreApplication::applicationFilePath(), {},
                                   QCoreApplication::applicationDirPath());
}

void SystemProcess::quitNow()
{
    // exit() leaves the event loop without sending close events to the windows.
    QCoreApplication::exit(0);
}

} // namespace vora
