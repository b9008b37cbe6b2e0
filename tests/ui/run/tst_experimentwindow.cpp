// The experiment window with fake services and shrunk timings: opening through the start module,
// whole runs and the line they write, the start, keys, feedback and the idle flicker, the how-to
// and help buttons, and the condition memo.
#include "RunRig.h"
#include "core/run/Instructions.h"
#include "core/study/Seal.h"
#include "ui/results/ResultsDisplay.h"
#include "ui/run/ExperimentWindow.h"

#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QSet>
#include <QTimer>

using namespace vora;
using namespace vora::testing;

class ExperimentWindowTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void opensThroughModuleWithItsControls_data();
    void opensThroughModuleWithItsControls();
    void completeRunWritesTheLine_data();
    void completeRunWritesTheLine();
    void runStart_data();
    void runStart();
    void keysThatAreNotTrials_data();
    void keysThatAreNotTrials();
    void keysBeforeStartAreNotTrials();
    void feedback_data();
    void feedback();
    void idleFlickerAndRestart();
    void howToToggles();
    void helpOpensThePage();
    void conditionMemo_data();
    void conditionMemo();
};

void ExperimentWindowTest::opensThroughModuleWithItsControls_data()
{
    QTest::addColumn<QString>("name");
    for (const char *n :
         {"Label1", "Label2", "Label4", "Label28", "Label30", "Label31", "Label33", "Label34", "Label35", "Label36",
          "Text1", "Text5", "ProgressBar1", "Command1", "Command4", "Command5", "Command12", "Timer2", "Timer3"})
        QTest::newRow(n) << QString::fromLatin1(n);
}

void ExperimentWindowTest::opensThroughModuleWithItsControls()
{
    QFETCH(QString, name);
    Rig r;
    r.module->setExperimentWindowFactory(makeExperimentWindow);
    auto *w = qobject_cast<toushiJikken *>(r.module->showExperimentWindow());
    QVERIFY(w);
    QCOMPARE(w->objectName(), QStringLiteral("toushiJikken"));
    QCOMPARE(w->windowTitle(), QStringLiteral("ESP実験"));
    QCOMPARE(w->size(), QSize(967, 693)); // 14500 x 10400 twips
    QVERIFY(w->findChild<QObject *>(name));
    // The load took note of the launch.
    QVERIFY(!r.module->state().launchedFromMain);
    QCOMPARE(vora::testing::control<QLabel>(w, "Label30")->text(), QStringLiteral("Test1"));
    QCOMPARE(vora::testing::control<QLabel>(w, "Label33")->text(), QStringLiteral("V 1.0.0"));
    QCOMPARE(vora::testing::control<QLabel>(w, "Label34")->text(), QStringLiteral("14:30"));
    QVERIFY(vora::testing::control<QPushButton>(w, "Command4")->isVisible());
}

void ExperimentWindowTest::completeRunWritesTheLine_data()
{
    QTest::addColumn<int>("hour");
    QTest::addColumn<QString>("hitDisplay");
    QTest::addColumn<QString>("startTime");
    QTest::newRow("afternoon, digits") << 14 << "-"
                                       << "14:30";
    QTest::newRow("one-digit hour, marks") << 9 << "D"
                                           << " 9:30";
}

