#include "ui/run/toushiJikken.h"

#include "core/run/Instructions.h"
#include "core/toolkit/Version.h"
#include "ui/results/ResultsDisplay.h"
#include "ui/run/ConditionMemo.h"
#include "ui/run/ExperimentHeader.h"
#include "ui/run/ExperimentWindow.h"
#include "ui/run/InstructionPanel.h"
#include "ui/run/KeyBox.h"
#include "ui/run/ReportSave.h"
#include "ui/run/WindowStyle.h"
#include "ui/startup/Module1.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QGuiApplication>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QScreen>

namespace vora {

namespace {
// The texts of this file, under the translation context "vora::toushiJikken".
struct Texts {
    Q_DECLARE_TR_FUNCTIONS(vora::toushiJikken)
};

// Design sizes and places, in twips.
constexpr int kWindowWidth = 14500;
constexpr int kWindowHeight = 10400;
constexpr int kPanelTop = 1560;
constexpr int kPanelWidth = 12000;
} // namespace

using namespace style;

QWidget *makeExperimentWindow(Module1 &module)
{
    return new toushiJikken(module);
}

toushiJikken::toushiJikken(Module1 &module, QWidget *parent)
    : QWidget(parent),
      m_module(module),
      m_engine(*module.services().clock, *module.services().random),
      m_backdrop(*this)
{
    setObjectName(QStringLiteral("toushiJikken"));
    setWindowTitle(Texts::tr("ESP実験"));
    setAttribute(Qt::WA_OpaquePaintEvent, false);
    buildControls();
    const SharedState &s = module.state();
    m_flow = new RunFlow(*this, *this, m_engine, *module.services().clock, module.services().timing,
                         RunConditions{s.withStimulus, s.stimulus}, this);
    m_end = std::make_unique<RunEnd>(this, module, *m_flow, [this] { focusKeyBox(); });
    m_results = std::make_unique<ResultsDisplay>(*this);
    wireControls();
    load();
}

toushiJikken::~toushiJikken()
{
    // The results view holds references to us; let it go first.
    m_results.reset();
}

void toushiJikken::buildControls()
{
    resize(px(kWindowWidth), px(kWindowHeight));

    m_header = new ExperimentHeader(this);
    m_howTo = new QPushButton(Texts::tr("実験のやり方"), this);
    m_howTo->setObjectName(QStringLiteral("Command1"));
    m_howTo->setGeometry(px(kHowToLeftTw), px(120), px(1800), px(450));
    // Mouse buttons: a click never takes the keyboard from the key box, so neither space nor
    // Enter can press a button during a run.
    m_howTo->setFocusPolicy(Qt::NoFocus);
    m_header->stackUnderButtons(m_howTo);

    m_conditionMemo = new ConditionMemo(this);

    m_instructions = new InstructionPanel(this);
    m_instructions->setObjectName(QStringLiteral("Label2"));
    m_instructions->setGeometry(px((kWindowWidth - kPanelWidth) / 2), px(kPanelTop), px(kPanelWidth),
                                px(InstructionPanel::kShortHeightTw));
    setGothic(m_instructions, 13);
    m_instructions->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    setBackground(m_instructions, applicationButtonColour());
    // A click on the panel moves the digit frame to the pointer.
    m_instructions->installEventFilter(this);

    m_frame = new DigitFrame(this, (kWindowWidth - DigitFrame::kWidthTw) / 2,
                             kPanelTop + InstructionPanel::kShortHeightTw + 500);

    m_keyBox = new KeyBox(this);
    m_keyBox->setGeometry(px(kHowToLeftTw + 10), px(130), px(150), px(150));
    m_keyBox->hide();

    m_backdrop.makePictureBox();
}

void toushiJikken::wireControls()
{
    // Clicks go to the run's state machine, which decides by the phase what they do and
    // gives the keyboard back to the key box while a run takes keys.
    connect(m_howTo, &QPushButton::clicked, this, [this] { m_flow->howTo(); });
    connect(m_frame, &DigitFrame::startClicked, this, [this] { m_flow->start(); });
    connect(m_header, &ExperimentHeader::helpClicked, this, [this] { m_flow->help(); });
    connect(m_header, &ExperimentHeader::endClicked, this, [this] { m_flow->endRequested(); });
    connect(m_keyBox, &KeyBox::typed, this, &toushiJikken::keyHandler);

    // The bare window: pointer moves put the chart hint away; before the first results a
    // released button moves the digit frame.
    setMouseTracking(true);
    installEventFilter(this);
}

QString toushiJikken::instructionText(bool longText) const
{
    const SharedState &s = m_module.state();
    const bool hitsShown = s.hitDisplay == HitDisplay::Shown;
    return longText ? instructions::longText(s.withStimulus, hitsShown)
                    : instructions::shortText(s.withStimulus, hitsShown);
}

void toushiJikken::load()
{
    SharedState &s = m_module.state();
    Services &sv = m_module.services();

    m_header->setVersion(version::experimentWindowText());
    if (s.withStimulus)
        m_header->setTitle(Texts::tr("　ＶＯＲＡ(刺激１)　"));
    // Creates the results controls and takes up a running continuous display.
    m_results->onWindowLoad();
    s.launchedFromMain = false;
    resize(px(kWindowWidth), px(kWindowHeight));

    const bool resultsOnly = s.view != ExperimentView::Run;
    if (!resultsOnly) {
        m_conditionMemo->showForRun(s.conditionMemo, s.showConditions);
        m_instructions->showShort(instructionText(false) + instructions::startHint());
        m_instructions->move((width() - m_instructions->width()) / 2, m_instructions->y());
        m_header->placeRightButtons(width());

        m_frame->placeForRun(width(), m_instructions->y() + m_instructions->height() + px(500),
                             s.hitDisplay == HitDisplay::Shown);

        m_header->showName(s.experimentName, 400);
        m_header->setDate(sv.clock->dateText());
        m_header->dateAfterTitle(200);
        // The opening time as hours and minutes; a one-digit hour has no stray colon.
        m_header->setTime(runStartTimeFromTimeText(sv.clock->timeText()).trimmed());
        m_header->timeAfterDate(100);
        m_header->titleAfterName();
        m_howTo->move(px(kHowToLeftTw), m_howTo->y());
    } else {
        m_results->display();
    }

    m_backdrop.setPicture(s.backgroundImagePath);
    if (!resultsOnly)
        m_frame->showProgress(false);
}

void toushiJikken::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    m_backdrop.paint(p);
}

