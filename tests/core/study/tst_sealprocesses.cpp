// Sealing across processes: a program killed between the append and the seal leaves its run
// "not sealed", never a seal that disagrees; two programs appending to one experiment at once
// leave one whole chain. Children are copies of this test started with a flag.
#include "SealRuns.h"

#include "core/run/RunSave.h"
#include "core/study/Seal.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QProcess>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QThread>
#include <QtTest>

#include <csignal>
#include <cstdio>
#include <cstring>
#include <ctime>
#include <unistd.h>

using namespace vora;
using namespace vora::study;

namespace {

const char *const kChildFlag = "--seal-child";

// Appends and seals runs numbered from `first`: `count` of them, or without end for 0.
// Mode "die-after-append" kills itself right after its first append.
int runChild(const QString &folder, const QString &mode, int first, int count)
{
    FileStore files;
    const AppPaths paths(folder);
    const QString data = dataFilePath(paths, QStringLiteral("Seal"), QStringLiteral("1"));
    if (mode.startsWith(QLatin1String("together"))) { // start when told, so that two children overlap
        char go[8];
        if (!std::fgets(go, sizeof go, stdin))
            return 4;
    }
    if (mode == QLatin1String("together-one")) { // one finished run, saved as the window saves it
        // The window tries a busy lock again on a deadline for 5 s, then once more as the last
        // attempt; a child has no window and may simply sleep in between.
        RunSave saved;
        QElapsedTimer waited;
        waited.start();
        for (;;) {
            const bool last = waited.elapsed() >= 5000;
            saved = saveFinishedRun(files, paths, data, sealtest::runLine(first), QDateTime::currentDateTime(),
                                    QStringLiteral("20261209-120000"), last);
            if (saved.outcome != RunSave::Outcome::Busy || last)
                break;
            QThread::msleep(20);
        }
        std::puts(saved.outcome == RunSave::Outcome::Saved  ? "saved"
                  : saved.outcome == RunSave::Outcome::Kept ? "kept"
                                                            : "failed");
        return 0;
    }
    auto stamp = [](const char *what) { // on the machine's monotonic clock, shared by all processes
        timespec ts{};
        clock_gettime(CLOCK_MONOTONIC, &ts);
        std::printf("%s %lld\n", what, static_cast<long long>(ts.tv_sec) * 1000000000LL + ts.tv_nsec);
    };
    if (mode == QLatin1String("together"))
        stamp("start");
    for (int n = first; count == 0 || n < first + count; ++n) {
        const QString line = sealtest::runLine(n, n >= 1000 ? QStringLiteral("SealB") : QStringLiteral("Seal"));
        const SavedRun saved = appendAndSealRun(files, data, line, QDateTime::currentDateTime(), [&] {
            const FileResult r = appendRunLine(files, paths, data, line);
            if (mode == QLatin1String("die-after-append"))
                ::kill(::getpid(), SIGKILL);
            return r;
        });
        if (!saved.append.ok)
            return 3;
        if (n == first) {
            std::fputs("ready\n", stdout);
            std::fflush(stdout);
        }
    }
    if (mode == QLatin1String("together"))
        stamp("end");
    return 0;
}

QProcess *startChild(QObject *parent, const QString &folder, const QString &mode, int first, int count)
{
    auto *child = new QProcess(parent);
    child->setProgram(QCoreApplication::applicationFilePath());
    child->setArguments(
        {QString::fromLatin1(kChildFlag), folder, mode, QString::number(first), QString::number(count)});
    child->start();
    return child;
}

QString dataPath(const QTemporaryDir &dir)
{
    return dataFilePath(AppPaths(dir.path()), QStringLiteral("Seal"), QStringLiteral("1"));
}

int notSealed(const Verification &v)
{
    return v.notSealedRuns();
}

} // namespace

class TestSealProcesses : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void killBetweenAppendAndSealLeavesTheRunNotSealed_data();
    void killBetweenAppendAndSealLeavesTheRunNotSealed();
    void killedAtRandomNeverLooksTampered();
    void twoProcessesAppendingKeepOneChain();
    void twoCopiesFinishingTheHundredthRun();
};

