#pragma once
// The windows' palettes and fonts in one place: the colour and font edits the windows make
// to their controls, the colours they share, and the font families they ask for.
#include "core/toolkit/Units.h"

#include <QColor>
#include <QFont>
#include <QString>

class QWidget;

namespace vora {

namespace units {

// The logic's colours (no colour: the control's own) as the windows use them.
inline QColor toQColor(const Rgb &c)
{
    return c.isValid() ? QColor(c.red, c.green, c.blue) : QColor();
}

// Colour numbers with red in the lowest byte (&HBBGGRR).
inline QColor colourNumber(long value)
{
    return toQColor(rgbNumber(value));
}

} // namespace units

namespace fonts {

// The fixed-pitch family the windows ask for.
inline QString msGothic()
{
    return QStringLiteral("ＭＳ ゴシック");
}
// Maps the Windows Japanese families to the IPA fonts and makes Japanese the default.
void install();

} // namespace fonts

namespace style {

// ---- palettes: an invalid colour leaves its role as it is
void setTextColour(QWidget *w, const QColor &c);
// A filled background.
void setBackground(QWidget *w, const QColor &c);
// The colour of a background that is already filled.
void setPanelColour(QWidget *w, const QColor &c);
// A filled background and the text on it.
void setColours(QWidget *w, const QColor &back, const QColor &text);
void setButtonColour(QWidget *button, const QColor &c);
// The ground of a text box.
void setBaseColour(QWidget *w, const QColor &c);
// The colour a widget's background is filled with.
QColor backColour(const QWidget *w);

// ---- the colours the windows share
QColor buttonFaceColour(); // the style's own button face
QColor selectedButtonColour(); // a chosen name box's button: dark grey
QColor promptGrey(); // 192, 192, 192: the main window's prompt while a choice is open
QColor promptYellow(); // 255, 255, 128: the prompt that asks for a choice
QColor titleBackColour(); // the results view's chart titles: 224, 232, 255
QColor titleTextColour(); // 0, 0, 128
QColor hintBackColour(); // hover hints and the memo preview: 255, 255, 225

// ---- fonts
// The widget's font at `points`; its weight stays.
void setPointSize(QWidget *w, double points);
// The widget's font at `points`, bold or not.
void setPointSize(QWidget *w, double points, bool bold);
// The fixed-pitch family at `points`.
QFont gothic(double points, bool bold = false);

} // namespace style

} // namespace vora
