// The experiment window with fake services and shrunk timings: whole runs, keys, feedback,
// the stimulus episode, the buttons, closing and saving, and random use of all of them.
#include "Fakes.h"
#include "study/Seal.h"
#include "results/ResultsDisplay.h"
#include "run/ExperimentWindow.h"
#include "run/Instructions.h"
#include "run/StimulusEpisode.h"
#include "run/toushiJikken.h"
#include "startup/Module1.h"

#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPointer>
#include <QProgressBar>
#include <QPushButton>
#include <QRandomGenerator>
#include <QScreen>
#include <QTimer>
#include <QtTest>
#include <memory>

using namespace vora;
using namespace vora::testing;

namespace {

// Lets the event loop run until `done`, in steps of a millisecond.
bool settle(const std::function<bool()> &done, int timeoutMs = 10000)
{
    QElapsedTimer t;
    t.start();
    while (!done()) {
        if (t.elapsed() > timeoutMs)
            return false;
        QTest::qWait(1);
    }
    return true;
}

// One experiment window over fresh fakes. The clock stands at 14:30:12 unless a test moves it
// (a clock text ending in "00" would make the generator repeat its previous number).
struct Rig {
    TestServices ts;
    std::unique_ptr<Module1> module;
    QPointer<toushiJikken> w;

    explicit Rig(const QString &stimulusCode = QStringLiteral("n"), const QString &hitDisplay = QStringLiteral("-"),
                 const std::function<void(Services &)> &adjust = {})
    {
        ts.clock->setTime(14, 30, 12);
        if (adjust)
            adjust(ts.services);
        module = std::make_unique<Module1>(ts.services);
        SharedState &s = module->state();
        const QString flag = stimulusCode == QLatin1String("n") ? QStringLiteral("0") : QStringLiteral("1");
        s.ExperimentName = QStringLiteral("Test1");
        s.stimulus = stimulusFromLetter(stimulusCode);
        s.hitDisplay = hitDisplayFromLetter(hitDisplay);
        s.withStimulus = flag == QLatin1String("1");
        s.stimulusFile = s.withStimulus;
        s.LaunchedFromMain = 1;
    }
    ~Rig() { delete w.data(); }

    toushiJikken *open()
    {
        w = new toushiJikken(*module);
        w->show();
        return w;
    }
    RunFlow::Phase phase() const { return w->flow().phase(); }
    // 開始, and the countdown run through.
    void start()
    {
        QTest::mouseClick(vora::testing::control<QPushButton>(w, "Command4"), Qt::LeftButton);
        QVERIFY(settle([this] { return phase() != RunFlow::Phase::Countdown; }));
    }
    // One key, and its trial (if it is one) handled to the end.
    void key(char c)
    {
        QTest::keyClick(vora::testing::control<QLineEdit>(w, "Text1"), c);
        handled();
    }
    void keyCode(Qt::Key k)
    {
        QTest::keyClick(vora::testing::control<QLineEdit>(w, "Text1"), k);
        handled();
    }
    void handled() { QVERIFY(settle([this] { return !w->flow().busy(); })); }
    void settleAfterRun()
    {
        QVERIFY(settle([this] { return phase() != RunFlow::Phase::Saving; }));
    }
    RunVariables &v() { return w->runVariables(); }
    QString dataFile() const
    {
        return QStringLiteral("data/Test1-%1.txt").arg(stimulusFileSuffix(module->state().withStimulus));
    }
};

QList<double> drawsFor(const QString &targets)
{
    QList<double> d;
    for (QChar t : targets)
        d << (t == QLatin1Char('1') ? 0.9 : 0.1);
    return d;
}

QString pattern(int seed)
{
    QString s;
    quint32 x = seed;
    for (int i = 0; i < 100; ++i) {
        x = x * 1103515245u + 12345u;
        s += ((x >> 16) & 1) ? QLatin1Char('1') : QLatin1Char('0');
    }
    return s;
}

} // namespace

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
    void stimulusEpisode_data();
    void stimulusEpisode();
    void stimulusPicture_data();
    void stimulusPicture();
    void howToToggles();
    void helpOpensThePage();
    void endQuestion_data();
    void endQuestion();
    void closingTheWindow_data();
    void closingTheWindow();
    void conditionMemo_data();
    void conditionMemo();
    void failedAppend_data();
    void failedAppend();
    void randomUse_data();
    void randomUse();
};

