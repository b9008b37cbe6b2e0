#pragma once
#include <QColor>
#include <cmath>

namespace vora::units {

// Window positions are given in twips (1/1440 inch); one logical pixel is 15 twips.
constexpr double kTwipsPerPixel = 15.0;
// Charts are drawn in millimetres.
constexpr double kTwipsPerMm = 56.693;

inline int px(double twips) { return static_cast<int>(std::lround(twips / kTwipsPerPixel)); }
inline double twips(int pixels) { return pixels * kTwipsPerPixel; }
inline double mmToPx(double mm) { return mm * kTwipsPerMm / kTwipsPerPixel; }
inline double pxToMm(double pixels) { return pixels * kTwipsPerPixel / kTwipsPerMm; }

// Colour numbers with red in the lowest byte (&HBBGGRR).
inline QColor colourNumber(long value)
{
    return QColor(static_cast<int>(value & 0xFF), static_cast<int>((value >> 8) & 0xFF),
                  static_cast<int>((value >> 16) & 0xFF));
}

} // namespace vora::units
