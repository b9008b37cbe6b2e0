// vora-data run as researchers run it: the built executable through QProcess, on data files
// written in a temporary folder, with the locale set to plain C. It speaks Japanese there, as
// the program does; the cases about its own English messages ask for English (VORA_LANG=en).
#include "Fakes.h"
#include "StoredRuns.h"

#include "Csv.h"

#include "core/registry/DataFile.h"
#include "core/registry/RunRecord.h"

#include <QDir>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QtTest>

#include <array>
#include <csignal>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

using namespace vora;
using namespace vora::testing;

namespace {

struct ToolResult {
    int exitCode = -1;
    bool crashed = false;
    QString out;
    QString err;
};

// Where the tool's output goes instead of a pipe, and how much a file of it may hold.
struct Sink {
    QString out; // a file for standard output ("/dev/full": every write fails)
    QString err; // the same for standard error
    qint64 sizeLimit = 0; // RLIMIT_FSIZE: writes past it fail with EFBIG, as on a full disk
};

// The language asked for: `vora` as VORA_LANG (none when empty) and the locale.
struct Speech {
    QString vora = QStringLiteral("ja");
    QString locale = QStringLiteral("C");
};

ToolResult runToolIn(const Speech &speech, const QStringList &args, const QByteArray &input = QByteArray(),
                     const Sink &sink = Sink())
{
    ToolResult r;
    QProcess p;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    // Output must be UTF-8 even where the locale says otherwise.
    env.insert(QStringLiteral("LC_ALL"), speech.locale);
    env.insert(QStringLiteral("LANG"), speech.locale);
    env.remove(QStringLiteral("LANGUAGE"));
    if (speech.vora.isEmpty())
        env.remove(QStringLiteral("VORA_LANG"));
    else
        env.insert(QStringLiteral("VORA_LANG"), speech.vora);
    p.setProcessEnvironment(env);
    if (!sink.out.isEmpty())
        p.setStandardOutputFile(sink.out);
    if (!sink.err.isEmpty())
        p.setStandardErrorFile(sink.err);
    if (sink.sizeLimit > 0) {
        const rlim_t limit = rlim_t(sink.sizeLimit);
        p.setChildProcessModifier([limit] {
            const struct rlimit l {
                limit, limit
            };
            ::setrlimit(RLIMIT_FSIZE, &l);
            ::signal(SIGXFSZ, SIG_IGN); // a write past the limit fails instead of killing
        });
    }
    p.start(qEnvironmentVariable("VORA_DATA_TOOL"), args);
    if (!p.waitForStarted(30000))
        return r;
    if (!input.isEmpty())
        p.write(input);
    p.closeWriteChannel();
    p.waitForFinished(120000);
    r.crashed = p.exitStatus() != QProcess::NormalExit;
    r.exitCode = p.exitCode();
    r.out = QString::fromUtf8(p.readAllStandardOutput());
    r.err = QString::fromUtf8(p.readAllStandardError());
    return r;
}

// In the program's own language (Japanese).
ToolResult runTool(const QStringList &args, const QByteArray &input = QByteArray(), const Sink &sink = Sink())
{
    return runToolIn(Speech(), args, input, sink);
}

// In English: the cases that read vora-data's own messages.
ToolResult runToolEn(const QStringList &args, const QByteArray &input = QByteArray(), const Sink &sink = Sink())
{
    return runToolIn({QStringLiteral("en")}, args, input, sink);
}

// A run of the experiment "Tool" (small stimulus): targets alternate 1/0 from trial 1; in
// block k the first seg[k] trials are matches.
QString toolRunLine(const std::array<int, 5> &seg, int stimulusTrial = 34,
                    const QString &date = QStringLiteral("2009/04/25"), const QString &time = QStringLiteral("14:30"),
                    const QString &memo = QString())
{
    return storedLine({QStringLiteral("Tool"), date, time, QStringLiteral("S"), QStringLiteral("D"), stimulusTrial,
                       memo.isEmpty() ? QString() : memo},
                      alternating, bySegment(seg));
}

QString run50()
{
    return toolRunLine({10, 10, 10, 10, 10});
}
QString run63()
{
    return toolRunLine({13, 13, 13, 12, 12}, 10, QStringLiteral("2009/05/02"), QStringLiteral(" 9:05"),
                       QStringLiteral("first<BR>second"));
}
QString run35()
{
    return toolRunLine({7, 7, 7, 7, 7});
}
QString run100()
{
    return toolRunLine({20, 20, 20, 20, 20});
}

// log10 of 2 * 2^-10000 and of the two-tailed normal p at z = 100, from
// tests/report/data/logp_reference.txt (mpmath, 60 digits).
constexpr double kLog10PAllHitsOf10000 = -3009.9989266441479709;
constexpr double kLog10PNormal100 = -2173.5705128733703953;

QJsonObject jsonObject(const QString &text)
{
    QJsonParseError error;
    const QJsonDocument doc = QJsonDocument::fromJson(text.toUtf8(), &error);
    if (error.error != QJsonParseError::NoError)
        qWarning() << "not JSON:" << error.errorString() << text.left(200);
    return doc.object();
}

QString changedAt(QString line, int column)
{
    QChar &c = line[column - 1];
    c = c == QLatin1Char('1') ? QLatin1Char('0') : QLatin1Char('1');
    return line;
}

} // namespace

class TestVoraData : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void checkExitCodes_data();
    void checkExitCodes();
    void checkReportsEveryFileAndTheWorstCode();
    void programAndToolGiveOneVerdict_data();
    void programAndToolGiveOneVerdict();
    void hostileFilesNeverCrash();
    void summaryOfSmallFile();
    void summaryUptoStopsReading();
    void summaryCongratulatesSeveralSignificantRuns();
    void summaryAndExportRefuseDamagedFiles();
    void exportCsv();
    void exportJson();
    void formulaCellsNeutralisedInCsvOnly();
    void evaluateWorkedExamples_data();
    void evaluateWorkedExamples();
    void evaluateMalformedLines();
    void usageErrors_data();
    void usageErrors();
    void failedWritesExitTwo_data();
    void failedWritesExitTwo();
    void fileNamedTwiceCountsOnce_data();
    void fileNamedTwiceCountsOnce();
    void identicalRunsAreNamed();
    void figuresWithoutTrialsAreNull();
    void pBelowTheSmallestDouble();
    void csvCellGuard_data();
    void csvCellGuard();
    void helpAndVersion();
    void messagesFollowTheLanguage_data();
    void messagesFollowTheLanguage();
    void machineOutputIsTheSameInEveryLanguage_data();
    void machineOutputIsTheSameInEveryLanguage();
    void causesFromTheCoreFollowTheLanguage_data();
    void causesFromTheCoreFollowTheLanguage();
    void protocolVerdictsAreTheSameInEveryLanguage_data();
    void protocolVerdictsAreTheSameInEveryLanguage();
};

void TestVoraData::initTestCase()
{
    QVERIFY2(QFileInfo(qEnvironmentVariable("VORA_DATA_TOOL")).isExecutable(),
             "VORA_DATA_TOOL must name the built vora-data");
}

void TestVoraData::checkExitCodes_data()
{
    QTest::addColumn<QByteArray>("bytes"); // file content; empty: see `kind`
    QTest::addColumn<QString>("kind"); // "file", "missing", "directory", "fifo", "device", "huge"
    QTest::addColumn<int>("exitCode");
    QTest::addColumn<QString>("where"); // expected ":LINE:" on stdout, or empty

    auto encode = [](const QStringList &lines) {
        QByteArray b;
        for (const QString &l : lines)
            b += l.toLatin1() + "\r\n";
        return b;
    };
    QTest::newRow("good") << encode({run50(), run63(), run35()}) << "file" << 0 << QString();
    QTest::newRow("empty file") << QByteArray() << "file" << 0 << QString();
    QTest::newRow("target digit changed")
        << encode({run50(), changedAt(run50(), 61 + 44)}) << "file" << 1 << QStringLiteral(":2:");
    QTest::newRow("input digit changed") << encode({changedAt(run63(), 162 + 99), run50()}) << "file" << 1
                                         << QStringLiteral(":1:");
    QString badTotal = run50();
    badTotal.replace(27, 2, QStringLiteral("51"));
    QTest::newRow("stored total changed")
        << encode({run50(), run50(), badTotal}) << "file" << 1 << QStringLiteral(":3:");
    QTest::newRow("blank line") << encode({run50(), QString(), run50()}) << "file" << 1 << QStringLiteral(":2:");
    QTest::newRow("missing") << QByteArray() << "missing" << 2 << QString();
    QTest::newRow("directory") << QByteArray() << "directory" << 2 << QString();
    // Neither may hang or fill memory: refused without being read.
    QTest::newRow("named pipe") << QByteArray() << "fifo" << 2 << QString();
    QTest::newRow("endless device") << QByteArray() << "device" << 2 << QString();
    QTest::newRow("over the size bound") << QByteArray() << "huge" << 2 << QString();
}

