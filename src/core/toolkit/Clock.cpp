#include "core/toolkit/Clock.h"

#include <QDateTime>
#include <QElapsedTimer>
#include <QLocale>

namespace vora {

QString Clock::secondsText() const
{
    return formatSeconds(secondsSinceMidnight());
}

QString Clock::formatSeconds(double seconds)
{
    // Single precision keeps about seven significant digits: two decimals late in the day.
    const float single = static_cast<float>(seconds);
    return QString::number(static_cast<double>(single), 'g', 7);
}

namespace {
const QElapsedTimer &monotonicTimer()
{
    static QElapsedTimer timer = [] {
        QElapsedTimer t;
        t.start();
        return t;
    }();
    return timer;
}
qint64 monotonicNowMs()
{
    return monotonicTimer().elapsed();
}
} // namespace

SystemClock::SystemClock() : m_origin(monotonicNowMs())
{
}

double SystemClock::secondsSinceMidnight() const
{
    const QTime now = QTime::currentTime();
    return now.msecsSinceStartOfDay() / 1000.0;
}

QString SystemClock::dateText() const
{
    return QDate::currentDate().toString(QStringLiteral("yyyy/MM/dd"));
}

QString SystemClock::timeText() const
{
    return QTime::currentTime().toString(QStringLiteral("H:mm:ss"));
}

QDateTime SystemClock::dateTime() const
{
    return QDateTime::currentDateTime();
}

qint64 SystemClock::monotonicMs() const
{
    return monotonicNowMs() - m_origin;
}

qint64 SystemClock::monotonicNs() const
{
    return monotonicTimer().nsecsElapsed() - m_origin * 1000000;
}

} // namespace vora
