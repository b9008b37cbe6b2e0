#pragma once
// The experiment window: instructions, run start and countdown, the 100 trials with their
// feedback, the stimulus episode, saving the run; the results view lives in it as well.
#include "core/run/KeyRepeats.h"
#include "core/run/RunFlow.h"
#include "core/run/StimulusEpisode.h"
#include "core/run/TrialEngine.h"
#include "ui/results/ResultsHost.h"

#include <QColor>
#include <QPixmap>
#include <QWidget>
#include <memory>

class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QProgressBar;
class QPushButton;

namespace vora {

class ExperimentHeader;
class Module1;
class ResultsDisplay;

class toushiJikken : public QWidget, public ResultsHost, private RunFlow::View, private StimulusStage {
    Q_OBJECT
public:
    explicit toushiJikken(Module1 &module, QWidget *parent = nullptr);
    ~toushiJikken() override;

    TrialEngine &engine() { return m_engine; }
    RunVariables &runVariables() { return m_engine.vars(); }
    ResultsDisplay &results() { return *m_results; }
    const StimulusEpisode &episode() const { return m_flow->episode(); }
    RunFlow &flow() { return *m_flow; }
    Module1 &module() override { return m_module; }
    // 0 at first; 1: the next how-to press shows the long text; -1: the short one.
    int instructionToggle() const { return m_instructionToggle; }

    QColor backColour() const { return m_backColour; }
    bool hasBackgroundPicture() const { return !m_backgroundPicture.isNull(); }
    // Set when trial 100 could not be written and the user gave the run up.
    bool lastRunDiscarded() const { return m_lastRunDiscarded; }
    // A finished run that is not in the data file yet (empty when nothing is pending).
    QString unsavedRunLine() const { return m_unsavedLine; }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void paintEvent(QPaintEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    // ResultsHost
    QWidget *view() override { return this; }
    HeaderRow &header() override;
    void hideRunControls() override;
    void showConditions(const QString &line, bool fitLine, const QString &memo, bool showMemo) override;
    void showResultsAfresh() override;
    void showMainWindow() override;
    void resetRunState() override;
    void armLayoutTimer() override;
    void stopAnimationTimer() override;
    void clearBackgroundPicture() override { setBackgroundPicture(QString()); }
    void saveReport() override;

    // RunFlow::View: what each step of a run shows.
    void beginCountdown() override;
    void countdownStep(int k) override;
    void countdownGo() override;
    void beginRun() override;
    void otherKey(int keyCode) override;
    void showFeedback(QChar input, bool hit) override;
    void coverFrame(int awaited) override;
    void shrinkCover(int tick) override;
    void flicker(QChar digit) override;
    void layoutStep() override;
    void closeRun() override;
    Saved writeRun(bool last, QString *message) override;
    void tellRunKept(const QString &message) override;
    void leaveForMainWindow() override;
    void askSaveRetry(const QString &reason) override;
    void askDiscard() override;
    void showResults() override;
    void runDiscarded() override;
    void toggleInstructions() override;
    void openHelp() override;
    void askEnd() override;
    void quit() override;
    void focusKeyBox() override;

    // StimulusStage: the window as the stimulus episode flashes it.
    QRect beginEpisode(bool fillScreen) override;
    void endEpisode() override;
    QSize stageSize() const override { return size(); }
    void flashColours(const FlashColours &colours) override;
    void showPicture(const QString &fileName, const QPoint &at) override;
    void hidePicture() override;
    void setShapes(const LargeShapes &shapes) override;

    void buildControls();
    void wireControls();
    void load();
    // Run input (judged by the run's phase); while results are shown, a key redraws them.
    void keyHandler(int keyCode);
    void moveFeedbackBox(const QPoint &pixels);
    void centreCountdown();
    void warmFeedbackGlyphs();
    void keyBoxOnHowTo();
    void shortInstructionPanel();
    QString shortInstructions() const;
    QString longInstructions() const;
    QString dataFile() const;

    // The window's own drawing surface: colour, background picture, stimulus shapes.
    void setBackColour(const QColor &colour);
    void setBackgroundPicture(const QString &path); // empty: none

    Module1 &m_module;
    TrialEngine m_engine;
    ExperimentHeader *m_header = nullptr;
    std::unique_ptr<ResultsDisplay> m_results;
    RunFlow *m_flow = nullptr; // the run's phases and clocks (Timer2, Timer3, the episode's flashes)

    // Controls; each keeps the program's own control name as its objectName.
    QLabel *m_instructions = nullptr; // Label2
    QLabel *m_feedback = nullptr; // Label4: the digit frame
    QLabel *m_prompt = nullptr; // Label28: "当てよう!!"
    QLabel *m_countdown = nullptr; // Label35
    QLabel *m_cover = nullptr; // Label36: the hiding square
    QLabel *m_stimulusPicture = nullptr; // the large level's pictures
    QPlainTextEdit *m_conditionMemo = nullptr; // Text5
    QLineEdit *m_keyBox = nullptr; // Text1
    QProgressBar *m_progress = nullptr; // ProgressBar1
    QPushButton *m_howTo = nullptr; // Command1
    QPushButton *m_start = nullptr; // Command4

    int m_instructionToggle = 0;

    QColor m_backColour = Qt::white;
    QPixmap m_backgroundPicture;
    bool m_hasShapes = false;
    LargeShapes m_shapes;
    // The run's layout while the stimulus episode has the window.
    QRect m_savedWindow;
    QRect m_savedFrame;
    int m_savedHowToLeft = 0;

    KeyRepeats m_keyRepeats;
    bool m_lastRunDiscarded = false;
    QString m_unsavedLine;
};

} // namespace vora