void TestVoraData::checkExitCodes()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QString, kind);
    QFETCH(int, exitCode);
    QFETCH(QString, where);

    TestServices t;
    QString path = t.path(QStringLiteral("data/Tool-1.txt"));
    if (kind == QLatin1String("file"))
        t.writeBytes(QStringLiteral("data/Tool-1.txt"), bytes);
    else if (kind == QLatin1String("directory"))
        QVERIFY(QDir().mkpath(path));
    else if (kind == QLatin1String("fifo"))
        QVERIFY(QDir().mkpath(t.path(QStringLiteral("data")))
                && ::mkfifo(QFile::encodeName(path).constData(), 0644) == 0);
    else if (kind == QLatin1String("device"))
        path = QStringLiteral("/dev/zero");
    else if (kind == QLatin1String("huge")) {
        t.writeBytes(QStringLiteral("data/Tool-1.txt"), run50().toLatin1());
        QFile f(path);
        QVERIFY(f.open(QIODevice::ReadWrite) && f.resize(vora::kMaxTextFileBytes + 1)); // sparse
    }

    const ToolResult r = runToolEn({QStringLiteral("check"), path});
    QVERIFY(!r.crashed);
    QCOMPARE(r.exitCode, exitCode);
    if (!where.isEmpty()) {
        QVERIFY2(r.out.startsWith(path + where + QLatin1Char(' ')), qPrintable(r.out));
        // The reason is a sentence, not just the position.
        QVERIFY(r.out.trimmed().size() > (path + where).size() + 5);
    }
    if (exitCode == 2)
        QVERIFY2(r.err.contains(path), qPrintable(r.err));
    if (kind == QLatin1String("huge"))
        QVERIFY2(r.err.contains(QStringLiteral("file too large")), qPrintable(r.err));
    if (exitCode == 0)
        QVERIFY2(r.out.contains(QStringLiteral(": ok (")), qPrintable(r.out));
}

void TestVoraData::programAndToolGiveOneVerdict_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<int>("badLine"); // 0: the file passes
    QTest::addColumn<bool>("memoMarked"); // a memo shows U+FFFD where its bytes were undecodable

    const QByteArray memoPrefix("\x8e\xc0\x8c\xb1\x8f\xf0\x8c\x8f="); // 実験条件=
    const QByteArray run = run50().toLatin1();
    auto damagedAt = [&](int column) {
        QByteArray line = run;
        line[column - 1] = '\xFF';
        return line;
    };
    QTest::newRow("sound file") << memoPrefix + "ok\r\n" + run + "\r\n" << 0 << false;
    QTest::newRow("condition memo") << memoPrefix + "a\xFF\x85\x40z\r\n" + run + "\r\n" << 0 << true;
    QTest::newRow("run memo") << run + "\r\n" + run
                                     + " memo\x81"
                                       "9\r\n"
                              << 0 << true;
    QTest::newRow("lead byte ending the file in a run memo") << run + " memo\x81" << 0 << true;
    QTest::newRow("DEL in a memo is a character") << memoPrefix + "a\x7f\r\n" + run + "\r\n" << 0 << false;
    QTest::newRow("name columns") << run + "\r\n" + damagedAt(3) + "\r\n" << 2 << false;
    QTest::newRow("date") << damagedAt(15) + "\r\n" << 1 << false;
    QTest::newRow("targets") << memoPrefix + "m\r\n" + damagedAt(80) + "\r\n" << 2 << false;
    QTest::newRow("last input") << run + "\r\n" + run + "\r\n" + damagedAt(261) + "\r\n" << 3 << false;
    QTest::newRow("memo prefix itself") << QByteArray("\x8e\xc0\xff\xb1\x8f\xf0\x8c\x8f=m\r\n") + run + "\r\n"
                                        << 1 << false;
}

void TestVoraData::programAndToolGiveOneVerdict()
{
    QFETCH(QByteArray, bytes);
    QFETCH(int, badLine);
    QFETCH(bool, memoMarked);
    TestServices t;
    t.writeBytes(QStringLiteral("data/Tool-1.txt"), bytes);
    const QString path = t.path(QStringLiteral("data/Tool-1.txt"));

    // The program: the selection load and check.
    const DataFileContents program = loadDataFile(*t.files, path);
    QCOMPARE(program.firstBadFileLine, badLine);
    QString memos = program.conditionMemo;
    for (const QString &line : program.runLines)
        memos += line.mid(261);
    QCOMPARE(memos.contains(QChar(0xFFFD)), memoMarked);

    // vora-data: the same verdict, and the same memo text in the summary.
    const ToolResult check = runTool({QStringLiteral("check"), path});
    QCOMPARE(check.exitCode, badLine == 0 ? 0 : 1);
    if (badLine != 0)
        QVERIFY2(check.out.startsWith(path + QStringLiteral(":%1: ").arg(badLine)), qPrintable(check.out));
    const ToolResult summary = runTool({QStringLiteral("summary"), path});
    QCOMPARE(summary.exitCode, badLine == 0 ? 0 : 1);
    if (badLine == 0 && program.runCount() > 0) {
        const QString lastMemo = jsonObject(summary.out)
                                     .value(QStringLiteral("perRun"))
                                     .toArray()
                                     .last()
                                     .toObject()
                                     .value(QStringLiteral("memo"))
                                     .toString();
        QCOMPARE(lastMemo, program.runLines.last().mid(262));
    }
}

void TestVoraData::checkReportsEveryFileAndTheWorstCode()
{
    TestServices t;
    t.writeLines(QStringLiteral("data/Good-1.txt"),
                 {QStringLiteral("実験条件=静かな部屋\x01\x01夜"), run50(), run63()});
    t.writeLines(QStringLiteral("data/Bad-1.txt"), {QStringLiteral("実験条件=メモ"), run50(), changedAt(run50(), 200)});
    const QString good = t.path(QStringLiteral("data/Good-1.txt"));
    const QString bad = t.path(QStringLiteral("data/Bad-1.txt"));
    const QString missing = t.path(QStringLiteral("data/None-1.txt"));

    ToolResult r = runToolEn({QStringLiteral("check"), good, bad});
    QCOMPARE(r.exitCode, 1);
    QVERIFY2(r.out.contains(good + QStringLiteral(": ok (2 runs)")), qPrintable(r.out));
    // The memo line counts as a file line: the changed run is line 3.
    QVERIFY2(r.out.contains(bad + QStringLiteral(":3: ")), qPrintable(r.out));

    r = runToolEn({QStringLiteral("check"), bad, missing, good});
    QCOMPARE(r.exitCode, 2);
    QVERIFY(r.out.contains(bad + QStringLiteral(":3: ")));
    QVERIFY(r.out.contains(good + QStringLiteral(": ok")));
    QVERIFY(r.err.contains(missing));

    // A name cannot forge a result line: control characters are printed escaped.
    const QString forged = QStringLiteral("x\nfake.txt: ok (99 runs)\x1b[2K");
    t.writeLines(forged, {run50()});
    r = runToolEn({QStringLiteral("check"), t.path(forged), t.path(QStringLiteral("none\r.txt"))});
    QCOMPARE(r.exitCode, 2);
    QCOMPARE(r.out, t.path(QStringLiteral("x\\nfake.txt: ok (99 runs)\\x1b[2K")) + QStringLiteral(": ok (1 runs)\n"));
    QCOMPARE(r.err.count(QLatin1Char('\n')), 1);
    QVERIFY2(r.err.contains(QStringLiteral("none\\r.txt: no such file")), qPrintable(r.err));
}

void TestVoraData::hostileFilesNeverCrash()
{
    TestServices t;
    // A 1 MB line, NUL bytes, and far more runs than an experiment may have.
    QByteArray huge = run50().toLatin1() + "\r\n" + QByteArray(1024 * 1024, 'x') + "\r\n";
    t.writeBytes(QStringLiteral("huge.txt"), huge);
    QByteArray nul = run50().toLatin1();
    nul[60] = '\0'; // the target of trial 1, a match
    t.writeBytes(QStringLiteral("nul.txt"), nul + "\r\n" + QByteArray(300, '\0') + "\r\n");
    QStringList many;
    for (int i = 0; i < 150; ++i)
        many << run50();
    t.writeLines(QStringLiteral("many.txt"), many);

    ToolResult r = runTool({QStringLiteral("check"), t.path(QStringLiteral("huge.txt"))});
    QVERIFY(!r.crashed);
    QCOMPARE(r.exitCode, 1);
    QVERIFY(r.out.contains(QStringLiteral("huge.txt:2: ")));

    r = runTool({QStringLiteral("check"), t.path(QStringLiteral("nul.txt"))});
    QVERIFY(!r.crashed);
    QCOMPARE(r.exitCode, 1);
    QVERIFY(r.out.contains(QStringLiteral("nul.txt:1: ")));

    r = runTool({QStringLiteral("summary"), t.path(QStringLiteral("nul.txt"))});
    QVERIFY(!r.crashed);
    QCOMPARE(r.exitCode, 1);
    QVERIFY(r.out.isEmpty());

    // An experiment holds 100 runs: the 101st is damage, named at its line.
    r = runTool({QStringLiteral("check"), t.path(QStringLiteral("many.txt"))});
    QCOMPARE(r.exitCode, 1);
    QVERIFY2(r.out.contains(QStringLiteral("many.txt:101: ")) && r.out.contains(QStringLiteral("100ランまで")),
             qPrintable(r.out));
    for (const char *command : {"summary", "export"}) {
        r = runTool({QString::fromLatin1(command), t.path(QStringLiteral("many.txt"))});
        QVERIFY(!r.crashed);
        QCOMPARE(r.exitCode, 1);
        QVERIFY(r.out.isEmpty());
    }
}

