#pragma once
// The experiment window's header row: experiment name, title, date, time, version, and the
// help and end buttons. The run, the stimulus episode and the results view all lay it out;
// this is the one place that knows how its parts follow each other.
#include "ui/results/ResultsHost.h"

#include <QObject>
#include <QRect>

class QLabel;
class QPushButton;
class QWidget;

namespace vora {

class ExperimentHeader : public QObject, public HeaderRow {
    Q_OBJECT
public:
    // The controls are made in the window itself, so their places are window places.
    explicit ExperimentHeader(QWidget *window);

    void setVersion(const QString &text);
    // `fit`: the label takes the width of its text.
    void setTitle(const QString &text, bool fit = false) override;
    void showName(const QString &name, int leftTwips) override;
    void setDate(const QString &text, bool fit = false) override;
    void setTime(const QString &text, bool fit = false) override;
    void showDateAndTime() override;

    // Each part keeps its row and moves along it after the part before it.
    void titleAfterName() override;
    void dateAfterTitle(int gapTwips) override;
    void timeAfterDate(int gapTwips) override;
    // Help, end and the version keep to the right edge of a window this wide.
    void placeRightButtons(int windowWidth);

    QRect nameGeometry() const override;
    // A control of the window's own that lies in the row, stacked under the header's buttons.
    void stackUnderButtons(QWidget *control) const;

Q_SIGNALS:
    void helpClicked();
    void endClicked();

private:
    QLabel *m_name;
    QLabel *m_title;
    QLabel *m_date;
    QLabel *m_time;
    QLabel *m_version;
    QPushButton *m_help;
    QPushButton *m_end;
};

} // namespace vora
