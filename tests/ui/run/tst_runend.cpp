// Leaving a run or the window: the end question, closing the window, a run whose line cannot be
// written, and random use of every key and button until a run ends.
#include "FailDevice.h"
#include "RunRig.h"
#include "core/study/Seal.h"
#include "core/study/SealWriter.h"
#include "ui/results/ResultsDisplay.h"

#include <QDir>
#include <QFileInfo>
#include <QLineEdit>
#include <QLockFile>
#include <QPushButton>
#include <QRandomGenerator>
#include <QTimer>

using namespace vora;
using namespace vora::testing;

class RunEndTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void endQuestion_data();
    void endQuestion();
    void heldKeyIsOneGuess();
    void closingTheWindow_data();
    void closingTheWindow();
    void failedAppend_data();
    void failedAppend();
    void busyLockIsWaitedForOnDeadlines_data();
    void busyLockIsWaitedForOnDeadlines();
    void refusedByTheFile_data();
    void refusedByTheFile();
    void randomUse_data();
    void randomUse();
};

void RunEndTest::endQuestion_data()
{
    QTest::addColumn<bool>("yes");
    QTest::addColumn<bool>("byClosing"); // Alt+F4 or the window manager's close instead of 終了
    QTest::newRow("no") << false << false;
    QTest::newRow("yes") << true << false;
    QTest::newRow("window closed, no") << false << true;
    QTest::newRow("window closed, yes") << true << true;
}

