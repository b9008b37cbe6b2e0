#pragma once
#include <QString>

namespace vora::fonts {

// The fixed-pitch family the windows ask for.
inline QString msGothic()
{
    return QStringLiteral("ＭＳ ゴシック");
}
// Maps the Windows Japanese families to the IPA fonts and makes Japanese the default.
void install();

} // namespace vora::fonts
