#pragma once
// The experiment window's own ground: its colour, the background picture and the large
// stimulus level's shapes, drawn under every control; and the box the large level's pictures
// appear in (StimulusPicture).
#include "core/run/TrialEngine.h"

#include <QColor>
#include <QPixmap>

class QLabel;
class QPainter;
class QWidget;

namespace vora {

class StageBackdrop {
public:
    // `surface` is the widget painted on; every change asks it to paint again.
    explicit StageBackdrop(QWidget &surface) : m_surface(surface) { }

    QColor colour() const { return m_colour; }
    void setColour(const QColor &colour);
    bool hasPicture() const { return !m_picture.isNull(); }
    void setPicture(const QString &path); // empty: none
    void setShapes(const LargeShapes &shapes);
    void clearShapes();

    // The picture box, made in the window's stacking order when the window asks for it.
    void makePictureBox();
    // `path` at `at` over the window's controls; a missing picture leaves the box empty.
    void showPicture(const QString &path, const QPoint &at);
    void hidePicture(); // emptied and hidden
    void hidePictureBox(); // hidden as it is

    void paint(QPainter &painter) const;

private:
    QWidget &m_surface;
    QColor m_colour = Qt::white;
    QPixmap m_picture;
    bool m_hasShapes = false;
    LargeShapes m_shapes;
    QLabel *m_pictureBox = nullptr;
};

} // namespace vora
