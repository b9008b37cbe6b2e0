#include "Fakes.h"
#include "RunLines.h"
#include "core/registry/DataFile.h"

#include <QDir>
#include <QFileInfo>
#include <QtTest>

using namespace vora;
using namespace registrytest;
using vora::testing::TestServices;

namespace {
const QString kPair = QString(2, QChar(1));
QString memoLine(const QString &text)
{
    return QStringLiteral("実験条件=") + text;
}
} // namespace

class TestDataFile : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void fileNames();
    void lenientNumbers_data();
    void lenientNumbers();
    void columnsAreOneBasedAndClipped_data();
    void columnsAreOneBasedAndClipped();
    void memoForms_data();
    void memoForms();
    void runLineCheck_data();
    void runLineCheck();
    void storedTotalReadsHundred_data();
    void storedTotalReadsHundred();
    void loading_data();
    void loading();
    void loadingReportsTheFirstBadLine();
    void loadingManyRunsAndUnreadable();
    void runCount_data();
    void runCount();
    void memoSave_data();
    void memoSave();
    void threeLineMemoComesBackAsThreeLines();
};

void TestDataFile::fileNames()
{
    AppPaths paths(QStringLiteral("/prog"));
    QCOMPARE(dataFileName(QStringLiteral("Yama090425"), QStringLiteral("1")), QStringLiteral("Yama090425-1.txt"));
    QCOMPARE(dataFilePath(paths, QStringLiteral("Yama090425"), QStringLiteral("0")),
             QStringLiteral("/prog/data/Yama090425-0.txt"));
}

void TestDataFile::lenientNumbers_data()
{
    QTest::addColumn<QString>("field");
    QTest::addColumn<int>("value");
    QTest::newRow("right aligned") << "  7" << 7;
    QTest::newRow("two digits") << " 45" << 45;
    QTest::newRow("digits then letter") << " 1x" << 1;
    QTest::newRow("blanks only") << "   " << 0;
    QTest::newRow("empty") << "" << 0;
    QTest::newRow("blank inside") << "1 2" << 12;
    QTest::newRow("letter first") << "x12" << 0;
    QTest::newRow("minus is not a digit") << "-5" << 0;
    QTest::newRow("full-width digit stops") << QStringLiteral("1２") << 1;
    QTest::newRow("long text does not overflow") << QString(40, QLatin1Char('9')) << 999999999;
}

void TestDataFile::lenientNumbers()
{
    QFETCH(QString, field);
    QFETCH(int, value);
    QCOMPARE(lenientNumber(field), value);
}

void TestDataFile::columnsAreOneBasedAndClipped_data()
{
    QTest::addColumn<QString>("line");
    QTest::addColumn<int>("first");
    QTest::addColumn<int>("last");
    QTest::addColumn<QString>("expected");
    QTest::newRow("inside") << "abcdef" << 2 << 4 << "bcd";
    QTest::newRow("past the end") << "abcdef" << 5 << 9 << "ef";
    QTest::newRow("wholly beyond") << "abc" << 11 << 20 << "";
    QTest::newRow("japanese counts characters") << QStringLiteral("実験条件=x") << 5 << 6 << QStringLiteral("=x");
}

void TestDataFile::columnsAreOneBasedAndClipped()
{
    QFETCH(QString, line);
    QFETCH(int, first);
    QFETCH(int, last);
    QFETCH(QString, expected);
    QCOMPARE(columns(line, first, last), expected);
}

void TestDataFile::memoForms_data()
{
    QTest::addColumn<QString>("shown");
    QTest::addColumn<QString>("stored");
    QTest::addColumn<QString>("shownAgain");
    QTest::newRow("three lines") << "a\r\nb\r\nc"
                                 << "a" + kPair + "b" + kPair + "c"
                                 << "a\r\nb\r\nc";
    QTest::newRow("empty") << ""
                           << ""
                           << "";
    QTest::newRow("lone LF from an editor") << "a\nb"
                                            << "a" + kPair + "b"
                                            << "a\r\nb";
    QTest::newRow("lone CR") << "a\rb"
                             << "a" + kPair + "b"
                             << "a\r\nb";
    QTest::newRow("empty middle line") << "a\r\n\r\nb"
                                       << "a" + kPair + kPair + "b"
                                       << "a\r\n\r\nb";
}

