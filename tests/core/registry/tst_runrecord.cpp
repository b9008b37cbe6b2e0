#include "Fakes.h"
#include "RunLines.h"
#include "core/registry/DataFile.h"
#include "core/registry/RunRecord.h"

#include <QDir>
#include <QFileInfo>
#include <QtTest>

using namespace vora;
using namespace registrytest;
using vora::testing::TestServices;

Q_DECLARE_METATYPE(vora::RunRecord)

namespace {

RunRecord record(const std::array<int, 5> &matches, int stimulusTrial = 0)
{
    RunRecord r;
    r.experimentName = QStringLiteral("Yama090425");
    r.date = QStringLiteral("2009/04/25");
    r.startTime = QStringLiteral("14:30");
    r.stimulusCode = QStringLiteral("S");
    r.hitDisplayCode = QStringLiteral("D");
    r.targets = targetsPattern();
    r.inputs = inputsWithMatches(r.targets, matches);
    r.hits = 0;
    for (int k = 0; k < 5; ++k) {
        r.segmentHits[k] = matches[k];
        r.hits += matches[k];
    }
    r.stimulusTrials[0] = stimulusTrial;
    return r;
}

QString memoLine()
{
    return QStringLiteral("実験条件=静かな部屋");
}

// Splits raw file bytes into lines without decoding, to compare untouched lines byte for byte.
QList<QByteArray> rawLines(const QByteArray &bytes)
{
    QList<QByteArray> lines = bytes.split('\n');
    if (!lines.isEmpty() && lines.last().isEmpty())
        lines.removeLast();
    return lines;
}

} // namespace

class TestRunRecord : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void rightAlignment_data();
    void rightAlignment();
    void startTime_data();
    void startTime();
    void lineColumns_data();
    void lineColumns();
    void exactLine();
    void roundTrip_data();
    void roundTrip();
    void readsMemoBehindTheRecord_data();
    void readsMemoBehindTheRecord();
    void runMemoForms_data();
    void runMemoForms();
    void appendCreatesFolderAndKeepsOrder();
    void appendRefusesALineBreak();
    void appendKeepsTheFileWithinItsRules_data();
    void appendKeepsTheFileWithinItsRules();
    void aRefusedRunIsKeptBesideTheFile();
    void memoRewrite_data();
    void memoRewrite();
    void memoRewriteRefusals_data();
    void memoRewriteRefusals();
};

void TestRunRecord::rightAlignment_data()
{
    QTest::addColumn<int>("value");
    QTest::addColumn<int>("width");
    QTest::addColumn<QString>("text");
    QTest::newRow("7 in 2") << 7 << 2 << " 7";
    QTest::newRow("45 in 3") << 45 << 3 << " 45";
    QTest::newRow("0 in 3") << 0 << 3 << "  0";
    QTest::newRow("12 in 2") << 12 << 2 << "12";
    QTest::newRow("100 in 2 keeps the last digits") << 100 << 2 << "00";
    QTest::newRow("100 in 3") << 100 << 3 << "100";
}

void TestRunRecord::rightAlignment()
{
    QFETCH(int, value);
    QFETCH(int, width);
    QFETCH(QString, text);
    QCOMPARE(rightAligned(value, width), text);
}

void TestRunRecord::startTime_data()
{
    QTest::addColumn<QString>("timeText");
    QTest::addColumn<QString>("startTime");
    QTest::newRow("afternoon") << "14:30:05"
                               << "14:30";
    QTest::newRow("one-digit hour") << "9:05:12"
                                    << " 9:05";
    QTest::newRow("midnight") << "0:00:59"
                              << " 0:00";
    QTest::newRow("leading zero") << "09:05:00"
                                  << " 9:05";
    QTest::newRow("last minute") << "23:59:59"
                                 << "23:59";
}

void TestRunRecord::startTime()
{
    QFETCH(QString, timeText);
    QFETCH(QString, startTime);
    QCOMPARE(runStartTimeFromTimeText(timeText), startTime);
}

