#pragma once
#include <QString>
#include <cmath>

namespace vora::units {

// Window positions are given in twips (1/1440 inch); one logical pixel is 15 twips.
constexpr double kTwipsPerPixel = 15.0;
// Charts are drawn in millimetres.
constexpr double kTwipsPerMm = 56.693;

inline int px(double twips)
{
    return static_cast<int>(std::lround(twips / kTwipsPerPixel));
}
inline double twips(int pixels)
{
    return pixels * kTwipsPerPixel;
}
inline double mmToPx(double mm)
{
    return mm * kTwipsPerMm / kTwipsPerPixel;
}
inline double pxToMm(double pixels)
{
    return pixels * kTwipsPerPixel / kTwipsPerMm;
}

// An opaque colour, or none (the control's own). The logic gives colours in this form so
// that it needs no GUI module; the windows turn it into a QColor (ui/toolkit/Style.h).
struct Rgb {
    int red = -1; // below 0: no colour
    int green = 0;
    int blue = 0;
    constexpr Rgb() = default;
    constexpr Rgb(int r, int g, int b) : red(r), green(g), blue(b) { }
    constexpr bool isValid() const { return red >= 0; }
    // "#rrggbb", as QColor::name() writes it.
    QString name() const
    {
        return QStringLiteral("#%1%2%3")
            .arg(red, 2, 16, QLatin1Char('0'))
            .arg(green, 2, 16, QLatin1Char('0'))
            .arg(blue, 2, 16, QLatin1Char('0'));
    }
    friend constexpr bool operator==(const Rgb &a, const Rgb &b)
    {
        return a.red == b.red && (!a.isValid() || (a.green == b.green && a.blue == b.blue));
    }
    friend constexpr bool operator!=(const Rgb &a, const Rgb &b) { return !(a == b); }
};

// Colour numbers with red in the lowest byte (&HBBGGRR).
constexpr Rgb rgbNumber(long value)
{
    return Rgb(static_cast<int>(value & 0xFF), static_cast<int>((value >> 8) & 0xFF),
               static_cast<int>((value >> 16) & 0xFF));
}

} // namespace vora::units
