#pragma once
// The experiment window's layout helpers; its palettes and fonts are the style header's.
#include "core/toolkit/Units.h"
#include "ui/toolkit/Style.h"

namespace vora::style {

// The how-to button's place in the run's layout, twips.
constexpr int kHowToLeftTw = 8800;

inline int px(double twips)
{
    return units::px(twips);
}

} // namespace vora::style
