#include "ui/run/toushiJikken.h"

#include "core/registry/DataFile.h"
#include "core/registry/RunRecord.h"
#include "core/run/Instructions.h"
#include "core/toolkit/HelpPage.h"
#include "core/toolkit/Version.h"
#include "ui/results/ResultsDisplay.h"
#include "ui/run/ExperimentHeader.h"
#include "ui/run/ExperimentWindow.h"
#include "ui/run/InstructionPanel.h"
#include "ui/run/ReportSave.h"
#include "ui/run/WindowStyle.h"
#include "ui/startup/Module1.h"
#include "ui/toolkit/Style.h"

#include <QApplication>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QGuiApplication>
#include <QInputMethodQueryEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QScreen>

namespace vora {

namespace {
// The texts of this file, under the translation context "vora::toushiJikken".
struct Texts {
    Q_DECLARE_TR_FUNCTIONS(vora::toushiJikken)
};
} // namespace

using namespace style;

namespace {

// Design sizes and places, in twips.
constexpr int kWindowWidth = 14500;
constexpr int kWindowHeight = 10400;
constexpr int kFrameWidth = 2040;
constexpr int kFrameHeight = 1995;
constexpr int kPanelTop = 1560;
constexpr int kPanelWidth = 12000;
constexpr int kPanelShortHeight = 2400;
constexpr int kPanelLongHeight = 4000;
constexpr int kHowToLeft = kHowToLeftTw;

} // namespace

QWidget *makeExperimentWindow(Module1 &module)
{
    return new toushiJikken(module);
}

toushiJikken::toushiJikken(Module1 &module, QWidget *parent)
    : QWidget(parent), m_module(module), m_engine(*module.services().clock, *module.services().random)
{
    setObjectName(QStringLiteral("toushiJikken"));
    setWindowTitle(Texts::tr("ESP実験"));
    setAttribute(Qt::WA_OpaquePaintEvent, false);
    buildControls();
    const SharedState &s = module.state();
    m_flow = new RunFlow(*this, *this, m_engine, *module.services().clock, module.services().timing,
                         RunConditions{s.withStimulus, s.stimulus}, this);
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

    auto label = [this](const char *name, int left, int top, int width, int height, double points, bool bold = false) {
        auto *l = new QLabel(this);
        l->setObjectName(QLatin1String(name));
        l->setGeometry(px(left), px(top), px(width), px(height));
        l->setFont(gothic(points, bold));
        return l;
    };
    auto button = [this](const char *name, const QString &caption, int left, int top, int width, int height) {
        auto *b = new QPushButton(caption, this);
        b->setObjectName(QLatin1String(name));
        b->setGeometry(px(left), px(top), px(width), px(height));
        // Mouse buttons: a click never takes the keyboard from the key box, so neither
        // space nor Enter can press a button during a run.
        b->setFocusPolicy(Qt::NoFocus);
        return b;
    };

    m_header = new ExperimentHeader(this);
    m_howTo = button("Command1", Texts::tr("実験のやり方"), kHowToLeft, 120, 1800, 450);
    m_header->stackUnderButtons(m_howTo);

    m_conditionMemo = new QPlainTextEdit(this);
    m_conditionMemo->setObjectName(QStringLiteral("Text5"));
    m_conditionMemo->setGeometry(px(3900), px(720), px(8000), px(720));
    m_conditionMemo->setReadOnly(true);
    m_conditionMemo->setFocusPolicy(Qt::ClickFocus);
    m_conditionMemo->hide();

    m_instructions = new InstructionPanel(this);
    m_instructions->setObjectName(QStringLiteral("Label2"));
    m_instructions->setGeometry(px((kWindowWidth - kPanelWidth) / 2), px(kPanelTop), px(kPanelWidth),
                                px(kPanelShortHeight));
    m_instructions->setFont(gothic(13));
    m_instructions->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    setBackground(m_instructions, QApplication::palette().color(QPalette::Button));
    // A click on the panel moves the feedback box to the pointer.
    m_instructions->installEventFilter(this);

    const int frameLeft = (kWindowWidth - kFrameWidth) / 2;
    const int frameTop = kPanelTop + kPanelShortHeight + 500;
    m_feedback = label("Label4", frameLeft, frameTop, kFrameWidth, kFrameHeight, 100);
    m_feedback->setAlignment(Qt::AlignCenter);
    m_feedback->setToolTip(Texts::tr("入力した１または０が表示されます"));
    setBackground(m_feedback, QColor(64, 64, 64));
    setTextColour(m_feedback, Qt::white);

    m_prompt = label("Label28", frameLeft + 200, frameTop + 100, 1700, 330, 12, true);
    m_prompt->setText(Texts::tr("当てよう!!"));
    setTextColour(m_prompt, QColor(255, 255, 0));
    m_prompt->hide();

    m_cover = label("Label36", frameLeft, frameTop, kFrameWidth, kFrameHeight, 9);
    setBackground(m_cover, Qt::black);
    m_cover->hide();

    m_progress = new QProgressBar(this);
    m_progress->setObjectName(QStringLiteral("ProgressBar1"));
    m_progress->setRange(0, 100);
    m_progress->setValue(0);
    m_progress->setGeometry(px(frameLeft), px(frameTop + kFrameHeight), px(kFrameWidth), px(240));
    m_progress->hide();

    m_start = button("Command4", Texts::tr("開始"), frameLeft + kFrameWidth - 300, frameTop + 500, 1300, 600);
    m_start->setToolTip(Texts::tr("やり方がわかったら押してください"));
    m_start->setFont(gothic(14, true));
    m_start->hide();

    m_countdown = label("Label35", 1000, 5000, 10000, 800, 30);
    setBackground(m_countdown, QColor(0, 0, 255));
    m_countdown->hide();

    m_keyBox = new QLineEdit(this);
    m_keyBox->setObjectName(QStringLiteral("Text1"));
    m_keyBox->setGeometry(px(kHowToLeft + 10), px(130), px(150), px(150));
    // The digits must arrive as plain characters, never through input-method composition.
    m_keyBox->setAttribute(Qt::WA_InputMethodEnabled, false);
    m_keyBox->setInputMethodHints(Qt::ImhDigitsOnly | Qt::ImhPreferLatin | Qt::ImhNoPredictiveText
                                  | Qt::ImhNoAutoUppercase | Qt::ImhHiddenText);
    m_keyBox->installEventFilter(this);
    m_keyBox->hide();

    m_stimulusPicture = new QLabel(this);
    m_stimulusPicture->setObjectName(QStringLiteral("StimulusPicture"));
    m_stimulusPicture->hide();
}

void toushiJikken::wireControls()
{
    // Clicks go to the run's state machine, which decides by the phase what they do and
    // gives the keyboard back to the key box while a run takes keys.
    connect(m_howTo, &QPushButton::clicked, this, [this] { m_flow->howTo(); });
    connect(m_start, &QPushButton::clicked, this, [this] { m_flow->start(); });
    connect(m_header, &ExperimentHeader::helpClicked, this, [this] { m_flow->help(); });
    connect(m_header, &ExperimentHeader::endClicked, this, [this] { m_flow->endRequested(); });

    // The bare window: pointer moves put the chart hint away; before the first results a
    // released button moves the feedback box.
    setMouseTracking(true);
    installEventFilter(this);
}

QString toushiJikken::shortInstructions() const
{
    const SharedState &s = m_module.state();
    return instructions::shortText(s.withStimulus, s.hitDisplay == HitDisplay::Shown);
}

QString toushiJikken::longInstructions() const
{
    const SharedState &s = m_module.state();
    return instructions::longText(s.withStimulus, s.hitDisplay == HitDisplay::Shown);
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
        m_conditionMemo->setGeometry(px(3900), px(720), px(8000), px(720));
        if (s.hitDisplay == HitDisplay::Shown)
            m_feedback->setToolTip(Texts::tr("当たり(○)、外れ(×)が表示されます"));
        QString memo = s.conditionMemo;
        memo.replace(QStringLiteral("\x01\x01"), CRLF);
        m_conditionMemo->setPlainText(QString(memo).replace(CRLF, QStringLiteral("\n")));
        m_conditionMemo->setVisible(s.showConditions);

        setPointSize(m_instructions, 13);
        m_instructions->setText(shortInstructions() + instructions::startHint());
        m_instructions->move((width() - m_instructions->width()) / 2, m_instructions->y());
        m_header->placeRightButtons(width());

        m_feedback->move((width() - m_feedback->width()) / 2, m_instructions->y() + m_instructions->height() + px(500));
        const QRect f = m_feedback->geometry();
        m_progress->move(m_progress->x(), f.bottom() + 1);
        m_prompt->move(f.x() + px(200), f.y() + px(100));
        m_start->move(f.x() + f.width() - px(300), f.y() + px(500));
        m_start->show();
        m_feedback->show();

        m_header->showName(s.experimentName, 400);
        m_header->setDate(sv.clock->dateText());
        m_header->dateAfterTitle(200);
        // The opening time as hours and minutes; a one-digit hour has no stray colon.
        m_header->setTime(runStartTimeFromTimeText(sv.clock->timeText()).trimmed());
        m_header->timeAfterDate(100);
        m_header->titleAfterName();
        m_howTo->move(px(kHowToLeft), m_howTo->y());
    } else {
        m_results->display();
    }

