// Browsing the results: the arrows and their beeps, continuous display, the chart's dots (a
// click shows the run, a double click opens its memo), the hover caption and hint, and memos
// saved, cancelled or refused.
#include "FailDevice.h"
#include "ResultsBench.h"
#include "core/toolkit/Units.h"
#include "ui/results/ChartBox.h"
#include "ui/results/HitDots.h"
#include "ui/results/ResultsDisplay.h"

#include <QFile>
#include <QLockFile>
#include <QPlainTextEdit>
#include <QTimer>
#include <cmath>

using namespace vora;
using vora::testing::Bench;
using vora::testing::failWrite;
using vora::testing::kDataFile;
using vora::testing::realContinuousTiming;
using vora::testing::runLineWithHits;

class TestBrowsing : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void arrowsFromOverviewAndClamps();
    void continuousForwardStopsAtLastRun();
    void continuousBackwardStopsAtFirstRun();
    void doubleClickOnForwardGivesFastInterval_data();
    void doubleClickOnForwardGivesFastInterval();
    void dotSingleClickShowsRun_data();
    void dotSingleClickShowsRun();
    void dotDoubleClickOpensEditor();
    void dotClickEndsContinuousDisplay();
    void hoverShowsDateAndMemoPreview();
    void chartHintAndLegendDot();
    void memoSavedAppearsAfterReopen();
    void memoCancelLeavesFile();
    void refusedMemoKeepsEditorAndFile_data();
    void refusedMemoKeepsEditorAndFile();
    void memoWaitsForABusyLock_data();
    void memoWaitsForABusyLock();
};

void TestBrowsing::arrowsFromOverviewAndClamps()
{
    Bench b;
    b.writeRuns(QList<int>(10, 50));
    b.open(0);
    QCOMPARE(b.text("Label27"), QStringLiteral("（全ラン=10）"));
    QCOMPARE(b.find<QPushButton>("Command2")->text(), QStringLiteral("最初に戻る"));

    b.click("Command8"); // "<" in the overview: the last run, no beep
    QCOMPARE(b.browsed(), 10);
    QCOMPARE(b.beeps(), 0);
    QCOMPARE(b.find<QPushButton>("Command2")->text(), QStringLiteral("全ランの表示に戻る"));
    QVERIFY(b.text("Label16").contains(QStringLiteral("ラン数=10")));

    b.click("Command9"); // ">" on the last run: beep, stays
    QCOMPARE(b.browsed(), 10);
    QCOMPARE(b.beeps(), 1);

    b.module->state().showOverview();
    b.click("Command9"); // ">" in the overview lands beyond the last run: beep, the last run
    QCOMPARE(b.browsed(), 10);
    QCOMPARE(b.beeps(), 2);

    b.module->state().browse(1);
    b.click("Command8"); // "<" on run 1: beep, stays
    QCOMPARE(b.browsed(), 1);
    QCOMPARE(b.beeps(), 3);
    // The totals of a browsed run cover runs 1..run, the run count stays that of the file.
    QVERIFY(b.text("Label16").contains(QStringLiteral("ラン数=1 ")));
    QCOMPARE(b.text("Label27"), QStringLiteral("（全ラン=10）"));

    b.click("Command9");
    QCOMPARE(b.browsed(), 2);
    QCOMPARE(b.beeps(), 3);
}

void TestBrowsing::continuousForwardStopsAtLastRun()
{
    Bench b;
    b.writeRuns(QList<int>(10, 50));
    b.open(9);
    QCOMPARE(b.beeps(), 0);
    b.click("Command10"); // ">>" on run 9 of 10
    QCOMPARE(b.browsed(), 10);
    QCOMPARE(b.beeps(), 1);
    auto *timer = b.find<QTimer>("Timer1");
    QVERIFY(timer->isActive());
    QVERIFY(b.module->state().continuousActive);
    QTRY_VERIFY(!timer->isActive());
    QCOMPARE(b.beeps(), 2);
    QCOMPARE(b.browsed(), 10);
    QVERIFY(!b.module->state().continuousActive);
    QCOMPARE(b.module->state().browseStep, 0);
}

