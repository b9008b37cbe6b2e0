// The results view inside the real experiment window, opened through the start module with
// fake services: judgement panel and picture, browsing and its beeps, continuous display,
// dot clicks, memos, empty files and saving a chart as a picture.
#include "../results/RunLines.h"
#include "Fakes.h"
#include "results/ChartBox.h"
#include "results/Evaluation.h"
#include "results/ResultsDisplay.h"
#include "run/ExperimentWindow.h"
#include "run/toushiJikken.h"
#include "startup/Module1.h"
#include "toolkit/Units.h"

#include <QContextMenuEvent>
#include <QFrame>
#include <QLabel>
#include <QMenu>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QTimer>
#include <QtTest>

using namespace vora;
using vora::testing::FailingFileStore;
using vora::testing::runLineWithHits;
using vora::testing::TestServices;

namespace {

const QString kDataFile = QStringLiteral("data/Test-1.txt");

// One experiment "Test" with a stimulus, opened in the experiment window.
struct Bench {
    explicit Bench(const std::function<void(Services &)> &adjust = {})
    {
        ts.copyAssets();
        if (adjust)
            adjust(ts.services);
        module = std::make_unique<Module1>(ts.services);
        module->setExperimentWindowFactory(makeExperimentWindow);
        SharedState &s = module->state();
        s.ExperimentName = QStringLiteral("Test");
        s.withStimulus = true;
        s.stimulus = Stimulus::Medium;
        s.hitDisplay = HitDisplay::Shown;
        s.ShowConditions = 0;
    }

    void writeRuns(const QList<int> &hits, const QMap<int, QString> &memos = {})
    {
        QStringList lines;
        for (int k = 0; k < hits.size(); ++k)
            lines << runLineWithHits(hits[k], memos.value(k + 1));
        ts.writeLines(kDataFile, lines);
    }

    // The overview (browsed 0, results only) or the display of a stored run.
    toushiJikken *open(int browsedRun)
    {
        SharedState &s = module->state();
        s.LaunchedFromMain = 1;
        s.BrowsedRun = browsedRun;
        s.ResultsOnly = browsedRun > 0 ? 0 : 1;
        return current();
    }

    toushiJikken *current()
    {
        if (!module->experimentWindow())
            module->showExperimentWindow();
        // Windows unloaded meanwhile go now, so only the live one is found.
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        return qobject_cast<toushiJikken *>(module->experimentWindow());
    }

    int browsed() { return module->state().BrowsedRun.toInt(); }
    int beeps() const { return ts.sound->beeps; }

    template <typename T = QWidget> T *find(const QString &name) { return current()->findChild<T *>(name); }
    QString text(const QString &label) { return find<QLabel>(label)->text(); }
    bool visible(const QString &name) { return !find(name)->isHidden(); }
    void click(const QString &button) { QTest::mouseClick(find<QPushButton>(button), Qt::LeftButton); }
    // As the window system delivers a double click: press, release, double-click press, release.
    void doubleClick(const QString &button)
    {
        QWidget *w = find(button);
        QTest::mouseClick(w, Qt::LeftButton);
        QTest::mouseDClick(w, Qt::LeftButton);
        QTest::mouseRelease(w, Qt::LeftButton);
    }

    void hover(const QString &name)
    {
        QWidget *w = find(name);
        QMouseEvent move(QEvent::MouseMove, QPointF(2, 2), w->mapToGlobal(QPointF(2, 2)), Qt::NoButton,
                         Qt::NoButton, Qt::NoModifier);
        QApplication::sendEvent(w, &move);
    }

    TestServices ts;
    std::unique_ptr<Module1> module;
};

// Continuous display at its own pace, so no tick comes between the steps of a test.
void realContinuousTiming(Services &s)
{
    s.timing.continuousMs = 1000;
    s.timing.continuousFastMs = 300;
}

} // namespace