void TestRunRecord::lineColumns_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("time");
    QTest::addColumn<int>("stimulusTrial");
    QTest::addColumn<QString>("nameColumns");
    QTest::addColumn<QString>("timeColumns");
    QTest::addColumn<QString>("stimulusColumns");
    QTest::newRow("full name") << "Yama090425"
                               << "14:30" << 45 << "Yama090425"
                               << "14:30"
                               << " 45  0  0  0  0";
    QTest::newRow("short name padded") << "Yama"
                                       << " 9:05" << 0 << "Yama      "
                                       << " 9:05"
                                       << "  0  0  0  0  0";
    QTest::newRow("long name cut") << "ABCDEFGHIJKLM"
                                   << "10:00" << 69 << "ABCDEFGHIJ"
                                   << "10:00"
                                   << " 69  0  0  0  0";
    QTest::newRow("one-character name") << "a"
                                        << " 0:01" << 31 << "a         "
                                        << " 0:01"
                                        << " 31  0  0  0  0";
}

void TestRunRecord::lineColumns()
{
    QFETCH(QString, name);
    QFETCH(QString, time);
    QFETCH(int, stimulusTrial);
    QFETCH(QString, nameColumns);
    QFETCH(QString, timeColumns);
    QFETCH(QString, stimulusColumns);
    RunRecord r = record({12, 9, 8, 11, 10}, stimulusTrial);
    r.experimentName = name;
    r.startTime = time;
    const QString line = r.toLine();
    QCOMPARE(line.size(), 261);
    QCOMPARE(columns(line, 1, 10), nameColumns);
    QCOMPARE(columns(line, 11, 21), QStringLiteral("2009/04/25 "));
    QCOMPARE(columns(line, 22, 26), timeColumns);
    QCOMPARE(columns(line, 45, 59), stimulusColumns);
    QCOMPARE(columns(line, 60, 60), QStringLiteral(" "));
    QCOMPARE(columns(line, 161, 161), QStringLiteral(" "));
    QVERIFY(checkRunLine(line).ok);
}

void TestRunRecord::exactLine()
{
    // Independent construction of the same run: the writer and the test helper must agree.
    RunRecord r = record({12, 9, 8, 11, 10}, 45);
    r.experimentName = QStringLiteral("Yama");
    QCOMPARE(r.toLine(), runLine({12, 9, 8, 11, 10}));
    QCOMPARE(columns(r.toLine(), 27, 44), QStringLiteral("S50D12  9  8 11 10"));
}

void TestRunRecord::roundTrip_data()
{
    QTest::addColumn<RunRecord>("run");
    QTest::addColumn<QString>("totalColumns");
    QTest::newRow("hundred matches") << record({20, 20, 20, 20, 20}, 33) << "00";
    QTest::newRow("no match") << record({0, 0, 0, 0, 0}) << " 0";
    QTest::newRow("ninety-nine") << record({20, 20, 19, 20, 20}, 69) << "99";
    QTest::newRow("chance") << record({10, 11, 9, 10, 10}, 31) << "50";
    RunRecord withMemo = record({13, 7, 10, 10, 10});
    withMemo.hasMemo = true;
    withMemo.memo = QStringLiteral("眠い<BR>2行目");
    QTest::newRow("with memo") << withMemo << "50";
    RunRecord emptyMemo = record({13, 7, 10, 10, 10});
    emptyMemo.hasMemo = true;
    QTest::newRow("with empty memo") << emptyMemo << "50";
}

void TestRunRecord::roundTrip()
{
    QFETCH(RunRecord, run);
    QFETCH(QString, totalColumns);
    const QString line = run.toLine();
    QCOMPARE(line.size(), run.hasMemo ? 262 + run.memo.size() : 261);
    QCOMPARE(columns(line, 28, 29), totalColumns);
    const RunLineCheck check = checkRunLine(line);
    QVERIFY2(check.ok, qPrintable(check.reason));

    const RunRecord back = RunRecord::fromLine(line);
    QCOMPARE(back.hits, run.hits);
    QCOMPARE(back.experimentName, run.experimentName);
    QCOMPARE(back.date, run.date);
    QCOMPARE(back.startTime, run.startTime);
    QCOMPARE(back.stimulusCode, run.stimulusCode);
    QCOMPARE(back.hitDisplayCode, run.hitDisplayCode);
    QVERIFY(back.segmentHits == run.segmentHits);
    QVERIFY(back.stimulusTrials == run.stimulusTrials);
    QCOMPARE(back.targets, run.targets);
    QCOMPARE(back.inputs, run.inputs);
    QCOMPARE(back.hasMemo, run.hasMemo);
    QCOMPARE(back.memo, run.memo);
    QCOMPARE(back.toLine(), line);
}

