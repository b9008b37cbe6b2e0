// The run's state machine on a frozen clock that the test moves: countdown schedule, the
// feedback hold and the keys typed during it, the answers counted against their targets,
// inputs judged by phase, the hiding square (Timer2), the layout step (Timer3), the stimulus
// episode, the save waiting for a busy lock, the save questions, ending, and the guard against
// one handler running inside another.
#include "Fakes.h"
#include "core/run/RunFlow.h"
#include "core/run/TrialEngine.h"

#include <QtTest>
#include <cmath>

using namespace vora;
using namespace vora::testing;
using Phase = RunFlow::Phase;

namespace {

// Records every step the flow asks for, one word each; the clocks' steps in lists of their own.
struct View : RunFlow::View, StimulusStage {
    const FakeClock *clock = nullptr;
    QStringList log;
    QStringList square; // Timer2: "shrink:N@ms" or "flicker:D@ms"
    QList<qint64> layouts; // Timer3: when it came
    QStringList stage; // the episode: "begin", "colours@ms", "picture:FILE@x,y", "shapes", "end"
    QList<int> covers; // the trial awaited, at each cover
    QString writes; // outcomes of writeRun in turn: y saved, f failed, k kept, b busy; empty: saved
    QStringList attempts; // "ms:last" of every writeRun, ms since the first
    qint64 firstAttempt = -1;
    std::function<void()> duringFeedback;

    qint64 now() const { return clock->monotonicMs(); }
    void beginCountdown() override { log << "countdown"; }
    void countdownStep(int k) override { log << QStringLiteral("step%1").arg(k); }
    void countdownGo() override { log << "go"; }
    void beginRun() override { log << "run"; }
    void otherKey(int code) override { log << QStringLiteral("other:%1").arg(QChar(code)); }
    void showFeedback(QChar c, bool hit) override
    {
        log << QStringLiteral("feedback:%1%2").arg(c).arg(hit ? "+" : "-");
        if (duringFeedback)
            duringFeedback();
    }
    void coverFrame(int awaited) override
    {
        covers << awaited;
        log << "cover";
    }
    void shrinkCover(int tick) override { square << QStringLiteral("shrink:%1@%2").arg(tick).arg(now()); }
    void flicker(QChar digit) override { square << QStringLiteral("flicker:%1@%2").arg(digit).arg(now()); }
    void layoutStep() override { layouts << now(); }
    void closeRun() override { log << "close"; }
    Saved writeRun(bool last, QString *reason) override
    {
        if (firstAttempt < 0)
            firstAttempt = now();
        attempts << QStringLiteral("%1:%2").arg(now() - firstAttempt).arg(last ? "last" : "early");
        const QChar outcome = writes.isEmpty() ? QLatin1Char('y') : writes.at(0);
        writes.remove(0, 1);
        if (outcome == QLatin1Char('b')) {
            *reason = QStringLiteral("busy");
            return Saved::Busy;
        }
        log << "write";
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

    QRect beginEpisode(bool fillScreen) override
    {
        stage << (fillScreen ? QStringLiteral("begin:full") : QStringLiteral("begin"));
        return fillScreen ? QRect(0, 0, 1280, 1024) : QRect();
    }
    void endEpisode() override { stage << QStringLiteral("end@%1").arg(now()); }
    QSize stageSize() const override { return {1280, 1024}; }
    void flashColours(const FlashColours &) override { stage << QStringLiteral("colours@%1").arg(now()); }
    void showPicture(const QString &file, const QPoint &at) override
    {
        stage << QStringLiteral("picture:%1@%2,%3").arg(file).arg(at.x()).arg(at.y());
    }
    void hidePicture() override { }
    void setShapes(const LargeShapes &) override { stage << "shapes"; }
};

struct Rig {
    FakeClock clock;
    ScriptedRandom random;
    TrialEngine engine{clock, random};
    Timing timing;
    View view;
    RunFlow flow;

