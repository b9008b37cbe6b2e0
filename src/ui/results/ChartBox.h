#pragma once
// A picture box of the results view that holds one chart's drawing list and paints it at
// 56.693 twips per millimetre. The axis labels of the chart are its children, placed from
// the list's texts in the box's millimetres; a right-click offers the chart as a picture.
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
    // Creates a label that the chart's texts address ("Label3(4)"); a label a chart does not
    // mention keeps its state. `verticalTitle`: the caption is written top to bottom.
    QLabel *addLabel(const QString &name, double points, const QString &designCaption = QString(),
                     bool verticalTitle = false);
    QLabel *label(const QString &name) const;

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
    QStringList m_verticalTitles;
    QList<QWidget *> m_overlays;
};

} // namespace vora