void TestDataFile::memoForms()
{
    QFETCH(QString, shown);
    QFETCH(QString, stored);
    QFETCH(QString, shownAgain);
    QCOMPARE(memoToFileForm(shown), stored);
    QVERIFY(!memoToFileForm(shown).contains(QLatin1Char('\n')));
    QCOMPARE(memoFromFileForm(stored), shownAgain);
}

void TestDataFile::runLineCheck_data()
{
    QTest::addColumn<QString>("line");
    QTest::addColumn<bool>("ok");
    QTest::addColumn<QString>("reason");

    const QString good = runLine({12, 9, 8, 11, 10});
    QCOMPARE(good.size(), 261);
    QTest::newRow("consistent") << good << true << "";
    QTest::newRow("blank line") << "" << false << QStringLiteral("空の行");
    QTest::newRow("spaces only") << QString(261, QLatin1Char(' ')) << false << QStringLiteral("空の行");
    // Trial 45 lies in block 3, which stores 8 matches.
    QTest::newRow("target digit changed") << flippedAt(good, 60 + 45) << false << QStringLiteral("ブロック3の一致数");
    QTest::newRow("input digit changed, match lost")
        << flippedAt(good, 161 + 41) << false << QStringLiteral("ブロック3の一致数（7）が記録（8）と合いません");
    QTest::newRow("input digit changed in block 1") << flippedAt(good, 162) << false << QStringLiteral("ブロック1");
    QTest::newRow("last input changed") << flippedAt(good, 261) << false << QStringLiteral("ブロック5");
    QTest::newRow("stored total changed")
        << withCharAt(good, 29, QLatin1Char('1')) << false << QStringLiteral("（50）が記録された一致数（51）");
    // Block and total raised together: the sums agree, the digits do not.
    QTest::newRow("stored block and total changed")
        << withCharAt(withCharAt(withCharAt(good, 29, QLatin1Char('1')), 34, QLatin1Char('1')), 35, QLatin1Char('0'))
        << false << QStringLiteral("ブロック2の一致数（9）が記録（10）");
    QTest::newRow("inputs cut short") << good.left(200) << false << QStringLiteral("短すぎます（200文字");
    // Without targets and inputs every trial "matched": this once passed as 100 matches.
    QTest::newRow("counts only, blocks of 20")
        << QStringLiteral("Yama      2009/04/25 14:30S00D20 20 20 20 20") << false << QStringLiteral("短すぎます");
    QTest::newRow("NUL in the date") << withCharAt(good, 15, QChar(0)) << false
                                     << QStringLiteral("15桁目に制御文字（コード0）");
    QTest::newRow("escape in the name") << withCharAt(good, 3, QChar(0x1b)) << false
                                        << QStringLiteral("3桁目に制御文字");
    QTest::newRow("DEL among the inputs") << withCharAt(good, 170, QChar(0x7f)) << false << QStringLiteral("170桁目");
    QTest::newRow("control byte in the run memo") << good + QStringLiteral(" a") + QChar(0) << true << "";
    QTest::newRow("not a run line") << QStringLiteral("hello world ").repeated(25) << false
                                    << QStringLiteral("ランの記録の形をしていません");
    QTest::newRow("digit slipped in among the inputs")
        << good.left(199) + QLatin1Char('1') + good.mid(199) << false << QStringLiteral("長すぎます");
    QTest::newRow("run memo after column 261") << good + QStringLiteral(" 眠かった<BR>2行目") << true << "";
    QTest::newRow("run memo full of digits") << good + QStringLiteral(" 1111100000") << true << "";
    QTest::newRow("empty run memo") << good + QStringLiteral(" ") << true << "";
    QTest::newRow("hundred matches as 00") << runLine({20, 20, 20, 20, 20}) << true << "";
    QTest::newRow("zero matches") << runLine({0, 0, 0, 0, 0}) << true << "";
    QTest::newRow("00 with blocks not adding to 100")
        << withCharAt(runLine({20, 20, 20, 20, 20}), 32, QLatin1Char('9')) << false << "";
    QTest::newRow("' 0' is not read as 100") << withCharAt(runLine({20, 20, 20, 20, 20}), 28, QLatin1Char(' ')) << false
                                             << QStringLiteral("（100）が記録された一致数（0）");
}