void ExperimentWindowTest::completeRunWritesTheLine()
{
    QFETCH(int, hour);
    QFETCH(QString, hitDisplay);
    QFETCH(QString, startTime);
    auto mirror = std::make_shared<FakeMirror>();
    Rig r(QStringLiteral("n"), hitDisplay, [&](Services &sv) { sv.mirror = mirror; });
    int sealedWhenQueued = -1;
    mirror->onSaved = [&](const QString &path) { sealedWhenQueued = study::verifyDataFile(path).sealedRuns(); };
    r.ts.clock->setTime(hour, 30, 12);
    const QString targets = pattern(7);
    const QString inputs = pattern(11);
    r.ts.random->script(drawsFor(targets));
    r.open();
    r.start();
    for (int i = 0; i < kTrialsPerRun; ++i) {
        QCOMPARE(r.v().TrialNo, i);
        r.key(inputs.at(i).toLatin1());
    }
    r.settleAfterRun();
    QCOMPARE(vora::testing::control<QProgressBar>(r.w, "ProgressBar1")->value(), 100);
    QCOMPARE(r.ts.sound->beeps, 6); // three at the start, three at the end
    QCOMPARE(r.ts.random->remaining(), 0);

    int hits = 0;
    int blocks[5] = {};
    for (int i = 0; i < 100; ++i)
        if (targets.at(i) == inputs.at(i)) {
            ++hits;
            ++blocks[i / 20];
        }
    const QString expected = QStringLiteral("Test1     2009/04/25 ") + startTime + QStringLiteral("n")
                             + QString::asprintf("%2d", hits) + hitDisplay + QString::asprintf("%2d", blocks[0])
                             + QString::asprintf("%3d%3d%3d%3d", blocks[1], blocks[2], blocks[3], blocks[4])
                             + QStringLiteral("  0  0  0  0  0 ") + targets + QStringLiteral(" ") + inputs;
    QCOMPARE(expected.size(), 261);
    QCOMPARE(r.ts.readLines(r.dataFile()), QStringList{expected});
    QVERIFY(r.ts.readBytes(r.dataFile()).endsWith("\r\n"));
    QCOMPARE(r.ts.readBytes(r.dataFile()).size(), 263);
    // Sealed before the results were shown.
    const study::Verification sealed = study::verifyDataFile(r.ts.path(r.dataFile()));
    QVERIFY(sealed.intact());
    QCOMPARE(sealed.sealedRuns(), 1);
    QVERIFY(sealed.findings.isEmpty());
    // Sealed at the time the program's clock gives, not the machine's.
    const QStringList seal = r.ts.readLines(QStringLiteral("data/Test1-0.seal"));
    QCOMPARE(seal.size(), 2);
    QVERIFY2(seal.at(1)
                 .section(QLatin1Char(' '), 3)
                 .startsWith(QStringLiteral("2009-04-25T%1:30:12").arg(hour, 2, 10, QLatin1Char('0'))),
             qPrintable(seal.at(1)));
    // Queued once for the study database, after the save and the seal.
    QCOMPARE(mirror->saved.size(), 1);
    QCOMPARE(mirror->saved.first().first, r.ts.path(r.dataFile()));
    QCOMPARE(mirror->saved.first().second, expected);
    QCOMPARE(sealedWhenQueued, 1);
    // The results display took over and reset the run.
    QVERIFY(r.w->results().resultsShown());
    QCOMPARE(r.v().TrialNo, 0);
    QVERIFY(!vora::testing::control<RunTimer>(r.w, "Timer2")->isActive());
}

void ExperimentWindowTest::runStart_data()
{
    QTest::addColumn<int>("hour");
    QTest::addColumn<int>("minute");
    QTest::addColumn<double>("firstDraw");
    QTest::addColumn<QString>("target");
    QTest::addColumn<QString>("startTime");
    QTest::newRow("9:05, draw 0.5") << 9 << 5 << 0.5 << "0"
                                    << " 9:05";
    QTest::newRow("14:30, draw 0.51") << 14 << 30 << 0.51 << "1"
                                      << "14:30";
    QTest::newRow("0:07, draw 0.2") << 0 << 7 << 0.2 << "0"
                                    << " 0:07";
}

