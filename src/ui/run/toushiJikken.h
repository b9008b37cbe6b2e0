#pragma once
// The experiment window: instructions, run start and countdown, the 100 trials with their
// feedback, the stimulus episode, saving the run; the results view lives in it as well. Its
// parts are classes of their own: the header row (ExperimentHeader), the instruction panel
// (InstructionPanel), the condition memo (ConditionMemo), the digit frame with the start button
// and countdown (DigitFrame), the key box (KeyBox), the ground it is drawn on (StageBackdrop)
// and the end of a run with its questions (RunEnd). This class lays them out and does what each
// step of RunFlow asks.
#include "core/run/RunFlow.h"
#include "core/run/StimulusEpisode.h"
#include "core/run/TrialEngine.h"
#include "ui/results/ResultsHost.h"
#include "ui/run/DigitFrame.h"
#include "ui/run/RunEnd.h"
#include "ui/run/StageBackdrop.h"

#include <QWidget>
#include <memory>

class QPushButton;

namespace vora {

class ConditionMemo;
class ExperimentHeader;
class InstructionPanel;
class KeyBox;
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

    QColor backColour() const { return m_backdrop.colour(); }
    bool hasBackgroundPicture() const { return m_backdrop.hasPicture(); }
    bool lastRunDiscarded() const { return m_end->lastRunDiscarded(); }
    QString unsavedRunLine() const { return m_end->unsavedLine(); }

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
    void armLayoutTimer() override { m_flow->armLayout(); }
    void stopAnimationTimer() override { m_flow->stopSquare(); }
    void clearBackgroundPicture() override { m_backdrop.setPicture(QString()); }
    void saveReport() override;

    // RunFlow::View: what each step of a run shows.
    void beginCountdown() override;
    void countdownStep(int k) override { m_frame->countdownSize(countdownFontSize(k)); }
    void countdownGo() override;
    void beginRun() override;
    void otherKey(int) override { m_frame->hideCover(); } // no trial: the square stays away
    void showFeedback(QChar input, bool hit) override;
    void coverFrame(int awaited) override { m_frame->coverFrame(awaited); }
    void shrinkCover(int tick) override { m_frame->shrinkCover(tick); }
    void flicker(QChar digit) override { m_frame->flicker(digit); }
    void layoutStep() override;
    void closeRun() override;
    Saved writeRun(bool last, QString *message) override { return m_end->writeRun(last, message); }
    void tellRunKept(const QString &message) override { m_end->tellRunKept(message); }
    void leaveForMainWindow() override { showMainWindow(); }
    void askSaveRetry(const QString &reason) override { m_end->askSaveRetry(reason); }
    void askDiscard() override { m_end->askDiscard(); }
    void showResults() override;
    void runDiscarded() override;
    void toggleInstructions() override;
    void openHelp() override { m_end->openHelp(); }
    void askEnd() override { m_end->askEnd(); }
    void quit() override;
    void focusKeyBox() override;

    // StimulusStage: the window as the stimulus episode flashes it.
    QRect beginEpisode(bool fillScreen) override;
    void endEpisode() override;
    QSize stageSize() const override { return size(); }
    void flashColours(const FlashColours &colours) override;
    void showPicture(const QString &fileName, const QPoint &at) override;
    void hidePicture() override { m_backdrop.hidePicture(); }
    void setShapes(const LargeShapes &shapes) override { m_backdrop.setShapes(shapes); }

    void buildControls();
    void wireControls();
    void load();
    // Run input (judged by the run's phase); while results are shown, a key redraws them.
    void keyHandler(int keyCode);
    void keyBoxOnHowTo();
    QString instructionText(bool longText) const;

    Module1 &m_module;
    TrialEngine m_engine;
    StageBackdrop m_backdrop;
    ExperimentHeader *m_header = nullptr;
    DigitFrame *m_frame = nullptr;
    std::unique_ptr<ResultsDisplay> m_results;
    RunFlow *m_flow = nullptr; // the run's phases and clocks (Timer2, Timer3, the episode's flashes)
    std::unique_ptr<RunEnd> m_end;

    // Controls; each keeps the program's own control name as its objectName.
    InstructionPanel *m_instructions = nullptr; // Label2
    ConditionMemo *m_conditionMemo = nullptr; // Text5
    KeyBox *m_keyBox = nullptr; // Text1
    QPushButton *m_howTo = nullptr; // Command1

    int m_instructionToggle = 0;
    // The run's layout while the stimulus episode has the window.
    QRect m_savedWindow;
    QRect m_savedFrame;
    int m_savedHowToLeft = 0;
};

} // namespace vora
