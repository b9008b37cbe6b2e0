#include "toolkit/Platform.h"

#include <QApplication>
#include <QDesktopServices>
#include <QProcess>

#include <cstdio>
#include <cstdlib>

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
    // Ends the process here and now: no close questions, no window handlers, and no nested
    // wait (a countdown, a feedback hold) left to run out first. Every write of the program is
    // complete when its call returns, so nothing is pending.
    std::fflush(nullptr);
    std::_Exit(0);
}

} // namespace vora
