// Every write of the registry under failure: the original stays byte for byte and the caller
// gets a message to show.
#include "FailDevice.h"
#include "Fakes.h"
#include "RunLines.h"
#include "core/registry/DataFile.h"
#include "core/registry/NameList.h"
#include "core/registry/RunRecord.h"

#include <QDir>
#include <QFileInfo>
#include <QtTest>

using namespace vora;
using namespace registrytest;
using vora::testing::FailingFileStore;
using vora::testing::failWrite;
using vora::testing::TestServices;

namespace {

enum class Operation { ConditionMemo, RunMemo, LegacyConversion, ListFile, SelectionFile, AppendRun };
enum class Fault { OpenFails, WriteStopsMidway, RenameFails };

// Puts the files every operation starts from into the program folder; returns the file
// the operation writes (relative to the program folder).
QString prepare(const TestServices &t, Operation op)
{
    const QStringList runs{QStringLiteral("実験条件=元のメモ"), runLine({10, 10, 10, 10, 10}),
                           runLine({11, 10, 10, 10, 10}) + QStringLiteral(" 元のランメモ")};
    switch (op) {
    case Operation::ConditionMemo:
    case Operation::RunMemo:
    case Operation::AppendRun:
        t.writeLines(QStringLiteral("data/Yama-1.txt"), runs);
        return QStringLiteral("data/Yama-1.txt");
    case Operation::LegacyConversion:
        t.writeLines(QStringLiteral("data/Yama-0.txt"), runs);
        t.writeLines(QStringLiteral("Combo1.txt"), {QStringLiteral("Yama      -SD2,0")});
        return QStringLiteral("data/Yama-0.txt");
    case Operation::ListFile:
        t.writeLines(QStringLiteral("Combo1.txt"), {QStringLiteral("Yama      -SD2"), QStringLiteral("Ito       -n-")});
        return QStringLiteral("Combo1.txt");
    case Operation::SelectionFile:
        t.writeLines(selectionFileName(),
                     {QStringLiteral("Yama       SD"), QString(), QStringLiteral("Ito        n-")});
        return selectionFileName();
    }
    return QString();
}

// Runs the operation; returns the message it gave ("" for success).
QString perform(FileStore &files, const TestServices &t, Operation op)
{
    const AppPaths &paths = t.services.paths;
    const QString data1 = t.path(QStringLiteral("data/Yama-1.txt"));
    switch (op) {
    case Operation::ConditionMemo: {
        const FileResult r = saveConditionMemo(files, paths, data1, QStringLiteral("新しいメモ"));
        return r ? QString() : r.message;
    }
    case Operation::RunMemo: {
        const FileResult r = rewriteRunMemo(files, paths, data1, 1, QStringLiteral("新しい\r\nランメモ"));
        return r ? QString() : r.message;
    }
    case Operation::LegacyConversion: return readNameListFile(files, paths, 1).error;
    case Operation::ListFile: {
        const FileResult r = writeNameListFile(files, paths, 1, {QStringLiteral("Sato      -BD")});
        return r ? QString() : r.message;
    }
    case Operation::SelectionFile: {
        const FileResult r = writeSelectionFile(files, paths, {BoxSelection{QStringLiteral("Sato"), "B", "D"}});
        return r ? QString() : r.message;
    }
    case Operation::AppendRun: {
        const FileResult r = appendRunLine(files, paths, data1, runLine({12, 10, 10, 10, 10}));
        return r ? QString() : r.message;
    }
    }
    return QStringLiteral("unknown operation");
}

QStringList leftoverWorkFiles(const TestServices &t)
{
    QStringList found;
    for (const QString &folder : {t.dir.path(), t.services.paths.dataFolder()}) {
        const QDir dir(folder);
        for (const QString &name : dir.entryList(QDir::Files)) {
            if (name == QLatin1String("work.txt") || name.endsWith(QLatin1String(".work")))
                found << name;
        }
    }
    return found;
}

} // namespace

Q_DECLARE_METATYPE(Operation)
Q_DECLARE_METATYPE(Fault)

