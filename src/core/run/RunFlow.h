#pragma once
// The course of a run in the experiment window as one state machine. Every input (a key, a
// button, the window's close, a dialog answer) is judged by the current phase, and every wait
// is a deadline on the monotonic clock: the countdown steps, the feedback hold, the save's lock
// retries, and the run's other clocks, the hiding square (Timer2), the layout step (Timer3) and
// the stimulus episode's flashes. One deadline timer brings the earliest of them back to the
// main event loop; deadlines due together run in a fixed order, the phase's first. No handler
// waits, none runs inside another, and none has to look at another's state to keep out of its
// way: the square, for one, is simply not scheduled while an answer is on show.
//
// The trials themselves are the TrialEngine's: the flow counts each answer, runs the stimulus
// schedule and draws the next target; the window only shows what each step asks through the View.
#include "core/registry/Conditions.h"
#include "core/run/RunClocks.h"
#include "core/run/RunView.h"
#include "core/run/StimulusEpisode.h"
#include "core/toolkit/DeadlineTimer.h"
#include "core/toolkit/Timing.h"

#include <QObject>
#include <QQueue>

namespace vora {

class Clock;
class TrialEngine;

// The conditions a run is done under.
struct RunConditions {
    bool withStimulus = false;
    Stimulus stimulus = Stimulus::None;
};

class RunFlow : public QObject {
    Q_OBJECT
public:
    enum class Phase {
        Ready, // instructions up, the start button waits
        Countdown, // "まもなくスタート" shrinking, then "１，０入力開始"
        AwaitingKey, // a target is drawn; the next 1 or 0 is a trial
        FeedbackHold, // the answer is on show; keys wait in order
        Saving, // trial 100 is in: writing the run, waiting for a busy lock, or asking what to do
        Results, // the run is stored (or given up); the results view has the window
        Ended, // the window is leaving (the program ends, or the main window takes over)
    };

    // What the window does at each step (core/run/RunView.h).
    using View = RunView;

    RunFlow(View &view, StimulusStage &stage, TrialEngine &engine, const Clock &clock, const Timing &timing,
            const RunConditions &conditions, QObject *parent = nullptr);

    Phase phase() const { return m_phase; }
    // A key box key is pending or on show (the run is busy with it).
    bool busy() const { return m_phase == Phase::FeedbackHold || !m_queue.isEmpty(); }
    int queuedKeys() const { return m_queue.size(); }
    // Monotonic ms of the phase's deadline (countdown step, hold, next save attempt), -1 when none.
    qint64 deadline() const { return m_phaseDueNs < 0 ? -1 : m_phaseDueNs / 1000000; }
    // Monotonic ms of the episode's next flash, -1 when none.
    qint64 episodeDeadline() const { return m_episodeDueNs < 0 ? -1 : m_episodeDueNs / 1000000; }
    // The earliest of all deadlines, -1 when none is armed.
    qint64 nextDeadline() const;
    const RunTimer &squareTimer() const { return m_square.timer(); } // Timer2
    const RunTimer &layoutTimer() const { return *m_layout; } // Timer3
    const StimulusEpisode &episode() const { return m_episode; }
    // Answers typed in this run would be lost by closing the window now, so closing asks first.
    bool closingNeedsAsking() const;
    // Times a handler was entered while another one was still running. Always 0.
    int reentries() const { return m_reentries; }

    // ---- inputs ----
    void start(); // 開始
    void key(int keyCode); // the key box
    void howTo(); // 実験のやり方
    void help(); // Help
    void endRequested(); // 終了
    void endAnswered(bool yes);
    void saveRetryAnswered(bool yes);
    void discardAnswered(bool yes);
    void keptAcknowledged();
    // The window is being closed; `endsProgram` when that closing ends the program.
    void closeRequested(bool endsProgram);

    // ---- the results view's use of the run's clocks ----
    void armLayout(); // Timer3: the layout step two seconds from now
    void stopSquare(); // Timer2 off
    // Every run variable back to its start, the episode ended, the square's count restarted.
    void resetRun();

    // The deadline timer's handler: runs whatever is due, re-arms for the rest. Early calls
    // only re-arm (tests call it directly after moving a frozen clock).
    void onDeadline();

    // Marks one handler of the window as running for as long as it lives, so that any
    // handler entered meanwhile is caught and counted.
    class Handler {
    public:
        Handler(RunFlow &flow, const char *name);
        ~Handler();
        Handler(const Handler &) = delete;
        Handler &operator=(const Handler &) = delete;

    private:
        RunFlow &m_flow;
        const char *m_outer;
    };

private:
    void arm(qint64 ms);
    qint64 earliestNs() const;
    void rearm();
    void phaseDeadline();
    void squareTick();
    void episodeStep();
    void stepCountdown();
    void acceptKey(QChar input);
    void otherKey(int keyCode);
    void holdOver();
    void takeQueuedKey();
    void closeRun();
    void save();
    void attemptSave();
    void endProgram();
    bool keysReachRun() const { return m_phase == Phase::AwaitingKey || m_phase == Phase::FeedbackHold; }

    View &m_view;
    TrialEngine &m_engine;
    const Clock &m_clock;
    const Timing m_timing;
    const RunConditions m_conditions;
    StimulusEpisode m_episode;
    DeadlineTimer m_timer;
    HidingSquare m_square; // Timer2: hiding square and idle flicker
    RunTimer *m_layout; // Timer3: one-shot layout step
    Phase m_phase = Phase::Ready;
    qint64 m_phaseDueNs = -1;
    qint64 m_episodeDueNs = -1;
    int m_countdownStep = 0; // 0 lead, 1..60 shrinking, 61 go
    QChar m_held; // the answer on show
    QQueue<int> m_queue; // keys typed while an answer was on show, in order
    bool m_runClosed = false; // trial 100 is in and the run closed: saving it is under way
    qint64 m_saveSinceNs = -1; // the first attempt of the save under way
    bool m_endQuestionOpen = false;
    enum class SaveQuestion { None, Retry, Discard, Kept } m_saveQuestion = SaveQuestion::None;
    const char *m_running = nullptr;
    int m_reentries = 0;
};

} // namespace vora
