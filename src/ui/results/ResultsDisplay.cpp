#include "ui/results/ResultsDisplay_p.h"

#include "core/registry/DataFile.h"
#include "core/registry/RunRecord.h"
#include "core/results/ChartModel.h"
#include "core/results/Evaluation.h"
#include "core/results/Summary.h"
#include "ui/results/ChartBox.h"
#include "ui/results/ChartImageExport.h"
#include "ui/results/CongratulationPanel.h"
#include "ui/results/ResultsHost.h"
#include "ui/results/RunMemoEditor.h"
#include "ui/startup/Module1.h"
#include "ui/toolkit/Style.h"

#include <QCoreApplication>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTimer>

namespace vora {

namespace {
// The texts of this file, under the translation context "vora::ResultsDisplay".
struct Texts {
    Q_DECLARE_TR_FUNCTIONS(vora::ResultsDisplay)
};
} // namespace

namespace {

// Places of the results view, in twips.
constexpr int kNavTop = 150;
constexpr int kNavHeight = 360;
constexpr int kNavWidth = 450;
constexpr int kBackWidth = 1900;
constexpr int kToggleWidth = 1500;
constexpr int kTitleHeight = 300;

void placeTw(QWidget *w, double left, double top, double width, double height)
{
    w->setGeometry(units::px(left), units::px(top), units::px(width), units::px(height));
}

void moveTw(QWidget *w, double left, double top)
{
    w->move(units::px(left), units::px(top));
}

} // namespace

// ---- controls ---------------------------------------------------------------------------

QLabel *ResultsDisplay::Impl::windowLabel(const char *name, double points, bool bold)
{
    auto *l = new QLabel(w);
    l->setObjectName(QLatin1String(name));
    style::setPointSize(l, points, bold);
    l->hide();
    return l;
}

QPushButton *ResultsDisplay::Impl::button(const char *name, const QString &caption, const QString &tip)
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

    runsChart = ChartBox::runsChart(w);
    segmentsChart = ChartBox::segmentsChart(w);
    trialsChart = ChartBox::trialsChart(w);
    for (ChartBox *box : {runsChart, segmentsChart, trialsChart}) {
        connect(box, &ChartBox::imageSaveRequested, this,
                [this](ChartBox *b) { saveChartImage(w, services(), state().experimentName, *b); });
        connect(box, &ChartBox::reportSaveRequested, this, [this] { host.saveReport(); });
    }

    runsTitle = windowLabel("Label11", 10, true);
    runsTitle->setText(Texts::tr("　今回の試行部分ごとの結果　"));
    segmentsTitle = windowLabel("Label12", 10, true);
    segmentsTitle->setText(Texts::tr("　試行部分ごとの結果（全ラン）　"));
    trialsTitle = windowLabel("Label18", 10, true);
    for (QLabel *t : {runsTitle, segmentsTitle, trialsTitle})
        style::setColours(t, style::titleBackColour(), style::titleTextColour());
    runAnalysis = windowLabel("Label13", 10);
    segmentsAnalysis = windowLabel("Label14", 10);
    for (QLabel *a : {runAnalysis, segmentsAnalysis}) {
        a->setWordWrap(true);
        a->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    }
    runLabel = windowLabel("Label15", 10, true);
    summaryLabel = windowLabel("Label16", 10, true);
    trialsNote = windowLabel("Label24", 9);
    runCountLabel = windowLabel("Label27", 10);

    browser = new RunBrowser(w, *this, host.module());
    backButton = button("Command2", Texts::tr("最初に戻る"), Texts::tr("前に戻ります"));
    toggleButton = button("Command11", Texts::tr("全試行表示"), QString());
    connect(backButton, &QPushButton::clicked, this, [this] { back(); });
    connect(toggleButton, &QPushButton::clicked, this, [this] { toggleLowerChart(); });

    panel = new CongratulationPanel(w, services().paths.file(QStringLiteral("omedeto.jpg")));
    memo = new RunMemoEditor(w);
    dots = new HitDots(runsChart, memo, *this, host.module());
}

// ---- the display ------------------------------------------------------------------------