    setBackgroundPicture(s.backgroundImagePath);
    if (resultsOnly)
        return;
    const QRect f = m_feedback->geometry();
    m_progress->setTextVisible(false);
    m_progress->setGeometry(f.x(), f.bottom() + 1, f.width(), px(90));
    m_progress->show();
}

// ---- drawing surface ------------------------------------------------------------------

void toushiJikken::setBackColour(const QColor &colour)
{
    m_backColour = colour;
    update();
}

void toushiJikken::setBackgroundPicture(const QString &path)
{
    m_backgroundPicture = path.isEmpty() ? QPixmap() : QPixmap(path);
    update();
}

void toushiJikken::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    p.fillRect(rect(), m_backColour);
    if (!m_backgroundPicture.isNull())
        p.drawPixmap(0, 0, m_backgroundPicture);
    if (!m_hasShapes)
        return;
    p.setRenderHint(QPainter::Antialiasing, true);
    const auto at = [](double twips) { return twips / units::kTwipsPerPixel; };
    for (const auto &c : m_shapes.circles) {
        QPen pen(units::colourNumber(c.colourNumber));
        pen.setWidth(m_shapes.penWidthPx);
        p.setPen(pen);
        p.setBrush(Qt::NoBrush);
        p.drawEllipse(QPointF(at(c.cx), at(c.cy)), at(c.radius), at(c.radius));
    }
    p.setPen(Qt::NoPen);
    for (const auto &b : m_shapes.boxes) {
        p.setBrush(units::colourNumber(b.colourNumber));
        p.drawRect(QRectF(QPointF(at(b.x1), at(b.y1)), QPointF(at(b.x2), at(b.y2))).normalized());
    }
}

