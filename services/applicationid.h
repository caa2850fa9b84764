// The program's application id: the name of its desktop file, AppStream
// file and icon, the desktop file name Qt hands to the window system, and the
// file name of its autostart entry.
#pragma once

#include <QString>

namespace noctalis {

inline QString applicationId() { return QStringLiteral("org.noctalis.Noctalis"); }

// "org.noctalis.Noctalis.desktop"
inline QString desktopFileName() { return applicationId() + QStringLiteral(".desktop"); }

} // namespace noctalis