void ResultsDisplay::Impl::load()
{
    SharedState &s = state();
    Services &sv = services();
    const int browsed = s.browsedRun;
    const QString path = dataFilePath(sv.paths, s.experimentName, stimulusFileSuffix(s.withStimulus));
    const ReadResult read = sv.files->readLines(path);
    if (!read.ok && !read.missing) {
        // Shown once per cause: continuous display would otherwise repeat it every tick.
        if (read.message != lastReadError)
            sv.dialogs->tell(
                w, Texts::tr("データファイルを読めないため、結果を表示できません。") + CRLF + CRLF + read.message,
                MsgIcon::Exclamation);
        lastReadError = read.message;
    } else {
        lastReadError.clear();
    }
    const QStringList lines = read.ok ? read.lines : QStringList();
    // RunCount is the experiment's run count even when the window was opened afresh on a
    // browsed run, so the arrows can go on past it.
    const RunSet all = loadRunsFromLines(lines, 0, runCountSeen);
    runCountSeen = qMax(runCountSeen, all.runsRead);
    runs = browsed > 0 ? loadRunsFromLines(lines, browsed, runCountSeen) : all;
    runsLoaded = true;

    if (runs.hasConditionMemo)
        s.conditionMemo = runs.conditionMemo;
    if (!runs.stimulusCode.isEmpty()) {
        s.stimulus = stimulusFromLetter(runs.stimulusCode);
        s.hitDisplay = hitDisplayFromLetter(runs.hitDisplayCode);
    }
}

void ResultsDisplay::Impl::header()
{
    SharedState &s = state();
    shown = true;
    s.backgroundImagePath = QString();
    host.clearBackgroundPicture();
    panel->hidePanel();
    panel->hidePicture();
    panel->resetColour();
    host.stopAnimationTimer();

    const int left = browser->placeButtons(7500, kNavTop, kNavWidth, kNavHeight);
    placeTw(backButton, left - 50 + 200, kNavTop, kBackWidth, kNavHeight);
    backButton->show();
    host.hideRunControls();

    HeaderRow &top = host.header();
    top.setTitle(Texts::tr("　ＶＯＲＡ(結果の表示)　"), true);
    const bool withStimulus = s.withStimulus;
    host.showConditions(conditionLine(withStimulus, stimulusLetter(s.stimulus), hitDisplayLetter(s.hitDisplay)),
                        withStimulus, memoFromFileForm(s.conditionMemo), s.showConditions);
    top.showName(s.experimentName, 200);
    top.titleAfterName();
    runCountLabel->setText(runCountCaption(runCountSeen));
    runCountLabel->adjustSize();
    const QRect name = top.nameGeometry();
    runCountLabel->move(name.x() + units::px(200), name.y() + name.height() + units::px(50));
    runCountLabel->show();
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

    summaryLabel->setToolTip(summaryLineTooltip());
    summaryLabel->setText(summaryLine(runs));
    summaryLabel->adjustSize();
    moveTw(summaryLabel, 6400, 1290);
    summaryLabel->show();

    const bool withStimulus = s.withStimulus;
    runLabel->setText(singleRunLine(r.hits, withStimulus, r.stimulusTrial(), kStimulusSpan, r.targetOnes, r.inputOnes));
    runLabel->setToolTip(withStimulus ? singleRunLineTooltip() : QString());
    runLabel->adjustSize();
    moveTw(runLabel, 350, 1290);
    runLabel->show();

    dots->hideAll();
    std::array<double, 5> segments{};
    for (int i = 0; i < 5; ++i)
        segments[i] = r.segmentHits[i];
    ChartModel chart = segmentChart(r.segmentHits, s.view != ExperimentView::Overview);
    runsChart->setModel(chart);
    runsChart->show();
    placeTitle(runsTitle, runsChart, chart.titleCaption);

    const Analysis a = analyse(r.hits, segments);
    runAnalysis->setText(a.analysisText);
    placeTw(runAnalysis, 4600, 1800, 1800, 3200);
    runAnalysis->show();
    if (!a.significant)
        return;

    sv.sound->beep();
    const BoxGeometry &b = chart.box;
    const int width = static_cast<int>(std::lround(1.3 * b.width));
    // While the runs pass by one after another the panel must not hide the chart.
    const bool continuousRunning = s.continuousActive;
    const int top = continuousRunning ? b.top + b.height + 200 : b.top + 500;
    panel->show(b.left + 100, top, width, 4000, congratulationText(r.hits));
    if (showsCongratulationPicture(r.hits))
        panel->showPicture(b.left + 100 + 100, top - 300);
}