// ---- the stimulus episode's stage -----------------------------------------------------

QRect toushiJikken::beginEpisode(bool fillScreen)
{
    setBackgroundPicture(QString());
    m_savedWindow = geometry();
    m_savedFrame = m_feedback->geometry();
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
    m_hasShapes = false;
    update();
    setGeometry(m_savedWindow);
    m_feedback->setGeometry(m_savedFrame);
    const QRect f = m_savedFrame;
    m_progress->move(m_progress->x(), f.y() + f.height());
    m_prompt->move(f.x() + px(200), f.y() + px(100));
    m_feedback->clear();
    m_howTo->move(m_savedHowToLeft, m_howTo->y());
    const int W = m_savedWindow.width();
    m_header->placeRightButtons(W);
    keyBoxOnHowTo();
    m_header->titleAfterName();
    setBackColour(QColor(255, 255, 255));

    shortInstructionPanel();
    setPanelColour(m_instructions, QGuiApplication::palette().color(QPalette::Button));
    m_instructions->move((W - m_instructions->width()) / 2, m_instructions->y());

    m_keyBox->setFocus();
    m_header->setDate(m_module.services().clock->dateText());
    m_header->dateAfterTitle(100);
    m_header->timeAfterDate(100);
    setBackgroundPicture(m_module.state().backgroundImagePath);
}

