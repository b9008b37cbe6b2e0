#pragma once

class QWidget;

// Texts longer than the Japanese ones they replace, in windows that keep their geometry: a
// label or button whose text does not fit steps its font down one point, and a label with room
// for more lines wraps. Japanese texts fit by design and are never touched.
namespace vora::textfit {

// Fits one label or button to its current geometry (from its original font each time).
void fit(QWidget *widget);
// From now on every label and button is fitted as it is shown and when its text changes in an
// open window. For a language other than Japanese; call once after the language is installed.
void fitWhenShown();

} // namespace vora::textfit