void ResultsDisplay::Impl::overview()
{
    Services &sv = services();
    runLabel->setToolTip(QString());
    runLabel->setText(periodLine(runs));
    runLabel->adjustSize();
    moveTw(runLabel, 350, 1290);
    runLabel->show();

    summaryLabel->setToolTip(summaryLineTooltip());
    summaryLabel->setText(summaryLine(runs));
    summaryLabel->adjustSize();
    moveTw(summaryLabel, 6400, 1290);
    summaryLabel->show();
    runAnalysis->hide();

    const ChartModel chart = overviewChart(runs.runs);
    runsChart->setModel(chart);
    runsChart->show();
    placeTitle(runsTitle, runsChart, chart.titleCaption);
    dots->place(chart.dots);

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
    segmentsChart->setModel(chart);
    segmentsChart->show();
    placeTitle(segmentsTitle, segmentsChart, chart.titleCaption);

    placeTw(segmentsAnalysis, isOverview ? 12430 : 11250, 1800, 1800, 3200);
    segmentsAnalysis->show();
    HeaderRow &top = host.header();
    if (isOverview)
        top.setTitle(Texts::tr(" ＶＯＲＡ(全結果の表示) "), true);

    const ShownDateTime when = shownRunDateTime(runs, s.browsedRun, sv.clock->dateText(), sv.clock->timeText());
    top.setDate(when.date, true);
    top.dateAfterTitle(200);
    top.showDateAndTime();
    top.setTime(when.time, true);
    top.timeAfterDate(300);
    segmentsAnalysis->setText(meanProfileAnalysis(runs).analysisText);
}

void ResultsDisplay::Impl::lowerChart()
{
    const SharedState &s = state();
    const bool withStimulus = s.withStimulus;
    const ChartModel chart = vora::lowerChart(runs, withStimulus, chartMode);
    trialsChart->setModel(chart);
    trialsChart->show();
    placeTitle(trialsTitle, trialsChart, chart.titleCaption);
    if (!chart.toggleCaption.isEmpty()) {
        toggleButton->setText(chart.toggleCaption);
        placeTw(toggleButton, 0, 0, kToggleWidth, kTitleHeight);
        toggleButton->move(trialsTitle->x() + trialsTitle->width() + units::px(10), trialsTitle->y());
        toggleButton->show();
        toggleButton->raise();
    }
    if (const ChartText *t = chart.text(ChartRole::Note))
        trialsNote->setText(t->caption);
    moveTw(trialsNote, chart.box.left + chart.box.width + 100, chart.box.top + 2000);
    trialsNote->setVisible(chart.box.width == 6100);
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
    const bool single = s.view != ExperimentView::Overview;
    if (single)
        singleRun();
    else
        overview();
    allRunPart(!single);
    lowerChart();
    backButton->setText(s.view == ExperimentView::BrowseRun ? Texts::tr("全ランの表示に戻る")
                                                            : Texts::tr("最初に戻る"));
    if (dots->editing()) {
        memo->caption()->raise();
        memo->box()->raise();
    }
    endOfDisplay();
}

// ---- browsing ---------------------------------------------------------------------------

void ResultsDisplay::Impl::showBrowsedRun()
{
    dots->hideHint();
    redraw();
}

void ResultsDisplay::Impl::dotPressed()
{
    chartMode = 0;
    // A dot leaves continuous display for good: the view shown next must not take it up again.
    browser->stop();
}

void ResultsDisplay::Impl::openRun(int run)
{
    state().browse(run);
    backButton->setText(Texts::tr("全ランの表示に戻る"));
    host.showResultsAfresh();
}

