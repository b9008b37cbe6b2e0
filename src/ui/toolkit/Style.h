#pragma once
// The windows' palettes and fonts in one place: the colour and font edits the windows make
// to their controls, the colours they share, and the font families they ask for.
#include "core/toolkit/Units.h"

#include <QColor>
#include <QFont>
#include <QString>

class QLabel;
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
// The face colour of a button.
QColor buttonColour(const QWidget *button);
// A disabled control's text (a greyed label's).
void setGreyedTextColour(QWidget *w, const QColor &c);
// Every greyed text in a window: its labels' and its text boxes'.
void setGreyedTextColours(QWidget *window, const QColor &c);
// `w` takes the colours of `from`.
void sharePalette(QWidget *w, const QWidget *from);
// A background that the style sheet paints: `colour` is a style sheet colour ("white").
void setSheetBackground(QWidget *w, const QString &colour);
// The run chart's dot buttons: plain, a run with a memo, a run beyond the chart's range.
enum class DotLook { Plain, Memo, OffScale };
void setDotLook(QWidget *dot, DotLook look);

// ---- the colours the windows share
QColor buttonFaceColour(); // the style's own button face
QColor selectedButtonColour(); // a chosen name box's button: dark grey
QColor promptGrey(); // 192, 192, 192: the main window's prompt while a choice is open
QColor promptYellow(); // 255, 255, 128: the prompt that asks for a choice
QColor titleBackColour(); // the results view's chart titles: 224, 232, 255
QColor titleTextColour(); // 0, 0, 128
QColor hintBackColour(); // hover hints and the memo preview: 255, 255, 225
QColor applicationButtonColour(); // the application palette's button face: the run's instruction panel
QColor applicationBaseColour(); // the application palette's text box ground
QColor greyedTextColour(); // 80, 80, 80: greyed texts on the main window's pictures
QColor greyedPromptColour(); // 128, 128, 128: the main window's prompt while greyed

// ---- fonts
// The widget's font at `points`; its weight stays.
void setPointSize(QWidget *w, double points);
// The widget's font at `points`, bold or not.
void setPointSize(QWidget *w, double points, bool bold);
// The fixed-pitch family at `points`.
QFont gothic(double points, bool bold = false);
// The widget in the fixed-pitch family at `points`, bold or not.
void setGothic(QWidget *w, double points, bool bold = false);
// The widget in the fixed-pitch family at the size it inherits.
void setGothicFamily(QWidget *w);
// The largest size from `points` down to above `smallest`, in half points, at which `text`
// wrapped fits the label, in the fixed-pitch family.
void setGothicToFit(QLabel *label, const QString &text, double points, double smallest);
// The font of the widget's parent at `points`, bold or not.
void setParentFont(QWidget *w, int points, bool bold);
// The font of the widget's parent (the application's for a window); at least `points` when
// `points` is above 0.
void setInheritedFont(QWidget *w, double points = 0);

} // namespace style

} // namespace vora