void TestBrowsing::continuousBackwardStopsAtFirstRun()
{
    Bench b;
    b.writeRuns(QList<int>(5, 50));
    b.open(4);
    b.click("Command7"); // "<<": 3, then 2, 1 by the timer, which stops there with a beep
    QCOMPARE(b.browsed(), 3);
    auto *timer = b.find<QTimer>("Timer1");
    QTRY_VERIFY(!timer->isActive());
    QCOMPARE(b.browsed(), 1);
    QCOMPARE(b.beeps(), 1);
    // Every run on the way was shown: the window shows run 1 now.
    QVERIFY(b.text("Label16").contains(QStringLiteral("ラン数=1 ")));
}

void TestBrowsing::doubleClickOnForwardGivesFastInterval_data()
{
    QTest::addColumn<int>("apartMs");
    QTest::addColumn<int>("interval");
    QTest::newRow("0.5 s apart") << 500 << 300;
    QTest::newRow("2 s apart") << 2000 << 1000;
}

void TestBrowsing::doubleClickOnForwardGivesFastInterval()
{
    QFETCH(int, apartMs);
    QFETCH(int, interval);
    Bench b(realContinuousTiming);
    b.writeRuns(QList<int>(10, 50));
    b.open(1);
    b.click("Command10");
    QCOMPARE(b.module->state().continuousIntervalMs, 1000);
    b.ts.clock->advanceMs(apartMs);
    b.click("Command10");
    QCOMPARE(b.module->state().continuousIntervalMs, interval);
    QCOMPARE(b.find<QTimer>("Timer1")->interval(), interval);
    QCOMPARE(b.browsed(), 3);
    b.find<QTimer>("Timer1")->stop();
}

void TestBrowsing::dotSingleClickShowsRun_data()
{
    QTest::addColumn<int>("hits");
    QTest::addColumn<bool>("offScale");
    QTest::newRow("57 hits") << 57 << false;
    // Beyond the chart's 30..70: on the frame's edge, cut to a triangle, still to be pointed at.
    QTest::newRow("100 hits") << 100 << true;
    QTest::newRow("0 hits") << 0 << true;
}

void TestBrowsing::dotSingleClickShowsRun()
{
    QFETCH(int, hits);
    QFETCH(bool, offScale);
    Bench b;
    b.writeRuns({50, 50, hits, 50, 50});
    toushiJikken *first = b.open(0);
    QVERIFY(b.visible("Command3(3)"));
    QVERIFY(!b.visible("Command3(6)"));
    QWidget *chart = b.find("Picture1");
    QWidget *dot = b.find("Command3(3)");
    QVERIFY(chart->rect().contains(dot->geometry()));
    QCOMPARE(dot->mask().isEmpty(), !offScale);
    QCOMPARE(chart->childAt(dot->geometry().center()), dot); // the pointer finds it there
    b.hover("Command3(3)");
    QVERIFY(b.visible("Command6"));
    // The wait for a second click, on a clock that only the test moves.
    b.ts.clock->setFrozen(true);
    b.click("Command3(3)");
    HitDots &dots = first->results().hitDots();
    const qint64 decided = dots.waitDeadline();
    QCOMPARE(decided, b.ts.clock->monotonicMs() + b.ts.services.timing.dotClickWaitMs);
    b.ts.clock->advanceMs(decided - 1 - b.ts.clock->monotonicMs());
    dots.onWaitOver();
    QCOMPARE(b.browsed(), 0); // nothing before the wait is over
    b.ts.clock->advanceMs(1);
    dots.onWaitOver();
    QCOMPARE(b.browsed(), 3);
    QCOMPARE(dots.waitDeadline(), qint64(-1));
    QCOMPARE(b.current(), first); // the same window shows the run
    QVERIFY(b.text("Label15").startsWith(QStringLiteral("◆一致数=%1　").arg(hits)));
    QCOMPARE(b.find<QPushButton>("Command2")->text(), QStringLiteral("全ランの表示に戻る"));
    QVERIFY(!b.visible("Command3(3)")); // the dots belong to the overview
}