    explicit Rig(const RunConditions &conditions = {}) : flow(view, view, engine, clock, timing, conditions)
    {
        clock.setTime(14, 30, 12);
        clock.setFrozen(true);
        view.clock = &clock;
    }
    qint64 now() const { return clock.monotonicMs(); }
    // Moves the clock to `at` and lets whatever is due run.
    void runTo(qint64 at)
    {
        clock.advanceMs(at - now());
        flow.onDeadline();
    }
    // Moves the clock to the phase's deadline and lets it fire.
    void fire()
    {
        QVERIFY(flow.deadline() >= 0);
        runTo(flow.deadline());
    }
    // Every deadline in turn, up to `until` (only the clocks that come by then).
    void runUntil(qint64 until)
    {
        while (flow.nextDeadline() >= 0 && flow.nextDeadline() <= until)
            runTo(flow.nextDeadline());
        clock.advanceMs(until - now());
    }
    void throughCountdown()
    {
        flow.start();
        while (flow.phase() == Phase::Countdown)
            fire();
        QCOMPARE(flow.phase(), Phase::AwaitingKey);
        view.log.clear();
    }
    // One answer, its hold run out.
    void answer(char c)
    {
        flow.key(c);
        fire();
    }
    // Answers up to and including trial `n`.
    void answerTo(int n, char c = '1')
    {
        while (engine.vars().TrialNo < n && flow.phase() == Phase::AwaitingKey)
            answer(c);
    }
    // The rest of the run, and the pass after the last cover that closes and saves it.
    void answerAll()
    {
        answerTo(kTrialsPerRun);
        QCOMPARE(flow.phase(), Phase::Saving);
        fire();
    }
};

} // namespace

class RunFlowTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void countdownKeepsItsSchedule();
    void deadlineCalledEarlyWaitsOn();
    void holdAndKeysTypedDuringIt();
    void answersCountAgainstTheirTargets_data();
    void answersCountAgainstTheirTargets();
    void inputsJudgedByPhase_data();
    void inputsJudgedByPhase();
    void hidingSquare_data();
    void hidingSquare();
    void layoutStepAfterTheLastHandler();
    void stimulusEpisode_data();
    void stimulusEpisode();
    void saveWaitsForABusyLockOnDeadlines_data();
    void saveWaitsForABusyLockOnDeadlines();
    void saveQuestions_data();
    void saveQuestions();
    void closingAsksOnlyWhileAnswersAreAtStake();
    void endingLeavesNothingToRun();
    void handlerInsideAnotherIsCaught();
};

void RunFlowTest::countdownKeepsItsSchedule()
{
    Rig r;
    const qint64 t0 = r.now();
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
    QVERIFY(!r.engine.hasTarget());
    QVERIFY(!r.flow.squareTimer().isActive());
    r.fire();
    expected << "run";
    QCOMPARE(r.view.log, expected);
    QCOMPARE(r.flow.phase(), Phase::AwaitingKey);
    QCOMPARE(r.flow.deadline(), qint64(-1));
    // The run has begun: a target waits, its start time is noted, the square starts shrinking.
    QVERIFY(r.engine.hasTarget());
    QCOMPARE(r.engine.vars().RunStartTime, QStringLiteral("14:30"));
    QCOMPARE(r.flow.squareTimer().deadline(), r.now() + 50);
    // About 9 s in all: 3 s, about 5 s of shrinking, 1 s.
    const qint64 total = r.now() - t0;
    QVERIFY2(total > 8800 && total < 9300, qPrintable(QString::number(total)));
}

void RunFlowTest::deadlineCalledEarlyWaitsOn()
{
    Rig r;
    r.throughCountdown();
    r.flow.key('1');
    const qint64 due = r.flow.deadline();
    QCOMPARE(due, r.now() + 300);
    r.clock.advanceMs(299);
    r.flow.onDeadline(); // a timer that came early
    QCOMPARE(r.flow.phase(), Phase::FeedbackHold);
    QCOMPARE(r.flow.deadline(), due);
    QCOMPARE(r.flow.nextDeadline(), due);
    r.clock.advanceMs(1);
    r.flow.onDeadline();
    QCOMPARE(r.flow.phase(), Phase::AwaitingKey);
    QCOMPARE(r.engine.vars().InputString, QStringLiteral("1"));
}

