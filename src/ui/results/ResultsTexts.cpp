#include "ui/results/ResultsTexts.h"

#include "core/registry/RecordFormat.h"
#include "core/results/ChartModel.h"
#include "core/results/Evaluation.h"
#include "core/results/RunLoader.h"
#include "core/results/Summary.h"
#include "core/toolkit/Units.h"
#include "ui/results/ChartBox.h"
#include "ui/toolkit/Style.h"

#include <QCoreApplication>
#include <QLabel>

namespace vora {

namespace {
// The texts of the results view, under its translation context.
struct Texts {
    Q_DECLARE_TR_FUNCTIONS(vora::ResultsDisplay)
};

constexpr int kTitleHeight = 300; // twips

void placeTw(QWidget *w, double left, double top, double width, double height)
{
    w->setGeometry(units::px(left), units::px(top), units::px(width), units::px(height));
}

void moveTw(QWidget *w, double left, double top)
{
    w->move(units::px(left), units::px(top));
}

} // namespace

ResultsTexts::ResultsTexts(QWidget *window) : m_window(window)
{
    m_runsTitle = label("Label11", 10, true);
    m_runsTitle->setText(Texts::tr("　今回の試行部分ごとの結果　"));
    m_segmentsTitle = label("Label12", 10, true);
    m_segmentsTitle->setText(Texts::tr("　試行部分ごとの結果（全ラン）　"));
    m_trialsTitle = label("Label18", 10, true);
    for (QLabel *t : {m_runsTitle, m_segmentsTitle, m_trialsTitle})
        style::setColours(t, style::titleBackColour(), style::titleTextColour());
    m_runAnalysis = label("Label13", 10);
    m_segmentsAnalysis = label("Label14", 10);
    for (QLabel *a : {m_runAnalysis, m_segmentsAnalysis}) {
        a->setWordWrap(true);
        a->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    }
    m_runLabel = label("Label15", 10, true);
    m_summaryLabel = label("Label16", 10, true);
    m_trialsNote = label("Label24", 9);
    m_runCountLabel = label("Label27", 10);
}

QLabel *ResultsTexts::label(const char *name, double points, bool bold)
{
    auto *l = new QLabel(m_window);
    l->setObjectName(QLatin1String(name));
    style::setPointSize(l, points, bold);
    l->hide();
    return l;
}

void ResultsTexts::placeTitle(Chart chart, const ChartBox *box, const QString &caption)
{
    QLabel *title = chart == Chart::Runs ? m_runsTitle : chart == Chart::Segments ? m_segmentsTitle : m_trialsTitle;
    title->setText(caption);
    title->adjustSize();
    title->resize(title->width(), units::px(kTitleHeight));
    title->move(box->x() + qRound(ChartBox::mm(10)), box->y() + qRound(ChartBox::mm(1.5)));
    title->show();
    title->raise();
}

QRect ResultsTexts::trialsTitleGeometry() const
{
    return m_trialsTitle->geometry();
}

void ResultsTexts::showRunCount(int runCount, const QRect &nameGeometry)
{
    m_runCountLabel->setText(runCountCaption(runCount));
    m_runCountLabel->adjustSize();
    m_runCountLabel->move(nameGeometry.x() + units::px(200), nameGeometry.y() + nameGeometry.height() + units::px(50));
    m_runCountLabel->show();
}

void ResultsTexts::showSummary(const RunSet &runs)
{
    m_summaryLabel->setToolTip(summaryLineTooltip());
    m_summaryLabel->setText(summaryLine(runs));
    m_summaryLabel->adjustSize();
    moveTw(m_summaryLabel, 6400, 1290);
    m_summaryLabel->show();
}

void ResultsTexts::showRunLine(const LoadedRun &run, bool withStimulus)
{
    m_runLabel->setText(
        singleRunLine(run.hits, withStimulus, run.stimulusTrial(), kStimulusSpan, run.targetOnes, run.inputOnes));
    m_runLabel->setToolTip(withStimulus ? singleRunLineTooltip() : QString());
    m_runLabel->adjustSize();
    moveTw(m_runLabel, 350, 1290);
    m_runLabel->show();
}

void ResultsTexts::showPeriod(const RunSet &runs)
{
    m_runLabel->setToolTip(QString());
    m_runLabel->setText(periodLine(runs));
    m_runLabel->adjustSize();
    moveTw(m_runLabel, 350, 1290);
    m_runLabel->show();
}

void ResultsTexts::showRunAnalysis(const QString &text)
{
    m_runAnalysis->setText(text);
    placeTw(m_runAnalysis, 4600, 1800, 1800, 3200);
    m_runAnalysis->show();
}

void ResultsTexts::hideRunAnalysis()
{
    m_runAnalysis->hide();
}

void ResultsTexts::placeSegmentsAnalysis(bool isOverview)
{
    placeTw(m_segmentsAnalysis, isOverview ? 12430 : 11250, 1800, 1800, 3200);
    m_segmentsAnalysis->show();
}

void ResultsTexts::setSegmentsAnalysis(const QString &text)
{
    m_segmentsAnalysis->setText(text);
}

void ResultsTexts::showNote(const ChartModel &lowerChart)
{
    if (const ChartText *t = lowerChart.text(ChartRole::Note))
        m_trialsNote->setText(t->caption);
    moveTw(m_trialsNote, lowerChart.box.left + lowerChart.box.width + 100, lowerChart.box.top + 2000);
    m_trialsNote->setVisible(lowerChart.box.width == 6100);
}

void ResultsTexts::hideAll()
{
    for (QLabel *l : {m_runsTitle, m_segmentsTitle, m_runAnalysis, m_segmentsAnalysis, m_runLabel, m_summaryLabel,
                      m_trialsTitle, m_trialsNote, m_runCountLabel})
        l->hide();
}

} // namespace vora
