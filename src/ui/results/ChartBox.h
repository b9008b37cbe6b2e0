#pragma once
// A picture box of the results view that holds one chart's drawing list and paints it at
// 56.693 twips per millimetre. The chart's texts are labels, its children, that take the
// caption, place, size and colour the model gives them; only here do they get the program's
// control names. A right-click offers the chart as a picture.
#include "core/results/ChartModel.h"

#include <QImage>
#include <QWidget>

class QLabel;

namespace vora {

class ChartBox : public QWidget {
    Q_OBJECT
public:
    explicit ChartBox(const QString &name, QWidget *parent);
    // The results view's three charts with their axis labels: Picture1 (a run's segments or
    // every run's hits), Picture2 (the segments of all runs), Picture4 (the trials around the
    // stimulus, or every trial).
    static ChartBox *runsChart(QWidget *parent);
    static ChartBox *segmentsChart(QWidget *parent);
    static ChartBox *trialsChart(QWidget *parent);

    // Takes the chart: box place and size, drawing list and the texts of its own labels.
    void setModel(const ChartModel &model);
    const ChartModel &model() const { return m_model; }
    // Creates the label for the chart's texts of `role` and `index`, named as the program
    // names it in this box ("Label3(4)"); a label a chart does not mention keeps its state.
    QLabel *addLabel(ChartRole role, int index = 0);
    QLabel *label(const QString &name) const;
    // The program's control name of that label in the box named `box`; empty for a text
    // that is no label of the box.
    static QString labelName(const QString &box, ChartRole role, int index = 0);

    // A child that only helps the pointer (a hover hint): never part of the chart's picture.
    void addOverlay(QWidget *overlay);
    // The chart as it is on screen, labels and dot buttons included, overlays left out.
    QImage image();
    // Millimetres of the box to its pixels.
    static double mm(double millimetres);

    static QString saveActionText() { return tr("画像として保存…"); }
    static QString reportActionText() { return tr("レポートを保存…"); }

Q_SIGNALS:
    void imageSaveRequested(vora::ChartBox *box);
    void reportSaveRequested();

protected:
    void paintEvent(QPaintEvent *event) override;
    void contextMenuEvent(QContextMenuEvent *event) override;

private:
    void applyText(const ChartText &text);

    ChartModel m_model;
    QList<QWidget *> m_overlays;
};

} // namespace vora
