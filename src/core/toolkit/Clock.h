#pragma once
#include <QDateTime>
#include <QString>
#include <QtGlobal>

namespace vora {

// Wall-clock texts the program stores and shows, plus a monotonic clock for every wait.
class Clock {
public:
    virtual ~Clock() = default;
    // Time of day as seconds since midnight, with fractions (used for the program's reseeds).
    virtual double secondsSinceMidnight() const = 0;
    // "yyyy/MM/dd": the 10-character short date.
    virtual QString dateText() const = 0;
    // "H:mm:ss": no leading zero for one-digit hours ("9:05:12").
    virtual QString timeText() const = 0;
    // The same moment as a local date and time with its offset from UTC (the seal's stamps).
    virtual QDateTime dateTime() const = 0;
    // Monotonic milliseconds; only differences mean anything. Never jumps at midnight.
    virtual qint64 monotonicMs() const = 0;
    // The same clock in nanoseconds, for deadlines finer than a millisecond.
    virtual qint64 monotonicNs() const { return monotonicMs() * 1000000; }

    // The text of secondsSinceMidnight() as the program has always formatted it: a
    // single-precision number without trailing zeros ("45296.52", "61").
    QString secondsText() const;
    static QString formatSeconds(double seconds);
};

class SystemClock : public Clock {
public:
    SystemClock();
    double secondsSinceMidnight() const override;
    QString dateText() const override;
    QString timeText() const override;
    QDateTime dateTime() const override;
    qint64 monotonicMs() const override;
    qint64 monotonicNs() const override;

private:
    qint64 m_origin;
};

} // namespace vora