void TestBrowsing::dotDoubleClickOpensEditor()
{
    Bench b;
    b.writeRuns({50, 50, 50, 50, 50}, {{2, QStringLiteral("前のメモ<BR>二行目")}});
    toushiJikken *w = b.open(0);
    b.ts.clock->setFrozen(true);
    b.doubleClick("Command3(2)");
    QVERIFY(w->results().memoEditing());
    auto *box = b.find<QPlainTextEdit>("Text4");
    QVERIFY(!box->isHidden());
    QVERIFY(!box->isReadOnly());
    QCOMPARE(box->toPlainText(), QStringLiteral("前のメモ\n二行目"));
    QCOMPARE(b.find<QPushButton>("Command6")->text(), QStringLiteral("No.2 2009/04/25 14:30"));
    QVERIFY(b.visible("Command13"));
    QVERIFY(b.visible("Command14"));
    // No single click is left waiting: the run shown stays the overview.
    HitDots &dots = w->results().hitDots();
    QCOMPARE(dots.waitDeadline(), qint64(-1));
    b.ts.clock->advanceMs(b.ts.services.timing.dotClickWaitMs);
    dots.onWaitOver();
    QCOMPARE(b.browsed(), 0);
    // Further dot clicks do nothing while the editor is open.
    b.click("Command3(4)");
    QCOMPARE(dots.waitDeadline(), qint64(-1));
    QCOMPARE(b.current(), w);
    QCOMPARE(b.browsed(), 0);
}

void TestBrowsing::dotClickEndsContinuousDisplay()
{
    Bench b(realContinuousTiming);
    b.writeRuns(QList<int>(6, 50));
    b.open(0);
    b.module->state().continuousActive = true; // as left by a continuous display before the overview
    b.find<QTimer>("Timer1")->start();
    b.click("Command3(2)");
    QTRY_COMPARE(b.browsed(), 2);
    // The reopened window shows run 2 and does not take up the continuous display again.
    QVERIFY(!b.find<QTimer>("Timer1")->isActive());
    QVERIFY(!b.module->state().continuousActive);
}

void TestBrowsing::hoverShowsDateAndMemoPreview()
{
    Bench b;
    const QString memo25 = QStringLiteral("あいうえおかきくけこさしすせそたちつてとなにぬねの");
    QCOMPARE(memo25.size(), 25);
    b.writeRuns({50, 50, 50}, {{2, memo25}, {3, QStringLiteral("一行目<BR>二行目")}});
    b.open(0);
    b.hover("Command3(2)");
    auto *caption = b.find<QPushButton>("Command6");
    auto *box = b.find<QPlainTextEdit>("Text4");
    QVERIFY(!caption->isHidden());
    QCOMPARE(caption->text(), QStringLiteral("No.2 2009/04/25 14:30"));
    QCOMPARE(caption->width(), units::px(100 * 21));
    QVERIFY(!box->isHidden());
    QVERIFY(box->isReadOnly());
    QCOMPARE(box->toPlainText(), memo25);
    // Readable: the window's own font, at least the height the memo's length gives (25
    // characters: 360 twips), and room for every line the text wraps into.
    auto fits = [box](int lengthTwips) {
        const QFontMetrics fm(box->font());
        int lines = 0;
        for (const QString &paragraph : box->toPlainText().split(QLatin1Char('\n')))
            lines += qMax(1, int(std::ceil(fm.horizontalAdvance(paragraph) / double(box->width() - 4))));
        return box->font().pointSizeF() >= box->parentWidget()->font().pointSizeF()
               && box->height() >= units::px(lengthTwips) && box->height() >= lines * fm.lineSpacing();
    };
    QVERIFY(fits(360));
    QCOMPARE(box->width(), units::px(4000));
    QCOMPARE(box->pos(), QPoint(caption->x(), caption->y() + caption->height()));
    // The caption stands just below and right of the dot.
    auto *chart = b.find("Picture1");
    auto *dot = b.find("Command3(2)");
    const QPoint dotBottomRight = chart->pos() + dot->geometry().bottomRight();
    QVERIFY(caption->x() > dotBottomRight.x() && caption->x() - dotBottomRight.x() < 12);
    QVERIFY(caption->y() > dotBottomRight.y() && caption->y() - dotBottomRight.y() < 12);

    b.hover("Command3(3)");
    QCOMPARE(box->toPlainText(), QStringLiteral("一行目\n二行目"));
    QVERIFY(fits(240)); // 16 characters as stored

    b.hover("Command3(1)"); // no memo: no box
    QVERIFY(box->isHidden());
    QCOMPARE(caption->text(), QStringLiteral("No.1 2009/04/25 14:30"));
}