void TestRunRecord::readsMemoBehindTheRecord_data()
{
    QTest::addColumn<QString>("line");
    QTest::addColumn<bool>("hasMemo");
    QTest::addColumn<QString>("memo");
    QTest::addColumn<int>("targetOnes");
    QTest::addColumn<int>("inputOnes");
    const QString base = runLine({20, 20, 20, 20, 20});
    QTest::newRow("no memo") << base << false << "" << 50 << 50;
    QTest::newRow("empty memo") << base + " " << true << "" << 50 << 50;
    QTest::newRow("memo") << base + " a<BR>b" << true << "a<BR>b" << 50 << 50;
    QTest::newRow("all inputs zero") << runLine({10, 10, 10, 10, 10}).left(161) + QString(100, QLatin1Char('0'))
                                     << false << "" << 50 << 0;
    QTest::newRow("short line") << base.left(170) << false << "" << 50 << 5;
}

void TestRunRecord::readsMemoBehindTheRecord()
{
    QFETCH(QString, line);
    QFETCH(bool, hasMemo);
    QFETCH(QString, memo);
    QFETCH(int, targetOnes);
    QFETCH(int, inputOnes);
    const RunRecord r = RunRecord::fromLine(line);
    QCOMPARE(r.hasMemo, hasMemo);
    QCOMPARE(r.memo, memo);
    QCOMPARE(r.targetOnes(), targetOnes);
    QCOMPARE(r.inputOnes(), inputOnes);
}

void TestRunRecord::runMemoForms_data()
{
    QTest::addColumn<QString>("shown");
    QTest::addColumn<QString>("stored");
    QTest::addColumn<QString>("shownAgain");
    QTest::newRow("two lines") << "first\r\nsecond"
                               << "first<BR>second"
                               << "first\r\nsecond";
    QTest::newRow("lone LF") << "a\nb"
                             << "a<BR>b"
                             << "a\r\nb";
    QTest::newRow("trailing break") << "a\r\n"
                                    << "a<BR>"
                                    << "a\r\n";
    QTest::newRow("plain") << "abc"
                           << "abc"
                           << "abc";
}

void TestRunRecord::runMemoForms()
{
    QFETCH(QString, shown);
    QFETCH(QString, stored);
    QFETCH(QString, shownAgain);
    QCOMPARE(runMemoToFileForm(shown), stored);
    QCOMPARE(runMemoFromFileForm(stored), shownAgain);
}

void TestRunRecord::appendCreatesFolderAndKeepsOrder()
{
    TestServices t;
    const QString path = dataFilePath(t.services.paths, QStringLiteral("Yama"), QStringLiteral("1"));
    QVERIFY(!QFileInfo::exists(t.services.paths.dataFolder()));
    const QString r1 = runLine({10, 10, 10, 10, 10});
    const QString r2 = runLine({11, 10, 10, 10, 10});
    QVERIFY(appendRunLine(*t.files, t.services.paths, path, r1).ok);
    QVERIFY(appendRunLine(*t.files, t.services.paths, path, r2).ok);
    QCOMPARE(t.readBytes(QStringLiteral("data/Yama-1.txt")), (r1 + "\r\n" + r2 + "\r\n").toLatin1());
}

void TestRunRecord::appendRefusesALineBreak()
{
    TestServices t;
    const QString path = dataFilePath(t.services.paths, QStringLiteral("Yama"), QStringLiteral("1"));
    const QString r1 = runLine();
    QVERIFY(appendRunLine(*t.files, t.services.paths, path, r1).ok);
    const FileResult bad = appendRunLine(*t.files, t.services.paths, path, r1.left(100) + "\n" + r1.mid(100));
    QVERIFY(!bad.ok);
    QVERIFY(!bad.message.isEmpty());
    QCOMPARE(t.readLines(QStringLiteral("data/Yama-1.txt")), QStringList{r1});
}

