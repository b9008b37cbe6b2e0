#pragma once
// The help page beside the program, handed to the desktop's own viewer.
#include "core/toolkit/AppPaths.h"
#include "core/toolkit/Platform.h"

#include <QString>

namespace vora {

QString helpFileName(); // "esphelp2.htm"

// Opens the help page; the text to show when it could not be opened (the page is missing or
// no program on this desktop opens it), empty when it opened.
QString openHelpPage(Shell &shell, const AppPaths &paths);

} // namespace vora
