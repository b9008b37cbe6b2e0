#include "toolkit/Waits.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QTimer>

namespace vora {

void waitMs(int ms, bool letEventsRun)
{
    if (ms <= 0) {
        if (letEventsRun)
            processPendingEvents();
        return;
    }
    QEventLoop loop;
    QTimer::singleShot(ms, Qt::PreciseTimer, &loop, &QEventLoop::quit);
    loop.exec(letEventsRun ? QEventLoop::AllEvents : QEventLoop::ExcludeUserInputEvents);
}

void processPendingEvents()
{
    QCoreApplication::processEvents(QEventLoop::AllEvents);
}

} // namespace vora