class TestResults : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void finishedRunDisplayShowsNewestRunAndResets();
    void congratulationByHits_data();
    void congratulationByHits();
    void panelBelowChartDuringContinuousDisplay();
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
    void unencodableMemoIsRefused();
    void failedMemoWriteKeepsEditorAndFile();
    void emptyOrMemoOnlyFileShowsNoRuns_data();
    void emptyOrMemoOnlyFileShowsNoRuns();
    void backButtonGoesToOverviewThenMainWindow();
    void lowerChartToggleWithoutReload();
    void feedbackBoxMovesOnlyBeforeResults();
    void chartSavedAsPicture();
    void chartSaveFailureIsReported();
    void reportSavedFromResultsView();
    void panelClickPutsItAway();
};

void TestResults::finishedRunDisplayShowsNewestRunAndResets()
{
    Bench b;
    b.ts.clock->setDate(2009, 5, 2);
    b.ts.clock->setTime(9, 5, 12);
    // Runs without the hit mark give the longest condition line.
    auto withoutMark = [](const QString &line) {
        RunRecord r = RunRecord::fromLine(line);
        r.hitDisplayCode = QStringLiteral("-");
        return r.toLine();
    };
    b.ts.writeLines(kDataFile, {QStringLiteral("実験条件=静か\x01\x01夜"), withoutMark(runLineWithHits(50)),
                                withoutMark(runLineWithHits(47))});
    SharedState &s = b.module->state();
    s.LaunchedFromMain = 1;
    s.BrowsedRun = 0;
    s.ResultsOnly = 0;
    s.ShowConditions = 1;
    s.BackgroundImagePath = b.ts.path(QStringLiteral("yama1.jpg"));
    toushiJikken *w = b.current();
    w->runVariables().TrialNo = 100;
    w->runVariables().HitCount = 47;
    QTest::mouseClick(vora::testing::control<QPushButton>(w, "Command1"), Qt::LeftButton);
    QCOMPARE(w->instructionToggle(), -1);

    // What the key handler falls into after the run was appended.
    w->results().display();
    QVERIFY(w->results().resultsShown());
    QVERIFY(b.text("Label15").startsWith(QStringLiteral("◆一致数=47　◆刺激＝34～40 (Tr1=")));
    QVERIFY(b.text("Label16").startsWith(QStringLiteral("◆全ラン平均一致数=48.5、ラン数=2 ")));
    QCOMPARE(b.text("Label27"), QStringLiteral("（全ラン=2）"));
    QCOMPARE(b.text("Label1"), QStringLiteral("　ＶＯＲＡ(結果の表示)　"));
    QCOMPARE(b.text("Label4"), QStringLiteral(" 刺激；１回、刺激；中、当り表示；なし"));
    QCOMPARE(b.text("Label30"), QStringLiteral("Test"));
    QCOMPARE(b.text("Label11"), QStringLiteral("　今回の試行部分ごとの結果　"));
    QCOMPARE(b.find("Picture2")->x(), units::px(7000));
    QCOMPARE(b.find("Label14")->x(), units::px(11250));
    // The date and time shown are those of now, a one-digit hour without a stray colon.
    QCOMPARE(b.text("Label31"), QStringLiteral("2009/05/02"));
    QCOMPARE(b.text("Label34"), QStringLiteral("9:05"));
    // The condition memo with its line breaks, and no run controls left.
    QCOMPARE(b.find<QPlainTextEdit>("Text5")->toPlainText(), QStringLiteral("静か\n夜"));
    QVERIFY(b.visible("Text5"));
    // The memo box starts clear of the whole condition line and keeps its right edge.
    const QRect memoBox = b.find("Text5")->geometry();
    QVERIFY(memoBox.left() >= b.find("Label4")->geometry().right() + units::px(100));
    QCOMPARE(memoBox.right() + 1, units::px(3900) + units::px(8000));
    for (const char *name : {"Text1", "Command4", "ProgressBar1", "Label28", "Label36", "Label2"})
        QVERIFY2(!b.visible(QLatin1String(name)), name);
    for (const char *name : {"Picture1", "Picture2", "Picture4", "Command7", "Command8", "Command9", "Command10",
                             "Command2", "Label13", "Label14"})
        QVERIFY2(b.visible(QLatin1String(name)), name);
    QVERIFY(!w->hasBackgroundPicture());
    QCOMPARE(s.BackgroundImagePath.toText(), QString());
    // The run state is reset for the next run and the layout step is armed.
    QCOMPARE(w->runVariables().TrialNo, 0);
    QCOMPARE(w->runVariables().HitCount, 0);
    QCOMPARE(w->instructionToggle(), 0);
    QVERIFY(vora::testing::control<QTimer>(w, "Timer3")->isActive());
}