void ResultsDisplay::Impl::back()
{
    SharedState &s = state();
    memo->hideAll();
    chartMode = 0;
    if (s.view == ExperimentView::BrowseRun) {
        browser->stop();
        backButton->setText(Texts::tr("最初に戻る"));
        s.showOverview();
        host.showResultsAfresh();
        return;
    }
    s.showRunView();
    panel->hidePanel();
    panel->hidePicture();
    host.showMainWindow();
}

void ResultsDisplay::Impl::toggleLowerChart()
{
    chartMode = chartMode == 1 ? 2 : 1;
    redraw();
}

// A browsed run, the overview or a lower-chart mode: the window's keys are not trials then.
bool ResultsDisplay::Impl::keysRedraw() const
{
    return host.module().state().view != ExperimentView::Run || chartMode == 1 || chartMode == 2;
}

// What a key does while results are on screen. Anywhere else the view stays as it is.
void ResultsDisplay::Impl::redraw()
{
    if (!keysRedraw())
        return;
    if (state().view == ExperimentView::BrowseRun || !(chartMode == 1 || chartMode == 2))
        display();
    else
        redrawLowerChart();
}

void ResultsDisplay::Impl::redrawLowerChart()
{
    // The lower chart alone is redrawn from the runs already read; a window that has not
    // shown results yet needs the whole display.
    if (!runsLoaded || state().view == ExperimentView::BrowseRun) {
        display();
        return;
    }
    lowerChart();
    endOfDisplay();
}

void ResultsDisplay::Impl::placePanelUnderChart()
{
    QWidget *frame = panel->frame();
    frame->move(runsChart->x() + units::px(100), runsChart->y() + runsChart->height() + units::px(200));
    panel->picture()->move(frame->x() + frame->width() - units::px(300), frame->y() - units::px(300));
}

void ResultsDisplay::Impl::restart()
{
    // As a newly opened window's results view: nothing shown, nothing read, nothing pending.
    for (QWidget *c : std::initializer_list<QWidget *>{
             runsChart, segmentsChart, trialsChart, runsTitle, segmentsTitle, runAnalysis, segmentsAnalysis, runLabel,
             summaryLabel, trialsTitle, trialsNote, runCountLabel, backButton, toggleButton})
        c->hide();
    browser->hideButtons();
    browser->stopTimer();
    browser->forgetClicks();
    dots->hideAll();
    dots->restart();
    backButton->setText(Texts::tr("最初に戻る"));
    panel->hidePanel();
    panel->hidePicture();
    memo->hideAll();
    shown = false;
    chartMode = 0;
    runCountSeen = 0;
    runs = RunSet();
    runsLoaded = false;
    lastReadError.clear();
}

// ---- ResultsDisplay ---------------------------------------------------------------------

ResultsDisplay::ResultsDisplay(ResultsHost &host, QObject *parent) : QObject(parent), d(new Impl(host))
{
}

ResultsDisplay::~ResultsDisplay()
{
    delete d;
}

void ResultsDisplay::onWindowLoad()
{
    d->createControls();
    d->shown = false;
    if (d->state().launchedFromMain)
        d->runCountSeen = 0;
    d->browser->onWindowLoad();
}

void ResultsDisplay::restart()
{
    if (d->created)
        d->restart();
    onWindowLoad();
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

void ResultsDisplay::hideChartHint()
{
    if (d->created)
        d->dots->hideHint();
}

void ResultsDisplay::placePanelUnderChart()
{
    if (d->created)
        d->placePanelUnderChart();
}

void ResultsDisplay::stopContinuousTimer()
{
    if (d->browser)
        d->browser->stopTimer();
}

bool ResultsDisplay::resultsShown() const
{
    return d->shown;
}

HitDots &ResultsDisplay::hitDots()
{
    d->createControls();
    return *d->dots;
}

bool ResultsDisplay::memoEditing() const
{
    return d->dots && d->dots->editing();
}

int ResultsDisplay::runCount() const
{
    return d->runCountSeen;
}

} // namespace vora
