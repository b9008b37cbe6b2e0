#pragma once
#include <QIcon>
#include <QString>

namespace vora::desktop {

// The name the desktop knows the program by: its desktop entry, icon and AppStream metainfo
// (set once for the whole build, VORA_APP_ID in CMakeLists.txt).
QString appId();

// The program's icon in every size found as ICONS/hicolor/NxN/apps/ID.png under `iconFolder`
// (a build's icons/ folder, or share/icons of an installation); null when there is none.
QIcon iconFrom(const QString &iconFolder, const QString &id);

// The icon theme's entry for the program; where the theme has none (no icon theme on the
// platform, an installation outside the theme's search path, a build), the icon files near
// the executable: ../share/icons once installed, ../icons in a build.
QIcon programIcon(const QString &executableFolder);

// Gives every window the program's icon and tells the desktop which entry the windows
// belong to, so that task switchers and Wayland docks find it.
void applyIdentity(const QString &executableFolder);

} // namespace vora::desktop
