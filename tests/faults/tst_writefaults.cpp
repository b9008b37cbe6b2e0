// A write that fails at any point of any whole-file rewrite, or of a run append, leaves every
// original byte for byte and is reported. The registry tests cut each write at one place; here
// every write is cut after every byte count, and the n-th of several writes fails on its own.
#include "FailDevice.h"
#include "Fakes.h"
#include "StoredRuns.h"
#include "core/registry/DataFile.h"
#include "core/registry/NameList.h"
#include "core/registry/RunRecord.h"

#include <QDir>
#include <QDirIterator>
#include <QList>
#include <QMap>
#include <QTemporaryDir>
#include <QtTest>

using namespace vora;
using vora::testing::failWrite;
using vora::testing::TestServices;

namespace {

enum class Operation { ConditionMemo, RunMemo, LegacyConversion, ListFile, SelectionFile, AppendRun, AppendRunNewFile };

// A consistent run line; block k gets `hits[k]` matches.
QString runLine(const QString &name, const std::array<int, 5> &hits, const QString &memo = QString())
{
    return vora::testing::storedLine(
        {name, QStringLiteral("2009/04/25"), QStringLiteral("14:30"), QStringLiteral("S"), QStringLiteral("D"), 45,
         memo},
        [](int t) { return t % 3 != 0; }, vora::testing::bySegment(hits));
}

// Every file under the program folder with its bytes.
QMap<QString, QByteArray> snapshot(const TestServices &t)
{
    QMap<QString, QByteArray> files;
    QDirIterator it(t.dir.path(), QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next();
        QFile f(path);
        if (f.open(QIODevice::ReadOnly))
            files.insert(QDir(t.dir.path()).relativeFilePath(path), f.readAll());
    }
    return files;
}

void prepare(const TestServices &t, Operation op)
{
    const QStringList data{QStringLiteral("実験条件=元のメモ"), runLine(QStringLiteral("Yama"), {10, 10, 10, 10, 10}),
                           runLine(QStringLiteral("Yama"), {11, 10, 9, 12, 10}, QStringLiteral("元のランメモ"))};
    switch (op) {
    case Operation::ConditionMemo:
    case Operation::RunMemo:
    case Operation::AppendRun: t.writeLines(QStringLiteral("data/Yama-1.txt"), data); break;
    case Operation::AppendRunNewFile: break;
    case Operation::LegacyConversion: {
        // Two series of the earlier format: two data files are converted, one write each.
        t.writeLines(QStringLiteral("data/Yama-0.txt"), data);
        QStringList ito = data;
        ito[1] = runLine(QStringLiteral("Ito"), {8, 9, 10, 11, 12});
        t.writeLines(QStringLiteral("data/Ito-0.txt"), ito);
        t.writeLines(QStringLiteral("Combo1.txt"),
                     {QStringLiteral("Yama      -SD2,1"), QStringLiteral("Ito       -BD1,0")});
        break;
    }
    case Operation::ListFile:
        t.writeLines(QStringLiteral("Combo1.txt"), {QStringLiteral("Yama      -SD2"), QStringLiteral("Ito       -n-")});
        break;
    case Operation::SelectionFile:
        t.writeLines(selectionFileName(),
                     {QStringLiteral("Yama       SD"), QString(), QStringLiteral("Ito        n-")});
        break;
    }
}

QString perform(FileStore &files, const TestServices &t, Operation op)
{
    const AppPaths &paths = t.services.paths;
    const QString data1 = t.path(QStringLiteral("data/Yama-1.txt"));
    FileResult r;
    switch (op) {
    case Operation::ConditionMemo:
        r = saveConditionMemo(files, paths, data1, QStringLiteral("新しいメモ\r\n二行目"));
        break;
    case Operation::RunMemo:
        r = rewriteRunMemo(files, paths, data1, 2, QStringLiteral("書き換えた\r\nランメモ"));
        break;
    case Operation::LegacyConversion: {
        const NameListRead read = readNameListFile(files, paths, 1);
        return read.error;
    }
    case Operation::ListFile:
        r = writeNameListFile(files, paths, 1, {QStringLiteral("Sato      -BD"), QStringLiteral("Yama      -SD3")});
        break;
    case Operation::SelectionFile:
        r = writeSelectionFile(files, paths,
                               {BoxSelection{QStringLiteral("Sato"), QStringLiteral("B"), QStringLiteral("D")}});
        break;
    case Operation::AppendRun:
    case Operation::AppendRunNewFile:
        r = appendRunLine(files, paths, data1, runLine(QStringLiteral("Yama"), {12, 10, 10, 10, 10}));
        break;
    }
    return r ? QString() : r.message;
}

// Records each write an operation makes and the file it ends up in.
class RecordingStore : public FileStore {
public:
    struct Write {
        QString target;
        bool append = false;
    };
    QList<Write> writes;

    RecordingStore()
    {
        setWriteDevice([this](QIODevice &, const QString &target, bool append) -> std::unique_ptr<QIODevice> {
            writes.append({target, append});
            return nullptr;
        });
    }
};

// Every file an operation may write, relative to the program folder.
const QStringList kWrittenFiles{QStringLiteral("data/Yama-1.txt"), QStringLiteral("data/Yama-0.txt"),
                                QStringLiteral("data/Ito-0.txt"), QStringLiteral("Combo1.txt"),
                                QStringLiteral("Jikkenmei.txt")};

} // namespace

Q_DECLARE_METATYPE(Operation)

class TestWriteFaults : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void everyCutPoint_data();
    void everyCutPoint();
    void plantedLinksAreNeverFollowed_data() { everyCutPoint_data(); }
    void plantedLinksAreNeverFollowed();
};

