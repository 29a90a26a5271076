#pragma once
// Shortcuts on a freedesktop system: ".desktop" entries in a ZELKOR group of the application
// menu and on the desktop, standing in for the shell links of the ".lnk" names.

#include "platform/DosTypes.h"
#include "platform/posix/WinePrefix.h"

#include <string>
#include <string_view>

namespace zel::posix {

std::string ShortcutFolderOf(const WinePrefix& prefix, ShortcutFolderKind kind);
[[nodiscard]] bool CreateDesktopEntry(const WinePrefix& prefix, std::string_view linkPath,
                                      std::string_view target, std::string_view workingDirectory);
[[nodiscard]] bool DeleteDesktopEntry(const WinePrefix& prefix, std::string_view linkPath);

} // namespace zel::posix
