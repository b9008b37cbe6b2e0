// A write that meets another copy's lock, on a frozen clock the test moves: it is tried again
// on deadlines and never waited for; it lands once the lock is freed, or after the wait gives
// the busy lock's message with the file as it was; one write at a time.
#include "Fakes.h"
#include "core/toolkit/FileStore.h"
#include "core/toolkit/LockRetry.h"

#include <QElapsedTimer>
#include <QLockFile>
#include <QtTest>

using namespace vora;
using namespace vora::testing;

class LockRetryTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void busyLockTriedAgainOnDeadlines_data();
    void busyLockTriedAgainOnDeadlines();
    void aStoreThatNeverWaitsRefusesAtOnce();
};

void LockRetryTest::busyLockTriedAgainOnDeadlines_data()
{
    QTest::addColumn<int>("freedAfterMs"); // -1: held past the wait
    QTest::addColumn<bool>("written");
    QTest::addColumn<int>("waitingSignals"); // waitingChanged emissions
    QTest::newRow("free from the start") << 0 << true << 0;
    QTest::newRow("freed after 10 ms") << 10 << true << 2;
    QTest::newRow("freed at the last attempt") << 60 << true << 2;
    QTest::newRow("held past the wait") << -1 << false << 2;
}

void LockRetryTest::busyLockTriedAgainOnDeadlines()
{
    QFETCH(int, freedAfterMs);
    QFETCH(bool, written);
    QFETCH(int, waitingSignals);
    TestServices t;
    t.clock->setFrozen(true);
    Timing timing;
    timing.lockWaitMs = 60;
    timing.lockRetryMs = 4;
    t.writeLines(QStringLiteral("Combo1.txt"), {QStringLiteral("Aaa       -SD")});
    const QString path = t.path(QStringLiteral("Combo1.txt"));
    const QByteArray before = t.readBytes(QStringLiteral("Combo1.txt"));
    QLockFile other(FileStore::lockPath(path));
    if (freedAfterMs != 0)
        QVERIFY(other.tryLock(0));

    LockRetry retry(t.clock, timing);
    int signals = 0;
    connect(&retry, &LockRetry::waitingChanged, this, [&] { ++signals; });
    int attempts = 0;
    int secondAttempts = 0;
    QList<FileResult> results;
    const QStringList lines{QStringLiteral("Bbb       -n-")};
    QVERIFY(retry.start(
        [&] {
            ++attempts;
            return t.files->replaceAll(path, lines);
        },
        [&](const FileResult &r) { results << r; }));
    // A second write while the first waits is turned away, and never runs.
    QCOMPARE(retry.start([&] { return ++secondAttempts, FileResult(); }, [&](const FileResult &r) { results << r; }),
             freedAfterMs == 0);

    const qint64 start = t.clock->monotonicMs();
    for (int i = 0; i < 100 && retry.waiting(); ++i) {
        QVERIFY(retry.deadline() > t.clock->monotonicMs());
        QVERIFY(retry.deadline() <= start + timing.lockWaitMs);
        // An early timer changes nothing.
        retry.onDeadline();
        QVERIFY(retry.waiting());
        t.clock->advanceMs(retry.deadline() - t.clock->monotonicMs());
        if (freedAfterMs > 0 && t.clock->monotonicMs() - start >= freedAfterMs)
            other.unlock();
        retry.onDeadline();
    }
    QVERIFY(!retry.waiting());
    QCOMPARE(retry.deadline(), qint64(-1));
    QCOMPARE(signals, waitingSignals);
    QCOMPARE(results.size(), freedAfterMs == 0 ? 2 : 1);
    QCOMPARE(results.first().ok, written);
    if (written) {
        QCOMPARE(t.readLines(QStringLiteral("Combo1.txt")), lines);
        QCOMPARE(attempts, (freedAfterMs + timing.lockRetryMs - 1) / timing.lockRetryMs + 1);
    } else {
        QCOMPARE(results.first().code, FileError::LockBusy);
        QCOMPARE(results.first().message, FileResult::failure(FileError::LockBusy, path).message);
        QCOMPARE(t.readBytes(QStringLiteral("Combo1.txt")), before);
        QCOMPARE(t.clock->monotonicMs(), start + timing.lockWaitMs);
        QCOMPARE(attempts, timing.lockWaitMs / timing.lockRetryMs + 1);
    }
    QCOMPARE(secondAttempts, freedAfterMs == 0 ? 1 : 0);
    // Once done, the next write is taken.
    QVERIFY(retry.start([] { return FileResult(); }, nullptr));
}

void LockRetryTest::aStoreThatNeverWaitsRefusesAtOnce()
{
    TestServices t; // its store is the windows' kind
    QCOMPARE(t.files->lockWait(), LockWait::TryOnce);
    const QString path = t.path(QStringLiteral("Jikkenmei.txt"));
    QLockFile other(FileStore::lockPath(path));
    QVERIFY(other.tryLock(0));
    QElapsedTimer took;
    took.start();
    const FileResult r = t.files->replaceAll(path, {QStringLiteral("Aaa        SD")});
    QCOMPARE(r.code, FileError::LockBusy);
    QVERIFY2(took.elapsed() < 1000, "the write waited for the lock");
    QVERIFY(!QFile::exists(path));
}

QTEST_MAIN(LockRetryTest)
#include "tst_lockretry.moc"
