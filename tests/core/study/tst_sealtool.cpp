// vora-data seal and verify as a researcher runs them: the built tool on a file the program
// wrote and sealed, through edits, a late seal, a published head and a rewritten chain.
#include "SealRuns.h"

#include "core/study/Seal.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

#include <functional>

using namespace vora;
using namespace vora::study;

namespace {

struct ToolResult {
    int exitCode = -1;
    QString out;
};

// In English: the cases read vora-data's own messages.
ToolResult runTool(const QStringList &args)
{
    QProcess p;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("VORA_LANG"), QStringLiteral("en"));
    p.setProcessEnvironment(env);
    p.start(qEnvironmentVariable("VORA_DATA_TOOL"), args);
    p.waitForFinished(60000);
    return {p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1, QString::fromUtf8(p.readAllStandardOutput())};
}

} // namespace

using Setup = std::function<void(FileStore &files, const AppPaths &paths, const QString &data)>;
Q_DECLARE_METATYPE(Setup)

namespace {

void appendUnsealed(FileStore &files, const AppPaths &paths, const QString &data, int from, int to)
{
    for (int n = from; n <= to; ++n)
        QVERIFY(appendRunLine(files, paths, data, sealtest::runLine(n)).ok);
}

void sealedRuns(FileStore &files, const AppPaths &paths, const QString &data, int count)
{
    for (int n = 1; n <= count; ++n)
        QVERIFY(sealtest::saveRun(files, paths, data, sealtest::runLine(n)).seal.sealed);
}

} // namespace

class TestSealTool : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void sealVerifyAndThePublishedHead();
    void chainsThatStartLateOrBreak_data();
    void chainsThatStartLateOrBreak();
};

void TestSealTool::sealVerifyAndThePublishedHead()
{
    QTemporaryDir dir;
    const AppPaths paths(dir.path());
    FileStore files;
    const QString data = dataFilePath(paths, QStringLiteral("Seal"), QStringLiteral("1"));
    QVERIFY(saveConditionMemo(files, paths, data, QStringLiteral("条件")).ok);
    for (int n = 1; n <= 3; ++n)
        QVERIFY(sealtest::saveRun(files, paths, data, sealtest::runLine(n)).seal.sealed);
    const QString head3 = verifyDataFile(data).headHex();
    QCOMPARE(head3.size(), 64);
    const QStringList sound = files.readLines(data).lines;
    auto edited = [&](int index, int column, const QString &text) {
        QStringList lines = sound;
        lines[index].replace(column - 1, text.size(), text);
        QVERIFY(files.replaceAll(data, lines).ok);
    };

    struct Step {
        std::function<void()> before;
        QStringList args;
        int exitCode;
        QString out; // %1: the data file, %2: the head after run 3, %3: the head now, %4: run 3's seal time
    };
    const QVector<Step> steps{
        {nullptr, {QStringLiteral("verify"), data}, 0, QStringLiteral("%1: sealed (3 runs)\n")},
        {nullptr,
         {QStringLiteral("verify"), QStringLiteral("--head"), data},
         0,
         QStringLiteral("%1: head %2 (run 3)\n")},
        // A consistent edit: the check passes it, the seal does not.
        {[&] { edited(2, 11, QStringLiteral("2010/01/01")); },
         {QStringLiteral("verify"), data},
         1,
         QStringLiteral("%1:3: run 2 changed since it was sealed (sealed as run 2)\n")},
        {nullptr,
         {QStringLiteral("seal"), data},
         1,
         QStringLiteral("%1:3: run 2 changed since it was sealed (sealed as run 2)\n"
                        "%1: not sealed: the existing seal does not verify; nothing sealed\n")},
        {nullptr,
         {QStringLiteral("verify"), QStringLiteral("--head"), data},
         1,
         QStringLiteral("%1:3: run 2 changed since it was sealed (sealed as run 2)\n")},
        // A run the program could not seal, then sealed by hand.
        {[&] { QVERIFY(files.replaceAll(data, sound + QStringList{sealtest::runLine(4)}).ok); },
         {QStringLiteral("verify"), data},
         0,
         QStringLiteral("%1:5: run 4 not sealed\n%1: sealed (3 runs, 1 not sealed)\n")},
        {nullptr, {QStringLiteral("seal"), data}, 0, QStringLiteral("%1: sealed (4 runs, 1 new); head %3\n")},
        {nullptr,
         {QStringLiteral("verify"), QStringLiteral("--expect-head"), head3.toUpper(), data},
         0,
         QStringLiteral("%1: head %2 found at run 3 (sealed %4)\n")},
        // Someone with write access edits a run and builds the chain anew: only the head tells.
        {[&] {
             edited(2, 11, QStringLiteral("2010/01/01"));
             QVERIFY(QFile::remove(sealPathFor(data)));
             QVERIFY(sealUnsealedRuns(files, data, QDateTime::currentDateTime()).ok);
         },
         {QStringLiteral("verify"), data},
         0,
         QStringLiteral("%1: sealed (3 runs)\n")},
        {nullptr,
         {QStringLiteral("verify"), QStringLiteral("--expect-head"), head3, data},
         1,
         QStringLiteral("%1: head %2 is not in the chain: runs sealed before it were rewritten or rolled back\n")},
        {nullptr,
         {QStringLiteral("verify"), QStringLiteral("--expect-head"), QStringLiteral("12ab"), data},
         2,
         QString()},
    };
    for (int i = 0; i < steps.size(); ++i) {
        const Step &step = steps.at(i);
        if (step.before)
            step.before();
        const ToolResult r = runTool(step.args);
        const Verification now = verifyDataFile(data);
        const QString sealedAt = now.entries.size() >= 3 ? now.entries.at(2).sealedAt : QString();
        QString expected = step.out;
        expected.replace(QLatin1String("%1"), data).replace(QLatin1String("%2"), head3);
        expected.replace(QLatin1String("%3"), now.headHex()).replace(QLatin1String("%4"), sealedAt);
        QVERIFY2(r.out == expected && r.exitCode == step.exitCode,
                 qPrintable(QStringLiteral("step %1: exit %2, output:\n%3").arg(i).arg(r.exitCode).arg(r.out)));
    }
}

