#pragma once
// The titles both faces show (UTF-8): the main window's, whose version is the build's own,
// and the application's, over the system's own error box.

#include "panel/LauncherVersion.h"

namespace zel {

inline constexpr const char* kMainWindowTitle = "  ZELKOR - Indítópult   ver: " ZEL_VERSION_TEXT;
inline constexpr const char* kApplicationTitle = "  Zelkor Indítópult";

} // namespace zel
