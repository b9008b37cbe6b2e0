#include "core/run/RunFlow.h"

#include "core/run/TrialEngine.h"
#include "core/toolkit/Clock.h"

#include <QtGlobal>
#include <cmath>

namespace vora {

namespace {
constexpr int kCountdownSteps = 60;
}

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

RunFlow::RunFlow(View &view, const Clock &clock, const Timing &timing, QObject *parent)
    : QObject(parent), m_view(view), m_clock(clock), m_timing(timing)
{
    // The feedback hold is a measured 0.3 s: the deadline is kept to the nanosecond.
    connect(&m_timer, &DeadlineTimer::timeout, this, &RunFlow::onDeadline);
}

void RunFlow::arm(qint64 ms)
{
    const qint64 ns = qMax<qint64>(0, ms) * 1000000;
    m_deadlineNs = m_clock.monotonicNs() + ns;
    m_timer.start(ns);
}

void RunFlow::disarm()
{
    m_deadlineNs = -1;
    m_timer.stop();
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
        m_view.otherKey(keyCode);
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
    disarm();
    m_queue.clear();
    m_view.quit();
    // Nothing after this: the program is on its way out.
}

// ---- deadlines -----------------------------------------------------------------------------

void RunFlow::onDeadline()
{
    Handler h(*this, "deadline");
    if (m_deadlineNs < 0)
        return;
    const qint64 left = m_deadlineNs - m_clock.monotonicNs();
    if (left > 0) {
        m_timer.start(left);
        return;
    }
    m_deadlineNs = -1;
    switch (m_phase) {
    case Phase::Countdown: stepCountdown(); break;
    case Phase::FeedbackHold: holdOver(); break;
    case Phase::AwaitingKey: takeQueuedKey(); break;
    default: break;
    }
}

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
    m_view.beginRun();
}

void RunFlow::acceptKey(QChar input)
{
    m_phase = Phase::FeedbackHold;
    m_held = input;
    m_view.showFeedback(input);
    // The hold is measured from the feedback on screen.
    arm(m_timing.feedbackHoldMs);
}

void RunFlow::holdOver()
{
    const bool last = m_view.recordAnswer(m_held);
    if (last) {
        m_phase = Phase::Saving;
        m_queue.clear(); // keys after the 100th answer belong to no trial
        m_view.closeRun();
        save();
        return;
    }
    m_phase = Phase::AwaitingKey;
    // A key typed during the hold is next, once the cover has been drawn.
    if (!m_queue.isEmpty())
        arm(0);
}

void RunFlow::takeQueuedKey()
{
    while (m_phase == Phase::AwaitingKey && !m_queue.isEmpty()) {
        const int keyCode = m_queue.dequeue();
        const QChar c(static_cast<char16_t>(keyCode));
        if (TrialEngine::isTrialKey(c))
            acceptKey(c);
        else
            m_view.otherKey(keyCode);
    }
}

void RunFlow::save()
{
    QString message;
    switch (m_view.writeRun(&message)) {
    case View::Saved::Yes:
        m_saveQuestion = SaveQuestion::None;
        m_phase = Phase::Results;
        m_view.showResults();
        return;
    case View::Saved::Kept:
        m_saveQuestion = SaveQuestion::Kept;
        m_view.tellRunKept(message);
        return;
    case View::Saved::Failed: break;
    }
    m_saveQuestion = SaveQuestion::Retry;
    m_view.askSaveRetry(message);
}

} // namespace vora
