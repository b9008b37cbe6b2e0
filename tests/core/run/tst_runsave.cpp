// Saving a finished run when another copy of the program holds a lock the save needs: an
// attempt never waits, comes back busy with nothing written, and on the last attempt a busy
// sealing lock no longer holds the run back.
#include "../study/SealRuns.h"
#include "Fakes.h"
#include "core/run/RunSave.h"
#include "core/study/Seal.h"

#include <QElapsedTimer>
#include <QLockFile>
#include <QtTest>

using namespace vora;
using namespace vora::testing;

class RunSaveTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void busyLock_data();
    void busyLock();
};

void RunSaveTest::busyLock_data()
{
    QTest::addColumn<bool>("dataLock"); // held by another writer
    QTest::addColumn<bool>("sealingLock");
    QTest::addColumn<bool>("last");
    QTest::addColumn<int>("outcome"); // RunSave::Outcome
    QTest::addColumn<int>("sealedRuns");
    QTest::addColumn<QString>("says");
    const int busy = int(RunSave::Outcome::Busy), saved = int(RunSave::Outcome::Saved);
    QTest::newRow("free") << false << false << false << saved << 2 << QString();
    QTest::newRow("data file busy") << true << false << false << busy << 1
                                    << QStringLiteral("別のVORAがこのファイルに書き込んでいます");
    QTest::newRow("data file busy, last try")
        << true << false << true << busy << 1 << QStringLiteral("別のVORAがこのファイルに書き込んでいます");
    QTest::newRow("sealing lock busy") << false << true << false << busy << 1 << QString();
    QTest::newRow("sealing lock busy, last try")
        << false << true << true << saved << 1 << QStringLiteral("封印の鍵ファイル");
    QTest::newRow("both busy, last try") << true << true << true << busy << 1
                                         << QStringLiteral("別のVORAがこのファイルに書き込んでいます");
}

void RunSaveTest::busyLock()
{
    QFETCH(bool, dataLock);
    QFETCH(bool, sealingLock);
    QFETCH(bool, last);
    QFETCH(int, outcome);
    QFETCH(int, sealedRuns);
    QFETCH(QString, says);
    TestServices t;
    const QString data = dataFilePath(t.services.paths, QStringLiteral("Seal"), QStringLiteral("1"));
    QVERIFY(sealtest::saveRun(*t.files, t.services.paths, data, sealtest::runLine(1)).append.ok);
    const QByteArray before = t.readBytes(QStringLiteral("data/Seal-1.txt"));
    QLockFile dataHeld(FileStore::lockPath(data));
    QLockFile sealHeld(study::sealLockPathFor(data));
    QVERIFY(!dataLock || dataHeld.tryLock(0));
    QVERIFY(!sealingLock || sealHeld.tryLock(0));

    QElapsedTimer took;
    took.start();
    const RunSave r =
        saveFinishedRun(*t.files, t.services.paths, data, sealtest::runLine(2),
                        QDateTime(QDate(2026, 12, 9), QTime(9, 47)), QStringLiteral("20261209-094700"), last);
    // Whatever is busy, an attempt returns at once (the waits it replaces took 5 and 10 s).
    QVERIFY2(took.elapsed() < 1000, qPrintable(QString::number(took.elapsed())));
    QCOMPARE(int(r.outcome), outcome);
    const QString told = r.outcome == RunSave::Outcome::Saved ? r.seal.message : r.message;
    QVERIFY2(says.isEmpty() ? told.isEmpty() : told.contains(says), qPrintable(told));
    const QByteArray after = t.readBytes(QStringLiteral("data/Seal-1.txt"));
    if (r.outcome == RunSave::Outcome::Busy)
        QCOMPARE(after, before); // nothing written
    else
        QCOMPARE(QString::fromLatin1(after), QString::fromLatin1(before) + sealtest::runLine(2) + "\r\n");
    QCOMPARE(study::verifyDataFile(data).sealedRuns(), sealedRuns);
    // Once the locks are free the next attempt saves and seals the run.
    dataHeld.unlock();
    sealHeld.unlock();
    if (r.outcome == RunSave::Outcome::Busy) {
        const RunSave again = saveFinishedRun(*t.files, t.services.paths, data, sealtest::runLine(2),
                                              QDateTime::currentDateTime(), QStringLiteral("20261209-094700"));
        QCOMPARE(again.outcome, RunSave::Outcome::Saved);
        QCOMPARE(study::verifyDataFile(data).sealedRuns(), 2);
    }
}

QTEST_MAIN(RunSaveTest)
#include "tst_runsave.moc"
