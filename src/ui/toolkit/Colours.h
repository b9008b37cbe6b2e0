#pragma once
#include "core/toolkit/Units.h"

#include <QColor>

namespace vora::units {

inline QColor toQColor(const Rgb &c)
{
    return c.isValid() ? QColor(c.red, c.green, c.blue) : QColor();
}

// Colour numbers with red in the lowest byte (&HBBGGRR).
inline QColor colourNumber(long value)
{
    return toQColor(rgbNumber(value));
}

} // namespace vora::units

class QPushButton;
class QWidget;

namespace vora {

// The main window's colours (RGB).
QColor buttonFaceColour(); // the style's own button colour
QColor selectedButtonColour(); // 128, 128, 128: the select button of the chosen experiment
QColor promptGrey(); // 192, 192, 192
QColor promptYellow(); // 255, 255, 128
void setButtonColour(QPushButton *button, const QColor &colour);
// A widget's own background, filled.
void setBackColour(QWidget *widget, const QColor &colour);
QColor backColour(const QWidget *widget);

} // namespace vora