void TestWriteFaults::everyCutPoint_data()
{
    QTest::addColumn<Operation>("op");
    QTest::newRow("condition memo") << Operation::ConditionMemo;
    QTest::newRow("run memo") << Operation::RunMemo;
    QTest::newRow("legacy conversion of two series") << Operation::LegacyConversion;
    QTest::newRow("list file") << Operation::ListFile;
    QTest::newRow("selection file") << Operation::SelectionFile;
    QTest::newRow("run append") << Operation::AppendRun;
    QTest::newRow("run append to a new file") << Operation::AppendRunNewFile;
}

void TestWriteFaults::everyCutPoint()
{
    QFETCH(Operation, op);

    // A clean pass first: which writes, into which files, and every file after success.
    QMap<QString, QByteArray> before;
    QMap<QString, QByteArray> after;
    QList<RecordingStore::Write> writes;
    QString root;
    {
        TestServices t;
        prepare(t, op);
        before = snapshot(t);
        RecordingStore recording;
        const QString message = perform(recording, t, op);
        QVERIFY2(message.isEmpty(), qPrintable(message));
        after = snapshot(t);
        writes = recording.writes;
        root = t.dir.path();
    }
    QVERIFY(!writes.isEmpty());
    QVERIFY2(before != after, "the operation must change something for a fault to matter");

    int cases = 0;
    for (int n = 1; n <= writes.size(); ++n) {
        const RecordingStore::Write &w = writes.at(n - 1);
        const QString target = QDir(root).relativeFilePath(w.target);
        QVERIFY2(after.contains(target), qPrintable(target));
        const qint64 size = after.value(target).size() - (w.append ? before.value(target).size() : 0);
        QVERIFY(size > 0);
        // Every byte of the first 300, then a stride through the rest, then the last bytes:
        // the failing write call is the same; where it stops varies.
        QList<qint64> cuts;
        for (qint64 cut = -1; cut < size; cut += cut < 300 ? 1 : 29)
            cuts << cut;
        for (qint64 cut = qMax<qint64>(0, size - 3); cut < size; ++cut)
            cuts << cut;
        for (qint64 cut : cuts) {
            TestServices t;
            prepare(t, op);
            FileStore failing;
            failWrite(failing, n, cut); // -1 stands for "the write fails at its start"
            const QString message = perform(failing, t, op);
            const QMap<QString, QByteArray> now = snapshot(t);
            ++cases;
            const QString where = QStringLiteral("write %1 of %2 (%3), cut after %4 of %5 bytes")
                                      .arg(n)
                                      .arg(writes.size())
                                      .arg(target)
                                      .arg(cut)
                                      .arg(size);
            QVERIFY2(!message.isEmpty(), qPrintable(where + QStringLiteral(": the failure was not reported")));
            QVERIFY2(message.contains(QStringLiteral("理由：ディスクの空き容量が足りません")), qPrintable(message));
            // The file the failing write aimed at is exactly as before (absent if it was absent).
            QCOMPARE(now.contains(target), before.contains(target));
            QVERIFY2(now.value(target) == before.value(target),
                     qPrintable(where + QStringLiteral(": the target changed")));
            // Every other file is untouched or completely new (other, independent writes may
            // still have succeeded); no work file or lock is left behind.
            for (auto it = now.cbegin(); it != now.cend(); ++it) {
                const bool old = before.contains(it.key()) && before.value(it.key()) == it.value();
                const bool fresh = after.contains(it.key()) && after.value(it.key()) == it.value();
                QVERIFY2(old || fresh, qPrintable(where + QStringLiteral(": partial file ") + it.key()));
            }
            for (auto it = before.cbegin(); it != before.cend(); ++it)
                QVERIFY2(now.contains(it.key()), qPrintable(where + QStringLiteral(": file lost: ") + it.key()));
        }
    }
    qDebug("%d cut points tried over %d write(s)", cases, int(writes.size()));
}

void TestWriteFaults::plantedLinksAreNeverFollowed()
{
    // Links at the work-file names of earlier versions and at the lock names, all pointing at
    // one file outside the program folder: none is ever written through.
    QFETCH(Operation, op);
    QTemporaryDir outside;
    const QString victim = outside.path() + QStringLiteral("/victim.txt");
    const QByteArray precious("precious\r\n");
    {
        QFile f(victim);
        QVERIFY(f.open(QIODevice::WriteOnly) && f.write(precious) == precious.size());
    }
    for (const bool atLocks : {false, true}) {
        TestServices t;
        prepare(t, op);
        QVERIFY(QDir().mkpath(t.services.paths.dataFolder()));
        QVERIFY(QFile::link(victim, t.path(QStringLiteral("data/work.txt"))));
        for (const QString &name : kWrittenFiles)
            QVERIFY(QFile::link(victim, t.path(name + (atLocks ? QStringLiteral(".lock") : QStringLiteral(".work")))));
        const QString message = perform(*t.files, t, op);
        QFile check(victim);
        QVERIFY(check.open(QIODevice::ReadOnly));
        QCOMPARE(check.readAll(), precious);
        if (atLocks) {
            QVERIFY2(!message.isEmpty(), "a write went on beside a lock that is a link");
            continue;
        }
        QVERIFY2(message.isEmpty(), qPrintable(message));
        for (const QString &name : kWrittenFiles)
            QVERIFY2(!QFileInfo(t.path(name)).isSymLink(), qPrintable(name));
    }
}

QTEST_GUILESS_MAIN(TestWriteFaults)
#include "tst_writefaults.moc"