void toushiJikken::flashColours(const FlashColours &colours)
{
    setBackColour(QColor::fromRgb(colours.window));
    if (colours.panelChanges)
        setPanelColour(m_instructions, QColor::fromRgb(colours.panel));
}

void toushiJikken::showPicture(const QString &fileName, const QPoint &at)
{
    // A missing picture leaves the box empty for this flash.
    const QPixmap picture(m_module.services().paths.file(fileName));
    m_stimulusPicture->setPixmap(picture);
    m_stimulusPicture->resize(picture.isNull() ? QSize(0, 0) : picture.size());
    m_stimulusPicture->move(at);
    m_stimulusPicture->show();
    m_stimulusPicture->raise();
}

void toushiJikken::hidePicture()
{
    m_stimulusPicture->clear();
    m_stimulusPicture->hide();
}

void toushiJikken::setShapes(const LargeShapes &shapes)
{
    m_shapes = shapes;
    m_hasShapes = true;
    update();
}

void toushiJikken::keyBoxOnHowTo()
{
    m_keyBox->move(m_howTo->x() + px(10), m_howTo->y() + px(10));
}

// ---- buttons and dialogs ----------------------------------------------------------------

void toushiJikken::shortInstructionPanel()
{
    m_instructions->resize(m_instructions->width(), px(kPanelShortHeight));
    setPointSize(m_instructions, 13);
    m_instructions->setText(shortInstructions());
}

void toushiJikken::toggleInstructions()
{
    if (m_results->resultsShown())
        return;
    if (m_instructionToggle == 0)
        m_instructionToggle = 1;
    if (m_instructionToggle == -1) {
        shortInstructionPanel();
    } else {
        m_instructions->raise();
        m_instructions->resize(m_instructions->width(), px(kPanelLongHeight));
        m_instructions->show();
        setPointSize(m_instructions, 12);
        m_instructions->setText(longInstructions());
    }
    const QRect f = m_feedback->geometry();
    m_progress->move(m_progress->x(), f.bottom() + 1);
    m_start->move(m_start->x(), f.y() + px(500));
    m_instructionToggle = -m_instructionToggle;
    m_keyBox->setFocus();
}

void toushiJikken::openHelp()
{
    Services &sv = m_module.services();
    const QString problem = openHelpPage(*sv.shell, sv.paths);
    if (!problem.isEmpty())
        sv.dialogs->ask(this, problem, MsgButtons::Ok, MsgIcon::Exclamation, [this](MsgAnswer) { focusKeyBox(); });
}

