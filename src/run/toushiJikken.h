#pragma once
// The experiment window: instructions, run start and countdown, the 100 trials with their
// feedback, the stimulus episode, saving the run; the results view lives in it as well.
#include "results/ResultsHost.h"
#include "run/RunFlow.h"
#include "run/TrialEngine.h"

#include <QColor>
#include <QPixmap>
#include <QWidget>
#include <memory>

class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QProgressBar;
class QPushButton;
class QTimer;

namespace vora {

class Module1;
class ResultsDisplay;
class StimulusEpisode;

class toushiJikken : public QWidget, public ResultsHost, private RunFlow::View {
    Q_OBJECT
public:
    explicit toushiJikken(Module1 &module, QWidget *parent = nullptr);
    ~toushiJikken() override;

    // Controls, each named as the program has always named it.
    QLabel *Label1 = nullptr;    // title
    QLabel *Label2 = nullptr;    // instruction panel
    QLabel *Label4 = nullptr;    // digit frame
    QLabel *Label28 = nullptr;   // prompt "当てよう!!"
    QLabel *Label30 = nullptr;   // experiment name
    QLabel *Label31 = nullptr;   // date
    QLabel *Label33 = nullptr;   // version
    QLabel *Label34 = nullptr;   // time of opening
    QLabel *Label35 = nullptr;   // countdown
    QLabel *Label36 = nullptr;   // hiding square
    QPlainTextEdit *Text5 = nullptr; // condition memo
    QLineEdit *Text1 = nullptr;  // key box
    QProgressBar *ProgressBar1 = nullptr;
    QPushButton *Command1 = nullptr;  // how-to
    QPushButton *Command4 = nullptr;  // start
    QPushButton *Command5 = nullptr;  // help
    QPushButton *Command12 = nullptr; // end
    QTimer *Timer2 = nullptr;    // hiding square and idle flicker
    QTimer *Timer3 = nullptr;    // one-shot layout step
    QLabel *StimulusPicture = nullptr; // the large level's pictures (kept apart from the results chart)

    // Window variables shared with the results view.
    int InstructionToggle = 0;   // 0 at first; 1: next press shows the long text; -1: the short one
    int ReloadAfterMemo = 0;
    int ShrinkTick = 0;
    int FlickerPhase = 0;

    TrialEngine &engine() { return m_engine; }
    RunVariables &runVariables() { return m_engine.vars(); }
    ResultsDisplay &results() { return *m_results; }
    StimulusEpisode &episode() { return *m_episode; }
    RunFlow &flow() { return *m_flow; }
    Module1 &module() override { return m_module; }

    // The one key handler: run input (judged by the run's phase), and with a dummy key the
    // results display.
    void keyHandler(int keyCode);

    // The buttons hand their click to the run's state machine.
    void Command1_Click();  // how-to
    void Command4_Click();  // start
    void Command5_Click();  // help
    void Command12_Click(); // end
    void Timer2_Timer();
    void Timer3_Timer();

    // The window's own drawing surface: colour, background picture, stimulus shapes.
    void setBackColour(const QColor &colour);
    QColor backColour() const { return m_backColour; }
    void setBackgroundPicture(const QString &path); // empty: none
    bool hasBackgroundPicture() const { return !m_backgroundPicture.isNull(); }
    void setStimulusShapes(const LargeShapes &shapes);
    void clearStimulusShapes();

    // Placement in twips, as every layout rule of the window is written.
    static int tw(int pixels);
    static int px(double twips);
    void setLeftTw(QWidget *w, double twips);
    void setTopTw(QWidget *w, double twips);

    // The short instruction text of this experiment.
    QString shortInstructions() const;
    QString longInstructions() const;

    // Set when trial 100 could not be written and the user gave the run up.
    bool lastRunDiscarded() const { return m_lastRunDiscarded; }
    // A finished run that is not in the data file yet (empty when nothing is pending).
    QString unsavedRunLine() const { return m_unsavedLine; }

    // ResultsHost
    QWidget *window() override { return this; }
    void callKeyHandler(int keyCode) override { keyHandler(keyCode); }
    void reopenWindow() override;
    void reopenWindowAfterMemo() override;
    void showMainWindow() override;
    void resetRunState() override;
    void armLayoutTimer() override;
    void stopAnimationTimer() override;
    // The results are drawn on a plain window.
    void clearBackgroundPicture() override { setBackgroundPicture(QString()); }
    void saveReport() override;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void paintEvent(QPaintEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    // RunFlow::View: what each step of a run shows.
    void beginCountdown() override;
    void countdownStep(int k) override;
    void countdownGo() override;
    void beginRun() override;
    void otherKey(int keyCode) override;
    void showFeedback(QChar input) override;
    bool recordAnswer(QChar input) override;
    void closeRun() override;
    bool writeRun(QString *reason) override;
    void askSaveRetry(const QString &reason) override;
    void askDiscard() override;
    void showResults() override;
    void runDiscarded() override;
    void toggleInstructions() override;
    void openHelp() override;
    void askEnd() override;
    void quit() override;
    void focusKeyBox() override;

    void buildControls();
    void load();
    void centreCountdown();
    QString dataFile() const;
    void placeRightButtons();
    QFont gothic(double points, bool bold = false) const;

    Module1 &m_module;
    TrialEngine m_engine;
    std::unique_ptr<ResultsDisplay> m_results;
    std::unique_ptr<StimulusEpisode> m_episode;
    RunFlow *m_flow = nullptr;
    QColor m_backColour = Qt::white;
    QPixmap m_backgroundPicture;
    bool m_hasShapes = false;
    LargeShapes m_shapes;
    bool m_lastRunDiscarded = false;
    QString m_unsavedLine;
};

} // namespace vora
