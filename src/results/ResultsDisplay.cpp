#include "results/ResultsDisplay.h"

#include "registry/DataFile.h"
#include "registry/RunRecord.h"
#include "results/ChartBox.h"
#include "results/ChartModel.h"
#include "results/CongratulationPanel.h"
#include "results/Evaluation.h"
#include "results/ResultsHost.h"
#include "results/RunLoader.h"
#include "results/RunMemoEditor.h"
#include "run/ExperimentHeader.h"
#include "results/Summary.h"
#include "startup/Module1.h"
#include "toolkit/Cp932.h"
#include "toolkit/Colours.h"

#include <QDir>
#include <QEvent>
#include <QFileInfo>
#include <QImageWriter>
#include <QLabel>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRegion>
#include <QRegularExpression>
#include <QSaveFile>
#include <QTimer>
#include <optional>

namespace vora {

namespace {

const QString CRLF = QStringLiteral("\r\n");

// Places of the results view, in twips.
constexpr int kNavTop = 150;
constexpr int kNavHeight = 360;
constexpr int kNavWidth = 450;
constexpr int kBackWidth = 1900;
constexpr int kToggleWidth = 1500;
constexpr int kTitleHeight = 300;
constexpr double kHitDotMm = 1.9;     // the dot buttons' width and height in the chart

QString element(const char *name, int index)
{
    return QStringLiteral("%1(%2)").arg(QLatin1String(name)).arg(index);
}

void placeTw(QWidget *w, double left, double top, double width, double height)
{
    w->setGeometry(units::px(left), units::px(top), units::px(width), units::px(height));
}

void moveTw(QWidget *w, double left, double top)
{
    w->move(units::px(left), units::px(top));
}

void setColours(QWidget *w, const QColor &back, const QColor &fore)
{
    QPalette pal = w->palette();
    if (back.isValid()) {
        pal.setColor(QPalette::Window, back);
        w->setAutoFillBackground(true);
    }
    if (fore.isValid())
        pal.setColor(QPalette::WindowText, fore);
    w->setPalette(pal);
}

const char *const kDotStyle = "QPushButton { background: #e8e8e8; border: 1px solid #303030; padding: 0; }";
const char *const kMemoDotStyle = "QPushButton { background: rgb(128,0,0); border: 1px solid #303030; padding: 0; }";
// A run beyond the chart's range: a dark triangle on the frame's edge, pointing the way it lies.
const char *const kOffScaleDotStyle = "QPushButton { background: #000000; border: none; padding: 0; }";

// The triangle a dot button is cut to, tip up for offScale +1 and down for -1.
QRegion offScaleShape(const QSize &size, int offScale)
{
    const int w = size.width(), h = size.height();
    const QPolygon tipUp({QPoint(w / 2, 0), QPoint(w, h), QPoint(0, h)});
    const QPolygon tipDown({QPoint(0, 0), QPoint(w, 0), QPoint(w / 2, h)});
    return QRegion(offScale > 0 ? tipUp : tipDown);
}

} // namespace

class ResultsDisplay::Impl : public QObject {
public:
    explicit Impl(ResultsHost &h) : host(h) {}

    ResultsHost &host;
    QWidget *w = nullptr;
    bool created = false;

    // Window variables of the results view.
    bool shown = false;                 // ResultsShown
    int chartMode = 0;                  // AllRunChartMode
    int runCount = 0;                   // RunCount
    RunSet runs;                        // what the last load read
    bool runsLoaded = false;
    int memoRunNo = 0;                  // MemoRunNo
    std::optional<qint64> navClickAt;   // LastNavClickTime of "<<" / ">>"
    std::optional<qint64> dotClickAt;   // the pending first click on a dot
    int pendingDot = 0;
    QString lastReadError;

    // Controls.
    ChartBox *pic1 = nullptr, *pic2 = nullptr, *pic4 = nullptr;
    QVector<QPushButton *> dots;        // Command3(0..100)
    QVector<QPointF> dotMm;             // top-left of each dot in Picture1, mm
    QLabel *label11 = nullptr, *label12 = nullptr, *label18 = nullptr;
    QLabel *label13 = nullptr, *label14 = nullptr, *label15 = nullptr, *label16 = nullptr;
    QLabel *label24 = nullptr, *label27 = nullptr, *label32 = nullptr;
    QPushButton *cmd2 = nullptr, *cmd7 = nullptr, *cmd8 = nullptr, *cmd9 = nullptr, *cmd10 = nullptr;
    QPushButton *cmd11 = nullptr;
    QTimer *timer1 = nullptr;
    QTimer *dotTimer = nullptr;
    CongratulationPanel *panel = nullptr;
    RunMemoEditor *memo = nullptr;