// ---- run start --------------------------------------------------------------------------

void toushiJikken::beginCountdown()
{
    const SharedState &s = m_module.state();
    m_instructionToggle = -1;
    // Neither a click nor a key can start this run a second time.
    m_frame->withdrawStart();
    m_instructions->setText(instructionText(false));
    if (s.withStimulus)
        m_header->setTitle(Texts::tr("　ＶＯＲＡ(刺激１)　"));
    m_header->titleAfterName();
    m_frame->showProgress(true);
    for (int i = 0; i < 3; ++i)
        m_module.services().sound->beep();
    m_frame->beginCountdown(instructions::countdownGetReady());
}

void toushiJikken::countdownGo()
{
    m_frame->countdownGo(instructions::countdownGo());
}

void toushiJikken::beginRun()
{
    SharedState &s = m_module.state();
    Services &sv = m_module.services();
    m_header->showName(s.experimentName, 400);
    m_header->setDate(sv.clock->dateText());
    m_header->dateAfterTitle(200);
    m_header->timeAfterDate(100);
    m_end->runBegins();

    m_keyBox->setAttribute(Qt::WA_InputMethodEnabled, false);
    m_keyBox->show();
    m_howTo->move(px(kHowToLeftTw), m_howTo->y());
    // The short layout, whatever the how-to button did during the countdown.
    m_instructionToggle = -1;
    toggleInstructions();
    keyBoxOnHowTo();
    m_frame->beginRun();
}

// ---- trials and the hiding square -------------------------------------------------------

void toushiJikken::showFeedback(QChar input, bool hit)
{
    m_frame->showAnswer(input, hit, m_module.state().hitDisplay == HitDisplay::Shown);
}

void toushiJikken::layoutStep()
{
    m_results->placePanelUnderChart();
}

// ---- closing the run ------------------------------------------------------------------

void toushiJikken::closeRun()
{
    m_results->stopContinuousTimer();
    m_end->closeRun(m_engine);
}

void toushiJikken::showResults()
{
    m_results->display();
}

void toushiJikken::runDiscarded()
{
    // Given up knowingly: the run is not in the file, so there are no results to show for
    // it; the window waits for a new run.
    m_end->runDiscarded();
    resetRunState();
    m_frame->clear();
    m_frame->offerStart();
    armLayoutTimer();
}

// ---- the stimulus episode's stage -----------------------------------------------------

QRect toushiJikken::beginEpisode(bool fillScreen)
{
    m_backdrop.setPicture(QString());
    m_savedWindow = geometry();
    m_savedFrame = m_frame->geometry();
    m_savedHowToLeft = m_howTo->x();
    m_header->setDate(m_module.services().clock->dateText());
    if (!fillScreen)
        return QRect();

    QScreen *screen = QGuiApplication::primaryScreen();
    const QRect full = screen ? screen->geometry() : geometry();
    setGeometry(full);
    const int W = full.width();
    m_header->titleAfterName();
    m_instructions->move(W / 2 - m_instructions->width() / 2, m_instructions->y());
    setPanelColour(m_instructions, QColor(255, 0, 0));
    m_howTo->move(W / 2 + W / 6, m_howTo->y());
    m_header->placeRightButtons(W);
    keyBoxOnHowTo();
    m_header->dateAfterTitle(100);
    m_header->timeAfterDate(100);
    return full;
}

