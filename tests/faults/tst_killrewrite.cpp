// A program killed in the middle of a rewrite must leave the data file as it was before or
// after that rewrite: never missing, never partial. A child copy of this test rewrites the
// file without pause; the parent kills it with SIGKILL at a random moment, again and again.
// And a second copy of the program appending a run while a memo is being saved loses nothing.
#include "StoredRuns.h"
#include "core/registry/DataFile.h"
#include "core/registry/NameList.h"
#include "core/registry/RunRecord.h"
#include "core/toolkit/FileStore.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QRandomGenerator>
#include <QSet>
#include <QTemporaryDir>
#include <QtTest>

#include <csignal>
#include <cstdio>
#include <cstring>
#include <sys/types.h>
#include <sys/wait.h>
#include <unistd.h>

using namespace vora;

namespace {

constexpr int kKills = 200;
const char *const kChildFlag = "--rewrite-child";

QString memoText(int variant)
{
    return variant == 0 ? QStringLiteral("一つ目のメモ\r\n照明あり")
                        : QStringLiteral("二つ目のメモ、少し長く書いておく\r\n照明なし\r\n午後");
}

QStringList listItems(int variant)
{
    QStringList items;
    for (int i = 0; i < 100; ++i)
        items << QStringLiteral("Name%1").arg(i + variant * 100, 3, 10, QLatin1Char('0')).leftJustified(10)
                     + QStringLiteral("-SD%1").arg(i);
    return items;
}

// 100 consistent run lines, so that every rewrite has tens of kilobytes to write.
QStringList dataLines()
{
    QStringList lines{conditionMemoPrefix() + QStringLiteral("最初のメモ")};
    for (int n = 0; n < kMaxRuns; ++n) {
        const QString memo = n % 5 == 0 ? QStringLiteral("ランメモ%1").arg(n) : QString();
        lines << vora::testing::storedLine(
            {QStringLiteral("Kill"), QStringLiteral("2009/04/25"), QStringLiteral("14:30"), QStringLiteral("S"),
             QStringLiteral("D"), 0, memo},
            [n](int t) { return (t * 7 + n) % 3 == 0; }, [n](int t) { return (t + n) % 2 == 0; });
    }
    return lines;
}

// The child: rewrites without end, alternating between two contents. Says "ready" once the
// first rewrite is done so that every kill lands in the steady loop.
int runChild(const QString &folder, const QString &mode)
{
    FileStore files;
    const AppPaths paths(folder);
    const QString data = dataFilePath(paths, QStringLiteral("Kill"), QStringLiteral("1"));
    if (mode == QLatin1String("append")) {
        std::fputs("ready\n", stdout);
        std::fflush(stdout);
        return appendRunLine(files, paths, data, dataLines().last()).ok ? 0 : 3;
    }
    for (long i = 0;; ++i) {
        const int variant = int(i % 2);
        const bool ok = mode == QLatin1String("memo") ? saveConditionMemo(files, paths, data, memoText(variant)).ok
                                                      : writeNameListFile(files, paths, 1, listItems(variant)).ok;
        if (!ok)
            return 3;
        if (i == 0) {
            std::fputs("ready\n", stdout);
            std::fflush(stdout);
        }
    }
}

QByteArray readAll(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// Inside its first rewrite, after reading the file and before replacing it, starts a child
// copy that appends a run to the same file, and gives the child time to get there.
class AppendingMidRewrite : public FileStore {
public:
    QString folder;
    QProcess child;

    AppendingMidRewrite()
    {
        setWriteDevice([this](QIODevice &, const QString &, bool append) -> std::unique_ptr<QIODevice> {
            if (!append && child.state() == QProcess::NotRunning && child.processId() == 0) {
                child.setProgram(QCoreApplication::applicationFilePath());
                child.setArguments({QString::fromLatin1(kChildFlag), folder, QStringLiteral("append")});
                child.start();
                if (child.waitForReadyRead(30000))
                    ::usleep(300000); // widens the window in which an unserialised append would land
            }
            return nullptr;
        });
    }
};

} // namespace

class TestKillRewrite : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void killedRewriteLeavesOldOrNew_data();
    void killedRewriteLeavesOldOrNew();
    void appendDuringMemoRewriteIsKept_data();
    void appendDuringMemoRewriteIsKept();
};

void TestKillRewrite::killedRewriteLeavesOldOrNew_data()
{
    QTest::addColumn<QString>("mode");
    QTest::addColumn<int>("kills");
    QTest::newRow("condition memo of a 100-run data file") << "memo" << kKills;
    QTest::newRow("list file of 100 names") << "list" << kKills / 4;
}