void TestSealProcesses::killBetweenAppendAndSealLeavesTheRunNotSealed_data()
{
    QTest::addColumn<int>("before"); // runs saved and sealed before the one cut off
    QTest::newRow("the experiment's first run") << 0;
    QTest::newRow("run 4") << 3;
}

void TestSealProcesses::killBetweenAppendAndSealLeavesTheRunNotSealed()
{
    QFETCH(int, before);
    QTemporaryDir dir;
    QScopedPointer<QProcess> child;
    if (before > 0) {
        child.reset(startChild(nullptr, dir.path(), QStringLiteral("loop"), 1, before));
        QVERIFY(child->waitForFinished(30000));
        QCOMPARE(child->exitCode(), 0);
    }
    child.reset(startChild(nullptr, dir.path(), QStringLiteral("die-after-append"), before + 1, 1));
    QVERIFY(child->waitForFinished(30000));
    QCOMPARE(child->exitStatus(), QProcess::CrashExit);

    Verification v = verifyDataFile(dataPath(dir));
    QVERIFY(v.intact());
    QCOMPARE(v.runs, before + 1);
    QCOMPARE(v.sealedRuns(), before);
    QCOMPARE(v.findings.size(), 1);
    QCOMPARE(v.findings.first().kind, FindingKind::NotSealed);
    QCOMPARE(v.findings.first().fileLine, before + 1);

    // The experiment selected again: the run is sealed before the next one, and the user told.
    FileStore files;
    const SelectionSeal healed = sealAtSelection(files, dataPath(dir), QDateTime::currentDateTime());
    QCOMPARE(healed.message, crashSealedMessage(before + 1, before + 1));
    v = verifyDataFile(dataPath(dir));
    QVERIFY(v.intact() && v.findings.isEmpty());
    QCOMPARE(v.sealedRuns(), before + 1);
}

void TestSealProcesses::killedAtRandomNeverLooksTampered()
{
    QTemporaryDir dir;
    FileStore files;
    auto *rng = QRandomGenerator::global();
    int next = 1;
    int started = 0; // runs of the current file before this child
    int total = 0;
    int caughtBetween = 0;
    for (int k = 0; k < 30; ++k) {
        QScopedPointer<QProcess> child(startChild(nullptr, dir.path(), QStringLiteral("loop"), next, 0));
        QVERIFY2(child->waitForReadyRead(30000), "the child never saved its first run");
        ::usleep(static_cast<useconds_t>(rng->bounded(15000)));
        QVERIFY(::kill(static_cast<pid_t>(child->processId()), SIGKILL) == 0);
        QVERIFY(child->waitForFinished(10000));

        const Verification v = verifyDataFile(dataPath(dir));
        const Finding *bad = v.firstTampering();
        QVERIFY2(v.readOk && !bad,
                 qPrintable(QStringLiteral("kill %1: %2").arg(k).arg(bad ? findingText(*bad) : v.error)));
        // At most the run being sealed when the kill came is open, and it is the last.
        QVERIFY(notSealed(v) <= 1);
        if (notSealed(v) == 1) {
            ++caughtBetween;
            QCOMPARE(v.findings.last().fileLine, v.runs);
            // As the user would: seal it, so the next child's runs chain on.
            const SealRunsResult sealed = sealUnsealedRuns(files, dataPath(dir), QDateTime::currentDateTime());
            QVERIFY(sealed.ok && sealed.added == 1);
        }
        next = v.runs + 1;
        total += next - 1 - started;
        started = next - 1;
        if (v.runs >= 90) { // an experiment holds 100 runs: go on with a fresh one
            QVERIFY(QFile::rename(dataPath(dir), dataPath(dir) + QString::number(k)));
            QVERIFY(QFile::rename(sealPathFor(dataPath(dir)), sealPathFor(dataPath(dir)) + QString::number(k)));
            next = 1;
            started = 0;
        }
    }
    qDebug("%d runs; %d kills came between an append and its seal", total, caughtBetween);
}