void ExperimentWindowTest::opensThroughModuleWithItsControls_data()
{
    QTest::addColumn<QString>("name");
    for (const char *n : {"Label1", "Label2", "Label4", "Label28", "Label30", "Label31", "Label33", "Label34", "Label35",
                          "Label36", "Text1", "Text5", "ProgressBar1", "Command1", "Command4", "Command5", "Command12",
                          "Timer2", "Timer3"})
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
    QCOMPARE(r.module->state().LaunchedFromMain.toInt(), 0);
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
    QTest::newRow("afternoon, digits") << 14 << "-" << "14:30";
    QTest::newRow("one-digit hour, marks") << 9 << "D" << " 9:30";
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
    for (int i = 0; i < 100; ++i) {
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
    // Queued once for the study database, after the save and the seal.
    QCOMPARE(mirror->saved.size(), 1);
    QCOMPARE(mirror->saved.first().first, r.ts.path(r.dataFile()));
    QCOMPARE(mirror->saved.first().second, expected);
    QCOMPARE(sealedWhenQueued, 1);
    // The results display took over and reset the run.
    QVERIFY(r.w->results().resultsShown());
    QCOMPARE(r.v().TrialNo, 0);
    QVERIFY(!vora::testing::control<QTimer>(r.w, "Timer2")->isActive());
}

void ExperimentWindowTest::runStart_data()
{
    QTest::addColumn<int>("hour");
    QTest::addColumn<int>("minute");
    QTest::addColumn<double>("firstDraw");
    QTest::addColumn<QString>("target");
    QTest::addColumn<QString>("startTime");
    QTest::newRow("9:05, draw 0.5") << 9 << 5 << 0.5 << "0" << " 9:05";
    QTest::newRow("14:30, draw 0.51") << 14 << 30 << 0.51 << "1" << "14:30";
    QTest::newRow("0:07, draw 0.2") << 0 << 7 << 0.2 << "0" << " 0:07";
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
    QCOMPARE(vora::testing::control<QLabel>(r.w, "Label34")->text(), startTime.trimmed()); // opening time, no stray colon
    QCOMPARE(r.ts.sound->beeps, 3);
    QVERIFY(vora::testing::control<QPushButton>(r.w, "Command4")->isHidden());
    QVERIFY(vora::testing::control<QLabel>(r.w, "Label35")->isHidden());
    QCOMPARE(vora::testing::control<QLabel>(r.w, "Label35")->text(), instructions::countdownGo());
    QVERIFY(vora::testing::control<QLabel>(r.w, "Label36")->isVisible());
    QCOMPARE(vora::testing::control<QLabel>(r.w, "Label36")->geometry(), vora::testing::control<QLabel>(r.w, "Label4")->geometry());
    QVERIFY(vora::testing::control<QLineEdit>(r.w, "Text1")->isVisible());
    QVERIFY(!vora::testing::control<QLineEdit>(r.w, "Text1")->testAttribute(Qt::WA_InputMethodEnabled));
    QVERIFY(vora::testing::control<QTimer>(r.w, "Timer2")->isActive());
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
    QVERIFY(vora::testing::control<QTimer>(r.w, "Timer3")->isActive());
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
    QTRY_VERIFY_WITH_TIMEOUT((vora::testing::control<QLabel>(r.w, "Label4")->text().startsWith(low) && (seen.insert(vora::testing::control<QLabel>(r.w, "Label4")->text()), seen.size() == 2)),
                             5000);
    QVERIFY(seen.contains(low + QStringLiteral("1")));
    QVERIFY(seen.contains(low + QStringLiteral("0")));
    QVERIFY(vora::testing::control<QLabel>(r.w, "Label36")->isHidden());
    QCOMPARE(vora::testing::control<QTimer>(r.w, "Timer2")->interval(), r.ts.services.timing.flickerTickMs);
    QCOMPARE(vora::testing::control<QLabel>(r.w, "Label4")->font().pointSize(), 10);
    r.key('0');
    QCOMPARE(r.v().TrialNo, 2);
    QCOMPARE(vora::testing::control<QTimer>(r.w, "Timer2")->interval(), r.ts.services.timing.shrinkTickMs);
    QVERIFY(vora::testing::control<QLabel>(r.w, "Label36")->isVisible());
    QVERIFY(vora::testing::control<QLabel>(r.w, "Label36")->width() <= vora::testing::control<QLabel>(r.w, "Label4")->width());
}

void ExperimentWindowTest::stimulusEpisode_data()
{
    QTest::addColumn<QString>("code");
    QTest::addColumn<double>("draw");
    QTest::addColumn<int>("start");
    QTest::addColumn<bool>("fillsScreen");
    QTest::newRow("S at 45") << "S" << 0.375 << 45 << false;
    QTest::newRow("M at 45") << "M" << 0.375 << 45 << true;
    QTest::newRow("B at 31") << "B" << 0.025 << 31 << true;
    QTest::newRow("B at 69") << "B" << 0.999 << 69 << true;
}

void ExperimentWindowTest::stimulusEpisode()
{
    QFETCH(QString, code);
    QFETCH(double, draw);
    QFETCH(int, start);
    QFETCH(bool, fillsScreen);
    Rig r(code);
    QImage background(40, 30, QImage::Format_RGB32);
    background.fill(Qt::darkGreen);
    const QString backgroundPath = r.ts.path(QStringLiteral("yama1.png"));
    QVERIFY(background.save(backgroundPath));
    r.module->state().BackgroundImagePath = backgroundPath;
    QList<double> draws(30, 0.9);
    draws << draw;
    r.ts.random->script(draws);
    r.open();
    r.start();
    const QRect home = r.w->geometry();
    const QRect screen = QGuiApplication::primaryScreen()->geometry();
    StimulusEpisode &ep = r.w->episode();
    for (int trial = 1; trial <= 100; ++trial) {
        r.key('1');
        if (trial < start - 1) {
            QVERIFY2(!ep.isActive(), qPrintable(QString::number(trial)));
        } else if (trial == start - 1) {
            QVERIFY(ep.isActive());
            QVERIFY(!r.w->hasBackgroundPicture());
            if (fillsScreen)
                QTRY_COMPARE(r.w->geometry(), screen);
            else
                QCOMPARE(r.w->geometry(), home);
            QTRY_VERIFY(ep.flashes() >= 2);
            QVERIFY(r.w->backColour() != QColor(255, 255, 255) || ep.flashes() > 0);
        } else if (trial < start + 6) {
            QVERIFY(ep.isActive());
        } else if (trial == start + 6) {
            QTRY_VERIFY(!ep.isActive());
            QTRY_COMPARE(r.w->geometry(), home);
            QCOMPARE(r.w->backColour(), QColor(255, 255, 255));
            QCOMPARE(vora::testing::control<QLabel>(r.w, "Label2")->text(), instructions::shortText(true, false));
            QVERIFY(r.w->hasBackgroundPicture());
        } else {
            QVERIFY(!ep.isActive());
        }
    }
    const QStringList lines = r.ts.readLines(r.dataFile());
    QCOMPARE(lines.size(), 1);
    QCOMPARE(lines.at(0).size(), 261);
    QCOMPARE(lines.at(0).mid(26, 1), code);
    QCOMPARE(lines.at(0).mid(44, 3), QString::asprintf("%3d", start));
    QCOMPARE(lines.at(0).mid(47, 12), QStringLiteral("  0  0  0  0"));
}

void ExperimentWindowTest::stimulusPicture_data()
{
    QTest::addColumn<bool>("withPictures");
    QTest::newRow("pictures present") << true;
    QTest::newRow("pictures missing") << false;
}

void ExperimentWindowTest::stimulusPicture()
{
    QFETCH(bool, withPictures);
    Rig r(QStringLiteral("B"), QStringLiteral("-"), [](Services &s) { s.timing.stimulusPictureMs = 400; });
    if (withPictures) {
        r.ts.copyAssets();
        if (!QFile::exists(r.ts.path(QStringLiteral("kage_hebi.jpg"))))
            QSKIP("the program's pictures are not built here");
    }
    QList<double> draws(30, 0.9);
    // trial 31 at 31, the target of trial 31, then R1..R3, a picture pass, "kage_hebi.jpg", its place
    draws << 0.025 << 0.9 << 0.1 << 0.2 << 0.3 << 0.95 << 0.1 << 0.5 << 0.5;
    r.ts.random->script(draws);
    r.open();
    r.start();
    for (int i = 0; i < 30; ++i)
        r.key('1');
    QVERIFY(r.w->episode().isActive());
    QTRY_VERIFY(vora::testing::control<QLabel>(r.w, "StimulusPicture")->isVisible());
    QCOMPARE(vora::testing::control<QLabel>(r.w, "StimulusPicture")->pixmap().isNull(), !withPictures);
    QCOMPARE(vora::testing::control<QLabel>(r.w, "StimulusPicture")->pos(), QPoint(r.w->width() / 4, r.w->height() / 4));
    QTRY_VERIFY(vora::testing::control<QLabel>(r.w, "StimulusPicture")->isHidden());
}

void ExperimentWindowTest::howToToggles()
{
    Rig r(QStringLiteral("M"), QStringLiteral("D"));
    r.open();
    QCOMPARE(vora::testing::control<QLabel>(r.w, "Label2")->text(), instructions::shortText(true, true) + instructions::startHint());
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
    QTest::mouseClick(vora::testing::control<QPushButton>(r.w, "Command5"), Qt::LeftButton);
    QCOMPARE(r.ts.shell->documents, QStringList{r.ts.path(QStringLiteral("esphelp2.htm"))});
}

void ExperimentWindowTest::endQuestion_data()
{
    QTest::addColumn<bool>("yes");
    QTest::newRow("no") << false;
    QTest::newRow("yes") << true;
}

void ExperimentWindowTest::endQuestion()
{
    QFETCH(bool, yes);
    Rig r;
    r.open();
    r.start();
    for (int i = 0; i < 5; ++i)
        r.key('1');
    const RunVariables before = r.v();
    r.ts.dialogs->messageAnswers.enqueue(yes ? MsgAnswer::Yes : MsgAnswer::No);
    QTest::mouseClick(vora::testing::control<QPushButton>(r.w, "Command12"), Qt::LeftButton);
    QVERIFY(settle([&] { return r.ts.dialogs->messageAnswers.isEmpty() && r.ts.dialogs->records.size() == 1; }));
    const DialogRecord *d = r.ts.dialogs->last();
    QVERIFY(d);
    QCOMPARE(d->text, QStringLiteral("終了して良いですか？"));
    QCOMPARE(d->buttons, MsgButtons::YesNo);
    QCOMPARE(d->icon, MsgIcon::None);
    QCOMPARE(r.ts.process->quits, yes ? 1 : 0);
    if (!yes) {
        QCOMPARE(r.v().TrialNo, 5);
        QCOMPARE(r.v().TargetString, before.TargetString);
        QCOMPARE(r.v().CurrentTarget, before.CurrentTarget);
        QVERIFY(r.w->isVisible());
        QVERIFY(vora::testing::control<QTimer>(r.w, "Timer2")->isActive());
        QCOMPARE(r.w->focusWidget(), vora::testing::control<QLineEdit>(r.w, "Text1")); // 1 and 0 reach the run again
        r.key('0');
        QCOMPARE(r.v().TrialNo, 6);
    } else {
        // The program is leaving: nothing of the run goes on.
        QCOMPARE(r.phase(), RunFlow::Phase::Ended);
        QCOMPARE(r.w->flow().deadline(), qint64(-1));
        r.key('0');
        QCOMPARE(r.v().TrialNo, 5);
    }
    QVERIFY(!QFile::exists(r.ts.path(r.dataFile())));
}

void ExperimentWindowTest::closingTheWindow_data()
{
    QTest::addColumn<int>("launchedFromMain");
    QTest::addColumn<int>("browsedRun");
    QTest::addColumn<int>("quits");
    QTest::newRow("user closes") << 0 << 0 << 1;
    QTest::newRow("being reopened") << 1 << 0 << 0;
    QTest::newRow("browsing") << 0 << 3 << 0;
}

void ExperimentWindowTest::closingTheWindow()
{
    QFETCH(int, launchedFromMain);
    QFETCH(int, browsedRun);
    QFETCH(int, quits);
    Rig r;
    r.open();
    r.module->state().LaunchedFromMain = launchedFromMain;
    r.module->state().BrowsedRun = browsedRun;
    r.w->close();
    QCOMPARE(r.ts.process->quits, quits);
}

void ExperimentWindowTest::conditionMemo_data()
{
    QTest::addColumn<QString>("memo");
    QTest::addColumn<int>("show");
    QTest::addColumn<QStringList>("lines");
    QTest::newRow("two marks, shown") << QStringLiteral("部屋A\x01\x01夜\x01\x01静か") << 1
                                      << QStringList{"部屋A", "夜", "静か"};
    QTest::newRow("hidden but set") << QStringLiteral("一行目\x01\x01二行目") << 0 << QStringList{"一行目", "二行目"};
    QTest::newRow("CR LF from the main window") << QStringLiteral("a\r\nb") << 1 << QStringList{"a", "b"};
}

void ExperimentWindowTest::conditionMemo()
{
    QFETCH(QString, memo);
    QFETCH(int, show);
    QFETCH(QStringList, lines);
    Rig r;
    r.module->state().ConditionMemo = memo;
    r.module->state().ShowConditions = show;
    r.open();
    QCOMPARE(vora::testing::control<QPlainTextEdit>(r.w, "Text5")->toPlainText().split(QLatin1Char('\n')), lines);
    QCOMPARE(vora::testing::control<QPlainTextEdit>(r.w, "Text5")->isVisible(), show == 1);
}

void ExperimentWindowTest::failedAppend_data()
{
    QTest::addColumn<QList<int>>("answers"); // 1 = Yes, 0 = No; afterwards every question gets Yes
    QTest::addColumn<bool>("written");
    QTest::addColumn<int>("questions");
    QTest::newRow("retry at once") << QList<int>{1} << true << 1;
    QTest::newRow("no, then keep it") << QList<int>{0, 0} << true << 2;
    QTest::newRow("given up knowingly") << QList<int>{0, 1} << false << 2;
}

void ExperimentWindowTest::failedAppend()
{
    QFETCH(QList<int>, answers);
    QFETCH(bool, written);
    QFETCH(int, questions);
    auto failing = std::make_shared<FailingFileStore>();
    failing->failOpen = true;
    failing->failOnOpenNumber = 1;
    auto mirror = std::make_shared<FakeMirror>();
    Rig r(QStringLiteral("n"), QStringLiteral("-"), [&](Services &s) {
        s.files = failing;
        s.mirror = mirror;
    });
    for (int a : answers)
        r.ts.dialogs->messageAnswers.enqueue(a ? MsgAnswer::Yes : MsgAnswer::No);
    QString pendingWhileAsked;
    r.ts.dialogs->onDialog = [&](const DialogRecord &) {
        if (pendingWhileAsked.isEmpty())
            pendingWhileAsked = r.w->unsavedRunLine();
    };
    const QString targets = pattern(3);
    r.ts.random->script(drawsFor(targets));
    r.open();
    r.start();
    for (int i = 0; i < 100; ++i)
        r.key('1');
    r.settleAfterRun();

    QCOMPARE(r.ts.dialogs->records.size(), questions);
    const DialogRecord &first = r.ts.dialogs->records.first();
    QVERIFY(first.text.contains(QStringLiteral("保存できませんでした")));
    QVERIFY(first.text.contains(QStringLiteral("Test1-0.txt")));
    QVERIFY(first.text.contains(QStringLiteral("理由：ディスクの空き容量が足りません")));
    QCOMPARE(first.text.count(QStringLiteral("理由：")), 1);
    QCOMPARE(first.buttons, MsgButtons::YesNo);
    QCOMPARE(first.icon, MsgIcon::Exclamation);
    if (questions >= 2)
        QVERIFY(r.ts.dialogs->records.at(1).text.contains(QStringLiteral("本当にこのランの結果を破棄しますか？")));
    // While the user decides, the run is still held.
    QCOMPARE(pendingWhileAsked.size(), 261);
    QCOMPARE(pendingWhileAsked.mid(60, 100), targets);

    const QStringList lines = r.ts.readLines(r.dataFile());
    // Only a run that is in the file goes to the study database.
    QCOMPARE(mirror->saved.size(), written ? 1 : 0);
    if (written) {
        QCOMPARE(lines, QStringList{pendingWhileAsked});
        QVERIFY(r.w->results().resultsShown());
        QVERIFY(!r.w->lastRunDiscarded());
    } else {
        QVERIFY(lines.isEmpty());
        QVERIFY(r.w->lastRunDiscarded());
        QVERIFY(!r.w->results().resultsShown());
        QVERIFY(vora::testing::control<QPushButton>(r.w, "Command4")->isVisible()); // a new run can be started
        QVERIFY(vora::testing::control<QPushButton>(r.w, "Command4")->isEnabled());
    }
    QVERIFY(r.w->unsavedRunLine().isEmpty());
}

void ExperimentWindowTest::randomUse_data()
{
    QTest::addColumn<quint32>("seed");
    for (quint32 seed : {1u, 2u, 3u, 4u, 5u, 6u})
        QTest::newRow(qPrintable(QStringLiteral("seed %1").arg(seed))) << seed;
}

// A subject and a fidgety experimenter at once: keys (1, 0, space, Enter, others) typed
// wherever the keyboard focus is, clicks on every button (終了 answered No), and pauses shorter
// or longer than the feedback hold, in random order. The model: every 1 and 0 typed while the
// run takes keys (after the countdown) is one trial, in order, and the run ends on the 100th.
void ExperimentWindowTest::randomUse()
{
    QFETCH(quint32, seed);
    QRandomGenerator rng(seed);
    Rig r(QStringLiteral("n"), QStringLiteral("D"), [](Services &s) { s.timing.feedbackHoldMs = 4; });
    r.open();
    QString typed; // the model's trials
    int endQuestions = 0;
    int helps = 0;
    for (int step = 0; step < 20000 && r.phase() != RunFlow::Phase::Results; ++step) {
        const int action = int(rng.bounded(100));
        QWidget *focus = r.w->focusWidget() ? r.w->focusWidget() : r.w.data();
        const bool takesKeys = r.phase() == RunFlow::Phase::AwaitingKey || r.phase() == RunFlow::Phase::FeedbackHold;
        if (action < 50) {
            const char c = rng.bounded(2) ? '1' : '0';
            if (takesKeys)
                typed += QLatin1Char(c);
            QTest::keyClick(focus, c);
        } else if (action < 62) {
            static const Qt::Key others[] = {Qt::Key_Space, Qt::Key_Return, Qt::Key_Enter, Qt::Key_2, Qt::Key_A};
            QTest::keyClick(focus, others[rng.bounded(5)]);
        } else if (action < 68) {
            QTest::mouseClick(vora::testing::control<QPushButton>(r.w, "Command4"), Qt::LeftButton);
        } else if (action < 72) {
            QTest::mouseClick(vora::testing::control<QPushButton>(r.w, "Command1"), Qt::LeftButton);
        } else if (action < 75) {
            QTest::mouseClick(vora::testing::control<QPushButton>(r.w, "Command5"), Qt::LeftButton);
            ++helps;
        } else if (action < 78) {
            r.ts.dialogs->messageAnswers.enqueue(MsgAnswer::No);
            QTest::mouseClick(vora::testing::control<QPushButton>(r.w, "Command12"), Qt::LeftButton);
            ++endQuestions;
        } else {
            QTest::qWait(int(rng.bounded(8)));
        }
        if (r.phase() == RunFlow::Phase::Ready && typed.isEmpty() && step > 50)
            QTest::mouseClick(vora::testing::control<QPushButton>(r.w, "Command4"), Qt::LeftButton); // the subject does start at last
    }
    r.settleAfterRun();
    QCOMPARE(r.phase(), RunFlow::Phase::Results);
    QVERIFY(typed.size() >= 100);
    const QStringList lines = r.ts.readLines(r.dataFile());
    QCOMPARE(lines.size(), 1);
    QCOMPARE(lines.at(0).mid(161, 100), typed.left(100));
    QCOMPARE(r.w->flow().reentries(), 0);
    QCOMPARE(r.ts.process->quits, 0);
    QCOMPARE(r.ts.shell->documents.size(), helps);
    // Every question asked was the end question (a second click while asked asks nothing).
    QVERIFY(r.ts.dialogs->records.size() <= endQuestions);
    for (const DialogRecord &d : r.ts.dialogs->records)
        QCOMPARE(d.text, QStringLiteral("終了して良いですか？"));
}

QTEST_MAIN(ExperimentWindowTest)
#include "tst_experimentwindow.moc"