void TestVoraData::summaryOfSmallFile()
{
    TestServices t;
    t.writeLines(QStringLiteral("data/Tool-1.txt"),
                 {QStringLiteral("実験条件=暗い部屋\x01\x01二行目"), run50(), run63()});
    const ToolResult r = runTool({QStringLiteral("summary"), t.path(QStringLiteral("data/Tool-1.txt"))});
    QCOMPARE(r.exitCode, 0);
    const QJsonObject o = jsonObject(r.out);

    QCOMPARE(o.value(QStringLiteral("runs")).toInt(), 2);
    // Targets alternate, so 50 ones a run; inputs of the 63-hit run hold 53 ones.
    QCOMPARE(o.value(QStringLiteral("summaryLine")).toString(),
             QStringLiteral("◆全ラン平均一致数=56.5、ラン数=2 (Tr1T=100, In1T=103, Av1T=100)"));
    QCOMPARE(o.value(QStringLiteral("periodLine")).toString(), QStringLiteral("◆実験期間；2009/04/25 ～ 2009/05/02"));
    QCOMPARE(o.value(QStringLiteral("conditionMemo")).toString(), QStringLiteral("暗い部屋\n二行目"));
    // Mean profile 11.5 11.5 11.5 11 11: a slight decline, with "\n" line breaks.
    QCOMPARE(o.value(QStringLiteral("allRunAnalysis")).toString(),
             QStringLiteral("\n・わずかだが、初めの部分で一致が多く、次第に減少する下降効果が見られる。\n"));
    QCOMPARE(o.value(QStringLiteral("allRunProfile")).toString(), QStringLiteral("S"));
    QCOMPARE(o.value(QStringLiteral("congratulation")).toString(), QString()); // one significant run only
    const QJsonObject levels = o.value(QStringLiteral("levels")).toObject();
    QCOMPARE(levels.value(QStringLiteral("atLeast63")).toInt(), 1);
    QCOMPARE(levels.value(QStringLiteral("exactly63")).toInt(), 1);
    QCOMPARE(levels.value(QStringLiteral("atMost37")).toInt(), 0);

    const QJsonArray perRun = o.value(QStringLiteral("perRun")).toArray();
    QCOMPARE(perRun.size(), 2);
    const QJsonObject first = perRun.at(0).toObject();
    QCOMPARE(first.value(QStringLiteral("n")).toInt(), 1);
    QCOMPARE(first.value(QStringLiteral("hits")).toInt(), 50);
    QCOMPARE(first.value(QStringLiteral("p")).toDouble(), 1.0);
    QCOMPARE(first.value(QStringLiteral("memo")).toString(), QString());
    const QJsonObject second = perRun.at(1).toObject();
    QCOMPARE(second.value(QStringLiteral("n")).toInt(), 2);
    QCOMPARE(second.value(QStringLiteral("date")).toString(), QStringLiteral("2009/05/02"));
    QCOMPARE(second.value(QStringLiteral("time")).toString(), QStringLiteral("9:05"));
    QCOMPARE(second.value(QStringLiteral("hits")).toInt(), 63);
    QCOMPARE(second.value(QStringLiteral("segments")).toArray(), (QJsonArray{13, 13, 13, 12, 12}));
    QCOMPARE(second.value(QStringLiteral("stimulusTrial")).toInt(), 10);
    QCOMPARE(second.value(QStringLiteral("tr1")).toInt(), 50);
    QCOMPARE(second.value(QStringLiteral("in1")).toInt(), 53);
    QCOMPARE(second.value(QStringLiteral("memo")).toString(), QStringLiteral("first\nsecond"));
    QVERIFY(qAbs(second.value(QStringLiteral("p")).toDouble() - 0.0120330) < 1e-6);

    const QJsonObject total = o.value(QStringLiteral("total")).toObject();
    QCOMPARE(total.value(QStringLiteral("hits")).toInt(), 113);
    QCOMPARE(total.value(QStringLiteral("trials")).toInt(), 200);
    QVERIFY(qAbs(total.value(QStringLiteral("z")).toDouble() - 1.8384776) < 1e-6);
    QVERIFY(qAbs(total.value(QStringLiteral("p")).toDouble() - 0.0768376) < 1e-6);
}

void TestVoraData::summaryUptoStopsReading()
{
    TestServices t;
    t.writeLines(QStringLiteral("Tool-1.txt"), {run50(), QStringLiteral("実験条件=後のメモ"), run63(), run35()});
    const QString path = t.path(QStringLiteral("Tool-1.txt"));

    ToolResult r = runTool({QStringLiteral("summary"), path, QStringLiteral("--upto"), QStringLiteral("1")});
    QCOMPARE(r.exitCode, 0);
    QJsonObject o = jsonObject(r.out);
    QCOMPARE(o.value(QStringLiteral("runs")).toInt(), 1);
    QCOMPARE(o.value(QStringLiteral("runsInFile")).toInt(), 3);
    QCOMPARE(o.value(QStringLiteral("summaryLine")).toString(),
             QStringLiteral("◆全ラン平均一致数=50.0、ラン数=1 (Tr1T=50, In1T=50, Av1T=50)"));
    QCOMPARE(o.value(QStringLiteral("perRun")).toArray().size(), 1);
    QCOMPARE(o.value(QStringLiteral("total")).toObject().value(QStringLiteral("trials")).toInt(), 100);
    // Reading stopped before the memo line that follows run 1.
    QVERIFY(o.value(QStringLiteral("conditionMemo")).isNull());

    // The memo line does not shift run numbers: run 2 is the 63-hit run.
    r = runTool({QStringLiteral("summary"), path, QStringLiteral("--upto=2")});
    o = jsonObject(r.out);
    QCOMPARE(o.value(QStringLiteral("runs")).toInt(), 2);
    QCOMPARE(o.value(QStringLiteral("perRun")).toArray().last().toObject().value(QStringLiteral("hits")).toInt(), 63);

    // Beyond the last run everything is read.
    r = runTool({QStringLiteral("summary"), path, QStringLiteral("--upto"), QStringLiteral("99")});
    QCOMPARE(jsonObject(r.out).value(QStringLiteral("runs")).toInt(), 3);
}

void TestVoraData::summaryCongratulatesSeveralSignificantRuns()
{
    TestServices t;
    t.writeLines(QStringLiteral("Tool-1.txt"), {run63(), run50(), run63(), run35()});
    const ToolResult r = runTool({QStringLiteral("summary"), t.path(QStringLiteral("Tool-1.txt"))});
    QCOMPARE(r.exitCode, 0);
    const QJsonObject o = jsonObject(r.out);
    QCOMPARE(o.value(QStringLiteral("congratulation")).toString(),
             QStringLiteral("　　★おめでとうございます\n\n100回に1回しか起きない多い一致が2回、"
                            "　370回に1回しか起きない非常に少ない一致が1回、起きています。"));
    const QJsonObject levels = o.value(QStringLiteral("levels")).toObject();
    QCOMPARE(levels.value(QStringLiteral("exactly63")).toInt(), 2);
    QCOMPARE(levels.value(QStringLiteral("exactly35")).toInt(), 1);
    QCOMPARE(levels.value(QStringLiteral("atMost37")).toInt(), 1);
    QCOMPARE(levels.value(QStringLiteral("significantRuns")).toInt(), 3);
}

void TestVoraData::summaryAndExportRefuseDamagedFiles()
{
    TestServices t;
    t.writeLines(QStringLiteral("Bad-1.txt"), {run50(), changedAt(run63(), 100)});
    const QString path = t.path(QStringLiteral("Bad-1.txt"));
    for (const QString &command : {QStringLiteral("summary"), QStringLiteral("export")}) {
        const ToolResult r = runTool({command, path});
        QCOMPARE(r.exitCode, 1);
        QVERIFY2(r.out.isEmpty(), qPrintable(command));
        QVERIFY2(r.err.contains(path + QStringLiteral(":2: ")), qPrintable(r.err));
    }
    const ToolResult missing = runTool({QStringLiteral("summary"), t.path(QStringLiteral("none.txt"))});
    QCOMPARE(missing.exitCode, 2);
    QVERIFY(missing.out.isEmpty());
}

void TestVoraData::exportCsv()
{
    TestServices t;
    t.writeLines(QStringLiteral("Tool-1.txt"), {QStringLiteral("実験条件=メモ"), run50(), run63()});
    const ToolResult r = runTool({QStringLiteral("export"), t.path(QStringLiteral("Tool-1.txt"))});
    QCOMPARE(r.exitCode, 0);
    const QStringList lines = r.out.split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    QCOMPARE(lines.size(), 1 + 200);
    QCOMPARE(lines.first(), QStringLiteral("run,trial,target,input,hit,inStimulusEpisode,date,startTime"));
    QCOMPARE(lines.at(1), QStringLiteral("1,1,1,1,1,0,2009/04/25,14:30"));
    // Run 2: stimulus from trial 10 to 16; trial 14 lies past the 13 matches of block 1.
    QCOMPARE(lines.at(100 + 13), QStringLiteral("2,13,1,1,1,1,2009/05/02,9:05"));
    QCOMPARE(lines.at(100 + 14), QStringLiteral("2,14,0,1,0,1,2009/05/02,9:05"));
    QCOMPARE(lines.at(100 + 16), QStringLiteral("2,16,0,1,0,1,2009/05/02,9:05"));
    QCOMPARE(lines.at(100 + 17), QStringLiteral("2,17,1,0,0,0,2009/05/02,9:05"));
    QCOMPARE(lines.at(100 + 9), QStringLiteral("2,9,1,1,1,0,2009/05/02,9:05"));
    int hits = 0;
    for (int i = 101; i <= 200; ++i)
        hits += lines.at(i).section(QLatin1Char(','), 4, 4).toInt();
    QCOMPARE(hits, 63);
}

