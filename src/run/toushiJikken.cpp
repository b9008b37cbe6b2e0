#include "run/toushiJikken.h"

#include "registry/DataFile.h"
#include "registry/RunRecord.h"
#include "results/ResultsDisplay.h"
#include "run/ExperimentWindow.h"
#include "run/Instructions.h"
#include "run/ReportSave.h"
#include "run/RunFlow.h"
#include "run/StimulusEpisode.h"
#include "startup/Module1.h"
#include "study/SealWriter.h"
#include "toolkit/Fonts.h"
#include "toolkit/Colours.h"
#include "toolkit/Version.h"

#include <QApplication>
#include <QCloseEvent>
#include <QDateTime>
#include <QDir>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QTimer>
#include <cmath>

namespace vora {

namespace {

const QString CRLF = QStringLiteral("\r\n");

// Design sizes and places, in twips.
constexpr int kWindowWidth = 14500;
constexpr int kWindowHeight = 10400;
constexpr int kFrameWidth = 2040;
constexpr int kFrameHeight = 1995;
constexpr int kPanelTop = 1560;
constexpr int kPanelWidth = 12000;
constexpr int kPanelShortHeight = 2400;
constexpr int kPanelLongHeight = 4000;
constexpr int kHowToLeft = 8800;

void setTextColour(QWidget *w, const QColor &c)
{
    QPalette pal = w->palette();
    pal.setColor(QPalette::WindowText, c);
    w->setPalette(pal);
}

void setBackground(QWidget *w, const QColor &c)
{
    QPalette pal = w->palette();
    pal.setColor(QPalette::Window, c);
    w->setPalette(pal);
    w->setAutoFillBackground(true);
}

void setPointSize(QWidget *w, double points)
{
    QFont f = w->font();
    f.setPointSizeF(points);
    w->setFont(f);
}

// The instruction panel keeps its fixed heights; blank lines between the paragraphs take
// less room than text lines so that the last line ("press start") is never cut off.
class InstructionPanel : public QLabel {
public:
    using QLabel::QLabel;

protected:
    void paintEvent(QPaintEvent *) override
    {
        QPainter p(this);
        p.setFont(font());
        p.setPen(palette().color(QPalette::WindowText));
        const QFontMetrics fm(font());
        const int full = fm.lineSpacing();
        const int blank = full * 2 / 5;
        const QRect area = contentsRect().adjusted(px(60), 0, 0, 0);
        int y = area.top();
        QString t = text();
        t.replace(CRLF, QStringLiteral("\n"));
        for (const QString &line : t.split(QLatin1Char('\n'))) {
            if (line.isEmpty()) {
                y += blank;
                continue;
            }
            p.drawText(QPoint(area.left(), y + fm.ascent()), line);
            y += full;
        }
    }

private:
    static int px(double twips) { return units::px(twips); }
};

} // namespace

QWidget *makeExperimentWindow(Module1 &module)
{
    return new toushiJikken(module);
}

int toushiJikken::tw(int pixels)
{
    return static_cast<int>(units::twips(pixels));
}

int toushiJikken::px(double twips)
{
    return units::px(twips);
}

void toushiJikken::setLeftTw(QWidget *w, double twips)
{
    w->move(px(twips), w->y());
}

void toushiJikken::setTopTw(QWidget *w, double twips)
{
    w->move(w->x(), px(twips));
}

QFont toushiJikken::gothic(double points, bool bold) const
{
    QFont f(fonts::msGothic());
    f.setPointSizeF(points);
    f.setBold(bold);
    return f;
}

toushiJikken::toushiJikken(Module1 &module, QWidget *parent)
    : QWidget(parent), m_module(module), m_engine(*module.services().clock, *module.services().random)
{
    setObjectName(QStringLiteral("toushiJikken"));
    setWindowTitle(QStringLiteral("ESP実験"));
    setAttribute(Qt::WA_OpaquePaintEvent, false);
    buildControls();
    m_flow = new RunFlow(*this, *module.services().clock, module.services().timing, this);
    m_results = std::make_unique<ResultsDisplay>(*this);
    m_episode = std::make_unique<StimulusEpisode>(*this);
    load();
}

toushiJikken::~toushiJikken()
{
    // The episode and the results view hold references to us; let them go first.
    m_episode.reset();
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

    Label30 = label("Label30", 400, 120, 1800, 400, 12, true);
    Label1 = label("Label1", 2400, 120, 3400, 450, 16, true);
    Label1->setText(QStringLiteral("　ESP透視実験　"));
    Label1->setToolTip(QStringLiteral("超能力・透視実験システム・ＶＯＲＡ"));
    Label31 = label("Label31", 6000, 150, 1500, 300, 11);
    Label34 = label("Label34", 6100, 450, 1000, 270, 11);
    Label33 = label("Label33", 12100, 180, 900, 300, 9);

    Command1 = button("Command1", QStringLiteral("実験のやり方"), kHowToLeft, 120, 1800, 450);
    Command5 = button("Command5", QStringLiteral("Help"), kWindowWidth - 900 - 400, 120, 900, 400);
    Command12 = button("Command12", QStringLiteral("終了"), kWindowWidth - 900 - 400, 600, 900, 400);

    Text5 = new QPlainTextEdit(this);
    Text5->setObjectName(QStringLiteral("Text5"));
    Text5->setGeometry(px(3900), px(720), px(8000), px(720));
    Text5->setReadOnly(true);
    Text5->setFocusPolicy(Qt::ClickFocus);
    Text5->hide();

    Label2 = new InstructionPanel(this);
    Label2->setObjectName(QStringLiteral("Label2"));
    Label2->setGeometry(px((kWindowWidth - kPanelWidth) / 2), px(kPanelTop), px(kPanelWidth), px(kPanelShortHeight));
    Label2->setFont(gothic(13));
    Label2->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    setBackground(Label2, QApplication::palette().color(QPalette::Button));

    const int frameLeft = (kWindowWidth - kFrameWidth) / 2;
    const int frameTop = kPanelTop + kPanelShortHeight + 500;
    Label4 = label("Label4", frameLeft, frameTop, kFrameWidth, kFrameHeight, 100);
    Label4->setAlignment(Qt::AlignCenter);
    Label4->setToolTip(QStringLiteral("入力した１または０が表示されます"));
    setBackground(Label4, QColor(64, 64, 64));
    setTextColour(Label4, Qt::white);

    Label28 = label("Label28", frameLeft + 200, frameTop + 100, 1700, 330, 12, true);
    Label28->setText(QStringLiteral("当てよう!!"));
    setTextColour(Label28, QColor(255, 255, 0));
    Label28->hide();

    Label36 = label("Label36", frameLeft, frameTop, kFrameWidth, kFrameHeight, 9);
    setBackground(Label36, Qt::black);
    Label36->hide();

    ProgressBar1 = new QProgressBar(this);
    ProgressBar1->setObjectName(QStringLiteral("ProgressBar1"));
    ProgressBar1->setRange(0, 100);
    ProgressBar1->setValue(0);
    ProgressBar1->setGeometry(px(frameLeft), px(frameTop + kFrameHeight), px(kFrameWidth), px(240));
    ProgressBar1->hide();

    Command4 = button("Command4", QStringLiteral("開始"), frameLeft + kFrameWidth - 300, frameTop + 500, 1300, 600);
    Command4->setToolTip(QStringLiteral("やり方がわかったら押してください"));
    Command4->setFont(gothic(14, true));
    Command4->hide();

    Label35 = label("Label35", 1000, 5000, 10000, 800, 30);
    setBackground(Label35, QColor(0, 0, 255));
    Label35->hide();

    Text1 = new QLineEdit(this);
    Text1->setObjectName(QStringLiteral("Text1"));
    Text1->setGeometry(px(kHowToLeft + 10), px(130), px(150), px(150));
    // The digits must arrive as plain characters, never through input-method composition.
    Text1->setAttribute(Qt::WA_InputMethodEnabled, false);
    Text1->setInputMethodHints(Qt::ImhDigitsOnly | Qt::ImhPreferLatin | Qt::ImhNoPredictiveText
                               | Qt::ImhNoAutoUppercase | Qt::ImhHiddenText);
    Text1->installEventFilter(this);
    Text1->hide();

    StimulusPicture = new QLabel(this);
    StimulusPicture->setObjectName(QStringLiteral("StimulusPicture"));
    StimulusPicture->hide();

    Timer2 = new QTimer(this);
    Timer2->setObjectName(QStringLiteral("Timer2"));
    Timer2->setTimerType(Qt::PreciseTimer);
    Timer2->setInterval(m_module.services().timing.shrinkTickMs);
    connect(Timer2, &QTimer::timeout, this, &toushiJikken::Timer2_Timer);

    Timer3 = new QTimer(this);
    Timer3->setObjectName(QStringLiteral("Timer3"));
    Timer3->setInterval(m_module.services().timing.layoutDelayMs);
    connect(Timer3, &QTimer::timeout, this, &toushiJikken::Timer3_Timer);

    connect(Command1, &QPushButton::clicked, this, &toushiJikken::Command1_Click);
    connect(Command4, &QPushButton::clicked, this, &toushiJikken::Command4_Click);
    connect(Command5, &QPushButton::clicked, this, &toushiJikken::Command5_Click);
    connect(Command12, &QPushButton::clicked, this, &toushiJikken::Command12_Click);
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

void toushiJikken::placeRightButtons()
{
    Command5->move(width() - Command5->width() - px(400), Command5->y());
    Command12->move(Command5->x(), Command12->y());
    Label33->move(Command5->x() - Label33->width() - px(200), Label33->y());
}

void toushiJikken::load()
{
    SharedState &s = m_module.state();
    Services &sv = m_module.services();

    Label33->setText(version::experimentWindowText());
    if (s.withStimulus)
        Label1->setText(QStringLiteral("　ＶＯＲＡ(刺激１)　"));
    // Creates the results controls and takes up a running continuous display.
    m_results->onWindowLoad();
    s.LaunchedFromMain = 0;
    resize(px(kWindowWidth), px(kWindowHeight));

    const bool resultsOnly = s.BrowsedRun > 0 || s.ResultsOnly > 0;
    if (!resultsOnly) {
        Text5->setGeometry(px(3900), px(720), px(8000), px(720));
        if (s.hitDisplay == HitDisplay::Shown)
            Label4->setToolTip(QStringLiteral("当たり(○)、外れ(×)が表示されます"));
        QString memo = s.ConditionMemo.toText();
        memo.replace(QStringLiteral("\x01\x01"), CRLF);
        Text5->setPlainText(QString(memo).replace(CRLF, QStringLiteral("\n")));
        Text5->setVisible(s.ShowConditions == 1);

        setPointSize(Label2, 13);
        Label2->setText(shortInstructions() + instructions::startHint());
        Label2->move((width() - Label2->width()) / 2, Label2->y());
        placeRightButtons();

        Label4->move((width() - Label4->width()) / 2, Label2->y() + Label2->height() + px(500));
        const QRect f = Label4->geometry();
        ProgressBar1->move(ProgressBar1->x(), f.bottom() + 1);
        Label28->move(f.x() + px(200), f.y() + px(100));
        Command4->move(f.x() + f.width() - px(300), f.y() + px(500));
        Command4->show();
        Label4->show();

        Label30->move(px(400), px(120));
        Label30->setText(s.ExperimentName.toText());
        Label30->show();
        Label31->setText(sv.clock->dateText());
        Label31->move(Label1->x() + Label1->width() + px(200), Label31->y());
        // The opening time as hours and minutes; a one-digit hour has no stray colon.
        Label34->setText(runStartTimeFromTimeText(sv.clock->timeText()).trimmed());
        Label34->move(Label31->x() + px(100), Label34->y());
        Label1->move(Label30->x() + Label30->width() + px(200), Label1->y());
        setLeftTw(Command1, kHowToLeft);
    } else {
        keyHandler(1);
    }

    setBackgroundPicture(s.BackgroundImagePath.toText());
    if (resultsOnly)
        return;
    const QRect f = Label4->geometry();
    ProgressBar1->setTextVisible(false);
    ProgressBar1->setGeometry(f.x(), f.bottom() + 1, f.width(), px(90));
    ProgressBar1->show();
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

void toushiJikken::setStimulusShapes(const LargeShapes &shapes)
{
    m_shapes = shapes;
    m_hasShapes = true;
    update();
}

void toushiJikken::clearStimulusShapes()
{
    m_hasShapes = false;
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

// ---- buttons ----------------------------------------------------------------------------
// Clicks go to the run's state machine, which decides by the phase what they do and gives
// the keyboard back to the key box while a run takes keys.

void toushiJikken::Command1_Click()
{
    m_flow->howTo();
}

void toushiJikken::Command4_Click()
{
    m_flow->start();
}

void toushiJikken::Command5_Click()
{
    m_flow->help();
}

void toushiJikken::Command12_Click()
{
    m_flow->endRequested();
}

void toushiJikken::toggleInstructions()
{
    if (QWidget *back = findChild<QWidget *>(QStringLiteral("Command2")); back && !back->isHidden())
        return;
    if (InstructionToggle == 0)
        InstructionToggle = 1;
    if (InstructionToggle == -1) {
        Label2->resize(Label2->width(), px(kPanelShortHeight));
        setPointSize(Label2, 13);
        Label2->setText(shortInstructions());
    } else {
        Label2->raise();
        Label2->resize(Label2->width(), px(kPanelLongHeight));
        Label2->show();
        setPointSize(Label2, 12);
        Label2->setText(longInstructions());
    }
    const QRect f = Label4->geometry();
    ProgressBar1->move(ProgressBar1->x(), f.bottom() + 1);
    Command4->move(Command4->x(), f.y() + px(500));
    InstructionToggle = -InstructionToggle;
    Text1->setFocus();
}

void toushiJikken::openHelp()
{
    m_module.services().shell->openDocument(m_module.services().paths.file(QStringLiteral("esphelp2.htm")));
}

void toushiJikken::askEnd()
{
    m_module.services().dialogs->ask(this, QStringLiteral("終了して良いですか？"), MsgButtons::YesNo, MsgIcon::None,
                                     [this](MsgAnswer a) { m_flow->endAnswered(a == MsgAnswer::Yes); });
}

void toushiJikken::quit()
{
    // The program leaves through its normal exit; the caller returns at once.
    m_module.services().process->quitNow();
}

void toushiJikken::focusKeyBox()
{
    if (Text1->isVisible())
        Text1->setFocus(Qt::OtherFocusReason);
}

void toushiJikken::closeEvent(QCloseEvent *event)
{
    const SharedState &s = m_module.state();
    const bool endsProgram = s.LaunchedFromMain != 1 && ReloadAfterMemo != 1 && !(s.BrowsedRun > 0);
    ReloadAfterMemo = 0;
    event->accept();
    m_flow->closeRequested(endsProgram);
}

// ---- run start --------------------------------------------------------------------------

void toushiJikken::centreCountdown()
{
    const QRect f = Label4->geometry();
    Label35->adjustSize();
    Label35->move(f.x() + f.width() / 2 - Label35->width() / 2, f.y() + f.height() / 2 + px(50));
}

void toushiJikken::beginCountdown()
{
    const SharedState &s = m_module.state();
    InstructionToggle = -1;
    // Neither a click nor a key can start this run a second time.
    Command4->setEnabled(false);
    Command4->hide();
    Label2->setText(shortInstructions());
    if (s.withStimulus)
        Label1->setText(QStringLiteral("　ＶＯＲＡ(刺激１)　"));
    Label1->move(Label30->x() + Label30->width() + px(200), Label1->y());

    const QRect f = Label4->geometry();
    ProgressBar1->setTextVisible(false);
    ProgressBar1->setValue(0);
    ProgressBar1->setGeometry(f.x(), f.bottom() + 1, f.width(), px(90));
    ProgressBar1->show();

    for (int i = 0; i < 3; ++i)
        m_module.services().sound->beep();

    setTextColour(Label35, QApplication::palette().color(QPalette::Base));
    Label35->setText(instructions::countdownGetReady());
    setPointSize(Label35, 30);
    centreCountdown();
    Label35->show();
    Label35->raise();
}

void toushiJikken::countdownStep(int k)
{
    setPointSize(Label35, countdownFontSize(k));
    centreCountdown();
}

void toushiJikken::countdownGo()
{
    Label35->setText(instructions::countdownGo());
    setPointSize(Label35, 40);
    centreCountdown();
    Label35->show();
}

void toushiJikken::beginRun()
{
    SharedState &s = m_module.state();
    Services &sv = m_module.services();
    Label35->hide();

    Label28->show();
    ShrinkTick = 0;
    FlickerPhase = 0;
    Timer2->setInterval(sv.timing.shrinkTickMs);
    Timer2->start();

    Label30->move(px(400), px(120));
    Label30->setText(s.ExperimentName.toText());
    Label30->show();
    Label31->setText(sv.clock->dateText());
    Label31->move(Label1->x() + Label1->width() + px(200), Label31->y());
    Label34->move(Label31->x() + px(100), Label34->y());

    // From here a key is a trial: the first target exists before any key can be counted.
    m_engine.beginRun();
    m_lastRunDiscarded = false;

    Text1->setAttribute(Qt::WA_InputMethodEnabled, false);
    ProgressBar1->setValue(1);
    ProgressBar1->show();
    Text1->show();
    setLeftTw(Command1, kHowToLeft);
    // The short layout, whatever the how-to button did during the countdown.
    InstructionToggle = -1;
    toggleInstructions();
    Text1->move(Command1->x() + px(10), Command1->y() + px(10));
    Label36->setGeometry(Label4->geometry());
    Label36->show();
    Label36->raise();
}

// ---- timers -----------------------------------------------------------------------------

void toushiJikken::Timer2_Timer()
{
    RunFlow::Handler h(*m_flow, "Timer2");
    // While the feedback is held nothing else may touch the frame.
    if (m_flow->phase() == RunFlow::Phase::FeedbackHold)
        return;
    if (FlickerPhase == 0)
        FlickerPhase = 1;
    FlickerPhase = -FlickerPhase;
    if (ShrinkTick <= kShrinkTicksBeforeFlicker) {
        ++ShrinkTick;
        const QRect sq = Label36->geometry();
        const QRect fr = Label4->geometry();
        const SquareRect s = shrinkSquare({sq.x(), sq.y(), sq.width(), sq.height()},
                                          {fr.x(), fr.y(), fr.width(), fr.height()}, ShrinkTick);
        Label36->setGeometry(s.left, s.top, s.width, s.height);
        return;
    }
    Timer2->setInterval(m_module.services().timing.flickerTickMs);
    Label36->hide();
    Label28->show();
    setPointSize(Label4, 10);
    setTextColour(Label4, Qt::black);
    Label4->setText(CRLF.repeated(5) + (FlickerPhase == 1 ? QStringLiteral("1") : QStringLiteral("0")));
}

void toushiJikken::Timer3_Timer()
{
    auto *frame = findChild<QWidget *>(QStringLiteral("Frame1"));
    auto *chart = findChild<QWidget *>(QStringLiteral("Picture1"));
    auto *picture = findChild<QWidget *>(QStringLiteral("Picture5"));
    if (frame && chart) {
        frame->move(chart->x() + px(100), chart->y() + chart->height() + px(200));
        if (picture)
            picture->move(frame->x() + frame->width() - px(300), frame->y() - px(300));
    }
    Timer3->stop();
}

// ---- the key handler ------------------------------------------------------------------

bool toushiJikken::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == Text1) {
        if (event->type() == QEvent::KeyPress) {
            auto *key = static_cast<QKeyEvent *>(event);
            const QString text = key->text();
            if (text.isEmpty() || key->key() == Qt::Key_Tab || key->key() == Qt::Key_Backtab)
                return false;
            keyHandler(text.at(0).unicode());
            return true; // the box never shows what was typed
        }
        if (event->type() == QEvent::InputMethod)
            return true;
    }
    return QWidget::eventFilter(watched, event);
}

void toushiJikken::keyHandler(int keyCode)
{
    const SharedState &s = m_module.state();
    const int mode = m_results->allRunChartMode();
    if (s.BrowsedRun > 0 || mode == 1 || mode == 2 || s.ResultsOnly > 0) {
        Label36->hide();
        if (s.BrowsedRun > 0 || !(mode == 1 || mode == 2))
            m_results->display();
        else
            m_results->displayAllRunChart();
        return;
    }
    // Run input: whether it is a trial, waits its turn or counts for nothing is the phase's call.
    m_flow->key(keyCode);
}

void toushiJikken::otherKey(int keyCode)
{
    // Not a trial; the square stays away until the next accepted key.
    Label36->hide();
    m_engine.vars().CurrentInput = QString(QChar(static_cast<char16_t>(keyCode)));
    Timer3->start();
}

void toushiJikken::showFeedback(QChar input)
{
    const SharedState &s = m_module.state();
    RunVariables &v = m_engine.vars();
    Label36->hide();
    v.CurrentInput = QString(input);

    if (Label4->font().pointSizeF() != 100)
        setPointSize(Label4, 100);
    if (s.hitDisplay == HitDisplay::Shown) {
        const bool hit = v.CurrentInput == v.CurrentTarget;
        setTextColour(Label4, hit ? QColor(255, 255, 0) : QColor(0, 0, 255));
        Label4->setText(hit ? QStringLiteral("○") : QStringLiteral("×"));
    } else {
        setTextColour(Label4, QColor(255, 255, 255));
        Label4->setText(v.CurrentInput);
    }
    Label4->raise();
    // On screen before the hold is measured.
    Label4->repaint();
}

bool toushiJikken::recordAnswer(QChar input)
{
    const SharedState &s = m_module.state();
    RunVariables &v = m_engine.vars();

    Label4->clear();
    Label28->show();
    Label28->raise();
    Label36->raise();
    Label36->setGeometry(Label4->geometry());
    Label36->show();
    ShrinkTick = 0;
    Timer2->setInterval(m_module.services().timing.shrinkTickMs);

    const TrialEngine::Answer answer = m_engine.recordAnswer(input);
    if (v.TrialNo + 1 <= ProgressBar1->maximum())
        ProgressBar1->setValue(v.TrialNo + 1);
    if (answer.runComplete)
        return true;
    if (s.withStimulus && m_engine.runStimulusSchedule())
        m_episode->start();
    m_engine.drawNextTarget();
    Timer3->start();
    return false;
}

// ---- closing the run ------------------------------------------------------------------

QString toushiJikken::dataFile() const
{
    const SharedState &s = m_module.state();
    return dataFilePath(m_module.services().paths, s.ExperimentName.toText(), stimulusFileSuffix(s.withStimulus));
}

void toushiJikken::closeRun()
{
    const SharedState &s = m_module.state();
    Services &sv = m_module.services();
    m_results->stopContinuousTimer();
    Timer2->stop();
    if (m_episode->isActive())
        m_episode->finish();
    for (int i = 0; i < 3; ++i)
        sv.sound->beep();
    m_engine.closeRun();
    // Held until it is in the file or given up knowingly.
    m_unsavedLine = m_engine.record(s.ExperimentName.toText(), sv.clock->dateText(), stimulusLetter(s.stimulus),
                                    hitDisplayLetter(s.hitDisplay))
                        .toLine();
}

bool toushiJikken::writeRun(QString *reason)
{
    Services &sv = m_module.services();
    const QString path = dataFile();
    const study::SavedRun saved = study::appendAndSealRun(*sv.files, path, m_unsavedLine, QDateTime::currentDateTime(), [&] {
        return appendRunLine(*sv.files, sv.paths, path, m_unsavedLine);
    });
    const FileResult &result = saved.append;
    if (result.ok) {
        if (!saved.seal.message.isEmpty()) // saved all the same; vora-data seal can seal it later
            sv.dialogs->ask(this, saved.seal.message, MsgButtons::Ok, MsgIcon::Exclamation, [](MsgAnswer) {});
        if (sv.mirror)
            sv.mirror->runSaved(path, m_unsavedLine); // queued only; never waits for the server
        m_unsavedLine.clear();
        return true;
    }
    *reason = result.message;
    return false;
}

void toushiJikken::askSaveRetry(const QString &reason)
{
    const QString question = QStringLiteral("このランの結果をデータファイルに保存できませんでした。") + CRLF + CRLF
                             + reason + CRLF // names the file and the cause
                             + QStringLiteral("保存先：") + QDir::toNativeSeparators(dataFile()) + CRLF + CRLF
                             + QStringLiteral("フォルダやディスクの空きを確かめてから「はい」を押すと、もう一度保存します。")
                             + CRLF + QStringLiteral("もう一度保存しますか？");
    m_module.services().dialogs->ask(this, question, MsgButtons::YesNo, MsgIcon::Exclamation,
                                     [this](MsgAnswer a) { m_flow->saveRetryAnswered(a == MsgAnswer::Yes); });
}

void toushiJikken::askDiscard()
{
    const QString discard = QStringLiteral("このランの結果はまだ保存されていません。") + CRLF
                            + QStringLiteral("「はい」を押すと、このランの結果（100試行）は失われます。") + CRLF + CRLF
                            + QStringLiteral("本当にこのランの結果を破棄しますか？");
    m_module.services().dialogs->ask(this, discard, MsgButtons::YesNo, MsgIcon::Exclamation,
                                     [this](MsgAnswer a) { m_flow->discardAnswered(a == MsgAnswer::Yes); });
}

void toushiJikken::showResults()
{
    m_results->display();
}

void toushiJikken::runDiscarded()
{
    // Given up knowingly: the run is not in the file, so there are no results to show for
    // it; the window waits for a new run.
    m_unsavedLine.clear();
    m_lastRunDiscarded = true;
    resetRunState();
    Label4->clear();
    Command4->setEnabled(true);
    Command4->show();
    Command4->raise();
    armLayoutTimer();
}

// ---- ResultsHost ------------------------------------------------------------------------

void toushiJikken::reopenWindow()
{
    m_module.showExperimentWindow();
}

void toushiJikken::reopenWindowAfterMemo()
{
    ReloadAfterMemo = 1;
    m_module.showExperimentWindow();
}

void toushiJikken::saveReport()
{
    saveExperimentReport(this, m_module);
}

void toushiJikken::showMainWindow()
{
    m_module.showMainWindow();
}

void toushiJikken::resetRunState()
{
    if (m_episode && m_episode->isActive())
        m_episode->finish();
    m_engine.reset();
    InstructionToggle = 0;
    ShrinkTick = 0;
    FlickerPhase = 0;
}

void toushiJikken::armLayoutTimer()
{
    Timer3->start();
}

void toushiJikken::stopAnimationTimer()
{
    Timer2->stop();
}

} // namespace vora