void toushiJikken::askEnd()
{
    // While answers are at stake a hurried Enter keeps the run.
    const MsgButtons buttons = m_flow->closingNeedsAsking() ? MsgButtons::YesNoDefaultNo : MsgButtons::YesNo;
    m_module.services().dialogs->ask(this, Texts::tr("終了して良いですか？"), buttons, MsgIcon::None,
                                     [this](MsgAnswer a) { m_flow->endAnswered(a == MsgAnswer::Yes); });
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

// ---- keys and the pointer -------------------------------------------------------------

void toushiJikken::moveFeedbackBox(const QPoint &pixels)
{
    m_feedback->move(pixels);
    m_progress->move(m_feedback->x(), m_feedback->y() + m_feedback->height());
    m_prompt->move(m_feedback->x() + px(200), m_feedback->y() + px(100));
}

bool toushiJikken::eventFilter(QObject *watched, QEvent *event)
{
    const QEvent::Type type = event->type();
    if (watched == m_keyBox) {
        if (type == QEvent::KeyPress) {
            auto *key = static_cast<QKeyEvent *>(event);
            if (m_keyRepeats.isRepeat(key->key(), key->timestamp(), key->isAutoRepeat()))
                return true; // a key held down is one guess, not a row of them
            const QString text = key->text();
            if (text.isEmpty() || key->key() == Qt::Key_Tab || key->key() == Qt::Key_Backtab)
                return false;
            keyHandler(text.at(0).unicode());
            return true; // the box never shows what was typed
        }
        if (type == QEvent::KeyRelease) {
            const auto *key = static_cast<QKeyEvent *>(event);
            m_keyRepeats.released(key->key(), key->timestamp());
            return false;
        }
        if (type == QEvent::InputMethod)
            return true;
        if (type == QEvent::InputMethodQuery) {
            // A line edit tells the input method it takes composed text whatever its attribute
            // says; the key box says no, so that no input method (nor the compose table one
            // loads on the first key, some ms) stands between a key and its trial.
            auto *query = static_cast<QInputMethodQueryEvent *>(event);
            if (query->queries().testFlag(Qt::ImEnabled)) {
                for (quint32 bit = 1; bit != 0; bit <<= 1) {
                    const auto q = static_cast<Qt::InputMethodQuery>(bit);
                    if (query->queries().testFlag(q))
                        query->setValue(q, q == Qt::ImEnabled ? QVariant(false) : m_keyBox->inputMethodQuery(q));
                }
                query->accept();
                return true;
            }
        }
    } else if (watched == this) {
        if (type == QEvent::MouseMove || type == QEvent::MouseButtonRelease) {
            const QPoint pos = static_cast<QMouseEvent *>(event)->position().toPoint();
            // Only the bare window: events that a control let through to it are not meant here.
            if (!childAt(pos)) {
                if (type == QEvent::MouseMove)
                    m_results->hideChartHint();
                else if (!m_results->resultsShown())
                    moveFeedbackBox(pos);
            }
        }
    } else if (watched == m_instructions && type == QEvent::MouseButtonRelease) {
        // On the panel the pointer counts from the panel's corner, at any time.
        moveFeedbackBox(m_instructions->pos() + static_cast<QMouseEvent *>(event)->position().toPoint());
        return true;
    }
    return QWidget::eventFilter(watched, event);
}

void toushiJikken::keyHandler(int keyCode)
{
    if (m_results->keysRedraw()) {
        m_cover->hide();
        m_results->redraw();
        return;
    }
    // Run input: whether it is a trial, waits its turn or counts for nothing is the phase's call.
    m_flow->key(keyCode);
}

// ---- ResultsHost ------------------------------------------------------------------------

void toushiJikken::hideRunControls()
{
    for (QWidget *c : std::initializer_list<QWidget *>{m_keyBox, m_start, m_progress, m_prompt, m_cover, m_countdown,
                                                       m_instructions, m_howTo, m_stimulusPicture})
        c->hide();
}

void toushiJikken::showConditions(const QString &line, bool fitLine, const QString &memo, bool showMemo)
{
    m_conditionMemo->hide();
    if (!memo.isEmpty()) {
        m_conditionMemo->setGeometry(px(3900), px(720), px(8000), px(480));
        m_conditionMemo->setPlainText(QString(memo).replace(CRLF, QStringLiteral("\n")));
        m_conditionMemo->setVisible(showMemo);
    }
    m_feedback->setToolTip(QString());
    setBackground(m_feedback, units::colourNumber(0x808080));
    setTextColour(m_feedback, Qt::white);
    setPointSize(m_feedback, 10);
    m_feedback->setText(line);
    if (fitLine)
        m_feedback->adjustSize();
    const int lineWidth = m_feedback->width();
    m_feedback->setGeometry(px(300), px(800), px(0), px(270));
    m_feedback->resize(lineWidth, m_feedback->height());
    m_feedback->show();
    // The line can run past the memo box's left edge in a larger font: the box then starts
    // just after the line and keeps its right edge.
    if (!memo.isEmpty()) {
        const QRect box = m_conditionMemo->geometry();
        const int left = qMax(box.x(), m_feedback->geometry().right() + 1 + px(100));
        m_conditionMemo->setGeometry(left, box.y(), box.right() - left + 1, box.height());
    }
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
    setBackgroundPicture(s.backgroundImagePath);
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

void toushiJikken::armLayoutTimer()
{
    m_flow->armLayout();
}

void toushiJikken::stopAnimationTimer()
{
    m_flow->stopSquare();
}

} // namespace vora