void TestResults::congratulationByHits_data()
{
    QTest::addColumn<int>("hits");
    QTest::addColumn<bool>("panel");
    QTest::addColumn<bool>("picture");
    QTest::newRow("62") << 62 << false << false;
    QTest::newRow("63") << 63 << true << false;
    QTest::newRow("64") << 64 << true << false;
    QTest::newRow("65") << 65 << true << true;
    QTest::newRow("38") << 38 << false << false;
    QTest::newRow("37") << 37 << true << false;
    QTest::newRow("35") << 35 << true << true;
}

void TestResults::congratulationByHits()
{
    QFETCH(int, hits);
    QFETCH(bool, panel);
    QFETCH(bool, picture);
    Bench b;
    b.writeRuns({50, hits, 50});
    b.open(2);
    QVERIFY(b.text("Label15").startsWith(QStringLiteral("◆一致数=%1　").arg(hits)));
    QCOMPARE(b.visible("Frame1"), panel);
    QCOMPARE(b.visible("Picture5"), picture);
    QCOMPARE(b.beeps(), panel ? 1 : 0);
    if (panel) {
        QCOMPARE(b.text("Label29"), congratulationText(hits));
        // Over the chart when no continuous display runs.
        auto *frame = b.find("Frame1");
        QCOMPARE(frame->pos(), QPoint(units::px(360 + 100), units::px(1600 + 500)));
        QCOMPARE(frame->width(), units::px(1.3 * 4100));
        QVERIFY(b.text("Label13").startsWith(analyse(hits, {20, 20, 20, double(hits - 60), 0}).significanceText));
    }
    if (picture)
        QCOMPARE(b.find("Picture5")->pos(), QPoint(units::px(460 + 100), units::px(2100 - 300)));
}

void TestResults::panelBelowChartDuringContinuousDisplay()
{
    Bench b(realContinuousTiming);
    b.writeRuns({50, 63, 50, 50});
    b.open(1);
    b.click("Command10");
    QCOMPARE(b.browsed(), 2);
    QVERIFY(b.visible("Frame1"));
    QCOMPARE(b.find("Frame1")->pos(), QPoint(units::px(360 + 100), units::px(1600 + 4000 + 200)));
    b.find<QTimer>("Timer1")->stop();
    // A single step shows the same run with the panel over the chart again.
    b.click("Command8");
    b.click("Command9");
    QCOMPARE(b.browsed(), 2);
    QCOMPARE(b.find("Frame1")->pos(), QPoint(units::px(460), units::px(2100)));
}

void TestResults::arrowsFromOverviewAndClamps()
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

    b.module->state().BrowsedRun = 0;
    b.module->state().ResultsOnly = 1;
    b.click("Command9"); // ">" in the overview lands beyond the last run: beep, the last run
    QCOMPARE(b.browsed(), 10);
    QCOMPARE(b.beeps(), 2);

    b.module->state().BrowsedRun = 1;
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

