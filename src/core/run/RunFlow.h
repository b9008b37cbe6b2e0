#pragma once
// The course of a run in the experiment window as one state machine. Every input (a key, a
// button, the window's close, a dialog answer) is judged by the current phase, and every
// wait (the countdown steps, the feedback hold) is a deadline on the monotonic clock that a
// single-shot QTimer brings back to the main event loop: no handler ever waits, so none can
// run inside another. The window does what each step shows through the View.
#include "core/toolkit/DeadlineTimer.h"
#include "core/toolkit/Timing.h"

#include <QObject>
#include <QQueue>

namespace vora {

class Clock;

class RunFlow : public QObject {
    Q_OBJECT
public:
    enum class Phase {
        Ready, // instructions up, the start button waits
        Countdown, // "まもなくスタート" shrinking, then "１，０入力開始"
        AwaitingKey, // a target is drawn; the next 1 or 0 is a trial
        FeedbackHold, // the answer is on show; keys wait in order
        Saving, // trial 100 is in: writing the run, or asking what to do when that failed
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
        virtual void beginRun() = 0; // the first target; the key box takes the keys
        virtual void otherKey(int keyCode) = 0; // a key that is no trial
        virtual void showFeedback(QChar input) = 0; // painted when it returns
        // The hold is over: cover the frame, count the trial, draw the next target.
        // True when that was trial 100.
        virtual bool recordAnswer(QChar input) = 0;
        virtual void closeRun() = 0; // timers off, beeps, block counts
        // Append the run line. Kept: the data file's rules refused it and it went to a file of
        // its own; Failed: it is still only in memory. `message` says why.
        enum class Saved { Yes, Kept, Failed };
        virtual Saved writeRun(QString *message) = 0;
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

    RunFlow(View &view, const Clock &clock, const Timing &timing, QObject *parent = nullptr);

    Phase phase() const { return m_phase; }
    // A key box key is pending or on show (the run is busy with it).
    bool busy() const { return m_phase == Phase::FeedbackHold || !m_queue.isEmpty(); }
    int queuedKeys() const { return m_queue.size(); }
    // Monotonic ms of the next deadline, -1 when none is armed.
    qint64 deadline() const { return m_deadlineNs < 0 ? -1 : m_deadlineNs / 1000000; }
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

    // The deadline timer's handler; early calls re-arm and return (tests call it directly
    // after moving a frozen clock).
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
    void disarm();
    void stepCountdown();
    void acceptKey(QChar input);
    void holdOver();
    void takeQueuedKey();
    void save();
    void endProgram();
    bool keysReachRun() const { return m_phase == Phase::AwaitingKey || m_phase == Phase::FeedbackHold; }

    View &m_view;
    const Clock &m_clock;
    const Timing m_timing;
    DeadlineTimer m_timer;
    Phase m_phase = Phase::Ready;
    qint64 m_deadlineNs = -1;
    int m_countdownStep = 0; // 0 lead, 1..60 shrinking, 61 go
    QChar m_held; // the answer on show
    QQueue<int> m_queue; // keys typed while an answer was on show, in order
    bool m_endQuestionOpen = false;
    enum class SaveQuestion { None, Retry, Discard, Kept } m_saveQuestion = SaveQuestion::None;
    const char *m_running = nullptr;
    int m_reentries = 0;
};

} // namespace vora