void TestVoraData::exportJson()
{
    TestServices t;
    t.writeLines(QStringLiteral("Tool-1.txt"), {run50(), run63()});
    const ToolResult r =
        runTool({QStringLiteral("export"), t.path(QStringLiteral("Tool-1.txt")), QStringLiteral("--json")});
    QCOMPARE(r.exitCode, 0);
    const QJsonArray rows = QJsonDocument::fromJson(r.out.toUtf8()).array();
    QCOMPARE(rows.size(), 200);
    const QJsonObject row = rows.at(100 + 13).toObject(); // run 2, trial 14
    QCOMPARE(row.value(QStringLiteral("run")).toInt(), 2);
    QCOMPARE(row.value(QStringLiteral("trial")).toInt(), 14);
    QCOMPARE(row.value(QStringLiteral("target")).toInt(), 0);
    QCOMPARE(row.value(QStringLiteral("input")).toInt(), 1);
    QCOMPARE(row.value(QStringLiteral("hit")).toBool(), false);
    QCOMPARE(row.value(QStringLiteral("inStimulusEpisode")).toBool(), true);
    QCOMPARE(row.value(QStringLiteral("date")).toString(), QStringLiteral("2009/05/02"));
    QCOMPARE(row.value(QStringLiteral("startTime")).toString(), QStringLiteral("9:05"));
}

void TestVoraData::formulaCellsNeutralisedInCsvOnly()
{
    // Hand-edited dates a spreadsheet would run as formulas; the check does not look at dates.
    const QStringList dates{QStringLiteral("=1+2"), QStringLiteral("@SUM(A1)"), QStringLiteral("-3,+4"),
                            QStringLiteral("+x"), QStringLiteral("2009/04/25")};
    QStringList lines;
    for (const QString &d : dates)
        lines << toolRunLine({10, 10, 10, 10, 10}, 34, d.leftJustified(10));
    TestServices t;
    t.writeLines(QStringLiteral("Tool-1.txt"), lines);
    const QString path = t.path(QStringLiteral("Tool-1.txt"));
    const ToolResult csv = runTool({QStringLiteral("export"), path});
    QCOMPARE(csv.exitCode, 0);
    const QStringList rows = csv.out.split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    const QStringList cells{QStringLiteral("'=1+2      "), QStringLiteral("'@SUM(A1)  "),
                            QStringLiteral("\"'-3,+4     \""), QStringLiteral("'+x        "),
                            QStringLiteral("2009/04/25")};
    for (int run = 0; run < dates.size(); ++run)
        QCOMPARE(rows.at(1 + run * 100).section(QLatin1Char(','), 6, -2), cells.at(run));

    const ToolResult json = runTool({QStringLiteral("export"), path, QStringLiteral("--json")});
    const QJsonArray objects = QJsonDocument::fromJson(json.out.toUtf8()).array();
    for (int run = 0; run < dates.size(); ++run)
        QCOMPARE(objects.at(run * 100).toObject().value(QStringLiteral("date")).toString(),
                 dates.at(run).leftJustified(10));

    // A tab or CR in the record is damage, so such a cell never reaches a spreadsheet from a file
    // (the cell guard for them is tested on its own).
    t.writeLines(QStringLiteral("Tab-1.txt"),
                 {toolRunLine({10, 10, 10, 10, 10}, 34, QStringLiteral("\t=1+2").leftJustified(10))});
    QCOMPARE(runTool({QStringLiteral("export"), t.path(QStringLiteral("Tab-1.txt"))}).exitCode, 1);
}

void TestVoraData::evaluateWorkedExamples_data()
{
    QTest::addColumn<QString>("line");
    QTest::addColumn<int>("flag");
    QTest::addColumn<QString>("profile");
    QTest::addColumn<QString>("text");

    const QString decline = QStringLiteral("\n・最初の部分で一致が多く、次第に減少する下降効果が見られる。\n");
    const QString many = QStringLiteral("●一致数が非常に多く、超能力が発揮されている可能性あり。（危険率0.01）");
    QTest::newRow("decline, segments only") << "14 11 10 9 8" << 0 << "D" << decline;
    QTest::newRow("decline, with total") << "52 14 11 10 9 8" << 0 << "D" << decline;
    QTest::newRow("position")
        << "12 10 9 9 12" << 0 << "P"
        << QStringLiteral("\n・初めの部分で一致が多く、その後減少し、最後にまた多くなる位置効果が見られる。\n");
    QTest::newRow("slight decline")
        << "11 10 10 9 10" << 0 << "S"
        << QStringLiteral("\n・わずかだが、初めの部分で一致が多く、次第に減少する下降効果が見られる。\n");
    QTest::newRow("none") << "9 11 10 10 10" << 0 << "N" << QString();
    const QString slight =
        QStringLiteral("\n・わずかだが、初めの部分で一致が多く、次第に減少する下降効果が見られる。\n");
    QTest::newRow("63 hits") << "63 13 13 13 12 12" << 1 << "S" << many + slight;
    QTest::newRow("mean profile, decimals")
        << "56.5 11.5 11.5 11.5 11 11" << 0 << "S"
        << QStringLiteral("\n・わずかだが、初めの部分で一致が多く、次第に減少する下降効果が見られる。\n");
    QTest::newRow("37 hits, tabs and CR LF")
        << "37\t8 8 7 7 7\r" << 1 << "D"
        << QStringLiteral(
               "●一致数が非常に少なく、超能力により一致を避けるサイミッシングが起きている可能性あり。（危険率0.01）")
               + decline;
}

void TestVoraData::evaluateWorkedExamples()
{
    QFETCH(QString, line);
    QFETCH(int, flag);
    QFETCH(QString, profile);
    QFETCH(QString, text);

    const ToolResult r = runTool({QStringLiteral("evaluate")}, line.toUtf8() + "\n");
    QCOMPARE(r.exitCode, 0);
    const QStringList out = r.out.split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    QCOMPARE(out.size(), 1);
    const QJsonObject o = jsonObject(out.first());
    QCOMPARE(o.value(QStringLiteral("flag")).toInt(), flag);
    QCOMPARE(o.value(QStringLiteral("profile")).toString(), profile);
    QCOMPARE(o.value(QStringLiteral("analysisText")).toString(), text);
}

void TestVoraData::evaluateMalformedLines()
{
    QByteArray input = "12 10 9 9 12\n"
                       "\n"
                       "abc\n"
                       "1 2 3\n"
                       "50 30 5 5 5 5\n"
                       "50 1 1 1 1 1\n"
                       "nan 10 10 10 10 10\n";
    input += QByteArray(1024 * 1024, '7') + "\n";
    input += QByteArray("10 10\0 10 10 10", 15) + "\n";
    input += "9 11 10 10 10"; // no final line break
    const ToolResult r = runToolEn({QStringLiteral("evaluate")}, input);
    QVERIFY(!r.crashed);
    QCOMPARE(r.exitCode, 1);

    const QStringList out = r.out.split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    QCOMPARE(out.size(), 9); // the blank line gives nothing
    QVector<int> errorLines;
    for (const QString &l : out) {
        const QJsonObject o = jsonObject(l);
        if (o.contains(QStringLiteral("error")))
            errorLines << o.value(QStringLiteral("line")).toInt();
    }
    QCOMPARE(errorLines, (QVector<int>{3, 4, 5, 6, 7, 8, 9}));
    QVERIFY(jsonObject(out.at(4))
                .value(QStringLiteral("error"))
                .toString()
                .contains(QStringLiteral("sum of the segments")));
    QCOMPARE(jsonObject(out.first()).value(QStringLiteral("profile")).toString(), QStringLiteral("P"));
    QCOMPARE(jsonObject(out.last()).value(QStringLiteral("profile")).toString(), QStringLiteral("N"));
    QCOMPARE(jsonObject(out.last()).value(QStringLiteral("line")).toInt(), 10);
    QVERIFY(r.err.contains(QStringLiteral("line 3")));
}

