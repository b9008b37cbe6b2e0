#include "ui/run/StageBackdrop.h"

#include "ui/toolkit/Style.h"

#include <QLabel>
#include <QPainter>
#include <QWidget>

namespace vora {

void StageBackdrop::setColour(const QColor &colour)
{
    m_colour = colour;
    m_surface.update();
}

void StageBackdrop::setPicture(const QString &path)
{
    m_picture = path.isEmpty() ? QPixmap() : QPixmap(path);
    m_surface.update();
}

void StageBackdrop::setShapes(const LargeShapes &shapes)
{
    m_shapes = shapes;
    m_hasShapes = true;
    m_surface.update();
}

void StageBackdrop::clearShapes()
{
    m_hasShapes = false;
    m_surface.update();
}

void StageBackdrop::makePictureBox()
{
    m_pictureBox = new QLabel(&m_surface);
    m_pictureBox->setObjectName(QStringLiteral("StimulusPicture"));
    m_pictureBox->hide();
}

void StageBackdrop::showPicture(const QString &path, const QPoint &at)
{
    const QPixmap picture(path);
    m_pictureBox->setPixmap(picture);
    m_pictureBox->resize(picture.isNull() ? QSize(0, 0) : picture.size());
    m_pictureBox->move(at);
    m_pictureBox->show();
    m_pictureBox->raise();
}

void StageBackdrop::hidePicture()
{
    m_pictureBox->clear();
    m_pictureBox->hide();
}

void StageBackdrop::hidePictureBox()
{
    m_pictureBox->hide();
}

void StageBackdrop::paint(QPainter &p) const
{
    p.fillRect(m_surface.rect(), m_colour);
    if (!m_picture.isNull())
        p.drawPixmap(0, 0, m_picture);
    if (!m_hasShapes)
        return;
    p.setRenderHint(QPainter::Antialiasing, true);
    const auto at = [](double twips) { return twips / units::kTwipsPerPixel; };
    for (const auto &c : m_shapes.circles) {
        QPen pen(units::colourNumber(c.colourNumber));
        pen.setWidth(m_shapes.penWidthPx);
        p.setPen(pen);
        p.setBrush(Qt::NoBrush);
        p.drawEllipse(QPointF(at(c.cx), at(c.cy)), at(c.radius), at(c.radius));
    }
    p.setPen(Qt::NoPen);
    for (const auto &b : m_shapes.boxes) {
        p.setBrush(units::colourNumber(b.colourNumber));
        p.drawRect(QRectF(QPointF(at(b.x1), at(b.y1)), QPointF(at(b.x2), at(b.y2))).normalized());
    }
}

} // namespace vora