void TestDataFile::runLineCheck()
{
    QFETCH(QString, line);
    QFETCH(bool, ok);
    QFETCH(QString, reason);
    const RunLineCheck check = checkRunLine(line);
    QCOMPARE(check.ok, ok);
    if (ok)
        QVERIFY(check.reason.isEmpty());
    else
        QVERIFY2(check.reason.contains(reason) && !check.reason.isEmpty(), qPrintable(check.reason));
}

void TestDataFile::storedTotalReadsHundred_data()
{
    QTest::addColumn<QString>("line");
    QTest::addColumn<int>("total");
    QTest::newRow("57") << runLine({12, 12, 12, 11, 10}) << 57;
    QTest::newRow("hundred") << runLine({20, 20, 20, 20, 20}) << 100;
    QTest::newRow("zero") << runLine({0, 0, 0, 0, 0}) << 0;
    QTest::newRow("00 but blocks add to 109") << withCharAt(runLine({20, 20, 20, 20, 20}), 32, QLatin1Char('9')) << 0;
    QTest::newRow("blank line") << "" << 0;
}

void TestDataFile::storedTotalReadsHundred()
{
    QFETCH(QString, line);
    QFETCH(int, total);
    QCOMPARE(storedTotal(line), total);
}

void TestDataFile::loading_data()
{
    QTest::addColumn<QStringList>("lines");
    QTest::addColumn<int>("runs");
    QTest::addColumn<bool>("hasMemo");
    QTest::addColumn<QString>("memo");
    QTest::addColumn<QString>("lastDate");
    QTest::addColumn<QString>("lastStimulus");

    const QString r1 = runLine({10, 10, 10, 10, 10}, QStringLiteral("2009/04/25"));
    const QString r2 =
        runLine({11, 10, 10, 10, 10}, QStringLiteral("2009/04/26"), QStringLiteral("Yama"), QLatin1Char('M'));
    QTest::newRow("memo first") << QStringList{memoLine("静か"), r1, r2} << 2 << true << QStringLiteral("静か")
                                << "2009/04/26"
                                << "M";
    QTest::newRow("memo in the middle") << QStringList{r1, memoLine("中"), r2} << 2 << true << QStringLiteral("中")
                                        << "2009/04/26"
                                        << "M";
    QTest::newRow("memo at the end") << QStringList{r2, r1, memoLine("末")} << 2 << true << QStringLiteral("末")
                                     << "2009/04/25"
                                     << "S";
    QTest::newRow("several memos, last wins") << QStringList{memoLine("一"), r1, memoLine("二"), r2, memoLine("三")}
                                              << 2 << true << QStringLiteral("三") << "2009/04/26"
                                              << "M";
    QTest::newRow("memo with line marks") << QStringList{memoLine("a" + kPair + "b"), r1} << 1 << true << "a\r\nb"
                                          << "2009/04/25"
                                          << "S";
    QTest::newRow("memo only") << QStringList{memoLine("x")} << 0 << true << "x"
                               << "-"
                               << "";
    QTest::newRow("empty memo") << QStringList{memoLine(""), r1} << 1 << true << ""
                                << "2009/04/25"
                                << "S";
    QTest::newRow("empty file") << QStringList{} << 0 << false << ""
                                << "-"
                                << "";
    QTest::newRow("runs without memo") << QStringList{r1, r2} << 2 << false << ""
                                       << "2009/04/26"
                                       << "M";
}