void TestSealTool::chainsThatStartLateOrBreak_data()
{
    QTest::addColumn<Setup>("setup");
    QTest::addColumn<QStringList>("args"); // the data file is added last
    QTest::addColumn<int>("exitCode");
    QTest::addColumn<QString>("out"); // %1: the data file, %2: the head before, %3: the head after

    QTest::newRow("a chain an earlier version began at run 3 stays as it is")
        << Setup([](FileStore &files, const AppPaths &paths, const QString &data) {
               appendUnsealed(files, paths, data, 1, 3);
               QVERIFY(sealtest::writeChainFrom(files, data, 3));
               appendUnsealed(files, paths, data, 4, 4);
           })
        << QStringList{QStringLiteral("seal")} << 1
        << QStringLiteral("%1: sealed (2 runs, 1 new); head %3\n"
                          "%1: runs 1-2 are not sealed: the chain starts at run 3; "
                          "seal --reseal rewrites the chain from run 1 (its head changes)\n");
    QTest::newRow("--reseal rewrites it from run 1")
        << Setup([](FileStore &files, const AppPaths &paths, const QString &data) {
               appendUnsealed(files, paths, data, 1, 3);
               QVERIFY(sealtest::writeChainFrom(files, data, 3));
           })
        << QStringList{QStringLiteral("seal"), QStringLiteral("--reseal")} << 0
        << QStringLiteral("%1: runs 1-2 were not sealed: the chain is rewritten from run 1; the old head %2 "
                          "and every head published before no longer match\n"
                          "%1: sealed (3 runs, 2 new); head %3\n");
    QTest::newRow("a run removed with its seal entry")
        << Setup([](FileStore &files, const AppPaths &paths, const QString &data) {
               sealedRuns(files, paths, data, 4);
               for (const QString &path : {data, sealPathFor(data)}) {
                   QStringList lines = files.readLines(path).lines;
                   lines.removeAt(path == data ? 2 : 3); // run 3, and its entry after the header
                   QVERIFY(files.replaceAll(path, lines).ok);
               }
           })
        << QStringList{QStringLiteral("verify")} << 1
        << QStringLiteral("%1:3: the chain breaks at run 3: runs were removed or reordered after they were sealed\n");
    QTest::newRow("a seal file that cannot be read cannot verify")
        << Setup([](FileStore &files, const AppPaths &paths, const QString &data) {
               sealedRuns(files, paths, data, 2);
               QVERIFY(QFile::remove(sealPathFor(data)));
               QVERIFY(QDir().mkdir(sealPathFor(data)));
           })
        << QStringList{QStringLiteral("verify")} << 2 << QString();
}

void TestSealTool::chainsThatStartLateOrBreak()
{
    QFETCH(Setup, setup);
    QFETCH(QStringList, args);
    QFETCH(int, exitCode);
    QFETCH(QString, out);
    QTemporaryDir dir;
    const AppPaths paths(dir.path());
    FileStore files;
    const QString data = dataFilePath(paths, QStringLiteral("Seal"), QStringLiteral("1"));
    setup(files, paths, data);
    const QString before = verifyDataFile(data).headHex();
    const ToolResult r = runTool(args + QStringList{data});
    const Verification after = verifyDataFile(data);
    QCOMPARE(r.out, QString(out)
                        .replace(QLatin1String("%1"), data)
                        .replace(QLatin1String("%2"), before)
                        .replace(QLatin1String("%3"), after.headHex()));
    QCOMPARE(r.exitCode, exitCode);
    if (args.contains(QStringLiteral("--reseal"))) {
        // Every run sealed, in one chain from run 1, and what was sealed before keeps its time.
        QVERIFY(after.intact() && after.findings.isEmpty());
        QCOMPARE(after.firstSealedRun, 1);
        QCOMPARE(after.entries.at(2).sealedAt, QStringLiteral("2009-04-01T10:00:00+09:00"));
    }
}

QTEST_GUILESS_MAIN(TestSealTool)
#include "tst_sealtool.moc"