void TestSealProcesses::twoProcessesAppendingKeepOneChain()
{
    QTemporaryDir dir;
    constexpr int kEach = 40;
    QScopedPointer<QProcess> a(startChild(nullptr, dir.path(), QStringLiteral("together"), 1, kEach));
    QScopedPointer<QProcess> b(startChild(nullptr, dir.path(), QStringLiteral("together"), 1000, kEach));
    QVERIFY(a->waitForStarted(30000) && b->waitForStarted(30000));
    a->write("go\n");
    b->write("go\n");
    QVERIFY(a->waitForBytesWritten(10000) && b->waitForBytesWritten(10000));
    QVERIFY(a->waitForFinished(60000) && b->waitForFinished(60000));
    QCOMPARE(a->exitCode(), 0);
    QCOMPARE(b->exitCode(), 0);
    const Verification v = verifyDataFile(dataPath(dir));
    QVERIFY(v.intact());
    QCOMPARE(v.runs, 2 * kEach);
    QCOMPARE(v.sealedRuns(), 2 * kEach);
    QVERIFY(v.findings.isEmpty());
    // The two were at work at the same time, or the test proved nothing.
    auto span = [](QProcess &p) {
        QMap<QByteArray, qint64> at; // "start NS" and "end NS"
        for (const QByteArray &line : p.readAllStandardOutput().split('\n')) {
            const QList<QByteArray> w = line.split(' ');
            if (w.size() == 2)
                at[w.at(0)] = w.at(1).toLongLong();
        }
        return qMakePair(at.value("start"), at.value("end"));
    };
    const auto sa = span(*a);
    const auto sb = span(*b);
    QVERIFY(sa.first > 0 && sb.first > 0);
    QVERIFY2(sa.first < sb.second && sb.first < sa.second, "the two children did not overlap");
}

// Two copies of the program on one folder, both launched at 99 runs, finish at once: the file
// takes one 100th run; the other run is kept in a file of its own, and nothing is lost.
void TestSealProcesses::twoCopiesFinishingTheHundredthRun()
{
    for (int round = 0; round < 5; ++round) {
        QTemporaryDir dir;
        FileStore files;
        const AppPaths paths(dir.path());
        for (int n = 1; n <= 99; ++n)
            QVERIFY(sealtest::saveRun(files, paths, dataPath(dir), sealtest::runLine(n)).seal.sealed);
        QScopedPointer<QProcess> a(startChild(nullptr, dir.path(), QStringLiteral("together-one"), 100, 1));
        QScopedPointer<QProcess> b(startChild(nullptr, dir.path(), QStringLiteral("together-one"), 200, 1));
        QVERIFY(a->waitForStarted(30000) && b->waitForStarted(30000));
        a->write("go\n");
        b->write("go\n");
        QVERIFY(a->waitForFinished(60000) && b->waitForFinished(60000));
        const QStringList outcomes{QString::fromLatin1(a->readAllStandardOutput().trimmed()),
                                   QString::fromLatin1(b->readAllStandardOutput().trimmed())};
        QCOMPARE(outcomes.count(QStringLiteral("saved")), 1);
        QCOMPARE(outcomes.count(QStringLiteral("kept")), 1);

        const DataFileContents data = loadDataFile(files, dataPath(dir));
        QVERIFY(data.passed());
        QCOMPARE(data.runCount(), 100);
        const Verification v = verifyDataFile(dataPath(dir));
        QVERIFY(v.intact());
        QCOMPARE(v.sealedRuns(), 100);
        const QStringList kept = QDir(dir.path() + QStringLiteral("/data")).entryList({QStringLiteral("*.recovered")});
        QCOMPARE(kept.size(), 1);
        const QStringList keptLines = files.readLines(dir.path() + QStringLiteral("/data/") + kept.first()).lines;
        QCOMPARE(keptLines.size(), 1);
        // Between them the two files hold both runs.
        const QSet<QString> both{data.runLines.last(), keptLines.first()};
        QCOMPARE(both, (QSet<QString>{sealtest::runLine(100), sealtest::runLine(200)}));
    }
}

int main(int argc, char *argv[])
{
    if (argc == 6 && std::strcmp(argv[1], kChildFlag) == 0) {
        QCoreApplication app(argc, argv);
        return runChild(QString::fromLocal8Bit(argv[2]), QString::fromLocal8Bit(argv[3]), std::atoi(argv[4]),
                        std::atoi(argv[5]));
    }
    QCoreApplication app(argc, argv);
    TestSealProcesses test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_sealprocesses.moc"
