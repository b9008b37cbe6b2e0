// The deadline timer fires once from the event loop, and a stop or a re-arm takes back an
// expiry the loop has not handled yet.
#include "core/toolkit/DeadlineTimer.h"

#include <QElapsedTimer>
#include <QThread>
#include <QtTest>

using namespace vora;

class DeadlineTimerTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void firesOnceAfterItsDeadline();
    void stopOrRearmTakesBackAPendingExpiry_data();
    void stopOrRearmTakesBackAPendingExpiry();
};

void DeadlineTimerTest::firesOnceAfterItsDeadline()
{
    DeadlineTimer t;
    int fired = 0;
    connect(&t, &DeadlineTimer::timeout, this, [&] { ++fired; });
    QElapsedTimer clock;
    clock.start();
    t.start(20 * 1000000LL);
    QVERIFY(t.isActive());
    QTRY_COMPARE(fired, 1);
    QVERIFY(clock.nsecsElapsed() >= 20 * 1000000LL); // never early
    QVERIFY(!t.isActive());
    QTest::qWait(30);
    QCOMPARE(fired, 1);
    t.start(0); // "now" still comes from the loop, not from inside start()
    QCOMPARE(fired, 1);
    QTRY_COMPARE(fired, 2);
}

void DeadlineTimerTest::stopOrRearmTakesBackAPendingExpiry_data()
{
    QTest::addColumn<bool>("rearm");
    QTest::newRow("stopped") << false;
    QTest::newRow("re-armed far ahead") << true;
}

void DeadlineTimerTest::stopOrRearmTakesBackAPendingExpiry()
{
    QFETCH(bool, rearm);
    DeadlineTimer t;
    int fired = 0;
    connect(&t, &DeadlineTimer::timeout, this, [&] { ++fired; });
    t.start(1000000LL);
    QThread::msleep(5); // expired, but the loop has not looked yet
    if (rearm)
        t.start(3600 * 1000000000LL);
    else
        t.stop();
    QTest::qWait(50);
    QCOMPARE(fired, 0);
    QCOMPARE(t.isActive(), rearm);
}

QTEST_MAIN(DeadlineTimerTest)
#include "tst_deadlinetimer.moc"
