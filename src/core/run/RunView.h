#pragma once
// What the experiment window does at each step of a run, as RunFlow asks it. Calls never nest:
// each one comes from one handler of the flow.
#include <QChar>
#include <QString>

namespace vora {

class RunView {
public:
    virtual ~RunView() = default;
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

} // namespace vora
