#include "ui/results/HitDots.h"

#include "core/registry/DataFile.h"
#include "core/registry/RunRecord.h"
#include "core/results/RunLoader.h"
#include "core/toolkit/Cp932.h"
#include "core/toolkit/LockRetry.h"
#include "ui/results/ChartBox.h"
#include "ui/results/RunMemoEditor.h"
#include "ui/startup/Module1.h"
#include "ui/toolkit/Style.h"

#include <QCoreApplication>
#include <QEvent>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>
#include <QRegion>
#include <QTimer>

namespace vora {

namespace {
// The texts of this file, under the translation context "vora::HitDots".
struct Texts {
    Q_DECLARE_TR_FUNCTIONS(vora::HitDots)
};
} // namespace

namespace {

constexpr double kHitDotMm = 1.9; // the dot buttons' width and height in the chart

// The triangle a dot button is cut to, tip up for offScale +1 and down for -1.
QRegion offScaleShape(const QSize &size, int offScale)
{
    const int w = size.width(), h = size.height();
    const QPolygon tipUp({QPoint(w / 2, 0), QPoint(w, h), QPoint(0, h)});
    const QPolygon tipDown({QPoint(0, 0), QPoint(w, 0), QPoint(w / 2, h)});
    return QRegion(offScale > 0 ? tipUp : tipDown);
}

} // namespace

HitDots::HitDots(ChartBox *chart, RunMemoEditor *editor, View &view, Module1 &module)
    : QObject(chart), m_chart(chart), m_memo(editor), m_view(view), m_module(module)
{
    // The dots of the per-run chart, and the legend dot of its hint (element 0).
    const int dotPx = qMax(4, qRound(ChartBox::mm(kHitDotMm)));
    m_dotMm.fill(QPointF(), kMaxRuns + 1);
    for (int i = 0; i <= kMaxRuns; ++i) {
        auto *d = new QPushButton(chart);
        d->setObjectName(QStringLiteral("Command3(%1)").arg(i));
        d->resize(dotPx, dotPx);
        d->setFocusPolicy(Qt::NoFocus);
        style::setDotLook(d, style::DotLook::Plain);
        d->setMouseTracking(true);
        d->installEventFilter(this);
        d->hide();
        if (i > 0)
            connect(d, &QPushButton::clicked, this, [this, i] { clicked(i); });
        m_dots.append(d);
    }
    m_hint = new QLabel(chart);
    m_hint->setObjectName(QStringLiteral("Label32"));
    style::setPointSize(m_hint, 8);
    style::setColours(m_hint, style::hintBackColour(), Qt::black);
    m_hint->hide();
    chart->addOverlay(m_hint);
    chart->addOverlay(m_dots[0]); // the hint's legend dot
    chart->setMouseTracking(true);
    chart->installEventFilter(this);

    m_memoSave = new LockRetry(module.services().clock, module.services().timing, this);
    connect(m_memoSave, &LockRetry::waitingChanged, m_memo, &RunMemoEditor::setSaving);
    connect(m_memo, &RunMemoEditor::saveClicked, this, &HitDots::save);
    connect(m_memo, &RunMemoEditor::cancelClicked, m_memo, &RunMemoEditor::hideAll);

    m_wait = new QTimer(this);
    m_wait->setSingleShot(true);
    connect(m_wait, &QTimer::timeout, this, &HitDots::onWaitOver);
}

void HitDots::place(const QVector<HitDot> &chartDots)
{
    for (int i = 1; i <= kMaxRuns; ++i)
        m_dots[i]->hide();
    for (const HitDot &d : chartDots) {
        QPushButton *b = m_dots.value(d.run);
        if (!b)
            continue;
        m_dotMm[d.run] = QPointF(d.left, d.top);
        b->move(qRound(ChartBox::mm(d.left)), qRound(ChartBox::mm(d.top)));
        if (d.offScale != 0) {
            // A run beyond the chart's range: a triangle on the frame's edge, pointing the way it lies.
            style::setDotLook(b, d.hasMemo ? style::DotLook::Memo : style::DotLook::OffScale);
            b->setMask(offScaleShape(b->size(), d.offScale));
        } else {
            style::setDotLook(b, d.hasMemo ? style::DotLook::Memo : style::DotLook::Plain);
            b->clearMask();
        }
        b->show();
        b->raise();
    }
}

void HitDots::hideAll()
{
    for (QPushButton *d : m_dots)
        d->hide();
    m_hint->hide();
}

void HitDots::hideHint()
{
    m_hint->hide();
    m_dots[0]->hide();
}

bool HitDots::editing() const
{
    return m_memo->editing();
}

void HitDots::restart()
{
    m_wait->stop();
    m_clickAt.reset();
    m_pendingRun = 0;
    m_memoRun = 0;
}

QPointF HitDots::placeTw(int run) const
{
    // Just below and right of the dot, in the window's twips.
    const BoxGeometry &b = m_chart->model().box;
    const QPointF d = m_dotMm.value(run);
    return {b.left + (d.x() + kHitDotMm + 2) * units::kTwipsPerMm,
            b.top + (d.y() + kHitDotMm + 2) * units::kTwipsPerMm};
}

void HitDots::clicked(int run)
{
    // A dot leaves continuous display for good: the view shown next must not take it up again.
    m_view.dotPressed();
    if (m_memo->editing())
        return;
    if (m_clickAt) {
        m_clickAt.reset();
        m_wait->stop();
        openEditor(run);
        return;
    }
    m_clickAt = m_module.services().clock->monotonicMs();
    m_pendingRun = run;
    m_wait->start(m_module.services().timing.dotClickWaitMs);
}

qint64 HitDots::waitDeadline() const
{
    return m_clickAt ? *m_clickAt + m_module.services().timing.dotClickWaitMs : -1;
}

void HitDots::onWaitOver()
{
    if (!m_clickAt)
        return;
    const qint64 waited = m_module.services().clock->monotonicMs() - *m_clickAt;
    const qint64 left = m_module.services().timing.dotClickWaitMs - waited;
    if (left > 0) {
        m_wait->start(static_cast<int>(left));
        return;
    }
    m_clickAt.reset();
    m_hint->hide();
    m_view.openRun(m_pendingRun);
}

void HitDots::hovered(int run)
{
    if (m_memo->editing())
        return;
    if (run == 0) {
        m_memo->hidePreview();
        return;
    }
    const LoadedRun *r = m_view.shownRuns().run(run);
    const QPointF at = placeTw(run);
    m_memo->showCaption(qRound(at.x()), qRound(at.y()), run, r ? r->dateTime : QString());
    m_memo->showPreview(r ? r->memo : QString());
}

void HitDots::chartHovered()
{
    if (m_module.state().view != ExperimentView::Overview || m_memo->editing())
        return;
    m_memo->hidePreview();
    m_hint->setText(Texts::tr("・をクリックすると詳細グラフを表示。") + CRLF
                    + Texts::tr("ダブルクリックでメモ書込み可能。"));
    m_hint->setGeometry(qRound(ChartBox::mm(50)), qRound(ChartBox::mm(1.5)), qRound(ChartBox::mm(60)),
                        qRound(ChartBox::mm(8)));
    m_hint->show();
    m_hint->raise();
    m_dots[0]->move(m_hint->x() + qRound(ChartBox::mm(1)), m_hint->y() + qRound(ChartBox::mm(0.3)));
    m_dots[0]->show();
    m_dots[0]->raise();
}

void HitDots::openEditor(int run)
{
    m_memoRun = run;
    const LoadedRun *r = m_view.shownRuns().run(run);
    const QPointF at = placeTw(run);
    m_memo->showCaption(qRound(at.x()), qRound(at.y()), run, r ? r->dateTime : QString());
    m_memo->openEditor(r ? r->memo : QString());
}

void HitDots::save()
{
    SharedState &s = m_module.state();
    Services &sv = m_module.services();
    const QString text = cp932::toCodePageForms(m_memo->typedText());
    const QString path = dataFilePath(sv.paths, s.experimentName, stimulusFileSuffix(s.withStimulus));
    const int run = m_memoRun;
    // While it waits the editor stays open (its buttons off), so no second save starts.
    m_memoSave->start([&sv, path, run, text] { return rewriteRunMemo(*sv.files, sv.paths, path, run, text); },
                      [this](const FileResult &result) { saved(result); });
}

void HitDots::saved(const FileResult &result)
{
    if (!result.ok) {
        Services &sv = m_module.services();
        // The editor stays open with the text as typed, so nothing is lost.
        // Once the message is closed the typing goes on where it stopped.
        sv.dialogs->ask(m_chart->window(),
                        Texts::tr("メモを保存できませんでした。") + CRLF + CRLF + result.message + CRLF + CRLF
                            + Texts::tr("メモは入力欄に残っています。"),
                        MsgButtons::Ok, MsgIcon::Exclamation, [box = QPointer<QWidget>(m_memo->box())](MsgAnswer) {
                            if (box)
                                box->setFocus();
                        });
        return;
    }
    m_memo->hideAll();
    m_view.memoSaved();
}

bool HitDots::eventFilter(QObject *watched, QEvent *event)
{
    const QEvent::Type type = event->type();
    if (watched == m_chart) {
        if (type == QEvent::MouseMove)
            chartHovered();
        return false;
    }
    const int run = m_dots.indexOf(static_cast<QPushButton *>(watched));
    if (type == QEvent::MouseButtonDblClick && run > 0) {
        // The second press of a double click is that second click itself, whatever the
        // button would make of it.
        clicked(run);
        return true;
    }
    if ((type == QEvent::MouseMove || type == QEvent::Enter) && run >= 0) {
        hovered(run);
        return true; // not on to the chart, whose hover would put the caption away
    }
    return false;
}

} // namespace vora