void TestRunRecord::appendKeepsTheFileWithinItsRules_data()
{
    QTest::addColumn<QStringList>("there"); // the file as another copy left it; "folder": a folder
    QTest::addColumn<QString>("codes"); // stimulus and hit display letters of the new run
    QTest::addColumn<QString>("refusal"); // part of the reason; empty: appended
    const QString s = runLine(); // "S" and "D"
    const QString memo = QStringLiteral("実験条件=静か");
    QTest::newRow("no file yet") << QStringList{} << "SD" << QString();
    QTest::newRow("99 runs: the 100th joins") << QStringList(99, s) << "SD" << QString();
    QTest::newRow("100 runs") << QStringList(100, s) << "SD" << QStringLiteral("すでに100ランに達しています");
    QTest::newRow("100 runs and a memo line")
        << (QStringList{memo} + QStringList(100, s)) << "SD" << QStringLiteral("100ラン");
    QTest::newRow("a memo line only") << QStringList{memo} << "MD" << QString();
    QTest::newRow("another stimulus") << QStringList{
        s, s} << "MD" << QStringLiteral("別の条件（刺激=小、当り表示=有）で行ったランがあります（ラン1）");
    QTest::newRow("another hit display") << QStringList{s} << "S-" << QStringLiteral("刺激=小、当り表示=有");
    QTest::newRow("mixed already, the last agreeing")
        << QStringList{withCharAt(s, 27, QLatin1Char('M')), s} << "SD"
        << QStringLiteral("刺激=中、当り表示=有）で行ったランがあります（ラン1）");
    QTest::newRow("a folder in its place") << QStringList{"folder"} << "SD" << QStringLiteral("読めないため");
    // "-0": the name says no stimulus; an unconverted run of the earlier format keeps its letter.
    QTest::newRow("no-stimulus series, earlier letter") << QStringList{"-0", s} << "nD" << QString();
    QTest::newRow("no-stimulus series, other hit display")
        << QStringList{"-0", s} << "n-" << QStringLiteral("（刺激=小、当り表示=有）");
}

void TestRunRecord::appendKeepsTheFileWithinItsRules()
{
    QFETCH(QStringList, there);
    QFETCH(QString, codes);
    QFETCH(QString, refusal);
    TestServices t;
    const QString suffix = there.value(0) == QLatin1String("-0") ? QStringLiteral("0") : QStringLiteral("1");
    if (suffix == QLatin1String("0"))
        there.removeFirst();
    const QString path = dataFilePath(t.services.paths, QStringLiteral("Yama"), suffix);
    const QString name = QStringLiteral("data/Yama-%1.txt").arg(suffix);
    if (there == QStringList{"folder"})
        QVERIFY(QDir().mkpath(path));
    else if (!there.isEmpty())
        t.writeLines(name, there);
    const QByteArray before = QFileInfo(path).isFile() ? t.readBytes(name) : QByteArray();
    const QString line = withCharAt(withCharAt(runLine({10, 10, 10, 10, 9}), 27, codes.at(0)), 30, codes.at(1));
    QString why;
    const FileResult r = appendRunLine(*t.files, t.services.paths, path, line, &why);
    QCOMPARE(r.ok, refusal.isEmpty());
    QVERIFY2(why.contains(refusal), qPrintable(why));
    QCOMPARE(why.isEmpty(), refusal.isEmpty());
    if (r.ok)
        QCOMPARE(t.readBytes(name), before + line.toLatin1() + "\r\n");
    else if (QFileInfo(path).isFile())
        QCOMPARE(t.readBytes(name), before);
}

void TestRunRecord::aRefusedRunIsKeptBesideTheFile()
{
    TestServices t;
    const QString path = dataFilePath(t.services.paths, QStringLiteral("Yama"), QStringLiteral("1"));
    const QString line = runLine();
    const KeptRun first = keepRefusedRun(*t.files, path, line, QStringLiteral("20261209-094700"));
    const KeptRun second = keepRefusedRun(*t.files, path, line, QStringLiteral("20261209-094700"));
    QVERIFY(first.result.ok && second.result.ok);
    QVERIFY(first.path != second.path); // never one over the other
    for (const KeptRun &k : {first, second}) {
        const QFileInfo f(k.path);
        QCOMPARE(f.absolutePath(), QFileInfo(path).absolutePath());
        QVERIFY2(f.fileName().startsWith(QStringLiteral("Yama-1.20261209-094700")), qPrintable(f.fileName()));
        // No reader takes it for an experiment: it is not NAME-C.txt.
        QVERIFY(!f.fileName().endsWith(QStringLiteral(".txt")));
        QCOMPARE(t.readBytes(QStringLiteral("data/") + f.fileName()), line.toLatin1() + "\r\n");
    }
    const QString told = refusedRunMessage(QStringLiteral("理由の文"), first.path);
    QVERIFY(told.contains(QStringLiteral("理由の文")) && told.contains(QFileInfo(first.path).fileName()));
}