void TestDataFile::loading()
{
    QFETCH(QStringList, lines);
    QFETCH(int, runs);
    QFETCH(bool, hasMemo);
    QFETCH(QString, memo);
    QFETCH(QString, lastDate);
    QFETCH(QString, lastStimulus);

    TestServices t;
    t.writeLines(QStringLiteral("data/Yama-1.txt"), lines);
    const DataFileContents c = loadDataFile(*t.files, t.path(QStringLiteral("data/Yama-1.txt")));
    QVERIFY(c.readOk);
    QVERIFY(!c.missing);
    QVERIFY(c.passed());
    QCOMPARE(c.runCount(), runs);
    QCOMPARE(c.hasMemoLine, hasMemo);
    QCOMPARE(c.conditionMemo, memo);
    QCOMPARE(c.lastDate, lastDate);
    QCOMPARE(c.lastStimulusCode, lastStimulus);
    QCOMPARE(c.lastHitDisplayCode, runs > 0 ? QStringLiteral("D") : QString());
}

void TestDataFile::loadingReportsTheFirstBadLine()
{
    TestServices t;
    const QString good = runLine();
    t.writeLines(QStringLiteral("data/Yama-1.txt"), {memoLine("m"), good, flippedAt(good, 100), good, QString(), good});
    const DataFileContents c = loadDataFile(*t.files, t.path(QStringLiteral("data/Yama-1.txt")));
    QVERIFY(c.readOk);
    QVERIFY(!c.passed());
    QCOMPARE(c.firstBadFileLine, 3);
    QCOMPARE(c.firstBadRun, 2);
    QVERIFY(c.badReason.contains(QStringLiteral("ブロック2")));
    QCOMPARE(c.runCount(), 5); // every run line is still listed; the blank one counts as a run

    // A missing file reads as an empty one that passes.
    const DataFileContents none = loadDataFile(*t.files, t.path(QStringLiteral("data/None-1.txt")));
    QVERIFY(none.missing);
    QVERIFY(none.passed());
    QCOMPARE(none.runCount(), 0);
    QCOMPARE(none.lastDate, QStringLiteral("-"));
}

void TestDataFile::loadingManyRunsAndUnreadable()
{
    TestServices t;
    QStringList lines;
    for (int i = 0; i < 150; ++i)
        lines << runLine({i % 21, 20, 0, 5, 7});
    t.writeLines(QStringLiteral("data/Many-1.txt"), lines);
    const DataFileContents many = loadDataFile(*t.files, t.path(QStringLiteral("data/Many-1.txt")));
    // An experiment holds 100 runs: the 101st is where the file went wrong.
    QVERIFY(!many.passed());
    QCOMPARE(many.firstBadRun, 101);
    QCOMPARE(many.firstBadFileLine, 101);
    QVERIFY2(many.badReason.contains(QStringLiteral("100ランまで")), qPrintable(many.badReason));
    QCOMPARE(many.runCount(), 150);
    lines = lines.mid(0, 100);
    t.writeLines(QStringLiteral("data/Many-1.txt"), lines);
    QVERIFY(loadDataFile(*t.files, t.path(QStringLiteral("data/Many-1.txt"))).passed());
    QCOMPARE(countRuns(*t.files, t.path(QStringLiteral("data/Many-1.txt"))).runs, 100);

    QVERIFY(QDir().mkpath(t.path(QStringLiteral("data/Dir-1.txt"))));
    const DataFileContents dir = loadDataFile(*t.files, t.path(QStringLiteral("data/Dir-1.txt")));
    QVERIFY(!dir.readOk);
    QVERIFY(!dir.missing);
    QCOMPARE(dir.read.code, FileError::Folder);
    QVERIFY(!dir.read.message.isEmpty());
    QVERIFY(!dir.passed());
}

