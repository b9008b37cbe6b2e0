#pragma once
// The digit frame of the experiment window (Label4) and what moves with it: the prompt above
// the digit (Label28), the hiding square (Label36), the progress bar under it (ProgressBar1),
// the start button beside it (Command4) and the countdown over it (Label35). The window says
// where the frame goes and what each step of a run shows in it.
#include <QObject>
#include <QRect>

class QLabel;
class QProgressBar;
class QPushButton;
class QWidget;

namespace vora {

class DigitFrame : public QObject {
    Q_OBJECT
public:
    // The controls are made in the window itself, so their places are window places; the
    // frame's top left corner in twips.
    DigitFrame(QWidget *window, int leftTwips, int topTwips);
    // The frame's design size, in twips.
    static constexpr int kWidthTw = 2040;
    static constexpr int kHeightTw = 1995;

    QRect geometry() const;
    // The run's layout as the window opens: the frame centred in `windowWidth` at `top`, the
    // start button beside it; with hit display the frame's hint says what it will show.
    void placeForRun(int windowWidth, int top, bool hitsShown);
    // The frame moved by the pointer: the prompt and the progress bar go with it.
    void moveTo(const QPoint &topLeft);
    // Back where it was before the stimulus episode, empty.
    void restore(const QRect &frame);
    // The progress bar and the start button keep to the frame's edges.
    void keepBesideFrame();
    // The thin progress bar under the frame, from 0 when `fromZero`.
    void showProgress(bool fromZero);
    // All but the frame itself: the results view has the window.
    void hideRunControls();
    // The start button disabled and away, so that nothing starts a run twice.
    void withdrawStart();
    // The start button back for a new run.
    void offerStart();

    // ---- the run's steps
    // The countdown's first text over the frame; the frame's figures are made ready meanwhile.
    void beginCountdown(const QString &text);
    void countdownSize(double points);
    void countdownGo(const QString &text);
    // The countdown gone, the prompt up, the frame covered for the first trial.
    void beginRun();
    void hideCover();
    void shrinkCover(int tick);
    void flicker(QChar digit);
    // The typed digit, or with `hitsShown` the hit or miss mark; painted before it returns.
    void showAnswer(QChar input, bool hit, bool hitsShown);
    // The hold is over: the frame covered at full size, `awaited` the trial now awaited;
    // painted before it returns.
    void coverFrame(int awaited);
    void clear();

    // The results view's conditions line in the frame's place; returns the line's rectangle.
    QRect showConditionsLine(const QString &line, bool fitLine);

Q_SIGNALS:
    void startClicked();

private:
    void centreCountdown();
    void warmGlyphs();

    QLabel *m_frame; // Label4
    QLabel *m_prompt; // Label28: "当てよう!!"
    QLabel *m_cover; // Label36: the hiding square
    QProgressBar *m_progress; // ProgressBar1
    QPushButton *m_start; // Command4
    QLabel *m_countdown; // Label35
};

} // namespace vora
