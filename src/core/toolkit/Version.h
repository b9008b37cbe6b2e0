#pragma once
#include <QString>

namespace vora::version {

constexpr int kMajor = VORA_VERSION_MAJOR;
constexpr int kMinor = VORA_VERSION_MINOR;
constexpr int kRevision = VORA_VERSION_REVISION;

inline QString numbers()
{
    return QStringLiteral("%1.%2.%3").arg(kMajor).arg(kMinor).arg(kRevision);
}
// "V1.2.3" on the main window (also what the update check compares).
inline QString mainWindowText()
{
    return QStringLiteral("V") + numbers();
}
// "Version 1.2.3" on the splash.
inline QString splashText()
{
    return QStringLiteral("Version ") + numbers();
}
// "V 1.2.3" in the experiment window.
inline QString experimentWindowText()
{
    return QStringLiteral("V ") + numbers();
}

} // namespace vora::version
