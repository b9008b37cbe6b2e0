// The run's state machine on a frozen clock that the test moves: countdown schedule, the
// feedback hold and the keys typed during it, inputs judged by phase, the save questions,
// ending, and the guard against one handler running inside another.
#include "Fakes.h"
#include "core/run/RunFlow.h"
#include "core/run/TrialEngine.h"

#include <QtTest>
#include <cmath>

using namespace vora;
using namespace vora::testing;
using Phase = RunFlow::Phase;

namespace {

// Records every step the flow asks for, one word each.
struct View : RunFlow::View {
    QStringList log;
    QString trials; // inputs counted, in order
    int runLength = 100;
    QString writes; // outcomes of writeRun in turn, 'y' saved, 'f' failed, 'k' kept; empty: saved
    std::function<void()> duringFeedback;

    void beginCountdown() override { log << "countdown"; }
    void countdownStep(int k) override { log << QStringLiteral("step%1").arg(k); }
    void countdownGo() override { log << "go"; }
    void beginRun() override { log << "run"; }
    void otherKey(int code) override { log << QStringLiteral("other:%1").arg(QChar(code)); }
    void showFeedback(QChar c) override
    {
        log << QStringLiteral("feedback:%1").arg(c);
        if (duringFeedback)
            duringFeedback();
    }
    bool recordAnswer(QChar c) override
    {
        trials += c;
        log << "cover";
        return trials.size() == runLength;
    }
    void closeRun() override { log << "close"; }
    Saved writeRun(QString *reason) override
    {
        log << "write";
        const QChar outcome = writes.isEmpty() ? QLatin1Char('y') : writes.at(0);
        writes.remove(0, 1);
        if (outcome == QLatin1Char('f'))
            *reason = QStringLiteral("disk full");
        if (outcome == QLatin1Char('k'))
            *reason = QStringLiteral("101st run");
        return outcome == QLatin1Char('y') ? Saved::Yes : outcome == QLatin1Char('k') ? Saved::Kept : Saved::Failed;
    }
    void tellRunKept(const QString &message) override { log << "kept:" + message; }
    void leaveForMainWindow() override { log << "leave"; }
    void askSaveRetry(const QString &reason) override { log << "askRetry:" + reason; }
    void askDiscard() override { log << "askDiscard"; }
    void showResults() override { log << "results"; }
    void runDiscarded() override { log << "discarded"; }
    void toggleInstructions() override { log << "howto"; }
    void openHelp() override { log << "help"; }
    void askEnd() override { log << "askEnd"; }
    void quit() override { log << "quit"; }
    void focusKeyBox() override { log << "focus"; }
};

struct Rig {
    FakeClock clock;
    Timing timing;
    View view;
    RunFlow flow{view, clock, timing};

    explicit Rig(int runLength = 100)
    {
        clock.setFrozen(true);
        view.runLength = runLength;
    }
    // Moves the clock to the armed deadline and lets it fire.
    void fire()
    {
        QVERIFY(flow.deadline() >= 0);
        clock.advanceMs(flow.deadline() - clock.monotonicMs());
        flow.onDeadline();
    }
    void throughCountdown()
    {
        flow.start();
        while (flow.phase() == Phase::Countdown)
            fire();
        QCOMPARE(flow.phase(), Phase::AwaitingKey);
        view.log.clear();
    }
};

} // namespace

class RunFlowTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void countdownKeepsItsSchedule();
    void deadlineCalledEarlyWaitsOn();
    void holdAndKeysTypedDuringIt();
    void inputsJudgedByPhase_data();
    void inputsJudgedByPhase();
    void saveQuestions_data();
    void saveQuestions();
    void closingAsksOnlyWhileAnswersAreAtStake();
    void endingLeavesNothingToRun();
    void handlerInsideAnotherIsCaught();
};