class TestRewrites : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void failedWriteKeepsOriginal_data();
    void failedWriteKeepsOriginal();
    void unreadableDataFileIsNotReplaced_data();
    void unreadableDataFileIsNotReplaced();
    void unencodableMemoWritesNothing_data();
    void unencodableMemoWritesNothing();
    void undecodableBytes_data();
    void undecodableBytes();
    void runMemoOfMissingFileCreatesNothing();
};

void TestRewrites::failedWriteKeepsOriginal_data()
{
    QTest::addColumn<Operation>("op");
    QTest::addColumn<Fault>("fault");
    const struct {
        const char *name;
        Operation op;
    } ops[] = {{"condition memo", Operation::ConditionMemo},       {"run memo", Operation::RunMemo},
               {"legacy conversion", Operation::LegacyConversion}, {"list file", Operation::ListFile},
               {"selection file", Operation::SelectionFile},       {"append run", Operation::AppendRun}};
    const struct {
        const char *name;
        Fault fault;
    } faults[] = {{"open fails", Fault::OpenFails},
                  {"write stops midway", Fault::WriteStopsMidway},
                  {"rename fails", Fault::RenameFails}};
    for (const auto &o : ops) {
        for (const auto &f : faults) {
            if (o.op == Operation::AppendRun && f.fault == Fault::RenameFails)
                continue; // an append renames nothing
            QTest::newRow(qPrintable(QStringLiteral("%1, %2").arg(o.name, f.name))) << o.op << f.fault;
        }
    }
}

void TestRewrites::failedWriteKeepsOriginal()
{
    QFETCH(Operation, op);
    QFETCH(Fault, fault);
    TestServices t;
    const QString target = prepare(t, op);
    const QByteArray before = t.readBytes(target);
    QVERIFY(!before.isEmpty());

    FailingFileStore failing;
    if (fault != Fault::RenameFails)
        failWrite(failing, 1, fault == Fault::OpenFails ? -1 : 10);
    failing.failRename = fault == Fault::RenameFails;

    const QString message = perform(failing, t, op);
    QVERIFY2(!message.isEmpty(), "the failure must be reported");
    QCOMPARE(t.readBytes(target), before);
    QCOMPARE(leftoverWorkFiles(t), QStringList());

    // The same operation through a working store does change the file: the fault was the cause.
    FileStore working;
    const QString ok = perform(working, t, op);
    QVERIFY2(ok.isEmpty(), qPrintable(ok));
    QVERIFY(t.readBytes(target) != before);
}

void TestRewrites::unreadableDataFileIsNotReplaced_data()
{
    QTest::addColumn<Operation>("op");
    QTest::addColumn<QString>("target");
    QTest::newRow("condition memo") << Operation::ConditionMemo << "data/Yama-1.txt";
    QTest::newRow("run memo") << Operation::RunMemo << "data/Yama-1.txt";
    QTest::newRow("legacy conversion") << Operation::LegacyConversion << "data/Yama-0.txt";
    QTest::newRow("append run") << Operation::AppendRun << "data/Yama-1.txt";
}

void TestRewrites::unreadableDataFileIsNotReplaced()
{
    QFETCH(Operation, op);
    QFETCH(QString, target);
    TestServices t;
    t.writeLines(QStringLiteral("Combo1.txt"), {QStringLiteral("Yama      -SD2,0")});
    // A folder in place of the data file: it exists, yet cannot be read as a file.
    QVERIFY(QDir().mkpath(t.path(target)));
    t.writeBytes(target + QStringLiteral("/inside.txt"), "keep");

    const QString message = perform(*t.files, t, op);
    QVERIFY(!message.isEmpty());
    QVERIFY(QFileInfo(t.path(target)).isDir());
    QCOMPARE(t.readBytes(target + QStringLiteral("/inside.txt")), QByteArray("keep"));
    QCOMPARE(leftoverWorkFiles(t), QStringList());
}

