#pragma once
// The instruction panel's texts. Line breaks are CR LF, as the panel has always shown them.
#include <QString>

namespace vora::instructions {

// The short text shown from the start button on (and after each stimulus episode).
QString shortText(bool withStimulus, bool hitMarks);
// The long text the how-to button shows.
QString longText(bool withStimulus, bool hitMarks);
// Appended to the short text while the window waits for the start button.
QString startHint();
// The two texts of the countdown.
QString countdownGetReady();
QString countdownGo();

} // namespace vora::instructions