void TestResults::continuousForwardStopsAtLastRun()
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
    QCOMPARE(b.module->state().ContinuousActive.toInt(), 1);
    QTRY_VERIFY(!timer->isActive());
    QCOMPARE(b.beeps(), 2);
    QCOMPARE(b.browsed(), 10);
    QCOMPARE(b.module->state().ContinuousActive.toInt(), 0);
    QCOMPARE(b.module->state().BrowseStep.toInt(), 0);
}

void TestResults::continuousBackwardStopsAtFirstRun()
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

void TestResults::doubleClickOnForwardGivesFastInterval_data()
{
    QTest::addColumn<int>("apartMs");
    QTest::addColumn<int>("interval");
    QTest::newRow("0.5 s apart") << 500 << 300;
    QTest::newRow("2 s apart") << 2000 << 1000;
}

void TestResults::doubleClickOnForwardGivesFastInterval()
{
    QFETCH(int, apartMs);
    QFETCH(int, interval);
    Bench b(realContinuousTiming);
    b.writeRuns(QList<int>(10, 50));
    b.open(1);
    b.click("Command10");
    QCOMPARE(b.module->state().ContinuousInterval.toInt(), 1000);
    b.ts.clock->advanceMs(apartMs);
    b.click("Command10");
    QCOMPARE(b.module->state().ContinuousInterval.toInt(), interval);
    QCOMPARE(b.find<QTimer>("Timer1")->interval(), interval);
    QCOMPARE(b.browsed(), 3);
    b.find<QTimer>("Timer1")->stop();
}

void TestResults::dotSingleClickShowsRun_data()
{
    QTest::addColumn<int>("hits");
    QTest::addColumn<bool>("offScale");
    QTest::newRow("57 hits") << 57 << false;
    // Beyond the chart's 30..70: on the frame's edge, cut to a triangle, still to be pointed at.
    QTest::newRow("100 hits") << 100 << true;
    QTest::newRow("0 hits") << 0 << true;
}

void TestResults::dotSingleClickShowsRun()
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
    b.click("Command3(3)");
    // Nothing happens before the wait for a second click is over.
    QCOMPARE(b.browsed(), 0);
    QTRY_COMPARE(b.browsed(), 3);
    QCOMPARE(b.current(), first); // the same window shows the run
    QVERIFY(b.text("Label15").startsWith(QStringLiteral("◆一致数=%1　").arg(hits)));
    QCOMPARE(b.find<QPushButton>("Command2")->text(), QStringLiteral("全ランの表示に戻る"));
    QVERIFY(!b.visible("Command3(3)")); // the dots belong to the overview
}

void TestResults::dotDoubleClickOpensEditor()
{
    Bench b([](Services &s) { s.timing.dotClickWaitMs = 300; });
    b.writeRuns({50, 50, 50, 50, 50}, {{2, QStringLiteral("前のメモ<BR>二行目")}});
    toushiJikken *w = b.open(0);
    const qint64 start = b.ts.clock->monotonicMs();
    b.doubleClick("Command3(2)");
    QVERIFY(w->results().memoEditing());
    auto *box = b.find<QPlainTextEdit>("Text4");
    QVERIFY(!box->isHidden());
    QVERIFY(!box->isReadOnly());
    QCOMPARE(box->toPlainText(), QStringLiteral("前のメモ\n二行目"));
    QCOMPARE(b.find<QPushButton>("Command6")->text(), QStringLiteral("No.2 2009/04/25 14:30"));
    QVERIFY(b.visible("Command13"));
    QVERIFY(b.visible("Command14"));
    // Once the wait is over, the run shown is still the overview in the same window.
    QTest::qWait(400);
    QVERIFY(b.ts.clock->monotonicMs() - start >= 300);
    QCOMPARE(b.browsed(), 0);
    QCOMPARE(b.current(), w);
    // Further dot clicks do nothing while the editor is open.
    b.click("Command3(4)");
    QTest::qWait(400);
    QCOMPARE(b.current(), w);
    QCOMPARE(b.browsed(), 0);
}