void RunFlowTest::holdAndKeysTypedDuringIt()
{
    Rig r;
    r.random.fallback = 0.9; // every target "1"
    r.throughCountdown();
    r.flow.key('1');
    // Typed while "1" is on show: they wait, in order, and each is its own trial.
    for (int c : {'0', ' ', '1', 'x', '0'})
        r.flow.key(c);
    QCOMPARE(r.flow.queuedKeys(), 5);
    QCOMPARE(r.view.log, QStringList{"feedback:1+"});
    r.fire(); // hold over; the next key comes on the following pass, after the cover
    QCOMPARE(r.view.log, (QStringList{"feedback:1+", "cover"}));
    QCOMPARE(r.flow.deadline(), r.now());
    while (r.flow.deadline() >= 0)
        r.fire();
    QCOMPARE(r.view.log, (QStringList{"feedback:1+", "cover", "feedback:0-", "cover", "other: ", "feedback:1+", "cover",
                                      "other:x", "feedback:0-", "cover"}));
    QCOMPARE(r.engine.vars().InputString, QStringLiteral("1010"));
    QCOMPARE(r.engine.vars().CurrentInput, QStringLiteral("0"));
    QVERIFY(!r.flow.busy());
    // A key typed after the queue is empty and no hold is on is handled at once.
    r.flow.key('q');
    QCOMPARE(r.view.log.last(), QStringLiteral("other:q"));
    QCOMPARE(r.engine.vars().CurrentInput, QStringLiteral("q"));
    QCOMPARE(r.engine.vars().TrialNo, 4);
}

void RunFlowTest::answersCountAgainstTheirTargets_data()
{
    QTest::addColumn<QList<double>>("draws"); // the first target's, then one after each answer
    QTest::addColumn<QString>("keys");
    QTest::addColumn<QString>("targets");
    QTest::addColumn<QStringList>("feedback");
    QTest::addColumn<int>("hits");
    QTest::newRow("hit, miss, hit") << QList<double>{0.9, 0.1, 0.51, 0.2} << "111"
                                    << "101" << QStringList{"feedback:1+", "feedback:1-", "feedback:1+"} << 2;
    QTest::newRow("a draw of 0.5 is 0") << QList<double>{0.5, 0.5000001, 0.3} << "01"
                                        << "01" << QStringList{"feedback:0+", "feedback:1+"} << 2;
    // A key that is no trial draws nothing: the next answer meets the target that waited.
    QTest::newRow("other key between") << QList<double>{0.1, 0.9, 0.1} << "0a0"
                                       << "01" << QStringList{"feedback:0+", "other:a", "feedback:0-"} << 1;
}

void RunFlowTest::answersCountAgainstTheirTargets()
{
    QFETCH(QList<double>, draws);
    QFETCH(QString, keys);
    QFETCH(QString, targets);
    QFETCH(QStringList, feedback);
    QFETCH(int, hits);
    Rig r;
    r.random.script(draws);
    r.throughCountdown();
    QCOMPARE(r.random.remaining(), draws.size() - 1); // the first target is drawn at the start
    for (const QChar c : keys) {
        r.flow.key(c.unicode());
        if (r.flow.phase() == Phase::FeedbackHold) {
            // The next target is drawn only once the hold is over.
            const int left = r.random.remaining();
            r.fire();
            QCOMPARE(r.random.remaining(), left - 1);
        }
    }
    r.view.log.removeAll(QStringLiteral("cover"));
    QCOMPARE(r.view.log, feedback);
    const RunVariables &v = r.engine.vars();
    QCOMPARE(v.TargetString, targets);
    QCOMPARE(v.InputString, QString(keys).remove(QLatin1Char('a')));
    QCOMPARE(v.HitCount, hits);
    QCOMPARE(v.TrialNo, targets.size());
    // Each cover names the trial now awaited.
    QList<int> awaited;
    for (int i = 2; i <= targets.size() + 1; ++i)
        awaited << i;
    QCOMPARE(r.view.covers, awaited);
}

