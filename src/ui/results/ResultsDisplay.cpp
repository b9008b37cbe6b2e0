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

} // namespace

// ---- controls ---------------------------------------------------------------------------

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

    texts = std::make_unique<ResultsTexts>(w);

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
    texts->showRunCount(runsShown.runCount(), top.nameGeometry());
}

void ResultsDisplay::Impl::singleRun()
{
    SharedState &s = state();
    Services &sv = services();
    const LoadedRun *run = runsShown.runs().lastRun();
    const LoadedRun none;
    const LoadedRun &r = run ? *run : none;
    texts->showSummary(runsShown.runs());
    texts->showRunLine(r, s.withStimulus);

    dots->hideAll();
    std::array<double, 5> segments{};
    for (int i = 0; i < 5; ++i)
        segments[i] = r.segmentHits[i];
    ChartModel chart = segmentChart(r.segmentHits, s.view != ExperimentView::Overview);
    runsChart->setModel(chart);
    runsChart->show();
    texts->placeTitle(ResultsTexts::Chart::Runs, runsChart, chart.titleCaption);

    const Analysis a = analyse(r.hits, segments);
    texts->showRunAnalysis(a.analysisText);
    if (!a.significant)
        return;

    sv.sound->beep();
    panel->showForRun(chart.box, r.hits, s.continuousActive);
}

void ResultsDisplay::Impl::overview()
{
    Services &sv = services();
    const RunSet &runs = runsShown.runs();
    texts->showPeriod(runs);
    texts->showSummary(runs);
    texts->hideRunAnalysis();

    const ChartModel chart = overviewChart(runs.runs);
    runsChart->setModel(chart);
    runsChart->show();
    texts->placeTitle(ResultsTexts::Chart::Runs, runsChart, chart.titleCaption);
    dots->place(chart.dots);

    const LevelCounts counts = countLevels(runs.runs);
    if (!overviewShowsPanel(counts))
        return;
    sv.sound->beep();
    panel->showForOverview(chart.box, counts);
}

void ResultsDisplay::Impl::allRunPart(bool isOverview)
{
    SharedState &s = state();
    Services &sv = services();
    const RunSet &runs = runsShown.runs();
    const ChartModel chart = deviationChart(runs.segmentTotal, runs.runsRead, isOverview);
    segmentsChart->setModel(chart);
    segmentsChart->show();
    texts->placeTitle(ResultsTexts::Chart::Segments, segmentsChart, chart.titleCaption);
    texts->placeSegmentsAnalysis(isOverview);
    HeaderRow &top = host.header();
    if (isOverview)
        top.setTitle(Texts::tr(" ＶＯＲＡ(全結果の表示) "), true);

    const ShownDateTime when = shownRunDateTime(runs, s.browsedRun, sv.clock->dateText(), sv.clock->timeText());
    top.setDate(when.date, true);
    top.dateAfterTitle(200);
    top.showDateAndTime();
    top.setTime(when.time, true);
    top.timeAfterDate(300);
    texts->setSegmentsAnalysis(meanProfileAnalysis(runs).analysisText);
}

void ResultsDisplay::Impl::lowerChart()
{
    const SharedState &s = state();
    const bool withStimulus = s.withStimulus;
    const ChartModel chart = vora::lowerChart(runsShown.runs(), withStimulus, chartMode);
    trialsChart->setModel(chart);
    trialsChart->show();
    texts->placeTitle(ResultsTexts::Chart::Trials, trialsChart, chart.titleCaption);
    if (!chart.toggleCaption.isEmpty()) {
        toggleButton->setText(chart.toggleCaption);
        placeTw(toggleButton, 0, 0, kToggleWidth, kTitleHeight);
        const QRect title = texts->trialsTitleGeometry();
        toggleButton->move(title.x() + title.width() + units::px(10), title.y());
        toggleButton->show();
        toggleButton->raise();
    }
    texts->showNote(chart);
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
    runsShown.load(w, services(), s);
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
    if (!runsShown.loaded() || state().view == ExperimentView::BrowseRun) {
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
    for (QWidget *c : {runsChart, segmentsChart, trialsChart})
        c->hide();
    texts->hideAll();
    backButton->hide();
    toggleButton->hide();
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
    runsShown.clear();
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
        d->runsShown.forgetRunCount();
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
    return d->runsShown.runCount();
}

} // namespace vora
