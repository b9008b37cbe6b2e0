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