void RunEndTest::endQuestion()
{
    QFETCH(bool, yes);
    QFETCH(bool, byClosing);
    Rig r;
    r.open();
    r.start();
    for (int i = 0; i < 5; ++i)
        r.key('1');
    const RunVariables before = r.v();
    r.ts.dialogs->messageAnswers.enqueue(yes ? MsgAnswer::Yes : MsgAnswer::No);
    if (byClosing)
        QVERIFY(!r.w->close()); // the window stays until the subject says so
    else
        QTest::mouseClick(vora::testing::control<QPushButton>(r.w, "Command12"), Qt::LeftButton);
    QVERIFY(QTest::qWaitFor(
        [&] {
            return r.ts.dialogs->messageAnswers.isEmpty() && r.ts.dialogs->records.size() == 1
                   && r.ts.dialogs->unanswered() == 0;
        },
        kSettleMs));
    const DialogRecord *d = r.ts.dialogs->last();
    QVERIFY(d);
    QCOMPARE(d->text, QStringLiteral("終了して良いですか？"));
    // During a run Enter answers いいえ: the answers typed so far are not lost by a slip.
    QCOMPARE(d->buttons, MsgButtons::YesNoDefaultNo);
    QCOMPARE(d->icon, MsgIcon::None);
    QCOMPARE(r.ts.process->quits, yes ? 1 : 0);
    if (!yes) {
        QCOMPARE(r.v().TrialNo, 5);
        QCOMPARE(r.v().TargetString, before.TargetString);
        QCOMPARE(r.v().CurrentTarget, before.CurrentTarget);
        QVERIFY(r.w->isVisible());
        QVERIFY(vora::testing::control<RunTimer>(r.w, "Timer2")->isActive());
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

void RunEndTest::heldKeyIsOneGuess()
{
    Rig r;
    r.open();
    r.start();
    auto *box = vora::testing::control<QLineEdit>(r.w, "Text1");
    auto send = [&](QEvent::Type type, quint64 at, bool flagged, char c = '1') {
        QKeyEvent e(type, c == '1' ? Qt::Key_1 : Qt::Key_0, Qt::NoModifier, QString(QLatin1Char(c)), flagged);
        e.setTimestamp(at);
        QCoreApplication::sendEvent(box, &e);
    };
    // A one-second hold as X11 delivers it: one press, then the keyboard's repeats as release
    // and press pairs of one time stamp, some flagged as repeats by the toolkit and some not
    // (it flags a pair only when it reads both at once), then the release.
    send(QEvent::KeyPress, 1000, false);
    for (int i = 0; i < 10; ++i) {
        const quint64 at = 1660 + 40 * i;
        send(QEvent::KeyRelease, at, i % 2 == 0);
        send(QEvent::KeyPress, at, i % 2 == 0);
    }
    send(QEvent::KeyRelease, 2100, false);
    r.handled();
    QCOMPARE(r.v().TrialNo, 1);
    QCOMPARE(r.v().InputString, QStringLiteral("1"));
    // Fresh presses, however fast, each count: a press never shares its release's millisecond.
    send(QEvent::KeyPress, 2150, false, '0');
    send(QEvent::KeyRelease, 2190, false, '0');
    send(QEvent::KeyPress, 2191, false, '0');
    send(QEvent::KeyRelease, 2230, false, '0');
    r.handled();
    r.key('1');
    QCOMPARE(r.v().InputString, QStringLiteral("1001"));
}

void RunEndTest::closingTheWindow_data()
{
    QTest::addColumn<int>("launchedFromMain");
    QTest::addColumn<int>("browsedRun");
    QTest::addColumn<int>("quits");
    QTest::newRow("user closes") << 0 << 0 << 1;
    QTest::newRow("being reopened") << 1 << 0 << 0;
    QTest::newRow("browsing") << 0 << 3 << 0;
}

void RunEndTest::closingTheWindow()
{
    QFETCH(int, launchedFromMain);
    QFETCH(int, browsedRun);
    QFETCH(int, quits);
    Rig r;
    r.open();
    r.module->state().launchedFromMain = launchedFromMain != 0;
    r.module->state().browse(browsedRun);
    r.w->close();
    QCOMPARE(r.ts.process->quits, quits);
}

void RunEndTest::failedAppend_data()
{
    QTest::addColumn<QList<int>>("answers"); // 1 = Yes, 0 = No; afterwards every question gets Yes
    QTest::addColumn<bool>("written");
    QTest::addColumn<int>("questions");
    QTest::newRow("retry at once") << QList<int>{1} << true << 1;
    QTest::newRow("no, then keep it") << QList<int>{0, 0} << true << 2;
    QTest::newRow("given up knowingly") << QList<int>{0, 1} << false << 2;
}

void RunEndTest::failedAppend()
{
    QFETCH(QList<int>, answers);
    QFETCH(bool, written);
    QFETCH(int, questions);
    auto failing = std::make_shared<FileStore>();
    failWrite(*failing, 2, -1); // the append: an experiment's first save starts its seal file first
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
    for (int i = 0; i < kTrialsPerRun; ++i)
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

void RunEndTest::busyLockIsWaitedForOnDeadlines_data()
{
    QTest::addColumn<bool>("sealingLock"); // else the data file's own lock
    QTest::addColumn<int>("waitMs"); // the save's wait for a busy lock
    QTest::addColumn<bool>("freedInTime");
    QTest::addColumn<QString>("told"); // what the one dialog says
    QTest::addColumn<bool>("sealed");
    QTest::newRow("data file, freed during the wait") << false << 60000 << true << QString() << true;
    // Past the wait the existing retry question is asked; it is answered once the lock is free.
    QTest::newRow("data file, busy past the wait")
        << false << 60 << false << QStringLiteral("別のVORAがこのファイルに書き込んでいます") << true;
    QTest::newRow("sealing lock, freed during the wait") << true << 60000 << true << QString() << true;
    // A sealing lock that stays busy no longer holds the run back: stored, not sealed, and said.
    QTest::newRow("sealing lock, busy past the wait")
        << true << 60 << false << QStringLiteral("封印の鍵ファイル") << false;
}

// Another copy of the program holds a lock the save needs. The save never holds up the
// window: it is a phase that tries again on a deadline while the event loop runs on.
void RunEndTest::busyLockIsWaitedForOnDeadlines()
{
    QFETCH(bool, sealingLock);
    QFETCH(int, waitMs);
    QFETCH(bool, freedInTime);
    QFETCH(QString, told);
    QFETCH(bool, sealed);
    Rig r(QStringLiteral("n"), QStringLiteral("-"), [&](Services &s) { s.timing.lockWaitMs = waitMs; });
    r.open();
    r.start();
    for (int i = 0; i < 99; ++i)
        r.key('1');
    const QString data = r.ts.path(r.dataFile());
    QVERIFY(QDir().mkpath(QFileInfo(data).absolutePath())); // the first run of an experiment makes it
    QLockFile held(sealingLock ? study::sealLockPathFor(data) : FileStore::lockPath(data));
    QVERIFY(held.tryLock(0));
    r.ts.dialogs->onDialog = [&](const DialogRecord &) { held.unlock(); };
    QTest::keyClick(vora::testing::control<QLineEdit>(r.w, "Text1"), '1');
    if (freedInTime) {
        QTRY_COMPARE(r.phase(), RunFlow::Phase::Saving);
        QVERIFY(r.w->flow().deadline() >= 0); // the next try is armed; nothing waits meanwhile
        QVERIFY(r.ts.dialogs->records.isEmpty());
        QVERIFY(!r.w->unsavedRunLine().isEmpty());
        QVERIFY(r.ts.readLines(r.dataFile()).isEmpty());
        held.unlock();
    }
    QTRY_COMPARE_WITH_TIMEOUT(r.phase(), RunFlow::Phase::Results, 10000);
    QCOMPARE(r.ts.readLines(r.dataFile()).size(), 1);
    // A message opens on the pass after the save that asked for it.
    QTRY_COMPARE(r.ts.dialogs->records.size(), told.isEmpty() ? 0 : 1);
    if (!told.isEmpty())
        QVERIFY2(r.ts.dialogs->records.first().text.contains(told), qPrintable(r.ts.dialogs->records.first().text));
    QCOMPARE(study::verifyDataFile(data).sealedRuns(), sealed ? 1 : 0);
    QCOMPARE(r.w->flow().reentries(), 0);
}

void RunEndTest::refusedByTheFile_data()
{
    QTest::addColumn<int>("runsThere"); // put there by another copy while the subject answered
    QTest::addColumn<QString>("codes"); // their stimulus and hit display letters
    QTest::addColumn<QString>("reason");
    QTest::newRow("another copy took the 100th run") << 100 << "n-" << QStringLiteral("すでに100ランに達しています");
    QTest::newRow("runs under other conditions") << 2 << "nD" << QStringLiteral("別の条件（刺激=無、当り表示=有）");
}

void RunEndTest::refusedByTheFile()
{
    QFETCH(int, runsThere);
    QFETCH(QString, codes);
    QFETCH(QString, reason);
    auto mirror = std::make_shared<FakeMirror>();
    Rig r(QStringLiteral("n"), QStringLiteral("-"), [&](Services &s) { s.mirror = mirror; });
    int mainWindows = 0;
    r.module->setMainWindowFactory([&](Module1 &) {
        ++mainWindows;
        return nullptr;
    });
    r.open();
    r.start();
    QStringList others;
    for (int i = 0; i < runsThere; ++i)
        others << runLineOf(pattern(i), pattern(i + 1), codes);
    r.ts.writeLines(r.dataFile(), others);
    const QByteArray before = r.ts.readBytes(r.dataFile());
    for (int i = 0; i < kTrialsPerRun; ++i)
        r.key(i % 3 ? '1' : '0');
    QVERIFY(QTest::qWaitFor([&] { return mainWindows == 1; }, kSettleMs)); // back to the main window
    QCOMPARE(r.phase(), RunFlow::Phase::Ended);

    QCOMPARE(r.ts.readBytes(r.dataFile()), before);
    const QStringList kept = QDir(r.ts.path(QStringLiteral("data"))).entryList({QStringLiteral("*.recovered")});
    QCOMPARE(kept.size(), 1);
    QVERIFY(kept.first().startsWith(QStringLiteral("Test1-0.")));
    // One line in the data file's own format: the run exactly as it would have been stored.
    const QStringList keptLines = r.ts.readLines(QStringLiteral("data/") + kept.first());
    QCOMPARE(keptLines.size(), 1);
    QVERIFY(checkRunLine(keptLines.first()).ok);
    QCOMPARE(keptLines.first().size(), 261);
    QCOMPARE(keptLines.first().mid(161, 100), QStringLiteral("011").repeated(34).left(100));
    QVERIFY(r.w->unsavedRunLine().isEmpty());
    QCOMPARE(r.ts.dialogs->records.size(), 1);
    const DialogRecord &told = r.ts.dialogs->records.first();
    QVERIFY2(told.text.contains(reason) && told.text.contains(kept.first()), qPrintable(told.text));
    QCOMPARE(told.buttons, MsgButtons::Ok);
    QCOMPARE(told.icon, MsgIcon::Exclamation);
    QCOMPARE(r.ts.process->quits, 0);
    QVERIFY(mirror->saved.isEmpty()); // not a run of the experiment
}

void RunEndTest::randomUse_data()
{
    QTest::addColumn<quint32>("seed");
    for (quint32 seed : {1u, 2u, 3u, 4u, 5u, 6u})
        QTest::newRow(qPrintable(QStringLiteral("seed %1").arg(seed))) << seed;
}

// A subject and a fidgety experimenter at once: keys (1, 0, space, Enter, others) typed
// wherever the keyboard focus is, clicks on every button (終了 answered No), and pauses shorter
// or longer than the feedback hold, in random order. The model: every 1 and 0 typed while the
// run takes keys (after the countdown) is one trial, in order, and the run ends on the 100th.
void RunEndTest::randomUse()
{
    QFETCH(quint32, seed);
    QRandomGenerator rng(seed);
    Rig r(QStringLiteral("n"), QStringLiteral("D"), [](Services &s) { s.timing.feedbackHoldMs = 4; });
    r.ts.writeBytes(QStringLiteral("esphelp2.htm"), "<html></html>");
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
            QTest::mouseClick(vora::testing::control<QPushButton>(r.w, "Command4"),
                              Qt::LeftButton); // the subject does start at last
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

QTEST_MAIN(RunEndTest)
#include "tst_runend.moc"