void TestKillRewrite::killedRewriteLeavesOldOrNew()
{
    QFETCH(QString, mode);
    QFETCH(int, kills);
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const AppPaths paths(dir.path());
    FileStore files;
    const QString target = mode == QLatin1String("memo")
                               ? dataFilePath(paths, QStringLiteral("Kill"), QStringLiteral("1"))
                               : paths.file(nameListFileName(1));

    // Every content the file may rightly hold: as prepared, and after either rewrite.
    QSet<QByteArray> allowed;
    QVERIFY(files.ensureFolder(paths.dataFolder()).ok);
    if (mode == QLatin1String("memo")) {
        QVERIFY(files.replaceAll(target, dataLines()).ok);
        allowed << readAll(target);
        for (int v = 0; v < 2; ++v) {
            QVERIFY(saveConditionMemo(files, paths, target, memoText(v)).ok);
            allowed << readAll(target);
        }
    } else {
        QVERIFY(writeNameListFile(files, paths, 1, {QStringLiteral("Start     -SD")}).ok);
        allowed << readAll(target);
        for (int v = 0; v < 2; ++v) {
            QVERIFY(writeNameListFile(files, paths, 1, listItems(v)).ok);
            allowed << readAll(target);
        }
    }
    QCOMPARE(allowed.size(), 3);
    for (const QByteArray &bytes : allowed)
        QVERIFY(bytes.size() > 1000 || mode == QLatin1String("list"));

    int midRewrite = 0; // kills that came while the rewrite was under way
    QSet<QByteArray> seen;
    auto *rng = QRandomGenerator::global();
    for (int k = 0; k < kills; ++k) {
        QProcess child;
        child.setProgram(QCoreApplication::applicationFilePath());
        child.setArguments({QString::fromLatin1(kChildFlag), dir.path(), mode});
        child.start();
        QVERIFY2(child.waitForStarted(10000), qPrintable(child.errorString()));
        QVERIFY2(child.waitForReadyRead(30000), "the child never finished its first rewrite");
        QCOMPARE(child.readLine().trimmed(), QByteArray("ready"));
        // Anywhere within a few rewrites; microseconds matter, so sleep rather than poll.
        ::usleep(static_cast<useconds_t>(rng->bounded(20000)));
        QVERIFY(child.state() == QProcess::Running);
        QVERIFY(::kill(static_cast<pid_t>(child.processId()), SIGKILL) == 0);
        QVERIFY(child.waitForFinished(10000));
        QCOMPARE(child.exitStatus(), QProcess::CrashExit);

        QVERIFY2(QFile::exists(target), qPrintable(QStringLiteral("kill %1: the file is missing").arg(k)));
        const QByteArray now = readAll(target);
        QVERIFY2(allowed.contains(now),
                 qPrintable(QStringLiteral("kill %1: partial or foreign content, %2 bytes").arg(k).arg(now.size())));
        seen << now;
        // The lock stays behind when the kill came while it was held: inside a rewrite.
        midRewrite += QFile::exists(FileStore::lockPath(target));
    }
    qDebug("%d kills, %d of them during a work-file write; %d different contents seen", kills, midRewrite,
           int(seen.size()));
    // Kills that always landed between rewrites would prove nothing.
    QVERIFY2(midRewrite > 0, "no kill happened while a rewrite was under way");
    QVERIFY2(seen.size() >= 2, "the kills never interrupted the loop at different rewrites");

    // The program goes on from whatever the kill left behind.
    if (mode == QLatin1String("memo")) {
        QVERIFY(saveConditionMemo(files, paths, target, memoText(0)).ok);
        const DataFileContents c = loadDataFile(files, target);
        QVERIFY(c.passed());
        QCOMPARE(c.runCount(), 100);
    } else {
        QVERIFY(writeNameListFile(files, paths, 1, listItems(1)).ok);
        QCOMPARE(readNameListFile(files, paths, 1).items, listItems(1));
    }
}

void TestKillRewrite::appendDuringMemoRewriteIsKept_data()
{
    QTest::addColumn<bool>("runMemo");
    QTest::newRow("run memo") << true;
    QTest::newRow("condition memo") << false;
}

void TestKillRewrite::appendDuringMemoRewriteIsKept()
{
    QFETCH(bool, runMemo);
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const AppPaths paths(dir.path());
    const QString data = dataFilePath(paths, QStringLiteral("Kill"), QStringLiteral("1"));
    const QStringList all = dataLines();
    const QStringList before = all.mid(0, 4); // the memo line and three runs
    FileStore plain;
    QVERIFY(plain.ensureFolder(paths.dataFolder()).ok);
    QVERIFY(plain.replaceAll(data, before).ok);

    AppendingMidRewrite files;
    files.folder = dir.path();
    const FileResult saved = runMemo ? rewriteRunMemo(files, paths, data, 2, QStringLiteral("二人目"))
                                     : saveConditionMemo(files, paths, data, QStringLiteral("二人目"));
    QVERIFY2(saved.ok, qPrintable(saved.message));
    QVERIFY2(files.child.processId() != 0, "the second copy was never started");
    QVERIFY(files.child.waitForFinished(30000));
    QCOMPARE(files.child.exitCode(), 0);

    QStringList expected = before;
    if (runMemo)
        expected[2] = expected.at(2).left(261) + QStringLiteral(" 二人目");
    else
        expected[0] = conditionMemoPrefix() + QStringLiteral("二人目");
    expected << all.last();
    QCOMPARE(plain.readLines(data).lines, expected);
    QVERIFY(!QFile::exists(FileStore::lockPath(data)));
}

int main(int argc, char *argv[])
{
    if (argc == 4 && std::strcmp(argv[1], kChildFlag) == 0) {
        QCoreApplication app(argc, argv);
        return runChild(QString::fromLocal8Bit(argv[2]), QString::fromLocal8Bit(argv[3]));
    }
    QCoreApplication app(argc, argv);
    TestKillRewrite test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_killrewrite.moc"