void RunFlowTest::countdownKeepsItsSchedule()
{
    Rig r;
    const qint64 t0 = r.clock.monotonicMs();
    r.flow.start();
    QCOMPARE(r.view.log, QStringList{"countdown"});
    QStringList expected{"countdown"};
    qint64 expectedAt = t0 + 3000;
    for (int k = 1; k <= 60; ++k) {
        QCOMPARE(r.flow.deadline(), expectedAt);
        r.fire();
        expected << QStringLiteral("step%1").arg(k);
        expectedAt += std::lround(countdownStepMs(k));
    }
    QCOMPARE(r.flow.deadline(), expectedAt);
    r.fire();
    expected << "go";
    QCOMPARE(r.flow.deadline(), expectedAt + 1000);
    r.fire();
    expected << "run";
    QCOMPARE(r.view.log, expected);
    QCOMPARE(r.flow.phase(), Phase::AwaitingKey);
    QCOMPARE(r.flow.deadline(), qint64(-1));
    // About 9 s in all: 3 s, about 5 s of shrinking, 1 s.
    const qint64 total = r.clock.monotonicMs() - t0;
    QVERIFY2(total > 8800 && total < 9300, qPrintable(QString::number(total)));
}

void RunFlowTest::deadlineCalledEarlyWaitsOn()
{
    Rig r;
    r.throughCountdown();
    r.flow.key('1');
    const qint64 due = r.flow.deadline();
    QCOMPARE(due, r.clock.monotonicMs() + 300);
    r.clock.advanceMs(299);
    r.flow.onDeadline(); // a timer that came early
    QCOMPARE(r.flow.phase(), Phase::FeedbackHold);
    QCOMPARE(r.flow.deadline(), due);
    r.clock.advanceMs(1);
    r.flow.onDeadline();
    QCOMPARE(r.flow.phase(), Phase::AwaitingKey);
    QCOMPARE(r.view.trials, QStringLiteral("1"));
}

void RunFlowTest::holdAndKeysTypedDuringIt()
{
    Rig r;
    r.throughCountdown();
    r.flow.key('1');
    // Typed while "1" is on show: they wait, in order, and each is its own trial.
    for (int c : {'0', ' ', '1', 'x', '0'})
        r.flow.key(c);
    QCOMPARE(r.flow.queuedKeys(), 5);
    QCOMPARE(r.view.log, QStringList{"feedback:1"});
    r.fire(); // hold over; the next key comes on the following pass, after the cover
    QCOMPARE(r.view.log, (QStringList{"feedback:1", "cover"}));
    while (r.flow.deadline() >= 0)
        r.fire();
    QCOMPARE(r.view.log, (QStringList{"feedback:1", "cover", "feedback:0", "cover", "other: ", "feedback:1", "cover",
                                      "other:x", "feedback:0", "cover"}));
    QCOMPARE(r.view.trials, QStringLiteral("1010"));
    QVERIFY(!r.flow.busy());
    // A key typed after the queue is empty and no hold is on is handled at once.
    r.flow.key('q');
    QCOMPARE(r.view.log.last(), QStringLiteral("other:q"));
}

void RunFlowTest::inputsJudgedByPhase_data()
{
    QTest::addColumn<int>("phaseReached"); // 0 ready, 1 countdown, 2 awaiting, 3 hold, 4 results
    QTest::addColumn<QString>("input");
    QTest::addColumn<QStringList>("effect");
    const QStringList none;
    QTest::newRow("key before start") << 0 << "key1" << none;
    QTest::newRow("key in countdown") << 1 << "key1" << none;
    QTest::newRow("key awaited") << 2 << "key1" << QStringList{"feedback:1"};
    QTest::newRow("key after the run") << 4 << "key1" << none;
    QTest::newRow("start in countdown") << 1 << "start" << none;
    QTest::newRow("start awaiting") << 2 << "start" << none;
    QTest::newRow("start in hold") << 3 << "start" << none;
    QTest::newRow("start after the run") << 4 << "start" << none;
    QTest::newRow("how-to before start") << 0 << "howto" << QStringList{"howto"};
    QTest::newRow("how-to in countdown") << 1 << "howto" << QStringList{"howto"};
    QTest::newRow("how-to awaiting") << 2 << "howto" << QStringList{"howto", "focus"};
    QTest::newRow("help in hold") << 3 << "help" << QStringList{"help", "focus"};
    QTest::newRow("end, no, awaiting") << 2 << "endNo" << QStringList{"askEnd", "focus"};
    QTest::newRow("end, no, in countdown") << 1 << "endNo" << QStringList{"askEnd"};
    QTest::newRow("close while being reopened") << 2 << "closeQuiet" << none;
}