void TestVoraData::usageErrors_data()
{
    QTest::addColumn<QStringList>("args");
    QTest::newRow("nothing") << QStringList();
    QTest::newRow("unknown command") << QStringList{QStringLiteral("score")};
    QTest::newRow("check without file") << QStringList{QStringLiteral("check")};
    QTest::newRow("summary without file") << QStringList{QStringLiteral("summary")};
    QTest::newRow("upto zero") << QStringList{QStringLiteral("summary"), QStringLiteral("x.txt"),
                                              QStringLiteral("--upto"), QStringLiteral("0")};
    QTest::newRow("upto missing") << QStringList{QStringLiteral("summary"), QStringLiteral("x.txt"),
                                                 QStringLiteral("--upto")};
    QTest::newRow("upto not a number") << QStringList{QStringLiteral("summary"), QStringLiteral("x.txt"),
                                                      QStringLiteral("--upto=ten")};
    QTest::newRow("two summary files") << QStringList{QStringLiteral("summary"), QStringLiteral("a.txt"),
                                                      QStringLiteral("b.txt")};
    QTest::newRow("csv and json") << QStringList{QStringLiteral("export"), QStringLiteral("x.txt"),
                                                 QStringLiteral("--csv"), QStringLiteral("--json")};
    QTest::newRow("unknown export option")
        << QStringList{QStringLiteral("export"), QStringLiteral("x.txt"), QStringLiteral("--xml")};
    QTest::newRow("evaluate with argument") << QStringList{QStringLiteral("evaluate"), QStringLiteral("x.txt")};
    QTest::newRow("option of another command")
        << QStringList{QStringLiteral("check"), QStringLiteral("--upto"), QStringLiteral("2"), QStringLiteral("x.txt")};
    QTest::newRow("switch given a value")
        << QStringList{QStringLiteral("export"), QStringLiteral("x.txt"), QStringLiteral("--json=yes")};
    QTest::newRow("upto with pooled") << QStringList{QStringLiteral("summary"), QStringLiteral("--pooled"),
                                                     QStringLiteral("x.txt"), QStringLiteral("--upto=2")};
    QTest::newRow("server without pooled") << QStringList{QStringLiteral("summary"), QStringLiteral("x.txt"),
                                                          QStringLiteral("--server"), QStringLiteral("dbname=x")};
    QTest::newRow("report -o empty") << QStringList{QStringLiteral("report"), QStringLiteral("x.txt"),
                                                    QStringLiteral("-o"), QString()};
    QTest::newRow("report --lang missing")
        << QStringList{QStringLiteral("report"), QStringLiteral("x.txt"), QStringLiteral("--lang")};
    QTest::newRow("push without site") << QStringList{QStringLiteral("push"), QStringLiteral("x.txt"),
                                                      QStringLiteral("--server"), QStringLiteral("dbname=x")};
    QTest::newRow("expect-head not a hash")
        << QStringList{QStringLiteral("verify"), QStringLiteral("--expect-head=abc"), QStringLiteral("x.txt")};
    QTest::newRow("version with argument") << QStringList{QStringLiteral("--version"), QStringLiteral("x")};
}

void TestVoraData::usageErrors()
{
    QFETCH(QStringList, args);
    const ToolResult r = runToolEn(args);
    QVERIFY(!r.crashed);
    QCOMPARE(r.exitCode, 2);
    QVERIFY2(r.err.contains(QStringLiteral("usage:")), qPrintable(r.err));
    QVERIFY(r.out.isEmpty());
}

void TestVoraData::failedWritesExitTwo_data()
{
    QTest::addColumn<QStringList>("args"); // "GOOD", "BIG", "OUT" stand for prepared paths
    QTest::addColumn<QString>("sink"); // "full": stdout to /dev/full; "fullErr": stderr there;
                                       // "limit": stdout to a file, and no file may grow past 16 KiB,
                                       // "limit4k" past 4 KiB
    QTest::addColumn<QByteArray>("input");
    QTest::addColumn<QString>("cause"); // in the message on stderr; empty: stderr itself failed

    const QString noSpace = QStringLiteral("No space left on device");
    auto row = [](const char *name, const QStringList &args, const char *sink, const QString &cause,
                  const QByteArray &input = {}) {
        QTest::newRow(name) << args << QString::fromLatin1(sink) << input << cause;
    };
    row("check", {QStringLiteral("check"), QStringLiteral("GOOD")}, "full", noSpace);
    row("summary", {QStringLiteral("summary"), QStringLiteral("GOOD")}, "full", noSpace);
    row("summary --pooled", {QStringLiteral("summary"), QStringLiteral("--pooled"), QStringLiteral("GOOD")}, "full",
        noSpace);
    row("export, CSV cut short", {QStringLiteral("export"), QStringLiteral("BIG")}, "limit",
        QStringLiteral("File too large"));
    row("export, JSON", {QStringLiteral("export"), QStringLiteral("GOOD"), QStringLiteral("--json")}, "full", noSpace);
    row("report to stdout", {QStringLiteral("report"), QStringLiteral("GOOD")}, "full", noSpace);
    row("report -o cut short",
        {QStringLiteral("report"), QStringLiteral("BIG"), QStringLiteral("-o"), QStringLiteral("OUT"),
         QStringLiteral("--experiments")},
        "limit", QStringLiteral("vora-data: "));
    row("evaluate", {QStringLiteral("evaluate")}, "full", noSpace, "50 10 10 10 10 10\n");
    row("verify", {QStringLiteral("verify"), QStringLiteral("GOOD")}, "full", noSpace);
    row("seal, the seal file cut short", {QStringLiteral("seal"), QStringLiteral("BIG")}, "limit4k",
        QStringLiteral("cannot write the seal file"));
    row("--help", {QStringLiteral("--help")}, "full", noSpace);
    row("check --help", {QStringLiteral("check"), QStringLiteral("--help")}, "full", noSpace);
    row("--version", {QStringLiteral("--version")}, "full", noSpace);
    // Only stderr fails: a warning that cannot be shown still fails the command.
    row("warning to a full stderr",
        {QStringLiteral("summary"), QStringLiteral("--pooled"), QStringLiteral("GOOD"), QStringLiteral("GOOD")},
        "fullErr", QString());
}

void TestVoraData::failedWritesExitTwo()
{
    QFETCH(QStringList, args);
    QFETCH(QString, sink);
    QFETCH(QByteArray, input);
    QFETCH(QString, cause);
    QVERIFY(QFileInfo(QStringLiteral("/dev/full")).exists());

    TestServices t;
    t.writeLines(QStringLiteral("Good-1.txt"), {run50(), run63()});
    QStringList many;
    for (int i = 0; i < kMaxRuns; ++i)
        many << toolRunLine({10, 11, 9, 10, 10}, 34, QStringLiteral("2009/04/25"),
                            QStringLiteral("%1:%2").arg(10 + i / 60).arg(i % 60, 2, 10, QLatin1Char('0')));
    t.writeLines(QStringLiteral("Big-1.txt"), many); // CSV of 0.4 MB, a page of 30 KB
    for (QString &a : args) {
        if (a == QLatin1String("GOOD"))
            a = t.path(QStringLiteral("Good-1.txt"));
        else if (a == QLatin1String("BIG"))
            a = t.path(QStringLiteral("Big-1.txt"));
        else if (a == QLatin1String("OUT"))
            a = t.path(QStringLiteral("report.html"));
    }
    Sink where;
    if (sink == QLatin1String("full"))
        where.out = QStringLiteral("/dev/full");
    else if (sink == QLatin1String("fullErr"))
        where.err = QStringLiteral("/dev/full");
    else
        where =
            Sink{t.path(QStringLiteral("out.txt")), QString(), sink == QLatin1String("limit4k") ? 4 * 1024 : 16 * 1024};

    const ToolResult r = runToolEn(args, input, where);
    QVERIFY(!r.crashed);
    QCOMPARE(r.exitCode, 2);
    if (!cause.isEmpty())
        QVERIFY2(r.err.contains(cause), qPrintable(r.err));
    const bool ownFile = args.contains(QStringLiteral("-o")) || args.first() == QLatin1String("seal");
    if (sink != QLatin1String("fullErr") && !ownFile)
        QVERIFY2(r.err.contains(QStringLiteral("vora-data: cannot write to standard output: ")), qPrintable(r.err));
    if (sink == QLatin1String("limit") && !ownFile)
        QCOMPARE(QFileInfo(t.path(QStringLiteral("out.txt"))).size(), 16 * 1024); // cut short, and said so
    if (args.contains(QStringLiteral("-o")))
        QVERIFY(!QFile::exists(t.path(QStringLiteral("report.html"))));
}

void TestVoraData::fileNamedTwiceCountsOnce_data()
{
    QTest::addColumn<QString>("second"); // how the file is named the second time
    QTest::newRow("same name") << "data/Tool-1.txt";
    QTest::newRow("with ./") << "data/./Tool-1.txt";
    QTest::newRow("through ..") << "data/../data/Tool-1.txt";
    QTest::newRow("symbolic link") << "link-1.txt";
    QTest::newRow("hard link") << "hard-1.txt";
}

void TestVoraData::fileNamedTwiceCountsOnce()
{
    QFETCH(QString, second);
    TestServices t;
    t.writeLines(QStringLiteral("data/Tool-1.txt"), {run50(), run63()});
    const QString first = t.path(QStringLiteral("data/Tool-1.txt"));
    QVERIFY(QFile::link(first, t.path(QStringLiteral("link-1.txt"))));
    QVERIFY(::link(QFile::encodeName(first).constData(),
                   QFile::encodeName(t.path(QStringLiteral("hard-1.txt"))).constData())
            == 0);
    const QString again = t.path(second);

    const ToolResult r = runToolEn({QStringLiteral("summary"), QStringLiteral("--pooled"), first, again});
    QCOMPARE(r.exitCode, 0);
    const QJsonObject o = jsonObject(r.out);
    QCOMPARE(o.value(QStringLiteral("experiments")).toArray().size(), 1);
    QCOMPARE(o.value(QStringLiteral("pooled")).toObject().value(QStringLiteral("trials")).toInt(), 200);
    QCOMPARE(r.err, QStringLiteral("vora-data: warning: ") + again + QStringLiteral(" names the same file as ") + first
                        + QStringLiteral("; counted once\n"));

    const ToolResult page =
        runToolEn({QStringLiteral("report"), again, first, QStringLiteral("-o"), t.path(QStringLiteral("r.html"))});
    QCOMPARE(page.exitCode, 0);
    QVERIFY2(page.err.contains(first + QStringLiteral(" names the same file as ") + again), qPrintable(page.err));
}

