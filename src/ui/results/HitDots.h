#pragma once
// The runs' dots in the overview chart: a pointer over a dot shows its run's number, date
// and memo; a click opens that run (once the wait for a second click is over); a double
// click opens its memo for editing. Over the bare chart a hint says so.
#include "core/results/ChartModel.h"
#include "core/toolkit/FileResult.h"

#include <QObject>
#include <QPointF>
#include <QVector>
#include <optional>

class QLabel;
class QPushButton;
class QTimer;

namespace vora {

class ChartBox;
class LockRetry;
class Module1;
class RunMemoEditor;
struct RunSet;

class HitDots : public QObject {
    Q_OBJECT
public:
    // What the dots need of the results view they belong to.
    class View {
    public:
        virtual ~View() = default;
        virtual const RunSet &shownRuns() const = 0;
        virtual void dotPressed() = 0; // leaves continuous display and the lower-chart mode
        virtual void openRun(int run) = 0; // the run's own display
        virtual void memoSaved() = 0; // the overview again, with the new memo
    };

    // Command3(0..100) and the hint Label32 are made in the chart; `editor` is the memo editor
    // of the window, made apart so that it lies above the view's other controls.
    HitDots(ChartBox *chart, RunMemoEditor *editor, View &view, Module1 &module);

    // The overview's dots (the others hidden), or none at all.
    void place(const QVector<HitDot> &dots);
    void hideAll();
    void hideHint();
    bool editing() const;
    // A newly opened window's dots: no click pending.
    void restart();

    // Monotonic ms at which a click on a dot counts as a single click; -1 when none waits.
    qint64 waitDeadline() const;
    // The wait's timer handler; an early call waits on (tests call it after moving a frozen clock).
    void onWaitOver();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void clicked(int run);
    void hovered(int run);
    void chartHovered();
    void openEditor(int run);
    void save();
    void saved(const FileResult &result);
    QPointF placeTw(int run) const;

    ChartBox *m_chart;
    RunMemoEditor *m_memo;
    View &m_view;
    Module1 &m_module;
    QVector<QPushButton *> m_dots; // Command3(0..100); element 0 is the hint's legend dot
    QVector<QPointF> m_dotMm; // top-left of each dot in the chart, mm
    QLabel *m_hint; // Label32
    QTimer *m_wait;
    std::optional<qint64> m_clickAt; // the pending first click on a dot
    int m_pendingRun = 0;
    int m_memoRun = 0; // MemoRunNo
    LockRetry *m_memoSave; // the memo's write, tried again while another copy holds the file
};

} // namespace vora
