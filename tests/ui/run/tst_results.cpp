// The results view after a run and on a stored run: figures and texts, the judgement panel and
// its picture, the overview's back button and chart toggle, empty files, and saving a chart as
// a picture or the whole experiment as a report.
#include "ResultsBench.h"
#include "core/results/Evaluation.h"
#include "core/toolkit/Units.h"
#include "ui/results/ChartBox.h"
#include "ui/results/ResultsDisplay.h"

#include <QContextMenuEvent>
#include <QMenu>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QTimer>

using namespace vora;
using vora::testing::Bench;
using vora::testing::kDataFile;
using vora::testing::realContinuousTiming;
using vora::testing::runLineWithHits;

class TestResults : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void finishedRunDisplayShowsNewestRunAndResets();
    void congratulationByHits_data();
    void congratulationByHits();
    void panelBelowChartDuringContinuousDisplay();
    void panelClickPutsItAway();
    void emptyOrMemoOnlyFileShowsNoRuns_data();
    void emptyOrMemoOnlyFileShowsNoRuns();
    void backButtonGoesToOverviewThenMainWindow();
    void lowerChartToggleWithoutReload();
    void feedbackBoxMovesOnlyBeforeResults();
    void chartSavedAsPicture();
    void chartSaveFailureIsReported();
    void reportSavedFromResultsView();
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
    s.launchedFromMain = true;
    s.showRunView();
    s.showConditions = true;
    s.backgroundImagePath = b.ts.path(QStringLiteral("yama1.jpg"));
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
    QCOMPARE(s.backgroundImagePath, QString());
    // The run state is reset for the next run and the layout step is armed.
    QCOMPARE(w->runVariables().TrialNo, 0);
    QCOMPARE(w->runVariables().HitCount, 0);
    QCOMPARE(w->instructionToggle(), 0);
    QVERIFY(vora::testing::control<RunTimer>(w, "Timer3")->isActive());
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
    QCOMPARE(b.module->state().view, ExperimentView::Overview);
    QCOMPARE(b.text("Label11"), QStringLiteral("　各ランの一致数　"));
    QCOMPARE(b.find<QPushButton>("Command2")->text(), QStringLiteral("最初に戻る"));

    b.click("Command2");
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(!b.module->experimentWindow());
    QVERIFY(b.module->mainWindow());
    QCOMPARE(b.module->state().view, ExperimentView::Run);
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
    s.launchedFromMain = true;
    s.showRunView();
    toushiJikken *w = b.current();
    QVERIFY(!w->results().resultsShown());
    QTest::mouseRelease(w, Qt::LeftButton, Qt::NoModifier, QPoint(100, 300));
    QCOMPARE(vora::testing::control<QLabel>(w, "Label4")->pos(), QPoint(100, 300));
    QCOMPARE(vora::testing::control<QProgressBar>(w, "ProgressBar1")->pos(),
             QPoint(100, 300 + vora::testing::control<QLabel>(w, "Label4")->height()));
    QCOMPARE(vora::testing::control<QLabel>(w, "Label28")->pos(), QPoint(100 + units::px(200), 300 + units::px(100)));

    // On the instruction panel the pointer counts from the panel's corner, at any time.
    QTest::mouseRelease(vora::testing::control<QLabel>(w, "Label2"), Qt::LeftButton, Qt::NoModifier, QPoint(20, 10));
    QCOMPARE(vora::testing::control<QLabel>(w, "Label4")->pos(),
             vora::testing::control<QLabel>(w, "Label2")->pos() + QPoint(20, 10));

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
    QTRY_COMPARE(b.ts.dialogs->unanswered(), 0);
    const QImage saved(target + QStringLiteral(".png"), "PNG");
    QVERIFY(!saved.isNull());
    QCOMPARE(saved.size(), chart->size());
    // The picture is the chart: the black frame's corner is where the chart draws it.
    QCOMPARE(saved.pixelColor(qRound(ChartBox::mm(68)), qRound(ChartBox::mm(40))), QColor(Qt::black));
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
    QTRY_COMPARE(b.ts.dialogs->count(testing::DialogRecord::Message), 1);
    QVERIFY(b.ts.dialogs->last()->text.startsWith(QStringLiteral("グラフの画像を保存できませんでした。")));
    // Cancelling the dialog writes nothing and says nothing.
    Q_EMIT chart->imageSaveRequested(chart);
    QTRY_COMPARE(b.ts.dialogs->unanswered(), 0);
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
    QTRY_COMPARE(b.ts.dialogs->count(testing::DialogRecord::Message), 1);
    QVERIFY(b.ts.dialogs->last()->text.startsWith(QStringLiteral("レポートを保存できませんでした。")));

    b.ts.dialogs->fileAnswers.enqueue(b.ts.path(QStringLiteral("Test_report")));
    Q_EMIT chart->reportSaveRequested();
    const testing::DialogRecord &asked = b.ts.dialogs->records.at(b.ts.dialogs->records.size() - 1);
    QCOMPARE(asked.text, QStringLiteral("レポートを保存"));
    QCOMPARE(asked.defaultText, target);
    QTRY_COMPARE(b.ts.dialogs->unanswered(), 0);
    QFile saved(target);
    QVERIFY(saved.open(QIODevice::ReadOnly));
    const QString html = QString::fromUtf8(saved.readAll());
    // The whole experiment, in UTF-8, with the browsed run's segment chart and its memo.
    QVERIFY(html.startsWith(QStringLiteral("<!DOCTYPE html>")));
    QVERIFY(html.contains(QStringLiteral("◆全ラン平均一致数=52.6、ラン数=3")));
    QVERIFY(html.contains(QStringLiteral("今回の試行部分ごとの結果（ラン 2）")));
    QVERIFY(html.contains(QStringLiteral("集中<br/>できた")));
    QCOMPARE(html.count(QStringLiteral("<svg class=\"chart\"")), 7);
    QCOMPARE(b.ts.dialogs->count(testing::DialogRecord::Message), 1);
}

QTEST_MAIN(TestResults)
#include "tst_results.moc"
