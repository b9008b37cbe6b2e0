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
#include "core/run/StimulusEpisode.h"
#include "core/toolkit/DeadlineTimer.h"
#include "core/toolkit/Timing.h"

#include <QObject>
#include <QQueue>

namespace vora {

class Clock;
class TrialEngine;

// One of the run's repeating or one-shot clocks, under the program's own control name
// ("Timer2", "Timer3"), so that it can be found and looked at like the control it replaces.
class RunTimer : public QObject {
    Q_OBJECT
public:
    explicit RunTimer(const char *name, QObject *parent) : QObject(parent) { setObjectName(QLatin1String(name)); }
    bool isActive() const { return m_dueNs >= 0; }
    int interval() const { return m_intervalMs; }
    // Monotonic ms of its next tick, -1 when none is due.
    qint64 deadline() const { return m_dueNs < 0 ? -1 : m_dueNs / 1000000; }

private:
    friend class RunFlow;
    qint64 m_dueNs = -1;
    int m_intervalMs = 0;
};

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

    // What the window does at each step. Calls never nest: each one comes from one handler.
    class View {
    public:
        virtual ~View() = default;
        virtual void beginCountdown() = 0; // start steps up to the "get ready" text
        virtual void countdownStep(int k) = 0; // k = 1..60: the text shrinks
        virtual void countdownGo() = 0; // "１，０入力開始"
        virtual void beginRun() = 0; // the first target is drawn: the key box takes the keys
        virtual void otherKey(int keyCode) = 0; // a key that is no trial: the square goes away
        // The typed digit, or with hit display the hit or miss mark; on screen when it returns.
        virtual void showFeedback(QChar input, bool hit) = 0;
        // The hold is over: the frame covered again at full size; `awaited` is the number of
        // the trial now awaited (101 after the last).
        virtual void coverFrame(int awaited) = 0;
        virtual void shrinkCover(int tick) = 0; // Timer2: one step of the hiding square
        virtual void flicker(QChar digit) = 0; // Timer2 after about 6 s without a key
        virtual void layoutStep() = 0; // Timer3
        virtual void closeRun() = 0; // beeps; the run line is held until it is stored
        // Append the run line. Kept: the data file's rules refused it and it went to a file of
        // its own; Failed: it is still only in memory; Busy: another copy of the program holds
        // a lock the save needs and nothing was written. On the `last` attempt of a save a busy
        // sealing lock no longer holds the run back: it is appended unsealed. `message` says why.
        enum class Saved { Yes, Kept, Failed, Busy };
        virtual Saved writeRun(bool last, QString *message) = 0;
        virtual void tellRunKept(const QString &message) = 0; // answered by keptAcknowledged()
        virtual void leaveForMainWindow() = 0; // the run cannot go on in this experiment
        virtual void askSaveRetry(const QString &reason) = 0; // answered by saveRetryAnswered()
        virtual void askDiscard() = 0; // answered by discardAnswered()
        virtual void showResults() = 0;
        virtual void runDiscarded() = 0; // given up knowingly: a new run may start
        virtual void toggleInstructions() = 0; // 実験のやり方
        virtual void openHelp() = 0;
        virtual void askEnd() = 0; // answered by endAnswered()
        virtual void quit() = 0; // the program leaves; nothing may follow
        virtual void focusKeyBox() = 0;
    };

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
    const RunTimer &squareTimer() const { return *m_square; } // Timer2
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
    void armSquare(qint64 dueNs, int intervalMs);
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
    RunTimer *m_square; // Timer2: hiding square and idle flicker
    RunTimer *m_layout; // Timer3: one-shot layout step
    Phase m_phase = Phase::Ready;
    qint64 m_phaseDueNs = -1;
    qint64 m_episodeDueNs = -1;
    int m_countdownStep = 0; // 0 lead, 1..60 shrinking, 61 go
    int m_shrinkTick = 0;
    int m_flickerPhase = 0; // +1 / -1, alternating on every square tick; 0 before the first
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
