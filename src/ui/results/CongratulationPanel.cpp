#include "ui/results/CongratulationPanel.h"

#include "core/results/ChartModel.h"
#include "core/results/Evaluation.h"
#include "core/results/Summary.h"
#include "core/toolkit/Units.h"
#include "ui/toolkit/Style.h"

#include <QEvent>
#include <QFrame>
#include <QLabel>
#include <QPixmap>

#include <cmath>

namespace vora {

CongratulationPanel::CongratulationPanel(QWidget *window, const QString &picturePath) : QObject(window)
{
    m_frame = new QFrame(window);
    m_frame->setObjectName(QStringLiteral("Frame1"));
    m_frame->setFrameShape(QFrame::Box);
    m_frame->hide();

    m_caption = new QLabel(m_frame);
    m_caption->setObjectName(QStringLiteral("Label29"));
    m_caption->setWordWrap(true);
    m_caption->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    m_caption->setMargin(units::px(150));
    style::setPointSize(m_caption, 12, true);
    m_caption->setAutoFillBackground(true);
    m_caption->setMouseTracking(true);
    m_caption->installEventFilter(this);
    applyColour();

    m_picture = new QLabel(window);
    m_picture->setObjectName(QStringLiteral("Picture5"));
    const QPixmap pix(picturePath);
    if (!pix.isNull()) {
        m_picture->setPixmap(pix);
        m_picture->resize(pix.size());
    }
    m_picture->installEventFilter(this);
    m_picture->hide();
}

void CongratulationPanel::show(int left, int top, int width, int height, const QString &caption)
{
    m_frame->setGeometry(units::px(left), units::px(top), units::px(width), units::px(height));
    m_caption->setGeometry(0, 0, m_frame->width(), m_frame->height());
    m_caption->setText(caption);
    m_colour = QColor(255, 255, 0);
    applyColour();
    m_caption->show();
    m_frame->show();
    m_frame->raise();
    if (m_picture->isVisible())
        m_picture->raise();
}

void CongratulationPanel::showPicture(int left, int top)
{
    m_picture->move(units::px(left), units::px(top));
    m_picture->show();
    m_picture->raise();
}

void CongratulationPanel::showForRun(const BoxGeometry &chart, int hits, bool continuousRunning)
{
    const int width = static_cast<int>(std::lround(1.3 * chart.width));
    // While the runs pass by one after another the panel must not hide the chart.
    const int top = continuousRunning ? chart.top + chart.height + 200 : chart.top + 500;
    show(chart.left + 100, top, width, 4000, congratulationText(hits));
    if (showsCongratulationPicture(hits))
        showPicture(chart.left + 100 + 100, top - 300);
}

void CongratulationPanel::showForOverview(const BoxGeometry &chart, const LevelCounts &counts)
{
    const int left = chart.left + 3000;
    const int top = chart.top + chart.height / 2;
    const int width = static_cast<int>(std::lround(0.8 * chart.width));
    show(left, top, width, 3000, overviewCongratulation(counts));
    if (overviewShowsPicture(counts))
        showPicture(left + width - 300, top - 300);
}

void CongratulationPanel::hidePanel()
{
    m_frame->hide();
}

void CongratulationPanel::hidePicture()
{
    m_picture->hide();
}

void CongratulationPanel::resetColour()
{
    m_colour = QColor(255, 255, 0);
    applyColour();
}

void CongratulationPanel::applyColour()
{
    style::setColours(m_caption, m_colour, Qt::black);
}

QColor CongratulationPanel::nextColour(const QColor &c)
{
    int r = c.red(), g = c.green(), b = c.blue();
    // The walk goes round the edges of the colour cube; where it stands says which
    // component moves next.
    if (r == 255 && b == 0 && g == 255)
        --r; // yellow -> green
    else if (g == 255 && b == 0 && r > 0)
        --r;
    else if (g == 255 && r == 0 && b < 255)
        ++b; // green -> cyan
    else if (b == 255 && r == 0 && g > 0)
        --g; // cyan -> blue
    else if (b == 255 && g == 0 && r < 255)
        ++r; // blue -> magenta
    else if (r == 255 && g == 0 && b > 0)
        --b; // magenta -> red
    else if (r == 255 && b == 0 && g < 255)
        ++g; // red -> yellow
    else
        return QColor(255, 255, 0); // off the walk: start again at yellow
    return QColor(r, g, b);
}

bool CongratulationPanel::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_caption) {
        if (event->type() == QEvent::MouseMove) {
            m_colour = nextColour(m_colour);
            applyColour();
        } else if (event->type() == QEvent::MouseButtonRelease) {
            m_frame->hide();
            m_picture->hide();
            return true;
        }
    }
    return QObject::eventFilter(watched, event);
}

} // namespace vora
