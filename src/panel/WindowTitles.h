#pragma once
// The main window's title, as both faces show it (UTF-8): the version is the build's own.

#include "panel/LauncherVersion.h"

namespace zel {

inline constexpr const char* kMainWindowTitle = "  ZELKOR - Indítópult   ver: " ZEL_VERSION_TEXT;

} // namespace zel