void TestRunRecord::memoRewrite_data()
{
    QTest::addColumn<int>("runNo");
    QTest::addColumn<QString>("memo");
    QTest::addColumn<QString>("tail");
    QTest::newRow("two-line memo on run 3") << 3 << "first\r\nsecond"
                                            << " first<BR>second";
    QTest::newRow("empty memo keeps the space") << 3 << ""
                                                << " ";
    QTest::newRow("old memo replaced") << 2 << QStringLiteral("新しい") << QStringLiteral(" 新しい");
    QTest::newRow("first run") << 1 << "x"
                               << " x";
    QTest::newRow("last run") << 4 << QStringLiteral("三行\n目の\nメモ") << QStringLiteral(" 三行<BR>目の<BR>メモ");
}

void TestRunRecord::memoRewrite()
{
    QFETCH(int, runNo);
    QFETCH(QString, memo);
    QFETCH(QString, tail);

    TestServices t;
    const QStringList lines{runLine({10, 10, 10, 10, 10}),
                            memoLine(),
                            runLine({11, 10, 10, 10, 10}) + QStringLiteral(" 古いメモ"),
                            runLine({12, 10, 10, 10, 10}),
                            QStringLiteral("実験条件=二つ目") + QChar(1) + QChar(1) + QStringLiteral("x"),
                            runLine({13, 10, 10, 10, 10}, QStringLiteral("2009/05/01"))};
    t.writeLines(QStringLiteral("data/Yama-1.txt"), lines);
    const QList<QByteArray> before = rawLines(t.readBytes(QStringLiteral("data/Yama-1.txt")));

    const QString path = t.path(QStringLiteral("data/Yama-1.txt"));
    const FileResult r = rewriteRunMemo(*t.files, t.services.paths, path, runNo, memo);
    QVERIFY2(r.ok, qPrintable(r.message));
    QCOMPARE(t.strayFiles(), QStringList());

    // File lines of the runs: memo lines are not counted.
    const int runLines[] = {0, 2, 3, 5};
    const int target = runLines[runNo - 1];
    const QStringList afterText = t.readLines(QStringLiteral("data/Yama-1.txt"));
    QCOMPARE(afterText.size(), lines.size());
    QCOMPARE(afterText.at(target), lines.at(target).left(261) + tail);

    const QList<QByteArray> after = rawLines(t.readBytes(QStringLiteral("data/Yama-1.txt")));
    QCOMPARE(after.size(), before.size());
    for (int i = 0; i < before.size(); ++i) {
        if (i != target)
            QCOMPARE(after.at(i), before.at(i));
    }
    QVERIFY(loadDataFile(*t.files, path).passed());
}

void TestRunRecord::memoRewriteRefusals_data()
{
    QTest::addColumn<int>("runNo");
    QTest::addColumn<QStringList>("lines");
    QTest::addColumn<QString>("memo");
    const QStringList two{runLine(), runLine()};
    QTest::newRow("run 0") << 0 << two << "m";
    QTest::newRow("beyond the last run") << 3 << two << "m";
    QTest::newRow("line shorter than a record") << 2 << QStringList{runLine(), runLine().left(200)} << "m";
    QTest::newRow("memo the code page cannot hold") << 1 << two << QString::fromUtf8("\xF0\x9F\x98\x80 emoji");
}

void TestRunRecord::memoRewriteRefusals()
{
    QFETCH(int, runNo);
    QFETCH(QStringList, lines);
    QFETCH(QString, memo);
    TestServices t;
    t.writeLines(QStringLiteral("data/Yama-1.txt"), lines);
    const QByteArray before = t.readBytes(QStringLiteral("data/Yama-1.txt"));
    const FileResult r =
        rewriteRunMemo(*t.files, t.services.paths, t.path(QStringLiteral("data/Yama-1.txt")), runNo, memo);
    QVERIFY(!r.ok);
    QVERIFY(!r.message.isEmpty());
    QCOMPARE(t.readBytes(QStringLiteral("data/Yama-1.txt")), before);
    QCOMPARE(t.strayFiles(), QStringList());
}

QTEST_GUILESS_MAIN(TestRunRecord)
#include "tst_runrecord.moc"