void TestDataFile::runCount_data()
{
    QTest::addColumn<QStringList>("lines");
    QTest::addColumn<bool>("create");
    QTest::addColumn<int>("runs");
    QTest::addColumn<QString>("lastDate");
    const QString r1 = runLine({10, 10, 10, 10, 10}, QStringLiteral("2009/04/25"));
    const QString r2 = runLine({10, 10, 10, 10, 10}, QStringLiteral("2009/05/01"));
    QTest::newRow("missing file") << QStringList{} << false << 0 << "-";
    QTest::newRow("empty file") << QStringList{} << true << 0 << "-";
    QTest::newRow("memo and two runs") << QStringList{memoLine("m"), r1, r2} << true << 2 << "2009/05/01";
    QTest::newRow("memo last") << QStringList{r1, memoLine("m")} << true << 1 << "2009/04/25";
    QTest::newRow("empty last line counts") << QStringList{r1, QString()} << true << 2 << "";
}

void TestDataFile::runCount()
{
    QFETCH(QStringList, lines);
    QFETCH(bool, create);
    QFETCH(int, runs);
    QFETCH(QString, lastDate);
    TestServices t;
    if (create)
        t.writeLines(QStringLiteral("data/Yama-1.txt"), lines);
    const RunCountInfo info = countRuns(*t.files, t.path(QStringLiteral("data/Yama-1.txt")));
    QCOMPARE(info.runs, runs);
    QCOMPARE(info.lastDate, lastDate);
}

void TestDataFile::memoSave_data()
{
    QTest::addColumn<QStringList>("before");
    QTest::addColumn<bool>("create");
    QTest::addColumn<QString>("memo");
    QTest::addColumn<QStringList>("after");
    const QString r1 = runLine({10, 10, 10, 10, 10}, QStringLiteral("2009/04/25"));
    const QString r2 = runLine({11, 10, 10, 10, 10}, QStringLiteral("2009/04/26"));
    const QString r3 = runLine({12, 10, 10, 10, 10}, QStringLiteral("2009/04/27")) + QStringLiteral(" ラン3のメモ");
    QTest::newRow("no file yet") << QStringList{} << false << QStringLiteral("静かな部屋")
                                 << QStringList{memoLine("静かな部屋")};
    QTest::newRow("runs kept in order, old memos dropped")
        << QStringList{r1, memoLine("古い"), r2, r3, memoLine("もっと古い")} << true << QStringLiteral("新しい")
        << QStringList{memoLine("新しい"), r1, r2, r3};
    QTest::newRow("three lines") << QStringList{memoLine("x"), r1} << true << "1行目\r\n2行目\r\n3行目"
                                 << QStringList{memoLine("1行目" + kPair + "2行目" + kPair + "3行目"), r1};
    QTest::newRow("empty memo") << QStringList{r1} << true << "" << QStringList{memoLine(""), r1};
    QTest::newRow("blank run line kept") << QStringList{r1, QString(), r2} << true << "m"
                                         << QStringList{memoLine("m"), r1, QString(), r2};
}

void TestDataFile::memoSave()
{
    QFETCH(QStringList, before);
    QFETCH(bool, create);
    QFETCH(QString, memo);
    QFETCH(QStringList, after);
    TestServices t;
    if (create)
        t.writeLines(QStringLiteral("data/Yama-1.txt"), before);
    const FileResult r = saveConditionMemo(*t.files, t.services.paths, t.path(QStringLiteral("data/Yama-1.txt")), memo);
    QVERIFY2(r.ok, qPrintable(r.message));
    QCOMPARE(t.readLines(QStringLiteral("data/Yama-1.txt")), after);
    QCOMPARE(t.strayFiles(), QStringList());
}

void TestDataFile::threeLineMemoComesBackAsThreeLines()
{
    TestServices t;
    const QString path = t.path(QStringLiteral("data/Yama-1.txt"));
    QVERIFY(saveConditionMemo(*t.files, t.services.paths, path, QStringLiteral("一\r\n二\r\n三")).ok);
    const QByteArray raw = t.readBytes(QStringLiteral("data/Yama-1.txt"));
    QCOMPARE(raw.count("\x01\x01"), 2);
    QCOMPARE(raw.count("\r\n"), 1);
    QCOMPARE(loadDataFile(*t.files, path).conditionMemo, QStringLiteral("一\r\n二\r\n三"));
}

QTEST_GUILESS_MAIN(TestDataFile)
#include "tst_datafile.moc"