void TestResults::dotClickEndsContinuousDisplay()
{
    Bench b(realContinuousTiming);
    b.writeRuns(QList<int>(6, 50));
    b.open(0);
    b.module->state().ContinuousActive = 1; // as left by a continuous display before the overview
    b.find<QTimer>("Timer1")->start();
    b.click("Command3(2)");
    QTRY_COMPARE(b.browsed(), 2);
    // The reopened window shows run 2 and does not take up the continuous display again.
    QVERIFY(!b.find<QTimer>("Timer1")->isActive());
    QCOMPARE(b.module->state().ContinuousActive.toInt(), 0);
}

void TestResults::hoverShowsDateAndMemoPreview()
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

void TestResults::chartHintAndLegendDot()
{
    Bench b;
    b.writeRuns({50, 50});
    b.open(0);
    b.hover("Command3(1)");
    b.hover("Picture1");
    QVERIFY(b.visible("Label32"));
    QCOMPARE(b.text("Label32"), QStringLiteral("・をクリックすると詳細グラフを表示。\r\nダブルクリックでメモ書込み可能。"));
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

void TestResults::memoSavedAppearsAfterReopen()
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

void TestResults::memoCancelLeavesFile()
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

void TestResults::unencodableMemoIsRefused()
{
    Bench b;
    b.writeRuns({50, 50, 50});
    const QByteArray before = b.ts.readBytes(kDataFile);
    toushiJikken *w = b.open(0);
    b.doubleClick("Command3(2)");
    const QString typed = QStringLiteral("한국어 메모");
    b.find<QPlainTextEdit>("Text4")->setPlainText(typed);
    b.click("Command13");

    QCOMPARE(b.ts.dialogs->count(testing::DialogRecord::Message), 1);
    QVERIFY(b.ts.dialogs->last()->text.startsWith(QStringLiteral("メモを保存できませんでした。")));
    QCOMPARE(b.ts.dialogs->last()->icon, MsgIcon::Exclamation);
    // Still in the editor with the text as typed; the file is untouched.
    QCOMPARE(b.current(), w);
    QVERIFY(w->results().memoEditing());
    QCOMPARE(b.find<QPlainTextEdit>("Text4")->toPlainText(), typed);
    QVERIFY(b.visible("Command13"));
    QCOMPARE(b.ts.readBytes(kDataFile), before);
}

void TestResults::failedMemoWriteKeepsEditorAndFile()
{
    auto failing = std::make_shared<FailingFileStore>();
    failing->failAfterBytes = 10;
    Bench b([failing](Services &s) { s.files = failing; });
    b.writeRuns({50, 50});
    const QByteArray before = b.ts.readBytes(kDataFile);
    toushiJikken *w = b.open(0);
    b.doubleClick("Command3(1)");
    b.find<QPlainTextEdit>("Text4")->setPlainText(QStringLiteral("書けないメモ"));
    b.click("Command13");
    QCOMPARE(b.ts.dialogs->count(testing::DialogRecord::Message), 1);
    QVERIFY(b.ts.dialogs->last()->text.contains(QStringLiteral("メモは入力欄に残っています。")));
    QCOMPARE(b.current(), w);
    QVERIFY(w->results().memoEditing());
    QCOMPARE(b.find<QPlainTextEdit>("Text4")->toPlainText(), QStringLiteral("書けないメモ"));
    QCOMPARE(b.ts.readBytes(kDataFile), before);
}

void TestResults::emptyOrMemoOnlyFileShowsNoRuns_data()
{
    QTest::addColumn<QStringList>("lines");
    QTest::newRow("memo only") << QStringList{QStringLiteral("実験条件=メモだけ")};
    QTest::newRow("empty file") << QStringList{};
}

void TestResults::emptyOrMemoOnlyFileShowsNoRuns()
{
    QFETCH(QStringList, lines);
    Bench b;
    b.ts.writeLines(kDataFile, lines);
    b.open(0);
    QCOMPARE(b.text("Label27"), QStringLiteral("（全ラン=0）"));
    QCOMPARE(b.text("Label16"), QStringLiteral("◆全ラン平均一致数=0.0、ラン数=0 (Tr1T=0, In1T=0, Av1T=0)"));
    QCOMPARE(b.text("Label14"), QString());
    QVERIFY(!b.visible("Frame1"));
    for (int i = 1; i <= 100; ++i)
        QVERIFY(!b.visible(QStringLiteral("Command3(%1)").arg(i)));
    QCOMPARE(b.text("Label15"), QStringLiteral("◆実験期間； ～ "));

    // Browsing has nowhere to go: both clamps beep and the view stays as it is.
    b.click("Command8");
    QCOMPARE(b.browsed(), 0);
    QCOMPARE(b.beeps(), 2);
    QCOMPARE(b.text("Label15"), QStringLiteral("◆実験期間； ～ "));
    // The display of the run just finished, with no run in the file, judges nothing.
    b.current()->results().display();
    QVERIFY(b.text("Label15").startsWith(QStringLiteral("◆一致数=0")));
    QCOMPARE(b.text("Label13"), QString());
    QCOMPARE(b.text("Label16"), QStringLiteral("◆全ラン平均一致数=0.0、ラン数=0 (Tr1T=0, In1T=0, Av1T=0)"));
    QVERIFY(!b.visible("Frame1"));
}

void TestResults::backButtonGoesToOverviewThenMainWindow()
{
    Bench b;
    b.module->setMainWindowFactory([](Module1 &) {
        auto *w = new QWidget;
        w->setObjectName(QStringLiteral("frmMain"));
        return w;
    });
    b.writeRuns({50, 51, 52});
    toushiJikken *run = b.open(2);
    b.click("Command2");
    QCOMPARE(b.current(), run); // the same window shows the overview
    QCOMPARE(b.browsed(), 0);
    QCOMPARE(b.module->state().ResultsOnly.toInt(), 1);
    QCOMPARE(b.text("Label11"), QStringLiteral("　各ランの一致数　"));
    QCOMPARE(b.find<QPushButton>("Command2")->text(), QStringLiteral("最初に戻る"));

    b.click("Command2");
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(!b.module->experimentWindow());
    QVERIFY(b.module->mainWindow());
    QCOMPARE(b.module->state().ResultsOnly.toInt(), 0);
    QCOMPARE(b.ts.process->quits, 0);
}

void TestResults::lowerChartToggleWithoutReload()
{
    Bench b;
    b.writeRuns({50, 50});
    toushiJikken *w = b.open(0);
    QCOMPARE(b.text("Label18"), QStringLiteral(" 刺激の前後 (全ラン) "));
    QCOMPARE(b.find<QPushButton>("Command11")->text(), QStringLiteral("全試行表示"));
    QVERIFY(b.visible("Label26"));
    const QString summary = b.text("Label16");
    // A run added behind the view's back stays unseen: the toggle only redraws the chart.
    b.writeRuns({50, 50, 60});

    b.click("Command11");
    QCOMPARE(w->results().allRunChartMode(), 1);
    QCOMPARE(b.text("Label18"), QStringLiteral(" 各試行の一致数(全ラン) "));
    QCOMPARE(b.find<QPushButton>("Command11")->text(), QStringLiteral("刺激の前後表示"));
    QVERIFY(!b.visible("Label26"));
    QCOMPARE(b.find("Picture4")->width(), units::px(6100));
    QCOMPARE(b.text("Label16"), summary);

    b.click("Command11");
    QCOMPARE(w->results().allRunChartMode(), 2);
    QCOMPARE(b.text("Label18"), QStringLiteral(" 刺激の前後 (全ラン) "));
    QCOMPARE(b.find("Picture4")->width(), units::px(5900));
    QCOMPARE(b.text("Label16"), summary);
    QCOMPARE(b.current(), w);
}

void TestResults::feedbackBoxMovesOnlyBeforeResults()
{
    Bench b;
    b.writeRuns({50});
    SharedState &s = b.module->state();
    s.LaunchedFromMain = 1;
    s.BrowsedRun = 0;
    s.ResultsOnly = 0;
    toushiJikken *w = b.current();
    QVERIFY(!w->results().resultsShown());
    QTest::mouseRelease(w, Qt::LeftButton, Qt::NoModifier, QPoint(100, 300));
    QCOMPARE(vora::testing::control<QLabel>(w, "Label4")->pos(), QPoint(100, 300));
    QCOMPARE(vora::testing::control<QProgressBar>(w, "ProgressBar1")->pos(), QPoint(100, 300 + vora::testing::control<QLabel>(w, "Label4")->height()));
    QCOMPARE(vora::testing::control<QLabel>(w, "Label28")->pos(), QPoint(100 + units::px(200), 300 + units::px(100)));

    // On the instruction panel the pointer counts from the panel's corner, at any time.
    QTest::mouseRelease(vora::testing::control<QLabel>(w, "Label2"), Qt::LeftButton, Qt::NoModifier, QPoint(20, 10));
    QCOMPARE(vora::testing::control<QLabel>(w, "Label4")->pos(), vora::testing::control<QLabel>(w, "Label2")->pos() + QPoint(20, 10));

    w->results().display();
    QVERIFY(w->results().resultsShown());
    const QPoint shown = vora::testing::control<QLabel>(w, "Label4")->pos();
    QTest::mouseRelease(w, Qt::LeftButton, Qt::NoModifier, QPoint(50, w->height() - 20));
    QCOMPARE(vora::testing::control<QLabel>(w, "Label4")->pos(), shown);
}

void TestResults::chartSavedAsPicture()
{
    Bench b;
    b.writeRuns({50, 55, 45});
    b.open(0);
    auto *chart = b.find<ChartBox>("Picture2");
    const QString target = b.ts.path(QStringLiteral("charts/all-runs"));
    QDir().mkpath(b.ts.path(QStringLiteral("charts")));
    b.ts.dialogs->fileAnswers.enqueue(target);

    QContextMenuEvent menuEvent(QContextMenuEvent::Mouse, QPoint(20, 20), chart->mapToGlobal(QPoint(20, 20)));
    QApplication::sendEvent(chart, &menuEvent);
    auto *menu = chart->findChild<QMenu *>(QStringLiteral("ChartMenu"));
    QVERIFY(menu);
    QCOMPARE(menu->actions().size(), 2);
    QCOMPARE(menu->actions().first()->text(), QStringLiteral("画像として保存…"));
    QCOMPARE(menu->actions().last()->text(), QStringLiteral("レポートを保存…"));
    menu->actions().first()->trigger();
    menu->close();

    QCOMPARE(b.ts.dialogs->count(testing::DialogRecord::SaveFile), 1);
    QCOMPARE(b.ts.dialogs->last()->text, QStringLiteral("画像として保存"));
    QCOMPARE(b.ts.dialogs->last()->defaultText, b.ts.path(QStringLiteral("Test_試行部分ごとの結果全ラン.png")));
    const QImage saved(target + QStringLiteral(".png"), "PNG");
    QVERIFY(!saved.isNull());
    QCOMPARE(saved.size(), chart->size());
    // The picture is the chart: the black frame's corner is where the chart draws it.
    QCOMPARE(saved.pixelColor(qRound(ChartBox::mm(68)) , qRound(ChartBox::mm(40))), QColor(Qt::black));
    QCOMPARE(b.ts.dialogs->count(testing::DialogRecord::Message), 0);
}

void TestResults::chartSaveFailureIsReported()
{
    Bench b;
    b.writeRuns({50});
    b.open(0);
    auto *chart = b.find<ChartBox>("Picture1");
    b.ts.dialogs->fileAnswers.enqueue(b.ts.path(QStringLiteral("no/such/folder/chart.png")));
    Q_EMIT chart->imageSaveRequested(chart);
    QCOMPARE(b.ts.dialogs->count(testing::DialogRecord::Message), 1);
    QVERIFY(b.ts.dialogs->last()->text.startsWith(QStringLiteral("グラフの画像を保存できませんでした。")));
    // Cancelling the dialog writes nothing and says nothing.
    Q_EMIT chart->imageSaveRequested(chart);
    QCOMPARE(b.ts.dialogs->count(testing::DialogRecord::Message), 1);
}

void TestResults::reportSavedFromResultsView()
{
    Bench b;
    b.writeRuns({50, 63, 45}, {{2, QStringLiteral("集中<BR>できた")}});
    b.open(2);
    auto *chart = b.find<ChartBox>("Picture4");
    const QString target = b.ts.path(QStringLiteral("Test_report.html"));
    QFile old(target);
    QVERIFY(old.open(QIODevice::WriteOnly) && old.write("old") == 3);
    old.close();

    // A failed write is told and leaves the earlier file as it was.
    b.ts.dialogs->fileAnswers.enqueue(b.ts.path(QStringLiteral("no/such/folder/report")));
    QContextMenuEvent menuEvent(QContextMenuEvent::Mouse, QPoint(20, 20), chart->mapToGlobal(QPoint(20, 20)));
    QApplication::sendEvent(chart, &menuEvent);
    auto *menu = chart->findChild<QMenu *>(QStringLiteral("ChartMenu"));
    QVERIFY(menu);
    menu->actions().last()->trigger();
    menu->close();
    QCOMPARE(b.ts.dialogs->count(testing::DialogRecord::Message), 1);
    QVERIFY(b.ts.dialogs->last()->text.startsWith(QStringLiteral("レポートを保存できませんでした。")));

    b.ts.dialogs->fileAnswers.enqueue(b.ts.path(QStringLiteral("Test_report")));
    Q_EMIT chart->reportSaveRequested();
    const testing::DialogRecord &asked = b.ts.dialogs->records.at(b.ts.dialogs->records.size() - 1);
    QCOMPARE(asked.text, QStringLiteral("レポートを保存"));
    QCOMPARE(asked.defaultText, target);
    QFile saved(target);
    QVERIFY(saved.open(QIODevice::ReadOnly));
    const QString html = QString::fromUtf8(saved.readAll());
    // The whole experiment, in UTF-8, with the browsed run's segment chart and its memo.
    QVERIFY(html.startsWith(QStringLiteral("<!DOCTYPE html>")));
    QVERIFY(html.contains(QStringLiteral("◆全ラン平均一致数=52.6、ラン数=3")));
    QVERIFY(html.contains(QStringLiteral("今回の試行部分ごとの結果（ラン 2）")));
    QVERIFY(html.contains(QStringLiteral("集中<br>できた")));
    QCOMPARE(html.count(QStringLiteral("<svg class=\"chart\"")), 7);
    QCOMPARE(b.ts.dialogs->count(testing::DialogRecord::Message), 1);
}

void TestResults::panelClickPutsItAway()
{
    Bench b;
    b.writeRuns({66});
    b.open(1);
    QVERIFY(b.visible("Frame1"));
    QVERIFY(b.visible("Picture5"));
    auto *caption = b.find<QLabel>("Label29");
    for (int i = 0; i < 3; ++i)
        b.hover("Label29");
    QCOMPARE(caption->palette().color(QPalette::Window), QColor(252, 255, 0));
    QTest::mouseClick(caption, Qt::LeftButton);
    QVERIFY(!b.visible("Frame1"));
    QVERIFY(!b.visible("Picture5"));
}

QTEST_MAIN(TestResults)
#include "tst_results.moc"