void ExperimentWindowTest::runStart()
{
    QFETCH(int, hour);
    QFETCH(int, minute);
    QFETCH(double, firstDraw);
    QFETCH(QString, target);
    QFETCH(QString, startTime);
    Rig r(QStringLiteral("B"), QStringLiteral("D"));
    r.ts.clock->setTime(hour, minute, 12);
    r.ts.random->script({firstDraw});
    r.open();
    QVERIFY(!r.w->engine().hasTarget());
    r.start();
    QCOMPARE(r.v().CurrentTarget, target);
    QCOMPARE(r.v().RunStartTime, startTime);
    QCOMPARE(vora::testing::control<QLabel>(r.w, "Label34")->text(),
             startTime.trimmed()); // opening time, no stray colon
    QCOMPARE(r.ts.sound->beeps, 3);
    QVERIFY(vora::testing::control<QPushButton>(r.w, "Command4")->isHidden());
    QVERIFY(vora::testing::control<QLabel>(r.w, "Label35")->isHidden());
    QCOMPARE(vora::testing::control<QLabel>(r.w, "Label35")->text(), instructions::countdownGo());
    QVERIFY(vora::testing::control<QLabel>(r.w, "Label36")->isVisible());
    QCOMPARE(vora::testing::control<QLabel>(r.w, "Label36")->geometry(),
             vora::testing::control<QLabel>(r.w, "Label4")->geometry());
    QVERIFY(vora::testing::control<QLineEdit>(r.w, "Text1")->isVisible());
    QVERIFY(!vora::testing::control<QLineEdit>(r.w, "Text1")->testAttribute(Qt::WA_InputMethodEnabled));
    // The input method is told so too (a line edit would say it takes composed text); the
    // other answers are the box's own.
    QInputMethodQueryEvent query(Qt::ImEnabled | Qt::ImHints);
    QCoreApplication::sendEvent(vora::testing::control<QLineEdit>(r.w, "Text1"), &query);
    QCOMPARE(query.value(Qt::ImEnabled), QVariant(false));
    QVERIFY(query.value(Qt::ImHints).toInt() & Qt::ImhDigitsOnly);
    QVERIFY(vora::testing::control<RunTimer>(r.w, "Timer2")->isActive());
    QCOMPARE(vora::testing::control<QLabel>(r.w, "Label1")->text(), QStringLiteral("　ＶＯＲＡ(刺激１)　"));
    QCOMPARE(vora::testing::control<QLabel>(r.w, "Label2")->text(), instructions::shortText(true, true));
    QCOMPARE(r.w->instructionToggle(), 1);
}

void ExperimentWindowTest::keysThatAreNotTrials_data()
{
    QTest::addColumn<int>("key");
    QTest::newRow("2") << int(Qt::Key_2);
    QTest::newRow("letter") << int(Qt::Key_A);
    QTest::newRow("Enter") << int(Qt::Key_Return);
    QTest::newRow("space") << int(Qt::Key_Space);
}

void ExperimentWindowTest::keysThatAreNotTrials()
{
    QFETCH(int, key);
    Rig r;
    r.ts.random->script({0.9, 0.1, 0.9});
    r.open();
    r.start();
    r.key('1');
    QVERIFY(vora::testing::control<QLabel>(r.w, "Label36")->isVisible());
    const RunVariables before = r.v();
    r.keyCode(Qt::Key(key));
    QCOMPARE(r.v().TrialNo, before.TrialNo);
    QCOMPARE(r.v().TargetString, before.TargetString);
    QCOMPARE(r.v().InputString, before.InputString);
    QCOMPARE(r.v().HitCount, before.HitCount);
    QCOMPARE(r.v().CurrentTarget, before.CurrentTarget);
    QCOMPARE(r.ts.random->remaining(), 1);
    QVERIFY(vora::testing::control<QLabel>(r.w, "Label36")->isHidden());
    QVERIFY(vora::testing::control<RunTimer>(r.w, "Timer3")->isActive());
    QVERIFY(vora::testing::control<QLineEdit>(r.w, "Text1")->text().isEmpty());
    // The next accepted key is the second trial, against the target that was waiting.
    r.key('0');
    QCOMPARE(r.v().TrialNo, 2);
    QCOMPARE(r.v().TargetString, QStringLiteral("10"));
    QCOMPARE(r.v().HitCount, 2);
    QVERIFY(vora::testing::control<QLabel>(r.w, "Label36")->isVisible());
}