void RunFlowTest::inputsJudgedByPhase_data()
{
    QTest::addColumn<int>("phaseReached"); // 0 ready, 1 countdown, 2 awaiting, 3 hold, 4 results
    QTest::addColumn<QString>("input");
    QTest::addColumn<QStringList>("effect");
    const QStringList none;
    QTest::newRow("key before start") << 0 << "key1" << none;
    QTest::newRow("key in countdown") << 1 << "key1" << none;
    QTest::newRow("key awaited") << 2 << "key1" << QStringList{"feedback:1-"};
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
    Rig r; // targets "0"
    if (phaseReached >= 1)
        r.flow.start();
    if (phaseReached >= 2) {
        while (r.flow.phase() == Phase::Countdown)
            r.fire();
    }
    if (phaseReached >= 3)
        r.flow.key('0');
    if (phaseReached >= 4) {
        r.fire();
        r.answerAll();
        QCOMPARE(r.flow.phase(), Phase::Results);
    }
    const Phase before = r.flow.phase();
    const qint64 deadline = r.flow.deadline();
    const RunVariables vars = r.engine.vars();
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
    if (effect.isEmpty() || !effect.first().startsWith(QLatin1String("feedback"))) {
        QCOMPARE(r.flow.phase(), before);
        QCOMPARE(r.flow.deadline(), deadline); // the countdown or hold runs on untouched
        QCOMPARE(r.engine.vars().InputString, vars.InputString);
        QCOMPARE(r.engine.vars().CurrentTarget, vars.CurrentTarget);
    }
}

void RunFlowTest::hidingSquare_data()
{
    // Timer2 from the run's start (ms after it), with keys at given moments.
    QTest::addColumn<QList<int>>("keysAt");
    QTest::addColumn<int>("until");
    QTest::addColumn<QStringList>("ticks"); // a selection: every tick must be there, in order
    QTest::addColumn<int>("count");
    // 121 shrinking ticks, 50 ms apart (full size again at 30, 60 and 90 is the view's part),
    // then the flicker, its first tick still on the 50 ms beat and then every 200 ms: "1" and
    // "0" in turn, the first "1" (the phase alternates from the very first tick).
    QTest::newRow("no key: shrink, then flicker")
        << QList<int>{} << 6850 << QStringList{"shrink:1@50",    "shrink:2@100",   "shrink:121@6050", "flicker:1@6100",
                                               "flicker:0@6300", "flicker:1@6500", "flicker:0@6700"}
        << 125;
    // The square rests while the answer is on show; the cover brings it back at full size and
    // it shrinks again from the first tick, 50 ms later.
    QTest::newRow("key at 120") << QList<int>{120} << 520
                                << QStringList{"shrink:1@50", "shrink:2@100", "shrink:1@470", "shrink:2@520"} << 4;
    // A key during the flicker: the shrinking starts over.
    QTest::newRow("key in the flicker") << QList<int>{6300} << 6700
                                        << QStringList{"flicker:1@6100", "flicker:0@6300", "shrink:1@6650",
                                                       "shrink:2@6700"}
                                        << 125;
}