void toushiJikken::endEpisode()
{
    m_backdrop.clearShapes();
    setGeometry(m_savedWindow);
    m_frame->restore(m_savedFrame);
    m_howTo->move(m_savedHowToLeft, m_howTo->y());
    const int W = m_savedWindow.width();
    m_header->placeRightButtons(W);
    keyBoxOnHowTo();
    m_header->titleAfterName();
    m_backdrop.setColour(QColor(255, 255, 255));

    m_instructions->showShort(instructionText(false));
    setPanelColour(m_instructions, applicationButtonColour());
    m_instructions->move((W - m_instructions->width()) / 2, m_instructions->y());

    m_keyBox->setFocus();
    m_header->setDate(m_module.services().clock->dateText());
    m_header->dateAfterTitle(100);
    m_header->timeAfterDate(100);
    m_backdrop.setPicture(m_module.state().backgroundImagePath);
}

void toushiJikken::flashColours(const FlashColours &colours)
{
    m_backdrop.setColour(QColor::fromRgb(colours.window));
    if (colours.panelChanges)
        setPanelColour(m_instructions, QColor::fromRgb(colours.panel));
}

void toushiJikken::showPicture(const QString &fileName, const QPoint &at)
{
    m_backdrop.showPicture(m_module.services().paths.file(fileName), at);
}

void toushiJikken::keyBoxOnHowTo()
{
    m_keyBox->move(m_howTo->x() + px(10), m_howTo->y() + px(10));
}

// ---- buttons, keys and the pointer ------------------------------------------------------

void toushiJikken::toggleInstructions()
{
    if (m_results->resultsShown())
        return;
    if (m_instructionToggle == 0)
        m_instructionToggle = 1;
    if (m_instructionToggle == -1)
        m_instructions->showShort(instructionText(false));
    else
        m_instructions->showLong(instructionText(true));
    m_frame->keepBesideFrame();
    m_instructionToggle = -m_instructionToggle;
    m_keyBox->setFocus();
}

void toushiJikken::quit()
{
    // The program leaves through its normal exit; the caller returns at once.
    m_module.services().process->quitNow();
}

void toushiJikken::focusKeyBox()
{
    if (m_keyBox->isVisible())
        m_keyBox->setFocus(Qt::OtherFocusReason);
}

void toushiJikken::closeEvent(QCloseEvent *event)
{
    if (m_flow->closingNeedsAsking()) {
        // Alt+F4 or the window manager's close during a run is the end button: the answers
        // typed so far go only when the subject says so.
        event->ignore();
        m_flow->endRequested();
        return;
    }
    const SharedState &s = m_module.state();
    const bool endsProgram = !s.launchedFromMain && s.view != ExperimentView::BrowseRun;
    event->accept();
    m_flow->closeRequested(endsProgram);
}

bool toushiJikken::eventFilter(QObject *watched, QEvent *event)
{
    const QEvent::Type type = event->type();
    if (watched == this && (type == QEvent::MouseMove || type == QEvent::MouseButtonRelease)) {
        const QPoint pos = static_cast<QMouseEvent *>(event)->position().toPoint();
        // Only the bare window: events that a control let through to it are not meant here.
        if (!childAt(pos)) {
            if (type == QEvent::MouseMove)
                m_results->hideChartHint();
            else if (!m_results->resultsShown())
                m_frame->moveTo(pos);
        }
    } else if (watched == m_instructions && type == QEvent::MouseButtonRelease) {
        // On the panel the pointer counts from the panel's corner, at any time.
        m_frame->moveTo(m_instructions->pos() + static_cast<QMouseEvent *>(event)->position().toPoint());
        return true;
    }
    return QWidget::eventFilter(watched, event);
}

void toushiJikken::keyHandler(int keyCode)
{
    if (m_results->keysRedraw()) {
        m_frame->hideCover();
        m_results->redraw();
        return;
    }
    // Run input: whether it is a trial, waits its turn or counts for nothing is the phase's call.
    m_flow->key(keyCode);
}

// ---- ResultsHost ------------------------------------------------------------------------

void toushiJikken::hideRunControls()
{
    m_keyBox->hide();
    m_frame->hideRunControls();
    m_instructions->hide();
    m_howTo->hide();
    m_backdrop.hidePictureBox();
}

void toushiJikken::showConditions(const QString &line, bool fitLine, const QString &memo, bool showMemo)
{
    m_conditionMemo->showBeside(m_frame->showConditionsLine(line, fitLine), memo, showMemo);
}

void toushiJikken::showResultsAfresh()
{
    // Another view of the same experiment: the window stays where the user put it, and its
    // results view starts again as a newly opened window's would.
    SharedState &s = m_module.state();
    m_results->restart();
    s.launchedFromMain = false;
    resize(px(kWindowWidth), px(kWindowHeight));
    m_results->display();
    m_backdrop.setPicture(s.backgroundImagePath);
}

void toushiJikken::saveReport()
{
    saveExperimentReport(this, m_module);
}

HeaderRow &toushiJikken::header()
{
    return *m_header;
}

void toushiJikken::showMainWindow()
{
    m_module.showMainWindow();
}

void toushiJikken::resetRunState()
{
    m_flow->resetRun();
    m_instructionToggle = 0;
}

} // namespace vora
