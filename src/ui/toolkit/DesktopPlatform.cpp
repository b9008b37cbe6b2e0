#include "ui/toolkit/DesktopServices.h"

#include <QApplication>
#include <QDesktopServices>
#include <QProcess>
#include <QThread>
#include <QWidget>

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
    return QProcess::startDetached(QCoreApplication::applicationFilePath(), {}, QCoreApplication::applicationDirPath());
}

void SystemProcess::quitNow()
{
    // Leaves through the application's normal exit: every window goes away without its close
    // handler (no questions, nothing saved), and the event loop, with any dialog running in it,
    // is told to end. The caller returns at once; nothing of the program runs after that.
    const QWidgetList windows = QApplication::topLevelWidgets();
    for (QWidget *w : windows)
        w->hide();
    if (QThread::currentThread()->loopLevel() > 0)
        QCoreApplication::exit(0);
    else // not in the event loop yet: end it as soon as it starts
        QMetaObject::invokeMethod(
            QCoreApplication::instance(), [] { QCoreApplication::exit(0); }, Qt::QueuedConnection);
}

} // namespace vora