void TestBrowsing::chartHintAndLegendDot()
{
    Bench b;
    b.writeRuns({50, 50});
    b.open(0);
    b.hover("Command3(1)");
    b.hover("Picture1");
    QVERIFY(b.visible("Label32"));
    QCOMPARE(b.text("Label32"),
             QStringLiteral("・をクリックすると詳細グラフを表示。\r\nダブルクリックでメモ書込み可能。"));
    QVERIFY(b.visible("Command3(0)"));
    QVERIFY(!b.visible("Command6")); // the chart hover puts the run caption away
    auto *hint = b.find("Label32");
    QCOMPARE(hint->pos(), QPoint(qRound(ChartBox::mm(50)), qRound(ChartBox::mm(1.5))));
    // The bare window puts the hint away again.
    QWidget *w = b.current();
    QMouseEvent move(QEvent::MouseMove, QPointF(5, w->height() - 5), w->mapToGlobal(QPointF(5, w->height() - 5)),
                     Qt::NoButton, Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(w, &move);
    QVERIFY(!b.visible("Label32"));
    QVERIFY(!b.visible("Command3(0)"));
}

void TestBrowsing::memoSavedAppearsAfterReopen()
{
    Bench b;
    b.ts.writeLines(kDataFile, {QStringLiteral("実験条件=条件メモ"), runLineWithHits(50), runLineWithHits(51),
                                runLineWithHits(52), runLineWithHits(53)});
    const QStringList before = b.ts.readLines(kDataFile);
    toushiJikken *w = b.open(0);
    b.doubleClick("Command3(3)");
    b.find<QPlainTextEdit>("Text4")->setPlainText(QStringLiteral("集中できた\n雨の日"));
    b.click("Command13");
    QCOMPARE(b.current(), w);
    QCOMPARE(b.ts.process->quits, 0);

    const QStringList after = b.ts.readLines(kDataFile);
    QCOMPARE(after.size(), before.size());
    QCOMPARE(after[3], before[3].left(261) + QStringLiteral(" 集中できた<BR>雨の日"));
    for (int i : {0, 1, 2, 4})
        QCOMPARE(after[i], before[i]);
    QVERIFY(!QFile::exists(b.ts.path(QStringLiteral("data/work.txt"))));

    // The view starts afresh on the overview, with the memo on run 3.
    QCOMPARE(b.browsed(), 0);
    QVERIFY(!b.current()->results().memoEditing());
    b.hover("Command3(3)");
    auto *box = b.find<QPlainTextEdit>("Text4");
    QVERIFY(!box->isHidden());
    QCOMPARE(box->toPlainText(), QStringLiteral("集中できた\n雨の日"));
    QVERIFY(b.find("Command3(3)")->styleSheet().contains(QStringLiteral("128,0,0")));
    QVERIFY(!b.find("Command3(2)")->styleSheet().contains(QStringLiteral("128,0,0")));
}

void TestBrowsing::memoCancelLeavesFile()
{
    Bench b;
    b.writeRuns({50, 50});
    const QByteArray before = b.ts.readBytes(kDataFile);
    toushiJikken *w = b.open(0);
    b.doubleClick("Command3(1)");
    b.find<QPlainTextEdit>("Text4")->setPlainText(QStringLiteral("やめる"));
    b.click("Command14");
    QVERIFY(!w->results().memoEditing());
    for (const char *name : {"Command6", "Command13", "Command14", "Text4"})
        QVERIFY2(!b.visible(QLatin1String(name)), name);
    QCOMPARE(b.ts.readBytes(kDataFile), before);
    QCOMPARE(b.current(), w);
}

void TestBrowsing::refusedMemoKeepsEditorAndFile_data()
{
    QTest::addColumn<QString>("memo");
    QTest::addColumn<bool>("diskFull"); // the write fails after 10 bytes
    QTest::addColumn<QString>("cause"); // in the message
    QTest::newRow("text the code page cannot hold")
        << QStringLiteral("한국어 메모") << false << QStringLiteral("保存できない文字が含まれています（「한」）");
    QTest::newRow("the write fails") << QStringLiteral("書けないメモ") << true
                                     << QStringLiteral("理由：ディスクの空き容量が足りません");
}

void TestBrowsing::refusedMemoKeepsEditorAndFile()
{
    QFETCH(QString, memo);
    QFETCH(bool, diskFull);
    QFETCH(QString, cause);
    auto files = std::make_shared<FileStore>();
    if (diskFull)
        failWrite(*files, 1, 10);
    Bench b([files](Services &s) { s.files = files; });
    b.writeRuns({50, 50, 50});
    const QByteArray before = b.ts.readBytes(kDataFile);
    toushiJikken *w = b.open(0);
    b.doubleClick("Command3(2)");
    b.find<QPlainTextEdit>("Text4")->setPlainText(memo);
    b.click("Command13");

    QCOMPARE(b.ts.dialogs->count(testing::DialogRecord::Message), 1);
    const QString message = b.ts.dialogs->last()->text;
    QVERIFY2(message.startsWith(QStringLiteral("メモを保存できませんでした。")) && message.contains(cause)
                 && message.endsWith(QStringLiteral("メモは入力欄に残っています。")),
             qPrintable(message));
    QCOMPARE(b.ts.dialogs->last()->icon, MsgIcon::Exclamation);
    // Still in the editor with the text as typed; the file is untouched.
    QCOMPARE(b.current(), w);
    QVERIFY(w->results().memoEditing());
    QCOMPARE(b.find<QPlainTextEdit>("Text4")->toPlainText(), memo);
    QVERIFY(b.visible("Command13"));
    QCOMPARE(b.ts.readBytes(kDataFile), before);
}

void TestBrowsing::memoWaitsForABusyLock_data()
{
    QTest::addColumn<bool>("freed"); // before the deadline
    QTest::newRow("freed in time") << true;
    QTest::newRow("busy to the deadline") << false;
}

// Another copy of the program holds the data file's lock: the editor stays open with its
// buttons off while the save is tried again on deadlines; it lands once the lock is free, or
// the busy lock is told and the editor and file stay as they were.
void TestBrowsing::memoWaitsForABusyLock()
{
    QFETCH(bool, freed);
    Bench b;
    b.writeRuns({50, 50, 50});
    const QByteArray before = b.ts.readBytes(kDataFile);
    const QStringList linesBefore = b.ts.readLines(kDataFile);
    toushiJikken *w = b.open(0);
    b.ts.clock->setFrozen(true);
    b.doubleClick("Command3(2)");
    b.find<QPlainTextEdit>("Text4")->setPlainText(QStringLiteral("待つメモ"));
    QLockFile other(FileStore::lockPath(b.ts.path(kDataFile)));
    QVERIFY(other.tryLock(0));
    b.click("Command13");
    QVERIFY(w->results().memoEditing());
    QVERIFY(!b.find("Command13")->isEnabled() && !b.find("Command14")->isEnabled());
    QVERIFY(b.find<QPlainTextEdit>("Text4")->isReadOnly());
    b.click("Command13"); // off: no second save
    b.click("Command14"); // off: the editor stays
    QVERIFY(w->results().memoEditing());
    QCOMPARE(b.ts.readBytes(kDataFile), before);
    QCOMPARE(b.ts.dialogs->count(testing::DialogRecord::Message), 0);

    const Timing &timing = b.ts.services.timing;
    if (freed) {
        other.unlock();
        b.ts.clock->advanceMs(timing.lockRetryMs);
        QTRY_VERIFY(!w->results().memoEditing());
        QStringList expected = linesBefore;
        expected[1] += QStringLiteral(" 待つメモ");
        QCOMPARE(b.ts.readLines(kDataFile), expected);
        QCOMPARE(b.ts.dialogs->count(testing::DialogRecord::Message), 0);
    } else {
        b.ts.clock->advanceMs(timing.lockWaitMs);
        QTRY_COMPARE(b.ts.dialogs->count(testing::DialogRecord::Message), 1);
        QVERIFY(b.ts.dialogs->last()->text.contains(
            FileResult::failure(FileError::LockBusy, b.ts.services.paths.file(kDataFile)).message));
        QCOMPARE(b.ts.readBytes(kDataFile), before);
        QVERIFY(w->results().memoEditing());
        QCOMPARE(b.find<QPlainTextEdit>("Text4")->toPlainText(), QStringLiteral("待つメモ"));
        QVERIFY(b.find("Command13")->isEnabled() && !b.find<QPlainTextEdit>("Text4")->isReadOnly());
    }
}

QTEST_MAIN(TestBrowsing)
#include "tst_browsing.moc"