void RunFlowTest::inputsJudgedByPhase()
{
    QFETCH(int, phaseReached);
    QFETCH(QString, input);
    QFETCH(QStringList, effect);
    Rig r(1);
    if (phaseReached >= 1)
        r.flow.start();
    if (phaseReached >= 2) {
        while (r.flow.phase() == Phase::Countdown)
            r.fire();
    }
    if (phaseReached >= 3)
        r.flow.key('0');
    if (phaseReached >= 4)
        r.fire();
    const Phase before = r.flow.phase();
    const qint64 deadline = r.flow.deadline();
    r.view.log.clear();

    if (input == QLatin1String("key1"))
        r.flow.key('1');
    else if (input == QLatin1String("start"))
        r.flow.start();
    else if (input == QLatin1String("howto"))
        r.flow.howTo();
    else if (input == QLatin1String("help"))
        r.flow.help();
    else if (input == QLatin1String("endNo")) {
        r.flow.endRequested();
        r.flow.endRequested(); // a second click while asked asks nothing more
        r.flow.endAnswered(false);
    } else if (input == QLatin1String("closeQuiet"))
        r.flow.closeRequested(false);
    QCOMPARE(r.view.log, effect);
    if (!input.startsWith(QLatin1String("key"))) {
        QCOMPARE(r.flow.phase(), before);
        QCOMPARE(r.flow.deadline(), deadline); // the countdown or hold runs on untouched
    }
}

void RunFlowTest::saveQuestions_data()
{
    QTest::addColumn<QString>("writes");
    QTest::addColumn<QList<int>>("answers"); // retry question, discard question, ... in turn
    QTest::addColumn<QStringList>("expected");
    QTest::newRow("written at once") << QString() << QList<int>{} << QStringList{"close", "write", "results"};
    QTest::newRow("retry succeeds") << "f" << QList<int>{1}
                                    << QStringList{"close", "write", "askRetry:disk full", "write", "results"};
    QTest::newRow("no, keep it, written")
        << "f" << QList<int>{0, 0}
        << QStringList{"close", "write", "askRetry:disk full", "askDiscard", "write", "results"};
    QTest::newRow("given up knowingly") << "f" << QList<int>{0, 1}
                                        << QStringList{"close", "write", "askRetry:disk full", "askDiscard",
                                                       "discarded"};
    QTest::newRow("refused by the file, kept aside")
        << "k" << QList<int>{1} << QStringList{"close", "write", "kept:101st run", "leave"};
    QTest::newRow("retry meets the file's refusal")
        << "fk" << QList<int>{1, 1}
        << QStringList{"close", "write", "askRetry:disk full", "write", "kept:101st run", "leave"};
}