void RunFlowTest::hidingSquare()
{
    QFETCH(QList<int>, keysAt);
    QFETCH(int, until);
    QFETCH(QStringList, ticks);
    QFETCH(int, count);
    Rig r;
    r.throughCountdown();
    const qint64 t0 = r.now();
    for (const int at : keysAt) {
        r.runUntil(t0 + at);
        r.flow.key('1');
        QVERIFY(!r.flow.squareTimer().isActive());
    }
    r.runUntil(t0 + until);
    QStringList relative;
    for (QString tick : r.view.square) {
        const int at = tick.indexOf(QLatin1Char('@'));
        relative << tick.left(at + 1) + QString::number(tick.mid(at + 1).toLongLong() - t0);
    }
    int from = 0;
    for (const QString &t : ticks) {
        const int i = relative.indexOf(t, from);
        QVERIFY2(i >= 0, qPrintable(t + " in " + relative.join(' ')));
        from = i + 1;
    }
    QCOMPARE(relative.size(), count);
    QCOMPARE(r.flow.squareTimer().interval(), relative.last().startsWith(QLatin1String("flicker")) ? 200 : 50);
}

void RunFlowTest::layoutStepAfterTheLastHandler()
{
    Rig r;
    // Before any run (the results view of a stored experiment) the layout step is armed too.
    r.flow.armLayout();
    QCOMPARE(r.flow.layoutTimer().deadline(), r.now() + 2000);
    r.runUntil(r.now() + 2000);
    QCOMPARE(r.view.layouts.size(), 1);
    QVERIFY(!r.flow.layoutTimer().isActive()); // one shot

    r.throughCountdown();
    r.view.layouts.clear();
    const qint64 t0 = r.now();
    // Every answer and every other key arms it anew, two seconds from that handler.
    r.answer('1');
    QCOMPARE(r.flow.layoutTimer().deadline(), t0 + 300 + 2000);
    r.runUntil(t0 + 1500);
    r.flow.key('x');
    QCOMPARE(r.flow.layoutTimer().deadline(), t0 + 1500 + 2000);
    r.runUntil(t0 + 3499);
    QVERIFY(r.view.layouts.isEmpty());
    r.runUntil(t0 + 6000);
    QCOMPARE(r.view.layouts, QList<qint64>{t0 + 3500});
}

void RunFlowTest::stimulusEpisode_data()
{
    QTest::addColumn<int>("level");
    QTest::addColumn<double>("draw"); // the episode's trial: whole part of 40 r + 30
    QTest::addColumn<int>("start");
    QTest::addColumn<int>("flashMs");
    QTest::newRow("small at 45") << int(Stimulus::Small) << 0.375 << 45 << 100;
    QTest::newRow("medium at 31") << int(Stimulus::Medium) << 0.025 << 31 << 50;
    QTest::newRow("large at 69") << int(Stimulus::Large) << 0.999 << 69 << 1;
}

void RunFlowTest::stimulusEpisode()
{
    QFETCH(int, level);
    QFETCH(double, draw);
    QFETCH(int, start);
    QFETCH(int, flashMs);
    Rig r(RunConditions{true, Stimulus(level)});
    QList<double> draws(30, 0.9); // the first 30 targets
    draws << draw;
    r.random.script(draws);
    r.throughCountdown();
    r.answerTo(29);
    QCOMPARE(r.engine.vars().NextStimulusTrial, 0);
    // The episode's trial is drawn after the answer to trial 30, with the clock's last digit as
    // the argument: a clock ending in 0 would repeat the last number drawn.
    r.clock.setTime(14, 30, 12);
    r.answerTo(start - 2);
    QVERIFY(r.view.stage.isEmpty());
    QCOMPARE(r.engine.vars().NextStimulusTrial, start - 2 >= 30 ? start : 0);
    // The answer to trial start - 1 opens the episode; its first flash comes on the next pass.
    r.answer('1');
    QCOMPARE(r.view.stage, QStringList{level == int(Stimulus::Small) ? "begin" : "begin:full"});
    QCOMPARE(r.engine.vars().StimulusTrial[0], start);
    QCOMPARE(r.flow.episodeDeadline(), r.now());
    QVERIFY(r.flow.episode().isActive());
    const qint64 t0 = r.now();
    r.runTo(t0);
    QCOMPARE(r.view.stage.last(), QStringLiteral("colours@%1").arg(t0));
    // Flashes follow at the level's pace while the subject goes on answering.
    QCOMPARE(r.flow.episodeDeadline(), t0 + flashMs);
    r.runTo(t0 + flashMs);
    QCOMPARE(r.view.stage.last(), QStringLiteral("colours@%1").arg(t0 + flashMs));
    qint64 lastAnswer = 0;
    for (int trial = start; trial <= start + 6; ++trial) {
        QVERIFY2(r.flow.episode().isActive(), qPrintable(QString::number(trial)));
        r.flow.key('1');
        r.runUntil(r.flow.deadline());
        lastAnswer = r.now();
    }
    // Trial start + 6 is in: the next step of the episode is its end.
    if (r.flow.episode().isActive())
        r.runTo(r.flow.episodeDeadline());
    QVERIFY(!r.flow.episode().isActive());
    const QString end = r.view.stage.last();
    QVERIFY2(end.startsWith(QLatin1String("end@")), qPrintable(end));
    QVERIFY(end.mid(4).toLongLong() - lastAnswer <= flashMs);
    QCOMPARE(r.flow.episodeDeadline(), qint64(-1));
    r.answerAll();
    QCOMPARE(r.flow.phase(), Phase::Results);
    QCOMPARE(r.engine.vars().StimulusTrial, (std::array<int, 5>{start, 0, 0, 0, 0}));
    QCOMPARE(r.view.stage.filter(QStringLiteral("begin")).size(), 1); // once a run
    if (level == int(Stimulus::Large))
        QVERIFY(r.view.stage.contains(QStringLiteral("shapes")));
}