void TestVoraData::identicalRunsAreNamed()
{
    TestServices t;
    t.writeLines(QStringLiteral("A-1.txt"), {QStringLiteral("実験条件=メモ"), run50(), run63(), run35()});
    t.writeLines(QStringLiteral("B-1.txt"), {toolRunLine({12, 10, 10, 10, 10}), run63()}); // run 2 copied from A
    t.writeLines(QStringLiteral("C-1.txt"), {run50(), run63(), run35()}); // A's runs, memo line left out
    t.writeLines(QStringLiteral("D-1.txt"), {toolRunLine({9, 10, 10, 10, 10}), toolRunLine({9, 10, 10, 10, 10})});
    const QString a = t.path(QStringLiteral("A-1.txt")), b = t.path(QStringLiteral("B-1.txt")),
                  c = t.path(QStringLiteral("C-1.txt")), d = t.path(QStringLiteral("D-1.txt"));

    const ToolResult r = runToolEn({QStringLiteral("summary"), QStringLiteral("--pooled"), a, b, c, d});
    QCOMPARE(r.exitCode, 0);
    // Reported, not decided: every file still counts.
    QCOMPARE(jsonObject(r.out).value(QStringLiteral("pooled")).toObject().value(QStringLiteral("runs")).toInt(), 10);
    const QStringList warnings = r.err.split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    QCOMPARE(
        warnings,
        (QStringList{
            QStringLiteral(
                "vora-data: warning: 1 run of %1 stored identically as runs of %2, first %1:2 (run 2) = %2:3 (run 2); a copied run counts twice")
                .arg(b, a),
            QStringLiteral(
                "vora-data: warning: 3 runs of %1 stored identically as runs of %2, first %1:1 (run 1) = %2:2 (run 1); a copied run counts twice")
                .arg(c, a),
            QStringLiteral(
                "vora-data: warning: 1 run of %1 stored identically as earlier runs of the same file, first %1:2 (run 2) = %1:1 (run 1); a copied run counts twice")
                .arg(d)}));

    // Distinct runs give no warning.
    QCOMPARE(runTool({QStringLiteral("summary"), QStringLiteral("--pooled"), a, b}).err.count(QLatin1Char('\n')), 1);
    QVERIFY(runTool({QStringLiteral("summary"), QStringLiteral("--pooled"), a}).err.isEmpty());
}

void TestVoraData::figuresWithoutTrialsAreNull()
{
    TestServices t;
    t.writeLines(QStringLiteral("Empty-1.txt"), {QStringLiteral("実験条件=まだランがない")});
    t.writeLines(QStringLiteral("Tool-1.txt"), {run50(), run63()});
    const QString empty = t.path(QStringLiteral("Empty-1.txt"));

    ToolResult r = runTool({QStringLiteral("summary"), QStringLiteral("--pooled"), empty});
    QCOMPARE(r.exitCode, 0);
    QJsonObject o = jsonObject(r.out);
    const QJsonObject pooled = o.value(QStringLiteral("pooled")).toObject();
    for (const QString &key :
         {QStringLiteral("p"), QStringLiteral("pLog10"), QStringLiteral("ci95"), QStringLiteral("stoufferP"),
          QStringLiteral("stoufferPLog10"), QStringLiteral("hitRate"), QStringLiteral("z")})
        QVERIFY2(pooled.value(key).isNull(), qPrintable(key));
    for (const QString &key : {QStringLiteral("uniform"), QStringLiteral("replication")})
        QVERIFY2(pooled.value(QStringLiteral("log10Bf10")).toObject().value(key).isNull(), qPrintable(key));
    QVERIFY(pooled.value(QStringLiteral("dependency")).toObject().value(QStringLiteral("p")).isNull());
    const QJsonObject targets = pooled.value(QStringLiteral("targets")).toObject();
    for (const QString &key : {QStringLiteral("runsP"), QStringLiteral("runsPLog10"), QStringLiteral("monobitP"),
                               QStringLiteral("onesShare")})
        QVERIFY2(targets.value(key).isNull(), qPrintable(key));
    QVERIFY(o.value(QStringLiteral("experiments")).toArray().at(0).toObject().value(QStringLiteral("p")).isNull());

    // Beside a file with runs, only the empty file's own figures are null.
    r = runTool({QStringLiteral("summary"), QStringLiteral("--pooled"), t.path(QStringLiteral("Tool-1.txt")), empty});
    o = jsonObject(r.out);
    QVERIFY(!o.value(QStringLiteral("pooled")).toObject().value(QStringLiteral("p")).isNull());
    QVERIFY(!o.value(QStringLiteral("pooled"))
                 .toObject()
                 .value(QStringLiteral("targets"))
                 .toObject()
                 .value(QStringLiteral("runsP"))
                 .isNull());
    QVERIFY(!o.value(QStringLiteral("experiments")).toArray().at(0).toObject().value(QStringLiteral("p")).isNull());
    QVERIFY(o.value(QStringLiteral("experiments")).toArray().at(1).toObject().value(QStringLiteral("p")).isNull());

    r = runTool({QStringLiteral("summary"), empty});
    QVERIFY(jsonObject(r.out).value(QStringLiteral("total")).toObject().value(QStringLiteral("p")).isNull());

    // The report's reading follows the figure: no verdict on targets that are not there.
    r = runTool({QStringLiteral("report"), empty, QStringLiteral("--lang"), QStringLiteral("en")});
    QCOMPARE(r.exitCode, 0);
    QVERIFY(!r.out.contains(QStringLiteral("unlike random bits")));
    QVERIFY(!r.out.contains(QStringLiteral("Within chance")));
    QVERIFY(!r.out.contains(QStringLiteral("Inconclusive")));
    QVERIFY(!r.out.contains(QStringLiteral("No notable answer bias")));
    QVERIFY(r.out.contains(QStringLiteral("NIST runs test p</td><td class=\"num\">—</td><td></td>")));
}

void TestVoraData::pBelowTheSmallestDouble()
{
    // 100 runs of 100 hits: p = 2 * 2^-10000, far below the smallest double; z = 100. The
    // targets alternate, so the runs test's p underflows too.
    TestServices t;
    QStringList lines;
    for (int i = 0; i < kMaxRuns; ++i)
        lines << run100();
    t.writeLines(QStringLiteral("Sure-1.txt"), lines);
    const QString path = t.path(QStringLiteral("Sure-1.txt"));
    auto close = [](const QJsonValue &v, double expected) {
        return std::fabs(v.toDouble() - expected) <= 1e-9 * std::fabs(expected);
    };

    ToolResult r = runTool({QStringLiteral("summary"), path});
    QCOMPARE(r.exitCode, 0);
    const QJsonObject total = jsonObject(r.out).value(QStringLiteral("total")).toObject();
    QVERIFY(total.value(QStringLiteral("p")).toDouble() == 1e-300); // exactly: QCOMPARE would take 0 for it
    QVERIFY2(close(total.value(QStringLiteral("pLog10")), kLog10PAllHitsOf10000), qPrintable(r.out.right(200)));
    const QJsonObject run = jsonObject(r.out).value(QStringLiteral("perRun")).toArray().at(0).toObject();
    QVERIFY(close(run.value(QStringLiteral("pLog10")), std::log10(run.value(QStringLiteral("p")).toDouble())));

    r = runTool({QStringLiteral("summary"), QStringLiteral("--pooled"), path});
    QCOMPARE(r.exitCode, 0);
    const QJsonObject pooled = jsonObject(r.out).value(QStringLiteral("pooled")).toObject();
    QVERIFY(pooled.value(QStringLiteral("p")).toDouble() == 1e-300);
    QVERIFY(close(pooled.value(QStringLiteral("pLog10")), kLog10PAllHitsOf10000));
    QVERIFY(pooled.value(QStringLiteral("stoufferP")).toDouble() == 1e-300);
    QVERIFY(close(pooled.value(QStringLiteral("stoufferPLog10")), kLog10PNormal100));
    const QJsonObject targets = pooled.value(QStringLiteral("targets")).toObject();
    QVERIFY(targets.value(QStringLiteral("runsP")).toDouble() == 1e-300);
    QVERIFY(targets.value(QStringLiteral("runsPLog10")).toDouble() < -300.0);
    QCOMPARE(targets.value(QStringLiteral("monobitPLog10")).toDouble(), 0.0);
    QVERIFY(jsonObject(r.out)
                .value(QStringLiteral("experiments"))
                .toArray()
                .at(0)
                .toObject()
                .value(QStringLiteral("p"))
                .toDouble()
            == 1e-300);

    r = runTool({QStringLiteral("report"), path, QStringLiteral("--lang"), QStringLiteral("en")});
    QCOMPARE(r.exitCode, 0);
    QVERIFY(r.out.contains(QStringLiteral("<td class=\"num\">&lt; 1e-300</td>")));
    QVERIFY(r.out.contains(QStringLiteral("runs test p &lt; 1e-300")));
    QVERIFY(!r.out.contains(QStringLiteral("<td class=\"num\">0</td>")));
}