void ExperimentWindowTest::keysBeforeStartAreNotTrials()
{
    Rig r;
    r.ts.random->script({0.9});
    r.open();
    r.key('1');
    r.key('0');
    QCOMPARE(r.v().TrialNo, 0);
    QVERIFY(r.v().InputString.isEmpty());
    QCOMPARE(r.ts.random->remaining(), 1);
    r.start();
    QCOMPARE(r.v().TrialNo, 0);
    QCOMPARE(r.v().CurrentTarget, QStringLiteral("1"));
}

void ExperimentWindowTest::feedback_data()
{
    QTest::addColumn<QString>("hitDisplay");
    QTest::addColumn<double>("draw");
    QTest::addColumn<char>("key");
    QTest::addColumn<QString>("shown");
    QTest::addColumn<QColor>("colour");
    QTest::newRow("D hit") << "D" << 0.9 << '1' << "○" << QColor(255, 255, 0);
    QTest::newRow("D miss") << "D" << 0.9 << '0' << "×" << QColor(0, 0, 255);
    QTest::newRow("D hit on 0") << "D" << 0.5 << '0' << "○" << QColor(255, 255, 0);
    QTest::newRow("- shows 1") << "-" << 0.1 << '1' << "1" << QColor(255, 255, 255);
    QTest::newRow("- shows 0") << "-" << 0.1 << '0' << "0" << QColor(255, 255, 255);
}

void ExperimentWindowTest::feedback()
{
    QFETCH(QString, hitDisplay);
    QFETCH(double, draw);
    QFETCH(char, key);
    QFETCH(QString, shown);
    QFETCH(QColor, colour);
    Rig r(QStringLiteral("n"), hitDisplay);
    r.ts.random->script({draw});
    r.open();
    r.start();
    QTest::keyClick(vora::testing::control<QLineEdit>(r.w, "Text1"), key);
    // On show until the hold is over.
    QCOMPARE(r.phase(), RunFlow::Phase::FeedbackHold);
    QCOMPARE(vora::testing::control<QLabel>(r.w, "Label4")->text(), shown);
    QCOMPARE(vora::testing::control<QLabel>(r.w, "Label4")->palette().color(QPalette::WindowText), colour);
    QCOMPARE(vora::testing::control<QLabel>(r.w, "Label4")->font().pointSize(), 100);
    QVERIFY(vora::testing::control<QLabel>(r.w, "Label36")->isHidden());
    r.handled();
    QVERIFY(vora::testing::control<QLabel>(r.w, "Label4")->text().isEmpty());
    QVERIFY(vora::testing::control<QLabel>(r.w, "Label36")->isVisible());
    QCOMPARE(r.v().InputString, QString(QLatin1Char(key)));
}

void ExperimentWindowTest::idleFlickerAndRestart()
{
    Rig r;
    r.open();
    r.start();
    r.key('1');
    const QString low = QStringLiteral("\r\n").repeated(5);
    QSet<QString> seen;
    QTRY_VERIFY_WITH_TIMEOUT(
        (vora::testing::control<QLabel>(r.w, "Label4")->text().startsWith(low)
         && (seen.insert(vora::testing::control<QLabel>(r.w, "Label4")->text()), seen.size() == 2)),
        5000);
    QVERIFY(seen.contains(low + QStringLiteral("1")));
    QVERIFY(seen.contains(low + QStringLiteral("0")));
    QVERIFY(vora::testing::control<QLabel>(r.w, "Label36")->isHidden());
    QCOMPARE(vora::testing::control<RunTimer>(r.w, "Timer2")->interval(), r.ts.services.timing.flickerTickMs);
    QCOMPARE(vora::testing::control<QLabel>(r.w, "Label4")->font().pointSize(), 10);
    r.key('0');
    QCOMPARE(r.v().TrialNo, 2);
    QCOMPARE(vora::testing::control<RunTimer>(r.w, "Timer2")->interval(), r.ts.services.timing.shrinkTickMs);
    QVERIFY(vora::testing::control<QLabel>(r.w, "Label36")->isVisible());
    QVERIFY(vora::testing::control<QLabel>(r.w, "Label36")->width()
            <= vora::testing::control<QLabel>(r.w, "Label4")->width());
}