    SharedState &state() { return host.module().state(); }
    Services &services() { return host.module().services(); }

    void createControls();
    QLabel *windowLabel(const char *name, double points, bool bold = false);
    QPushButton *navButton(const char *name, const QString &caption, const QString &tip);

    // The display and its parts.
    void display();
    void load();
    void header();
    void singleRun();
    void overview();
    void allRunPart(bool isOverview);
    void lowerChart();
    void placeTitle(QLabel *title, const ChartBox *box, const QString &caption);
    void endOfDisplay();

    // Browsing.
    int clampRun(int b);
    void previousRun();      // Command8 "<"
    void nextRun();          // Command9 ">"
    void continuous(int step); // Command7 "<<" (-1), Command10 ">>" (+1)
    void timerTick();        // Timer1
    void back();             // Command2
    void toggleLowerChart(); // Command11
    bool keysRedraw() const;
    void redraw();
    void redrawLowerChart();
    void dotClicked(int run);
    void dotWaitOver();
    void dotHovered(int run);
    void chartHovered();
    void openMemoEditor(int run);
    void saveMemo();
    void cancelMemo();
    void saveChartImage(ChartBox *box);
    void stopContinuous();
    void showRun(int run);
    QPointF dotPlaceTw(int run) const;
    void hideChartHint();
    void placePanelUnderChart();
    void restart();