void TestVoraData::csvCellGuard_data()
{
    QTest::addColumn<QString>("raw");
    QTest::addColumn<QString>("cell");
    QTest::newRow("date") << "2009/04/25"
                          << "2009/04/25";
    QTest::newRow("empty") << ""
                           << "";
    QTest::newRow("=") << "=1+2"
                       << "'=1+2";
    QTest::newRow("+") << "+x"
                       << "'+x";
    QTest::newRow("-") << "-3"
                       << "'-3";
    QTest::newRow("@") << "@SUM(A1)"
                       << "'@SUM(A1)";
    QTest::newRow("tab") << "\t=1"
                         << "'\t=1";
    QTest::newRow("carriage return") << "\r=1"
                                     << "\"'\r=1\"";
    QTest::newRow("inside only") << "1=2"
                                 << "1=2";
    QTest::newRow("separator") << "a,b"
                               << "\"a,b\"";
    QTest::newRow("quote") << "say \"x\""
                           << "\"say \"\"x\"\"\"";
    QTest::newRow("formula with separator") << "=A1,B1"
                                            << "\"'=A1,B1\"";
}

void TestVoraData::csvCellGuard()
{
    QFETCH(QString, raw);
    QFETCH(QString, cell);
    QCOMPARE(voradata::csvField(raw), cell);
}

void TestVoraData::helpAndVersion()
{
    ToolResult r = runToolEn({QStringLiteral("--version")});
    QCOMPARE(r.exitCode, 0);
    QVERIFY2(QRegularExpression(QStringLiteral("^vora-data \\d+\\.\\d+\\.\\d+\n$")).match(r.out).hasMatch(),
             qPrintable(r.out));
    QVERIFY(r.err.isEmpty());

    r = runToolEn({QStringLiteral("--help")});
    QCOMPARE(r.exitCode, 0);
    QVERIFY(r.out.startsWith(QStringLiteral("usage:\n  vora-data check FILE...")));

    // Help on one command goes to stdout and ends well, whatever else is on the line.
    for (const QStringList &args :
         {QStringList{QStringLiteral("verify"), QStringLiteral("--help")},
          QStringList{QStringLiteral("verify"), QStringLiteral("x.txt"), QStringLiteral("-h")},
          QStringList{QStringLiteral("help"), QStringLiteral("verify")}}) {
        r = runToolEn(args);
        QCOMPARE(r.exitCode, 0);
        QVERIFY2(r.out.startsWith(QStringLiteral("usage: vora-data verify [--head] [--expect-head HASH] FILE...\n")),
                 qPrintable(r.out));
        QVERIFY(r.out.contains(QStringLiteral("  --expect-head HASH")));
        QVERIFY(r.out.contains(QStringLiteral("exit status:\n  0  every file matches its seal")));
    }
}

void TestVoraData::messagesFollowTheLanguage_data()
{
    QTest::addColumn<QString>("vora"); // VORA_LANG, none when empty
    QTest::addColumn<QString>("locale"); // LANG and LC_ALL
    QTest::addColumn<QStringList>("args"); // DATAFILE: a sound file of two runs
    QTest::addColumn<QByteArray>("input");
    QTest::addColumn<QString>("out"); // standard output starts with it (DATAFILE replaced)
    QTest::addColumn<QString>("err"); // standard error contains it

    const QStringList check{QStringLiteral("check"), QStringLiteral("DATAFILE")};
    const QString okJa = QStringLiteral("DATAFILE: ok（ラン 2 件）\n");
    const QString okEn = QStringLiteral("DATAFILE: ok (2 runs)\n");
    QTest::newRow("check, Japanese") << "ja"
                                     << "C" << check << QByteArray() << okJa << QString();
    QTest::newRow("check, English") << "en"
                                    << "C" << check << QByteArray() << okEn << QString();
    // Without VORA_LANG the locale decides; one without a catalogue gets Japanese.
    QTest::newRow("English locale") << ""
                                    << "en_US.UTF-8" << check << QByteArray() << okEn << QString();
    QTest::newRow("C locale") << ""
                              << "C" << check << QByteArray() << okJa << QString();
    QTest::newRow("German locale") << ""
                                   << "de_DE.UTF-8" << check << QByteArray() << okJa << QString();
    QTest::newRow("VORA_LANG over the locale") << "ja"
                                               << "en_US.UTF-8" << check << QByteArray() << okJa << QString();

    const QStringList help{QStringLiteral("--help")};
    QTest::newRow("usage, Japanese") << "ja"
                                     << "C" << help << QByteArray()
                                     << QStringLiteral("使い方:\n  vora-data check FILE...               "
                                                       "すべてのラン行を検査する。")
                                     << QString();
    QTest::newRow("usage, English") << "en"
                                    << "C" << help << QByteArray()
                                    << QStringLiteral("usage:\n  vora-data check FILE...               "
                                                      "check every run line; exit 0 all good")
                                    << QString();
    const QStringList noFile{QStringLiteral("export")};
    QTest::newRow("usage error, Japanese")
        << "ja"
        << "C" << noFile << QByteArray() << QString()
        << QStringLiteral("vora-data: export: ファイルが指定されていません\n使い方:\n");
    QTest::newRow("usage error, English")
        << "en"
        << "C" << noFile << QByteArray() << QString() << QStringLiteral("vora-data: export: no file given\nusage:\n");
    const QStringList evaluate{QStringLiteral("evaluate")};
    QTest::newRow("evaluate note, Japanese")
        << "ja"
        << "C" << evaluate << QByteArray("1 2 3\n") << QStringLiteral("{\"error\":\"expected")
        << QStringLiteral("vora-data evaluate: 1 行目: \"h s1 s2 s3 s4 s5\"（6 つの数）か");
    QTest::newRow("evaluate note, English")
        << "en"
        << "C" << evaluate << QByteArray("1 2 3\n") << QStringLiteral("{\"error\":\"expected")
        << QStringLiteral("vora-data evaluate: line 1: expected \"h s1 s2 s3 s4 s5\" (6 numbers)");
}

void TestVoraData::messagesFollowTheLanguage()
{
    QFETCH(QString, vora);
    QFETCH(QString, locale);
    QFETCH(QStringList, args);
    QFETCH(QByteArray, input);
    QFETCH(QString, out);
    QFETCH(QString, err);

    TestServices t;
    t.writeLines(QStringLiteral("data/Tool-1.txt"), {run50(), run63()});
    const QString file = t.path(QStringLiteral("data/Tool-1.txt"));
    args.replaceInStrings(QStringLiteral("DATAFILE"), file);
    const ToolResult r = runToolIn({vora, locale}, args, input);
    QVERIFY(!r.crashed);
    QVERIFY2(r.out.startsWith(QString(out).replace(QStringLiteral("DATAFILE"), file)), qPrintable(r.out.left(300)));
    QVERIFY2(r.err.contains(err), qPrintable(r.err.left(300)));
}

void TestVoraData::machineOutputIsTheSameInEveryLanguage_data()
{
    QTest::addColumn<QStringList>("args"); // DATAFILE: a file with a memo and three runs
    QTest::addColumn<QByteArray>("input");
    QTest::newRow("export JSON") << QStringList{QStringLiteral("export"), QStringLiteral("DATAFILE"),
                                                QStringLiteral("--json")}
                                 << QByteArray();
    QTest::newRow("export CSV") << QStringList{QStringLiteral("export"), QStringLiteral("DATAFILE")} << QByteArray();
    QTest::newRow("pooled summary") << QStringList{QStringLiteral("summary"), QStringLiteral("--pooled"),
                                                   QStringLiteral("DATAFILE")}
                                    << QByteArray();
    // The error of a malformed line is read by scripts: English in the JSON in every language.
    QTest::newRow("evaluate errors") << QStringList{QStringLiteral("evaluate")}
                                     << QByteArray("1 2 3\n63 13 13 13 12 11\nx 1 1 1 1 1\n");
}

void TestVoraData::machineOutputIsTheSameInEveryLanguage()
{
    QFETCH(QStringList, args);
    QFETCH(QByteArray, input);
    TestServices t;
    t.writeLines(QStringLiteral("data/Tool-1.txt"), {QStringLiteral("実験条件=メモ"), run50(), run63(), run35()});
    args.replaceInStrings(QStringLiteral("DATAFILE"), t.path(QStringLiteral("data/Tool-1.txt")));

    const ToolResult ja = runToolIn({QStringLiteral("ja")}, args, input);
    const ToolResult en = runToolIn({QStringLiteral("en")}, args, input);
    QVERIFY(!ja.out.isEmpty());
    QCOMPARE(ja.exitCode, en.exitCode);
    QCOMPARE(ja.out, en.out);
    if (!input.isEmpty()) { // the notes on stderr are for a person, in the language asked for
        QVERIFY2(ja.err.contains(QStringLiteral("2 行目: 一致数 63 が試行部分の合計 62 と違います")),
                 qPrintable(ja.err));
        QVERIFY2(en.err.contains(QStringLiteral("line 2: hits 63 differ from the sum of the segments 62")),
                 qPrintable(en.err));
        QVERIFY(en.out.contains(QStringLiteral("\"error\":\"hits 63 differ from the sum of the segments 62\"")));
    }
}