void ExperimentWindowTest::howToToggles()
{
    Rig r(QStringLiteral("M"), QStringLiteral("D"));
    r.open();
    QCOMPARE(vora::testing::control<QLabel>(r.w, "Label2")->text(),
             instructions::shortText(true, true) + instructions::startHint());
    const QString longText = instructions::longText(true, true);
    const QString shortText = instructions::shortText(true, true);
    const QStringList expected{longText, shortText, longText};
    for (int i = 0; i < 3; ++i) {
        QTest::mouseClick(vora::testing::control<QPushButton>(r.w, "Command1"), Qt::LeftButton);
        QCOMPARE(vora::testing::control<QLabel>(r.w, "Label2")->text(), expected.at(i));
        QCOMPARE(vora::testing::control<QLabel>(r.w, "Label2")->height(), i == 1 ? 160 : 267);
        QCOMPARE(vora::testing::control<QLabel>(r.w, "Label2")->font().pointSize(), i == 1 ? 13 : 12);
    }
}

void ExperimentWindowTest::helpOpensThePage()
{
    Rig r;
    r.open();
    auto *help = vora::testing::control<QPushButton>(r.w, "Command5");
    // Without the page the subject is told, and the window goes on.
    QTest::mouseClick(help, Qt::LeftButton);
    QTRY_COMPARE(r.ts.dialogs->records.size(), 1);
    QVERIFY(r.ts.dialogs->last()->text.contains(QStringLiteral("esphelp2.htm")));
    QVERIFY(r.ts.shell->documents.isEmpty());
    r.ts.writeBytes(QStringLiteral("esphelp2.htm"), "<html></html>");
    QTest::mouseClick(help, Qt::LeftButton);
    QCOMPARE(r.ts.shell->documents, QStringList{r.ts.path(QStringLiteral("esphelp2.htm"))});
    QTest::qWait(10);
    QCOMPARE(r.ts.dialogs->records.size(), 1);
}

void ExperimentWindowTest::conditionMemo_data()
{
    QTest::addColumn<QString>("memo");
    QTest::addColumn<bool>("show");
    QTest::addColumn<QStringList>("lines");
    QTest::newRow("two marks, shown") << QStringLiteral("部屋A\x01\x01夜\x01\x01静か") << true
                                      << QStringList{"部屋A", "夜", "静か"};
    QTest::newRow("hidden but set") << QStringLiteral("一行目\x01\x01二行目") << false
                                    << QStringList{"一行目", "二行目"};
    QTest::newRow("CR LF from the main window") << QStringLiteral("a\r\nb") << true << QStringList{"a", "b"};
}

void ExperimentWindowTest::conditionMemo()
{
    QFETCH(QString, memo);
    QFETCH(bool, show);
    QFETCH(QStringList, lines);
    Rig r;
    r.module->state().conditionMemo = memo;
    r.module->state().showConditions = show;
    r.open();
    QCOMPARE(vora::testing::control<QPlainTextEdit>(r.w, "Text5")->toPlainText().split(QLatin1Char('\n')), lines);
    QCOMPARE(vora::testing::control<QPlainTextEdit>(r.w, "Text5")->isVisible(), show);
}

QTEST_MAIN(ExperimentWindowTest)
#include "tst_experimentwindow.moc"