void TestRewrites::unencodableMemoWritesNothing_data()
{
    QTest::addColumn<Operation>("op");
    QTest::addColumn<bool>("fileExists");
    QTest::newRow("condition memo, existing file") << Operation::ConditionMemo << true;
    QTest::newRow("condition memo, no file yet") << Operation::ConditionMemo << false;
    QTest::newRow("run memo") << Operation::RunMemo << true;
}

void TestRewrites::unencodableMemoWritesNothing()
{
    QFETCH(Operation, op);
    QFETCH(bool, fileExists);
    TestServices t;
    if (fileExists)
        prepare(t, op);
    const QByteArray before = t.readBytes(QStringLiteral("data/Yama-1.txt"));
    const QString path = t.path(QStringLiteral("data/Yama-1.txt"));
    const QString emoji = QString::fromUtf8("\xF0\x9F\x98\x80");
    const FileResult r = op == Operation::ConditionMemo
                             ? saveConditionMemo(*t.files, t.services.paths, path, QStringLiteral("笑顔") + emoji)
                             : rewriteRunMemo(*t.files, t.services.paths, path, 2, QStringLiteral("笑顔") + emoji);
    QVERIFY(!r.ok);
    QVERIFY(r.message.contains(emoji));
    QCOMPARE(QFileInfo::exists(path), fileExists);
    QCOMPARE(t.readBytes(QStringLiteral("data/Yama-1.txt")), before);
    QCOMPARE(leftoverWorkFiles(t), QStringList());
}

void TestRewrites::undecodableBytes_data()
{
    QTest::addColumn<Operation>("op");
    QTest::addColumn<int>("damagedLine"); // 0 memo line, 1 and 2 the runs
    QTest::addColumn<bool>("allowed");
    QTest::newRow("condition memo, damage in the dropped memo line") << Operation::ConditionMemo << 0 << true;
    QTest::newRow("condition memo, damage in a kept run memo") << Operation::ConditionMemo << 2 << false;
    QTest::newRow("run memo, damage in the replaced memo") << Operation::RunMemo << 1 << true;
    QTest::newRow("run memo, damage in another line") << Operation::RunMemo << 2 << false;
}

void TestRewrites::undecodableBytes()
{
    QFETCH(Operation, op);
    QFETCH(int, damagedLine);
    QFETCH(bool, allowed);
    TestServices t;
    QList<QByteArray> lines{QByteArray("\x8e\xc0\x8c\xb1\x8f\xf0\x8c\x8f=m"), // 実験条件=m
                            runLine({10, 10, 10, 10, 10}).toLatin1() + " memo",
                            runLine({11, 10, 10, 10, 10}).toLatin1() + " memo"};
    lines[damagedLine] += "\xFF\xFF";
    t.writeBytes(QStringLiteral("data/Yama-1.txt"), lines.join("\r\n") + "\r\n");
    const QByteArray before = t.readBytes(QStringLiteral("data/Yama-1.txt"));

    const QString message = perform(*t.files, t, op);
    QCOMPARE(message.isEmpty(), allowed);
    if (!allowed) {
        QCOMPARE(t.readBytes(QStringLiteral("data/Yama-1.txt")), before);
    } else {
        // The damaged text was the part being replaced; every other line is intact.
        const QList<QByteArray> after = t.readBytes(QStringLiteral("data/Yama-1.txt")).split('\n');
        QVERIFY(!after.join('\n').contains("\xFF"));
        QVERIFY(after.join('\n').contains(lines.at(damagedLine == 0 ? 1 : 2)));
    }
}

void TestRewrites::runMemoOfMissingFileCreatesNothing()
{
    TestServices t;
    const QString path = t.path(QStringLiteral("data/Yama-1.txt"));
    const FileResult r = rewriteRunMemo(*t.files, t.services.paths, path, 1, QStringLiteral("m"));
    QVERIFY(!r.ok);
    QVERIFY(!QFileInfo::exists(path));
}

QTEST_GUILESS_MAIN(TestRewrites)
#include "tst_rewrites.moc"
