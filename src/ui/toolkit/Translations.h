#pragma once
#include <QString>

namespace vora::translations {

// Installs the language of this start (core/toolkit/Language: $VORA_LANG, else the locale's,
// else Japanese) with Qt's own texts for it, so that standard buttons and the file dialog
// speak the program's language. Call once, after the application object exists and before any
// window is built. Returns the language installed.
QString install();

} // namespace vora::translations