    bool eventFilter(QObject *watched, QEvent *event) override;
};

// ---- controls ---------------------------------------------------------------------------

QLabel *ResultsDisplay::Impl::windowLabel(const char *name, double points, bool bold)
{
    auto *l = new QLabel(w);
    l->setObjectName(QLatin1String(name));
    QFont f = l->font();
    f.setPointSizeF(points);
    f.setBold(bold);
    l->setFont(f);
    l->hide();
    return l;
}

QPushButton *ResultsDisplay::Impl::navButton(const char *name, const QString &caption, const QString &tip)
{
    auto *b = new QPushButton(caption, w);
    b->setObjectName(QLatin1String(name));
    b->setToolTip(tip);
    b->setFocusPolicy(Qt::NoFocus);
    b->hide();
    return b;
}

void ResultsDisplay::Impl::createControls()
{
    if (created)
        return;
    created = true;
    w = host.view();

    pic1 = new ChartBox(QStringLiteral("Picture1"), w);
    pic2 = new ChartBox(QStringLiteral("Picture2"), w);
    pic4 = new ChartBox(QStringLiteral("Picture4"), w);
    for (int v = 1; v <= 9; ++v)
        pic1->addLabel(element("Label3", v), 7);
    for (int v = 0; v <= 10; ++v)
        pic1->addLabel(element("Label5", v), 7);
    pic1->addLabel(QStringLiteral("Label6"), 7, QStringLiteral("一致数"), true);
    pic1->addLabel(QStringLiteral("Label7"), 8);
    for (int v = 1; v <= 9; ++v)
        pic2->addLabel(element("Label9", v), 7);
    for (int v = 0; v <= 5; ++v)
        pic2->addLabel(element("Label10", v), v == 0 ? 8 : 7);
    pic2->addLabel(QStringLiteral("Label8"), 7, QString(), true);
    QLabel *yTitle = pic4->addLabel(element("Label21", 0), 7, QStringLiteral("一致数の偏差"), true);
    yTitle->move(qRound(ChartBox::mm(1)), qRound(ChartBox::mm(12)));
    for (int v = 1; v <= 9; ++v)
        pic4->addLabel(element("Label21", v), 7);
    for (int v = 1; v <= 10; ++v)
        pic4->addLabel(element("Label22", v), 7);
    pic4->addLabel(QStringLiteral("Label25"), 8, QStringLiteral("平均"));
    QLabel *zone = pic4->addLabel(QStringLiteral("Label26"), 8, QStringLiteral(" 刺 激 "));
    setColours(zone, QColor(), QColor(255, 0, 0));
    pic4->addLabel(QStringLiteral("Label37"), 7, QStringLiteral("有意"));
    pic4->addLabel(QStringLiteral("Label38"), 7, QStringLiteral("有意"));
    for (ChartBox *box : {pic1, pic2, pic4}) {
        connect(box, &ChartBox::imageSaveRequested, this, [this](ChartBox *b) { saveChartImage(b); });
        connect(box, &ChartBox::reportSaveRequested, this, [this] { host.saveReport(); });
    }

    // The dots of the per-run chart, and the legend dot of its hint (element 0).
    const int dotPx = qMax(4, qRound(ChartBox::mm(kHitDotMm)));
    dotMm.fill(QPointF(), 101);
    for (int i = 0; i <= 100; ++i) {
        auto *d = new QPushButton(pic1);
        d->setObjectName(element("Command3", i));
        d->resize(dotPx, dotPx);
        d->setFocusPolicy(Qt::NoFocus);
        d->setStyleSheet(QLatin1String(kDotStyle));
        d->setMouseTracking(true);
        d->installEventFilter(this);
        d->hide();
        if (i > 0)
            connect(d, &QPushButton::clicked, this, [this, i] { dotClicked(i); });
        dots.append(d);
    }
    label32 = new QLabel(pic1);
    label32->setObjectName(QStringLiteral("Label32"));
    QFont hint = label32->font();
    hint.setPointSizeF(8);
    label32->setFont(hint);
    setColours(label32, QColor(255, 255, 225), Qt::black);
    label32->hide();
    pic1->setMouseTracking(true);
    pic1->installEventFilter(this);

    label11 = windowLabel("Label11", 10, true);
    label11->setText(QStringLiteral("　今回の試行部分ごとの結果　"));
    label12 = windowLabel("Label12", 10, true);
    label12->setText(QStringLiteral("　試行部分ごとの結果（全ラン）　"));
    label18 = windowLabel("Label18", 10, true);
    for (QLabel *t : {label11, label12, label18})
        setColours(t, QColor(224, 232, 255), QColor(0, 0, 128));
    label13 = windowLabel("Label13", 10);
    label14 = windowLabel("Label14", 10);
    for (QLabel *a : {label13, label14}) {
        a->setWordWrap(true);
        a->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    }
    label15 = windowLabel("Label15", 10, true);
    label16 = windowLabel("Label16", 10, true);
    label24 = windowLabel("Label24", 9);
    label27 = windowLabel("Label27", 10);

    cmd7 = navButton("Command7", QStringLiteral("<<"),
                     QStringLiteral("クリックすると前のデータを連続表示。ダブルクリックで高速で連続表示"));
    cmd8 = navButton("Command8", QStringLiteral("<"), QStringLiteral("クリックすると前のデータを表示"));
    cmd9 = navButton("Command9", QStringLiteral(">"), QStringLiteral("クリックすると後のデータを表示"));
    cmd10 = navButton("Command10", QStringLiteral(">>"),
                      QStringLiteral("クリックすると後のデータを連続表示。ダブルクリックで高速で連続表示"));
    cmd2 = navButton("Command2", QStringLiteral("最初に戻る"), QStringLiteral("前に戻ります"));
    cmd11 = navButton("Command11", QStringLiteral("全試行表示"), QString());
    connect(cmd7, &QPushButton::clicked, this, [this] { continuous(-1); });
    connect(cmd8, &QPushButton::clicked, this, [this] { previousRun(); });
    connect(cmd9, &QPushButton::clicked, this, [this] { nextRun(); });
    connect(cmd10, &QPushButton::clicked, this, [this] { continuous(+1); });
    connect(cmd2, &QPushButton::clicked, this, [this] { back(); });
    connect(cmd11, &QPushButton::clicked, this, [this] { toggleLowerChart(); });

    panel = new CongratulationPanel(w, services().paths.file(QStringLiteral("omedeto.jpg")));
    memo = new RunMemoEditor(w);
    connect(memo, &RunMemoEditor::saveClicked, this, [this] { saveMemo(); });
    connect(memo, &RunMemoEditor::cancelClicked, this, [this] { cancelMemo(); });

    timer1 = new QTimer(w);
    timer1->setObjectName(QStringLiteral("Timer1"));
    timer1->setInterval(services().timing.continuousMs);
    connect(timer1, &QTimer::timeout, this, [this] { timerTick(); });

    dotTimer = new QTimer(this);
    dotTimer->setSingleShot(true);
    connect(dotTimer, &QTimer::timeout, this, [this] { dotWaitOver(); });
}

// ---- the display ------------------------------------------------------------------------

void ResultsDisplay::Impl::load()
{
    SharedState &s = state();
    Services &sv = services();
    const int browsed = qMax(0, s.BrowsedRun.toInt());
    const QString path = dataFilePath(sv.paths, s.ExperimentName.toText(), stimulusFileSuffix(s.withStimulus));
    const ReadResult read = sv.files->readLines(path);
    if (!read.ok && !read.missing) {
        // Shown once per cause: continuous display would otherwise repeat it every tick.
        if (read.message != lastReadError)
            sv.dialogs->message(w, QStringLiteral("データファイルを読めないため、結果を表示できません。") + CRLF + CRLF
                                       + read.message,
                                MsgButtons::Ok, MsgIcon::Exclamation);
        lastReadError = read.message;
    } else {
        lastReadError.clear();
    }
    const QStringList lines = read.ok ? read.lines : QStringList();
    // RunCount is the experiment's run count even when the window was opened afresh on a
    // browsed run, so the arrows can go on past it.
    const RunSet all = loadRunsFromLines(lines, 0, runCount);
    runCount = qMax(runCount, all.runsRead);
    runs = browsed > 0 ? loadRunsFromLines(lines, browsed, runCount) : all;
    runsLoaded = true;

    if (runs.hasConditionMemo)
        s.ConditionMemo = runs.conditionMemo;
    if (!runs.stimulusCode.isEmpty()) {
        s.stimulus = stimulusFromLetter(runs.stimulusCode);
        s.hitDisplay = hitDisplayFromLetter(runs.hitDisplayCode);
    }
}

void ResultsDisplay::Impl::header()
{
    SharedState &s = state();
    shown = true;
    s.BackgroundImagePath = QString();
    host.clearBackgroundPicture();
    panel->hidePanel();
    panel->hidePicture();
    panel->resetColour();
    host.stopAnimationTimer();

    int left = 7500;
    for (QPushButton *b : {cmd7, cmd8, cmd9, cmd10}) {
        placeTw(b, left, kNavTop, kNavWidth, kNavHeight);
        b->show();
        left += kNavWidth + 50;
    }
    placeTw(cmd2, left - 50 + 200, kNavTop, kBackWidth, kNavHeight);
    cmd2->show();
    host.hideRunControls();

    ExperimentHeader &top = host.header();
    top.setTitle(QStringLiteral("　ＶＯＲＡ(結果の表示)　"), true);
    const bool withStimulus = s.withStimulus;
    host.showConditions(conditionLine(withStimulus, stimulusLetter(s.stimulus), hitDisplayLetter(s.hitDisplay)),
                        withStimulus, memoFromFileForm(s.ConditionMemo.toText()), s.ShowConditions == 1);
    top.showName(s.ExperimentName.toText(), 200);
    top.titleAfterName();
    label27->setText(runCountCaption(runCount));
    label27->adjustSize();
    const QRect name = top.nameGeometry();
    label27->move(name.x() + units::px(200), name.y() + name.height() + units::px(50));
    label27->show();
}

void ResultsDisplay::Impl::placeTitle(QLabel *title, const ChartBox *box, const QString &caption)
{
    title->setText(caption);
    title->adjustSize();
    title->resize(title->width(), units::px(kTitleHeight));
    // Over the box's top margin, level with the plot's left edge.
    title->move(box->x() + qRound(ChartBox::mm(10)), box->y() + qRound(ChartBox::mm(1.5)));
    title->show();
    title->raise();
}

void ResultsDisplay::Impl::singleRun()
{
    SharedState &s = state();
    Services &sv = services();
    const LoadedRun *run = runs.lastRun();
    const LoadedRun none;
    const LoadedRun &r = run ? *run : none;

    label16->setToolTip(summaryLineTooltip());
    label16->setText(summaryLine(runs));
    label16->adjustSize();
    moveTw(label16, 6400, 1290);
    label16->show();

    const bool withStimulus = s.withStimulus;
    label15->setText(singleRunLine(r.hits, withStimulus, r.stimulusTrial(), kStimulusSpan, r.targetOnes, r.inputOnes));
    label15->setToolTip(withStimulus ? singleRunLineTooltip() : QString());
    label15->adjustSize();
    moveTw(label15, 350, 1290);
    label15->show();

    for (QPushButton *d : dots)
        d->hide();
    label32->hide();
    std::array<double, 5> segments{};
    for (int i = 0; i < 5; ++i)
        segments[i] = r.segmentHits[i];
    ChartModel chart = segmentChart(r.segmentHits, s.ResultsOnly == 0);
    pic1->setModel(chart);
    pic1->show();
    placeTitle(label11, pic1, chart.titleCaption);

    const Analysis a = analyse(r.hits, segments);
    label13->setText(a.analysisText);
    placeTw(label13, 4600, 1800, 1800, 3200);
    label13->show();
    if (!a.significant)
        return;

    sv.sound->beep();
    const BoxGeometry &b = chart.box;
    const int width = static_cast<int>(std::lround(1.3 * b.width));
    // While the runs pass by one after another the panel must not hide the chart.
    const bool continuousRunning = s.ContinuousActive == 1;
    const int top = continuousRunning ? b.top + b.height + 200 : b.top + 500;
    panel->show(b.left + 100, top, width, 4000, congratulationText(r.hits));
    if (showsCongratulationPicture(r.hits))
        panel->showPicture(b.left + 100 + 100, top - 300);
}

void ResultsDisplay::Impl::overview()
{
    Services &sv = services();
    label15->setToolTip(QString());
    label15->setText(periodLine(runs));
    label15->adjustSize();
    moveTw(label15, 350, 1290);
    label15->show();

    label16->setToolTip(summaryLineTooltip());
    label16->setText(summaryLine(runs));
    label16->adjustSize();
    moveTw(label16, 6400, 1290);
    label16->show();
    label13->hide();

    const ChartModel chart = overviewChart(runs.runs);
    pic1->setModel(chart);
    pic1->show();
    placeTitle(label11, pic1, chart.titleCaption);
    for (int i = 1; i <= 100; ++i)
        dots[i]->hide();
    for (const HitDot &d : chart.dots) {
        QPushButton *b = dots.value(d.run);
        if (!b)
            continue;
        dotMm[d.run] = QPointF(d.left, d.top);
        b->move(qRound(ChartBox::mm(d.left)), qRound(ChartBox::mm(d.top)));
        if (d.offScale != 0) {
            b->setStyleSheet(QLatin1String(d.hasMemo ? kMemoDotStyle : kOffScaleDotStyle));
            b->setMask(offScaleShape(b->size(), d.offScale));
        } else {
            b->setStyleSheet(QLatin1String(d.hasMemo ? kMemoDotStyle : kDotStyle));
            b->clearMask();
        }
        b->show();
        b->raise();
    }

    const LevelCounts counts = countLevels(runs.runs);
    if (!overviewShowsPanel(counts))
        return;
    sv.sound->beep();
    const BoxGeometry &b = chart.box;
    const int left = b.left + 3000;
    const int top = b.top + b.height / 2;
    const int width = static_cast<int>(std::lround(0.8 * b.width));
    panel->show(left, top, width, 3000, overviewCongratulation(counts));
    if (overviewShowsPicture(counts))
        panel->showPicture(left + width - 300, top - 300);
}

void ResultsDisplay::Impl::allRunPart(bool isOverview)
{
    SharedState &s = state();
    Services &sv = services();
    const ChartModel chart = deviationChart(runs.segmentTotal, runs.runsRead, isOverview);
    pic2->setModel(chart);
    pic2->show();
    placeTitle(label12, pic2, chart.titleCaption);

    placeTw(label14, isOverview ? 12430 : 11250, 1800, 1800, 3200);
    label14->show();
    ExperimentHeader &top = host.header();
    if (isOverview)
        top.setTitle(QStringLiteral(" ＶＯＲＡ(全結果の表示) "), true);

    const ShownDateTime when = shownRunDateTime(runs, qMax(0, s.BrowsedRun.toInt()), sv.clock->dateText(),
                                                sv.clock->timeText());
    top.setDate(when.date, true);
    top.dateAfterTitle(200);
    top.showDateAndTime();
    top.setTime(when.time, true);
    top.timeAfterDate(300);
    label14->setText(meanProfileAnalysis(runs).analysisText);
}

void ResultsDisplay::Impl::lowerChart()
{
    const SharedState &s = state();
    const bool withStimulus = s.withStimulus;
    const ChartModel chart = vora::lowerChart(runs, withStimulus, chartMode);
    pic4->setModel(chart);
    pic4->label(element("Label21", 0))->show();
    pic4->show();
    placeTitle(label18, pic4, chart.titleCaption);
    if (!chart.toggleCaption.isEmpty()) {
        cmd11->setText(chart.toggleCaption);
        placeTw(cmd11, 0, 0, kToggleWidth, kTitleHeight);
        cmd11->move(label18->x() + label18->width() + units::px(10), label18->y());
        cmd11->show();
        cmd11->raise();
    }
    if (const ChartText *t = chart.text(QStringLiteral("Label24")))
        label24->setText(t->caption);
    moveTw(label24, chart.box.left + chart.box.width + 100, chart.box.top + 2000);
    label24->setVisible(chart.box.width == 6100);
}

void ResultsDisplay::Impl::endOfDisplay()
{
    host.resetRunState();
    host.armLayoutTimer();
}

void ResultsDisplay::Impl::display()
{
    createControls();
    SharedState &s = state();
    load();
    header();
    const bool single = s.BrowsedRun > 0 || s.ResultsOnly == 0;
    if (single)
        singleRun();
    else
        overview();
    allRunPart(!single);
    lowerChart();
    cmd2->setText(s.BrowsedRun > 0 ? QStringLiteral("全ランの表示に戻る") : QStringLiteral("最初に戻る"));
    if (memo->editing()) {
        memo->caption()->raise();
        memo->box()->raise();
    }
    endOfDisplay();
}

// ---- browsing ---------------------------------------------------------------------------

void ResultsDisplay::Impl::stopContinuous()
{
    SharedState &s = state();
    s.BrowseStep = 0;
    timer1->stop();
    s.ContinuousActive = 0;
}

void ResultsDisplay::Impl::showRun(int run)
{
    SharedState &s = state();
    s.BrowsedRun = run;
    s.ResultsOnly = 0;
    label32->hide();
    dots[0]->hide();
    redraw();
}

// The arrows' clamp: first the low limit, then the high one, each correction with a beep.
int ResultsDisplay::Impl::clampRun(int b)
{
    Sound &sound = *services().sound;
    if (b < 1) {
        sound.beep();
        b = 1;
    }
    if (b > runCount) {
        sound.beep();
        b = runCount;
    }
    return b;
}

void ResultsDisplay::Impl::previousRun()
{
    panel->hidePanel();
    stopContinuous();
    int b = state().BrowsedRun.toInt();
    if (b <= 0)
        b = runCount + 1;
    --b;
    showRun(clampRun(b));
}

void ResultsDisplay::Impl::nextRun()
{
    panel->hidePanel();
    stopContinuous();
    int b = state().BrowsedRun.toInt();
    if (b <= 0)
        b = runs.runsRead;
    ++b;
    showRun(clampRun(b));
}

void ResultsDisplay::Impl::continuous(int step)
{
    SharedState &s = state();
    Services &sv = services();
    const Timing &t = sv.timing;
    panel->hidePanel();

    const qint64 now = sv.clock->monotonicMs();
    if (!navClickAt)
        navClickAt = now;
    const qint64 since = now - *navClickAt;
    const int minimum = step < 0 ? t.navDoubleClickMinBackMs : t.navDoubleClickMinForwardMs;
    if (since > minimum && since < t.navDoubleClickMaxMs) {
        s.ContinuousInterval = t.continuousFastMs;
        navClickAt.reset();
    } else {
        s.ContinuousInterval = t.continuousMs;
    }
    if (s.ContinuousInterval > 0)
        timer1->setInterval(s.ContinuousInterval.toInt());
    timer1->start();
    s.ContinuousActive = 1;

    int b = s.BrowsedRun.toInt();
    if (b <= 0)
        b = step < 0 ? runCount + 1 : runs.runsRead;
    b += step;
    s.BrowseStep = step;
    // Reaching the end in the direction of travel beeps, as the timer does when it stops there.
    if (b <= 1) {
        sv.sound->beep();
        b = 1;
    }
    if (step > 0 ? b >= runCount : b > runCount) {
        sv.sound->beep();
        b = runCount;
    }
    showRun(b);
}

void ResultsDisplay::Impl::timerTick()
{
    SharedState &s = state();
    Sound &sound = *services().sound;
    navClickAt.reset();
    int b = s.BrowsedRun.toInt() + s.BrowseStep.toInt();
    if (b <= 1) {
        sound.beep();
        b = 1;
        stopContinuous();
    }
    if (b >= runCount) {
        sound.beep();
        b = runCount;
        stopContinuous();
    }
    s.BrowsedRun = b;
    s.LaunchedFromMain = 1;
    s.ContinuousActive = timer1->isActive() ? 1 : 0;
    redraw();
}

void ResultsDisplay::Impl::back()
{
    SharedState &s = state();
    memo->hideAll();
    chartMode = 0;
    if (s.BrowsedRun > 0) {
        stopContinuous();
        cmd2->setText(QStringLiteral("最初に戻る"));
        s.ResultsOnly = 1;
        s.BrowsedRun = 0;
        host.showResultsAfresh();
        return;
    }
    s.ResultsOnly = 0;
    panel->hidePanel();
    panel->hidePicture();
    host.showMainWindow();
}

void ResultsDisplay::Impl::toggleLowerChart()
{
    chartMode = chartMode == 1 ? 2 : 1;
    redraw();
}

QPointF ResultsDisplay::Impl::dotPlaceTw(int run) const
{
    // Just below and right of the dot, in the window's twips.
    const BoxGeometry &b = pic1->model().box;
    const QPointF d = dotMm.value(run);
    return {b.left + (d.x() + kHitDotMm + 2) * units::kTwipsPerMm, b.top + (d.y() + kHitDotMm + 2) * units::kTwipsPerMm};
}

void ResultsDisplay::Impl::dotClicked(int run)
{
    chartMode = 0;
    // A dot leaves continuous display for good: the reopened window must not take it up again.
    stopContinuous();
    if (memo->editing())
        return;
    if (dotClickAt) {
        dotClickAt.reset();
        dotTimer->stop();
        openMemoEditor(run);
        return;
    }
    dotClickAt = services().clock->monotonicMs();
    pendingDot = run;
    dotTimer->start(services().timing.dotClickWaitMs);
}

void ResultsDisplay::Impl::dotWaitOver()
{
    if (!dotClickAt)
        return;
    const qint64 waited = services().clock->monotonicMs() - *dotClickAt;
    const qint64 left = services().timing.dotClickWaitMs - waited;
    if (left > 0) {
        dotTimer->start(static_cast<int>(left));
        return;
    }
    dotClickAt.reset();
    SharedState &s = state();
    s.BrowsedRun = pendingDot;
    s.ResultsOnly = 0;
    label32->hide();
    cmd2->setText(QStringLiteral("全ランの表示に戻る"));
    host.showResultsAfresh();
}

void ResultsDisplay::Impl::dotHovered(int run)
{
    if (memo->editing())
        return;
    if (run == 0) {
        memo->hidePreview();
        return;
    }
    const LoadedRun *r = runs.run(run);
    const QPointF at = dotPlaceTw(run);
    memo->showCaption(qRound(at.x()), qRound(at.y()), run, r ? r->dateTime : QString());
    memo->showPreview(r ? r->memo : QString());
}

void ResultsDisplay::Impl::chartHovered()
{
    if (state().ResultsOnly == 0 || memo->editing())
        return;
    memo->hidePreview();
    label32->setText(QStringLiteral("・をクリックすると詳細グラフを表示。") + CRLF
                     + QStringLiteral("ダブルクリックでメモ書込み可能。"));
    label32->setGeometry(qRound(ChartBox::mm(50)), qRound(ChartBox::mm(1.5)), qRound(ChartBox::mm(60)),
                         qRound(ChartBox::mm(8)));
    label32->show();
    label32->raise();
    dots[0]->move(label32->x() + qRound(ChartBox::mm(1)), label32->y() + qRound(ChartBox::mm(0.3)));
    dots[0]->show();
    dots[0]->raise();
}

void ResultsDisplay::Impl::openMemoEditor(int run)
{
    memoRunNo = run;
    const LoadedRun *r = runs.run(run);
    const QPointF at = dotPlaceTw(run);
    memo->showCaption(qRound(at.x()), qRound(at.y()), run, r ? r->dateTime : QString());
    memo->openEditor(r ? r->memo : QString());
}

void ResultsDisplay::Impl::saveMemo()
{
    SharedState &s = state();
    Services &sv = services();
    const QString text = cp932::toCodePageForms(memo->typedText());
    const QString path = dataFilePath(sv.paths, s.ExperimentName.toText(), stimulusFileSuffix(s.withStimulus));
    const FileResult result = rewriteRunMemo(*sv.files, sv.paths, path, memoRunNo, text);
    if (!result.ok) {
        // The editor stays open with the text as typed, so nothing is lost.
        sv.dialogs->message(w, QStringLiteral("メモを保存できませんでした。") + CRLF + CRLF + result.message + CRLF + CRLF
                                   + QStringLiteral("メモは入力欄に残っています。"),
                            MsgButtons::Ok, MsgIcon::Exclamation);
        memo->box()->setFocus();
        return;
    }
    memo->hideAll();
    host.showResultsAfresh();
}

void ResultsDisplay::Impl::cancelMemo()
{
    memo->hideAll();
}

void ResultsDisplay::Impl::saveChartImage(ChartBox *box)
{
    Services &sv = services();
    const ChartModel &m = box->model();
    QString title = m.titleCaption;
    title.remove(QChar(0x3000));
    title.remove(QLatin1Char(' '));
    title.remove(QRegularExpression(QStringLiteral("[()（）]")));
    const QString name = state().ExperimentName.toText() + QLatin1Char('_') + (title.isEmpty() ? box->objectName() : title)
                         + QStringLiteral(".png");
    QString path = sv.dialogs->saveFile(w, ChartBox::saveActionText().chopped(1), sv.paths.file(name),
                                        QStringLiteral("PNG画像 (*.png)"));
    if (path.isEmpty())
        return;
    if (QFileInfo(path).suffix().isEmpty())
        path += QStringLiteral(".png");

    const QImage image = box->image();
    QSaveFile file(path);
    QString error;
    if (!file.open(QIODevice::WriteOnly)) {
        error = file.errorString();
    } else {
        QImageWriter writer(&file, "png");
        if (!writer.write(image)) {
            error = writer.errorString();
            file.cancelWriting();
        } else if (!file.commit()) {
            error = file.errorString();
        }
    }
    if (!error.isEmpty())
        sv.dialogs->message(w, QStringLiteral("グラフの画像を保存できませんでした。") + CRLF + CRLF
                                   + QStringLiteral("保存先：") + QDir::toNativeSeparators(path) + CRLF
                                   + QStringLiteral("理由：") + error,
                            MsgButtons::Ok, MsgIcon::Exclamation);
}

void ResultsDisplay::Impl::hideChartHint()
{
    label32->hide();
    dots[0]->hide();
}

void ResultsDisplay::Impl::placePanelUnderChart()
{
    QWidget *frame = panel->frame();
    frame->move(pic1->x() + units::px(100), pic1->y() + pic1->height() + units::px(200));
    panel->picture()->move(frame->x() + frame->width() - units::px(300), frame->y() - units::px(300));
}

bool ResultsDisplay::Impl::eventFilter(QObject *watched, QEvent *event)
{
    const QEvent::Type type = event->type();
    if (watched == pic1 && type == QEvent::MouseMove) {
        chartHovered();
        return false;
    }
    if (type == QEvent::MouseButtonDblClick) {
        // The second press of a double click is that second click itself, whatever the
        // button would make of it.
        const int run = dots.indexOf(static_cast<QPushButton *>(watched));
        if (run > 0) {
            dotClicked(run);
            return true;
        }
    }
    if (type == QEvent::MouseMove || type == QEvent::Enter) {
        const int run = dots.indexOf(static_cast<QPushButton *>(watched));
        if (run >= 0) {
            dotHovered(run);
            return true; // not on to the chart, whose hover would put the caption away
        }
    }
    return false;
}

// ---- ResultsDisplay ---------------------------------------------------------------------

ResultsDisplay::ResultsDisplay(ResultsHost &host, QObject *parent) : QObject(parent), d(new Impl(host)) {}

ResultsDisplay::~ResultsDisplay()
{
    delete d;
}

void ResultsDisplay::Impl::restart()
{
    // As a newly opened window's results view: nothing shown, nothing read, nothing pending.
    for (QWidget *c : std::initializer_list<QWidget *>{pic1, pic2, pic4, label11, label12, label13, label14, label15,
                                                       label16, label18, label24, label27, label32, cmd2, cmd7, cmd8,
                                                       cmd9, cmd10, cmd11})
        c->hide();
    for (QPushButton *dot : dots)
        dot->hide();
    cmd2->setText(QStringLiteral("最初に戻る"));
    panel->hidePanel();
    panel->hidePicture();
    memo->hideAll();
    timer1->stop();
    dotTimer->stop();
    shown = false;
    chartMode = 0;
    runCount = 0;
    runs = RunSet();
    runsLoaded = false;
    memoRunNo = 0;
    navClickAt.reset();
    dotClickAt.reset();
    pendingDot = 0;
    lastReadError.clear();
}

void ResultsDisplay::restart()
{
    if (d->created)
        d->restart();
    onWindowLoad();
}

void ResultsDisplay::onWindowLoad()
{
    d->createControls();
    d->shown = false;
    SharedState &s = d->state();
    if (s.LaunchedFromMain == 1)
        d->runCount = 0;
    if (s.ContinuousActive == 1)
        d->timer1->start();
    if (s.ContinuousInterval > 0)
        d->timer1->setInterval(s.ContinuousInterval.toInt());
}

void ResultsDisplay::display()
{
    d->display();
}

int ResultsDisplay::allRunChartMode() const
{
    return d->chartMode;
}

bool ResultsDisplay::keysRedraw() const
{
    return d->keysRedraw();
}

void ResultsDisplay::redraw()
{
    d->redraw();
}

// A browsed run, the overview or a lower-chart mode: the window's keys are not trials then.
bool ResultsDisplay::Impl::keysRedraw() const
{
    const SharedState &s = host.module().state();
    return s.BrowsedRun > 0 || chartMode == 1 || chartMode == 2 || s.ResultsOnly > 0;
}

// What a key does while results are on screen. Anywhere else the view stays as it is.
void ResultsDisplay::Impl::redraw()
{
    if (!keysRedraw())
        return;
    if (state().BrowsedRun > 0 || !(chartMode == 1 || chartMode == 2))
        display();
    else
        redrawLowerChart();
}

void ResultsDisplay::Impl::redrawLowerChart()
{
    // The lower chart alone is redrawn from the runs already read; a window that has not
    // shown results yet needs the whole display.
    if (!runsLoaded || state().BrowsedRun > 0) {
        display();
        return;
    }
    lowerChart();
    endOfDisplay();
}

void ResultsDisplay::hideChartHint()
{
    if (d->created)
        d->hideChartHint();
}

void ResultsDisplay::placePanelUnderChart()
{
    if (d->created)
        d->placePanelUnderChart();
}

void ResultsDisplay::stopContinuousTimer()
{
    if (d->timer1)
        d->timer1->stop();
}

bool ResultsDisplay::resultsShown() const
{
    return d->shown;
}

bool ResultsDisplay::memoEditing() const
{
    return d->memo && d->memo->editing();
}

int ResultsDisplay::runCount() const
{
    return d->runCount;
}

} // namespace vora