// The files the language cases read, prepared in `t`: "OPEN" a sound file of three runs, the
// first two sealed; "TAMPERED" a sealed file whose second run changed since; "NONE" a file that
// is not there; "FOLDER" a folder; "PROTO" a protocol without a title; "PROTO-NONE" a protocol
// that is not there. Each name with its path; none when the seal could not be made.
QList<QPair<QString, QString>> languageCaseFiles(const TestServices &t)
{
    t.writeLines(QStringLiteral("Open-1.txt"), {run50(), run63()});
    t.writeLines(QStringLiteral("Tampered-1.txt"), {run50(), run63()});
    const ToolResult sealed = runToolEn(
        {QStringLiteral("seal"), t.path(QStringLiteral("Open-1.txt")), t.path(QStringLiteral("Tampered-1.txt"))});
    if (sealed.exitCode != 0)
        return {};
    t.writeLines(QStringLiteral("Open-1.txt"), {run50(), run63(), run35()});
    t.writeLines(QStringLiteral("Tampered-1.txt"), {run50(), run35()});
    QDir(t.dir.path()).mkdir(QStringLiteral("Folder-1.txt"));
    QFile example(qEnvironmentVariable("VORA_SOURCE_DIR") + QStringLiteral("/examples/study-protocol.json"));
    if (!example.open(QIODevice::ReadOnly))
        return {};
    QJsonObject protocol = QJsonDocument::fromJson(example.readAll()).object();
    protocol.remove(QStringLiteral("title"));
    t.writeBytes(QStringLiteral("plan.json"), QJsonDocument(protocol).toJson());
    QList<QPair<QString, QString>> names;
    for (const auto &[name, file] : {std::pair{"PROTO-NONE", "none.json"}, std::pair{"PROTO", "plan.json"},
                                     std::pair{"OPEN", "Open-1.txt"}, std::pair{"TAMPERED", "Tampered-1.txt"},
                                     std::pair{"NONE", "None-1.txt"}, std::pair{"FOLDER", "Folder-1.txt"}})
        names.append({QString::fromLatin1(name), t.path(QString::fromLatin1(file))});
    return names;
}

QString named(QString text, const QList<QPair<QString, QString>> &names)
{
    for (const auto &n : names)
        text.replace(n.first, n.second);
    return text;
}

void TestVoraData::causesFromTheCoreFollowTheLanguage_data()
{
    // What the data core tells vora-data (a file it cannot read, a seal finding or refusal, a
    // protocol problem) is Japanese by default and today's English with VORA_LANG=en.
    QTest::addColumn<QStringList>("args"); // names from languageCaseFiles()
    QTest::addColumn<int>("exitCode");
    QTest::addColumn<QString>("ja"); // in the output (stdout and stderr), names replaced
    QTest::addColumn<QString>("en");
    auto row = [](const char *name, const QStringList &args, int exitCode, const QString &ja, const QString &en) {
        QTest::newRow(name) << args << exitCode << ja << en;
    };
    row("a file that is not there", {QStringLiteral("check"), QStringLiteral("NONE")}, 2,
        QStringLiteral("vora-data: NONE: ファイルがありません\n"), QStringLiteral("vora-data: NONE: no such file\n"));
    row("a folder for a data file", {QStringLiteral("summary"), QStringLiteral("FOLDER")}, 2,
        QStringLiteral("vora-data: FOLDER: フォルダです（データファイルではありません）\n"),
        QStringLiteral("vora-data: FOLDER: is a directory, not a data file\n"));
    row("a folder to verify", {QStringLiteral("verify"), QStringLiteral("FOLDER")}, 2,
        QStringLiteral("vora-data: FOLDER: フォルダです\n"), QStringLiteral("vora-data: FOLDER: is a directory\n"));
    row("a sealed run changed", {QStringLiteral("verify"), QStringLiteral("TAMPERED")}, 1,
        QStringLiteral("TAMPERED:2: ラン 2 は封印した後に書き換えられています（封印したときはラン 2）\n"),
        QStringLiteral("TAMPERED:2: run 2 changed since it was sealed (sealed as run 2)\n"));
    row("sealing refused", {QStringLiteral("seal"), QStringLiteral("TAMPERED")}, 1,
        QStringLiteral("TAMPERED: 封印しませんでした: 今ある封印が検証に通りません。何も封印しませんでした\n"),
        QStringLiteral("TAMPERED: not sealed: the existing seal does not verify; nothing sealed\n"));
    row("a run not sealed yet", {QStringLiteral("verify"), QStringLiteral("OPEN")}, 0,
        QStringLiteral("OPEN:3: ラン 3 は封印されていません\n"), QStringLiteral("OPEN:3: run 3 not sealed\n"));
    row("a protocol problem", {QStringLiteral("protocol"), QStringLiteral("check"), QStringLiteral("PROTO")}, 1,
        QStringLiteral("PROTO: title: 空でない文字列が必要です\n"),
        QStringLiteral("PROTO: title: a non-empty text is required\n"));
    row("a protocol that is not there",
        {QStringLiteral("protocol"), QStringLiteral("check"), QStringLiteral("PROTO-NONE")}, 2,
        QStringLiteral("vora-data: PROTO-NONE: ファイルがありません\n"),
        QStringLiteral("vora-data: PROTO-NONE: no such file\n"));
}

void TestVoraData::causesFromTheCoreFollowTheLanguage()
{
    QFETCH(QStringList, args);
    QFETCH(int, exitCode);
    QFETCH(QString, ja);
    QFETCH(QString, en);
    TestServices t;
    const QList<QPair<QString, QString>> names = languageCaseFiles(t);
    QVERIFY2(!names.isEmpty(), "the files are prepared and sealed");
    for (QString &a : args)
        a = named(a, names);

    const ToolResult inJapanese = runToolIn({QStringLiteral("ja")}, args);
    const ToolResult inEnglish = runToolIn({QStringLiteral("en")}, args);
    QCOMPARE(inJapanese.exitCode, exitCode);
    QCOMPARE(inEnglish.exitCode, exitCode);
    QVERIFY2((inJapanese.out + inJapanese.err).contains(named(ja, names)), qPrintable(inJapanese.out + inJapanese.err));
    QVERIFY2((inEnglish.out + inEnglish.err).contains(named(en, names)), qPrintable(inEnglish.out + inEnglish.err));
}

void TestVoraData::protocolVerdictsAreTheSameInEveryLanguage_data()
{
    // Whether a protocol file is the caller's mistake (exit 2, said on stderr), a protocol found
    // wanting (exit 1, its problems on stdout) or sound (exit 0) does not hang on the words.
    QTest::addColumn<QString>("kind");
    QTest::addColumn<int>("exitCode");
    QTest::newRow("not there") << "none" << 2;
    QTest::newRow("a folder") << "folder" << 2;
    QTest::newRow("a pipe") << "pipe" << 2;
    QTest::newRow("over 1 MiB") << "huge" << 2;
    QTest::newRow("empty") << "empty" << 1;
    QTest::newRow("not JSON") << "garbage" << 1;
    QTest::newRow("problems in its fields") << "fields" << 1;
    QTest::newRow("sound") << "sound" << 0;
}

void TestVoraData::protocolVerdictsAreTheSameInEveryLanguage()
{
    QFETCH(QString, kind);
    QFETCH(int, exitCode);
    TestServices t;
    const QString path = t.path(QStringLiteral("plan.json"));
    QFile example(qEnvironmentVariable("VORA_SOURCE_DIR") + QStringLiteral("/examples/study-protocol.json"));
    QVERIFY(example.open(QIODevice::ReadOnly));
    const QByteArray sound = example.readAll();
    if (kind == QLatin1String("folder")) {
        QVERIFY(QDir().mkpath(path));
    } else if (kind == QLatin1String("pipe")) {
        QVERIFY(::mkfifo(QFile::encodeName(path).constData(), 0600) == 0);
    } else if (kind == QLatin1String("huge")) {
        QFile f(path);
        QVERIFY(f.open(QIODevice::WriteOnly) && f.resize(1024 * 1024 + 1)); // sparse
    } else if (kind == QLatin1String("empty")) {
        t.writeBytes(QStringLiteral("plan.json"), QByteArray());
    } else if (kind == QLatin1String("garbage")) {
        t.writeBytes(QStringLiteral("plan.json"), "{\"title\": ");
    } else if (kind == QLatin1String("fields")) {
        QByteArray bad = sound;
        t.writeBytes(QStringLiteral("plan.json"),
                     bad.replace("\"greater\"", "\"greatr\"").replace("\"h1\": 25", "\"h1\": 0.5"));
    } else if (kind == QLatin1String("sound")) {
        t.writeBytes(QStringLiteral("plan.json"), sound);
    }
    const QStringList args{QStringLiteral("protocol"), QStringLiteral("check"), path};
    const ToolResult ja = runToolIn({QStringLiteral("ja")}, args);
    const ToolResult en = runToolIn({QStringLiteral("en")}, args);
    QCOMPARE(ja.exitCode, exitCode);
    QCOMPARE(en.exitCode, exitCode);
    // The same lines on the same stream: only their words differ.
    QCOMPARE(ja.out.count(QLatin1Char('\n')), en.out.count(QLatin1Char('\n')));
    QCOMPARE(ja.err.count(QLatin1Char('\n')), en.err.count(QLatin1Char('\n')));
    QCOMPARE(ja.err.isEmpty(), exitCode != 2);
    QCOMPARE(en.err.isEmpty(), exitCode != 2);
    if (exitCode == 1) // every problem names the file
        QCOMPARE(en.out.count(path + QStringLiteral(": ")), en.out.count(QLatin1Char('\n')));
    if (exitCode != 0)
        QVERIFY2(ja.out + ja.err != en.out + en.err, "the problems are said in each language");
}

QTEST_GUILESS_MAIN(TestVoraData)
#include "tst_vora_data.moc"
