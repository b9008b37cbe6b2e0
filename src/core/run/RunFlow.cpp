#include "core/run/RunFlow.h"

#include "core/run/TrialEngine.h"
#include "core/toolkit/Clock.h"

#include <QtGlobal>
#include <cmath>

namespace vora {

namespace {
constexpr int kCountdownSteps = 60;
constexpr qint64 kNsPerMs = 1000000;

bool due(qint64 dueNs, qint64 now)
{
    return dueNs >= 0 && dueNs <= now;
}
} // namespace

RunFlow::Handler::Handler(RunFlow &flow, const char *name) : m_flow(flow), m_outer(flow.m_running)
{
    if (m_outer) {
        ++m_flow.m_reentries;
        qCritical("vora: %s entered while %s was still running", name, m_outer);
    }
    m_flow.m_running = name;
}

RunFlow::Handler::~Handler()
{
    m_flow.m_running = m_outer;
}

RunFlow::RunFlow(View &view, StimulusStage &stage, TrialEngine &engine, const Clock &clock, const Timing &timing,
                 const RunConditions &conditions, QObject *parent)
    : QObject(parent),
      m_view(view),
      m_engine(engine),
      m_clock(clock),
      m_timing(timing),
      m_conditions(conditions),
      m_episode(stage, engine, m_timing),
      m_square(m_timing.shrinkTickMs, m_timing.flickerTickMs, this),
      m_layout(new RunTimer("Timer3", m_timing.layoutDelayMs, this))
{
    // The feedback hold is a measured 0.3 s: deadlines are kept to the nanosecond.
    connect(&m_timer, &DeadlineTimer::timeout, this, &RunFlow::onDeadline);
}

// ---- deadlines ----------------------------------------------------------------------------

qint64 RunFlow::earliestNs() const
{
    qint64 next = -1;
    for (const qint64 d : {m_phaseDueNs, m_episodeDueNs, m_square.timer().dueNs(), m_layout->dueNs()}) {
        if (d >= 0 && (next < 0 || d < next))
            next = d;
    }
    return next;
}

qint64 RunFlow::nextDeadline() const
{
    const qint64 next = earliestNs();
    return next < 0 ? -1 : next / kNsPerMs;
}

void RunFlow::rearm()
{
    const qint64 next = earliestNs();
    if (next < 0)
        m_timer.stop();
    else
        m_timer.start(next - m_clock.monotonicNs());
}

void RunFlow::arm(qint64 ms)
{
    m_phaseDueNs = m_clock.monotonicNs() + qMax<qint64>(0, ms) * kNsPerMs;
    rearm();
}

void RunFlow::armLayout()
{
    if (m_phase == Phase::Ended)
        return;
    m_layout->start(m_clock.monotonicNs());
    rearm();
}

void RunFlow::stopSquare()
{
    m_square.timer().stop();
    rearm();
}

void RunFlow::resetRun()
{
    if (m_episode.isActive())
        m_episode.finish();
    m_episodeDueNs = -1;
    m_engine.reset();
    m_square.resetCounts();
    rearm();
}

void RunFlow::onDeadline()
{
    Handler h(*this, "deadline");
    const qint64 now = m_clock.monotonicNs();
    // What was due when the timer came runs now, in this order: the phase's step first, so
    // that the end of a hold is drawn together with whatever else comes due with it. A
    // deadline armed meanwhile for "at once" waits for the next pass, after the paint.
    const bool phaseDue = due(m_phaseDueNs, now);
    const bool episodeDue = due(m_episodeDueNs, now);
    const bool squareDue = m_square.timer().dueBy(now);
    const bool layoutDue = m_layout->dueBy(now);
    if (phaseDue) {
        m_phaseDueNs = -1;
        phaseDeadline();
    }
    if (episodeDue && due(m_episodeDueNs, now) && m_phase != Phase::Ended) {
        m_episodeDueNs = -1;
        episodeStep();
    }
    if (squareDue && m_square.timer().dueBy(now) && m_phase != Phase::Ended)
        squareTick();
    if (layoutDue && m_layout->dueBy(now) && m_phase != Phase::Ended) {
        m_layout->stop();
        m_view.layoutStep();
    }
    if (m_phase != Phase::Ended)
        rearm();
}

void RunFlow::phaseDeadline()
{
    switch (m_phase) {
    case Phase::Countdown: stepCountdown(); break;
    case Phase::FeedbackHold: holdOver(); break;
    case Phase::AwaitingKey: takeQueuedKey(); break;
    case Phase::Saving:
        if (m_runClosed)
            attemptSave();
        else
            closeRun();
        break;
    default: break;
    }
}

// ---- inputs -------------------------------------------------------------------------------

void RunFlow::start()
{
    Handler h(*this, "start");
    if (m_phase != Phase::Ready)
        return; // a run once begun is never restarted under the subject
    m_phase = Phase::Countdown;
    m_countdownStep = 0;
    m_queue.clear();
    m_view.beginCountdown();
    arm(m_timing.countdownLeadMs);
}

void RunFlow::key(int keyCode)
{
    Handler h(*this, "key");
    if (!keysReachRun())
        return; // no target is waiting: not a trial
    if (m_phase == Phase::FeedbackHold || !m_queue.isEmpty()) {
        m_queue.enqueue(keyCode); // its turn comes after the answers before it
        return;
    }
    const QChar c(static_cast<char16_t>(keyCode));
    if (TrialEngine::isTrialKey(c))
        acceptKey(c);
    else
        otherKey(keyCode);
}

void RunFlow::otherKey(int keyCode)
{
    // Not a trial: the square stays away until the next accepted key.
    m_engine.vars().CurrentInput = QString(QChar(static_cast<char16_t>(keyCode)));
    m_view.otherKey(keyCode);
    armLayout();
}

void RunFlow::howTo()
{
    Handler h(*this, "howTo");
    if (m_phase == Phase::Ended)
        return;
    m_view.toggleInstructions();
    if (keysReachRun())
        m_view.focusKeyBox();
}

void RunFlow::help()
{
    Handler h(*this, "help");
    if (m_phase == Phase::Ended)
        return;
    m_view.openHelp();
    if (keysReachRun())
        m_view.focusKeyBox();
}

void RunFlow::endRequested()
{
    Handler h(*this, "endRequested");
    if (m_phase == Phase::Ended || m_endQuestionOpen)
        return;
    m_endQuestionOpen = true;
    m_view.askEnd();
}

void RunFlow::endAnswered(bool yes)
{
    Handler h(*this, "endAnswered");
    if (!m_endQuestionOpen || m_phase == Phase::Ended)
        return;
    m_endQuestionOpen = false;
    if (yes) {
        endProgram();
        return;
    }
    if (keysReachRun())
        m_view.focusKeyBox();
}

void RunFlow::saveRetryAnswered(bool yes)
{
    Handler h(*this, "saveRetryAnswered");
    if (m_phase != Phase::Saving || m_saveQuestion != SaveQuestion::Retry)
        return;
    if (yes) {
        save();
        return;
    }
    m_saveQuestion = SaveQuestion::Discard;
    m_view.askDiscard();
}

void RunFlow::discardAnswered(bool yes)
{
    Handler h(*this, "discardAnswered");
    if (m_phase != Phase::Saving || m_saveQuestion != SaveQuestion::Discard)
        return;
    if (!yes) {
        save();
        return;
    }
    m_saveQuestion = SaveQuestion::None;
    m_phase = Phase::Ready;
    m_view.runDiscarded();
}

void RunFlow::keptAcknowledged()
{
    Handler h(*this, "keptAcknowledged");
    if (m_phase != Phase::Saving || m_saveQuestion != SaveQuestion::Kept)
        return;
    m_saveQuestion = SaveQuestion::None;
    m_phase = Phase::Ended;
    m_phaseDueNs = m_episodeDueNs = -1;
    m_square.timer().stop();
    m_layout->stop();
    rearm();
    m_view.leaveForMainWindow();
}

bool RunFlow::closingNeedsAsking() const
{
    switch (m_phase) {
    case Phase::Countdown:
    case Phase::AwaitingKey:
    case Phase::FeedbackHold: return true;
    case Phase::Saving: return m_saveQuestion != SaveQuestion::Kept; // a kept run is safe in its own file
    default: return false;
    }
}

void RunFlow::closeRequested(bool endsProgram)
{
    if (m_phase == Phase::Ended)
        return; // closed by the program's own exit
    Handler h(*this, "close");
    if (endsProgram)
        endProgram();
}

void RunFlow::endProgram()
{
    if (m_phase == Phase::Ended)
        return;
    m_phase = Phase::Ended;
    m_phaseDueNs = m_episodeDueNs = -1;
    m_square.timer().stop();
    m_layout->stop();
    rearm();
    m_queue.clear();
    m_view.quit();
    // Nothing after this: the program is on its way out.
}

// ---- the run's steps ----------------------------------------------------------------------

void RunFlow::stepCountdown()
{
    ++m_countdownStep;
    if (m_countdownStep <= kCountdownSteps) {
        m_view.countdownStep(m_countdownStep);
        // Each size stays e^(k/18) x 10 ms from its own change.
        arm(std::lround(countdownStepMs(m_countdownStep) * m_timing.countdownStepScale));
        return;
    }
    if (m_countdownStep == kCountdownSteps + 1) {
        m_view.countdownGo();
        arm(m_timing.countdownGoMs);
        return;
    }
    m_phase = Phase::AwaitingKey;
    // From here a key is a trial: the first target exists before any key can be counted.
    m_engine.beginRun();
    m_square.resetCounts();
    m_view.beginRun();
    m_square.restart(m_clock.monotonicNs());
    rearm();
}

void RunFlow::acceptKey(QChar input)
{
    m_phase = Phase::FeedbackHold;
    m_held = input;
    // While the answer is on show nothing else touches the frame: the square rests.
    m_square.timer().stop();
    RunVariables &v = m_engine.vars();
    v.CurrentInput = QString(input);
    m_view.showFeedback(input, v.CurrentInput == v.CurrentTarget);
    // The hold is measured from the feedback on screen.
    arm(m_timing.feedbackHoldMs);
}

void RunFlow::holdOver()
{
    const TrialEngine::Answer answer = m_engine.recordAnswer(m_held);
    m_view.coverFrame(m_engine.vars().TrialNo + 1);
    if (answer.runComplete) {
        m_phase = Phase::Saving;
        m_queue.clear(); // keys after the 100th answer belong to no trial
        m_square.timer().stop();
        if (m_episode.isActive())
            m_episode.finish();
        m_episodeDueNs = -1;
        // The run is closed and saved on the next pass, once the cover is on screen: the last
        // answer is shown no longer than any other, however long the save takes.
        m_runClosed = false;
        arm(0);
        return;
    }
    m_phase = Phase::AwaitingKey;
    // The square shrinks again from full size, one tick from now.
    m_square.restart(m_clock.monotonicNs());
    if (m_conditions.withStimulus && m_engine.runStimulusSchedule()) {
        m_episode.start(m_conditions.stimulus);
        m_episodeDueNs = m_clock.monotonicNs(); // its first flash once the window has drawn this pass
    }
    m_engine.drawNextTarget();
    m_layout->start(m_clock.monotonicNs());
    // A key typed during the hold is next, once the cover has been drawn.
    if (!m_queue.isEmpty())
        arm(0);
    else
        rearm();
}

void RunFlow::takeQueuedKey()
{
    while (m_phase == Phase::AwaitingKey && !m_queue.isEmpty()) {
        const int keyCode = m_queue.dequeue();
        const QChar c(static_cast<char16_t>(keyCode));
        if (TrialEngine::isTrialKey(c))
            acceptKey(c);
        else
            otherKey(keyCode);
    }
}

void RunFlow::squareTick()
{
    const HidingSquare::Tick t = m_square.tick(m_clock.monotonicNs());
    if (t.shrinkStep > 0)
        m_view.shrinkCover(t.shrinkStep);
    else
        m_view.flicker(t.flicker);
}

void RunFlow::episodeStep()
{
    const qint64 next = m_episode.step();
    m_episodeDueNs = next < 0 ? -1 : m_clock.monotonicNs() + next;
}

// ---- saving -------------------------------------------------------------------------------

void RunFlow::closeRun()
{
    m_runClosed = true;
    m_engine.closeRun();
    m_view.closeRun();
    save();
}

void RunFlow::save()
{
    m_saveSinceNs = m_clock.monotonicNs();
    attemptSave();
}

void RunFlow::attemptSave()
{
    // A lock another copy holds is tried again on a deadline, never waited for: the window
    // stays live. Past the wait the last attempt decides.
    const qint64 waitNs = qint64(m_timing.lockWaitMs) * kNsPerMs;
    const qint64 left = m_saveSinceNs + waitNs - m_clock.monotonicNs();
    const bool last = left <= 0;
    QString message;
    switch (m_view.writeRun(last, &message)) {
    case View::Saved::Yes:
        m_saveQuestion = SaveQuestion::None;
        m_phase = Phase::Results;
        m_view.showResults();
        return;
    case View::Saved::Kept:
        m_saveQuestion = SaveQuestion::Kept;
        m_view.tellRunKept(message);
        return;
    case View::Saved::Busy:
        if (!last) {
            m_saveQuestion = SaveQuestion::None;
            arm(qMin<qint64>(m_timing.lockRetryMs, (left + kNsPerMs - 1) / kNsPerMs));
            return;
        }
        break;
    case View::Saved::Failed: break;
    }
    m_saveQuestion = SaveQuestion::Retry;
    m_view.askSaveRetry(message);
}

} // namespace vora