void RunFlowTest::saveWaitsForABusyLockOnDeadlines_data()
{
    QTest::addColumn<QString>("writes");
    QTest::addColumn<QStringList>("attempts"); // "ms since the first:early|last"
    QTest::addColumn<QString>("outcome");
    QTest::newRow("free at once") << "y" << QStringList{"0:early"} << "results";
    QTest::newRow("busy twice") << "bby" << QStringList{"0:early", "20:early", "40:early"} << "results";
    // 5 s of tries every 20 ms; the last one comes at the end of the wait.
    QStringList all;
    for (int ms = 0; ms < 5000; ms += 20)
        all << QStringLiteral("%1:early").arg(ms);
    all << "5000:last";
    QTest::newRow("busy throughout") << QString(250, QLatin1Char('b')) + "b" << all << "askRetry:busy";
    QTest::newRow("free on the last") << QString(250, QLatin1Char('b')) + "y" << all << "results";
}

void RunFlowTest::saveWaitsForABusyLockOnDeadlines()
{
    QFETCH(QString, writes);
    QFETCH(QStringList, attempts);
    QFETCH(QString, outcome);
    Rig r;
    r.view.writes = writes;
    r.throughCountdown();
    r.answerTo(kTrialsPerRun - 1);
    r.flow.key('1');
    r.fire();
    r.view.log.clear();
    r.fire();
    while (r.flow.phase() == Phase::Saving && r.view.log.last() == QLatin1String("close")) {
        // Waiting for the lock is a deadline: the window's handlers go on meanwhile.
        QVERIFY(r.flow.deadline() > r.now());
        QVERIFY(r.flow.closingNeedsAsking());
        r.flow.howTo();
        r.view.log.removeAll(QStringLiteral("howto"));
        r.fire();
    }
    QCOMPARE(r.view.attempts, attempts);
    QCOMPARE(r.view.log.last(), outcome);
    QCOMPARE(r.flow.phase(), outcome == QLatin1String("results") ? Phase::Results : Phase::Saving);
    QCOMPARE(r.flow.deadline(), qint64(-1));
    QCOMPARE(r.flow.reentries(), 0);
    if (outcome != QLatin1String("results")) {
        // "Yes" to the retry question starts a new wait.
        r.view.writes = QStringLiteral("by");
        r.view.firstAttempt = -1;
        r.view.attempts.clear();
        r.flow.saveRetryAnswered(true);
        r.fire();
        QCOMPARE(r.view.attempts, (QStringList{"0:early", "20:early"}));
        QCOMPARE(r.flow.phase(), Phase::Results);
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
    Rig r;
    r.view.writes = writes;
    r.throughCountdown();
    r.answerTo(kTrialsPerRun - 2);
    r.answer('1');
    r.flow.key('0');
    r.flow.key('1'); // after the last answer: no trial
    r.view.log.clear();
    r.fire();
    // The last answer is covered at the end of its hold; the run is closed and saved on the
    // next pass, once the cover is on screen.
    QCOMPARE(r.view.log, QStringList{"cover"});
    QCOMPARE(r.flow.phase(), Phase::Saving);
    QCOMPARE(r.flow.deadline(), r.now());
    r.view.log.clear();
    r.fire();
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
    QCOMPARE(r.engine.vars().InputString.right(2), QStringLiteral("10"));
    QCOMPARE(r.engine.vars().InputString.size(), kTrialsPerRun);
    QCOMPARE(r.flow.queuedKeys(), 0);
    const QString last = expected.last();
    const Phase after = last == QLatin1String("discarded") ? Phase::Ready
                        : last == QLatin1String("leave")   ? Phase::Ended
                                                           : Phase::Results;
    QCOMPARE(r.flow.phase(), after);
    // The square stopped with the run's last answer.
    QVERIFY(!r.flow.squareTimer().isActive());
    // After a run given up the start button works again; after results or leaving it does not.
    r.flow.start();
    QCOMPARE(r.flow.phase(), after == Phase::Ready ? Phase::Countdown : after);
}

void RunFlowTest::closingAsksOnlyWhileAnswersAreAtStake()
{
    // Phases reached in turn: ready, countdown, awaiting a key, hold, saving (failed write,
    // answers only in memory), results.
    Rig r;
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
    r.answerAll();
    QCOMPARE(r.flow.phase(), Phase::Saving);
    asks << r.flow.closingNeedsAsking();
    r.flow.saveRetryAnswered(true);
    QCOMPARE(r.flow.phase(), Phase::Results);
    asks << r.flow.closingNeedsAsking();
    QCOMPARE(asks, (QList<bool>{false, true, true, true, true, false}));

    Rig kept;
    kept.view.writes = QStringLiteral("k");
    kept.throughCountdown();
    kept.answerAll();
    QVERIFY(!kept.flow.closingNeedsAsking()); // the run is safe in a file of its own
}

void RunFlowTest::endingLeavesNothingToRun()
{
    Rig r(RunConditions{true, Stimulus::Medium});
    r.random.script(QList<double>(30, 0.9) << 0.025); // the episode from trial 31
    r.throughCountdown();
    r.answerTo(29);
    r.clock.setTime(14, 30, 12);
    r.answerTo(30);
    r.flow.armLayout();
    r.flow.key('1');
    r.flow.key('0');
    QVERIFY(r.flow.episode().isActive());
    r.flow.endRequested();
    r.flow.endAnswered(true);
    QCOMPARE(r.view.log.mid(r.view.log.size() - 3), (QStringList{"feedback:1-", "askEnd", "quit"}));
    QCOMPARE(r.flow.phase(), Phase::Ended);
    // Every clock is stopped: the phase's, Timer2, Timer3 and the episode's.
    QCOMPARE(r.flow.nextDeadline(), qint64(-1));
    QCOMPARE(r.flow.queuedKeys(), 0);
    // The program's own exit closes the window: nothing more happens.
    const int logged = r.view.log.size();
    r.flow.closeRequested(true);
    r.flow.key('1');
    r.flow.howTo();
    r.flow.endRequested();
    r.flow.armLayout();
    r.runTo(r.now() + 5000);
    QCOMPARE(r.view.log.size(), logged);
    QCOMPARE(r.flow.nextDeadline(), qint64(-1));

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
        RunFlow::Handler outer(r.flow, "deadline");
    }
    QCOMPARE(r.flow.reentries(), 1);
}

QTEST_MAIN(RunFlowTest)
#include "tst_runflow.moc"