void RunFlowTest::saveQuestions()
{
    QFETCH(QString, writes);
    QFETCH(QList<int>, answers);
    QFETCH(QStringList, expected);
    Rig r(2);
    r.view.writes = writes;
    r.throughCountdown();
    r.flow.key('1');
    r.fire();
    r.flow.key('0');
    r.flow.key('1'); // after the last answer: no trial
    r.view.log.clear();
    r.fire();
    r.view.log.removeAll(QStringLiteral("cover"));
    for (int i = 0; i < answers.size(); ++i) {
        // A stray answer to the question not asked changes nothing.
        if (r.view.log.last() == QLatin1String("askDiscard"))
            r.flow.saveRetryAnswered(true);
        if (r.view.log.last().startsWith(QLatin1String("kept:"))) {
            r.flow.discardAnswered(true);
            r.flow.keptAcknowledged();
        } else if (r.view.log.last() == QLatin1String("askDiscard")) {
            r.flow.discardAnswered(answers.at(i));
        } else {
            r.flow.keptAcknowledged();
            r.flow.saveRetryAnswered(answers.at(i));
        }
    }
    QCOMPARE(r.view.log, expected);
    QCOMPARE(r.view.trials, QStringLiteral("10"));
    QCOMPARE(r.flow.queuedKeys(), 0);
    const QString last = expected.last();
    const Phase after = last == QLatin1String("discarded") ? Phase::Ready
                        : last == QLatin1String("leave")   ? Phase::Ended
                                                           : Phase::Results;
    QCOMPARE(r.flow.phase(), after);
    // After a run given up the start button works again; after results or leaving it does not.
    r.flow.start();
    QCOMPARE(r.flow.phase(), after == Phase::Ready ? Phase::Countdown : after);
}

void RunFlowTest::closingAsksOnlyWhileAnswersAreAtStake()
{
    // Phases reached in turn: ready, countdown, awaiting a key, hold, saving (failed write,
    // answers only in memory), results.
    Rig r(1);
    r.view.writes = QStringLiteral("fy");
    QList<bool> asks;
    asks << r.flow.closingNeedsAsking();
    r.flow.start();
    asks << r.flow.closingNeedsAsking();
    while (r.flow.phase() == Phase::Countdown)
        r.fire();
    asks << r.flow.closingNeedsAsking();
    r.flow.key('1');
    asks << r.flow.closingNeedsAsking();
    r.fire();
    QCOMPARE(r.flow.phase(), Phase::Saving);
    asks << r.flow.closingNeedsAsking();
    r.flow.saveRetryAnswered(true);
    QCOMPARE(r.flow.phase(), Phase::Results);
    asks << r.flow.closingNeedsAsking();
    QCOMPARE(asks, (QList<bool>{false, true, true, true, true, false}));

    Rig kept(1);
    kept.view.writes = QStringLiteral("k");
    kept.throughCountdown();
    kept.flow.key('1');
    kept.fire();
    QVERIFY(!kept.flow.closingNeedsAsking()); // the run is safe in a file of its own
}

void RunFlowTest::endingLeavesNothingToRun()
{
    Rig r;
    r.throughCountdown();
    r.flow.key('1');
    r.flow.key('0');
    r.flow.endRequested();
    r.flow.endAnswered(true);
    QCOMPARE(r.view.log, (QStringList{"feedback:1", "askEnd", "quit"}));
    QCOMPARE(r.flow.phase(), Phase::Ended);
    QCOMPARE(r.flow.deadline(), qint64(-1));
    QCOMPARE(r.flow.queuedKeys(), 0);
    // The program's own exit closes the window: nothing more happens.
    r.flow.closeRequested(true);
    r.flow.key('1');
    r.flow.howTo();
    r.flow.endRequested();
    r.flow.onDeadline();
    QCOMPARE(r.view.log.size(), 3);

    Rig closing;
    closing.flow.closeRequested(true);
    QCOMPARE(closing.view.log, QStringList{"quit"});
}

void RunFlowTest::handlerInsideAnotherIsCaught()
{
    Rig r;
    r.throughCountdown();
    QTest::ignoreMessage(QtCriticalMsg, "vora: key entered while key was still running");
    r.view.duringFeedback = [&] { r.flow.key('0'); };
    r.flow.key('1');
    QCOMPARE(r.flow.reentries(), 1);
    {
        RunFlow::Handler outer(r.flow, "Timer2");
    }
    QCOMPARE(r.flow.reentries(), 1);
}

QTEST_MAIN(RunFlowTest)
#include "tst_runflow.moc"
