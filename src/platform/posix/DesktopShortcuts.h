#pragma once
// Shortcuts on a freedesktop system: ".desktop" entries in a ZELKOR group of the application
// menu and on the desktop, standing in for the shell links of the ".lnk" names.
//
// The program group is "applications/ZELKOR" under the user's data folder, or under
// /usr/local/share for everyone where this process may write there; a group also gets a
// ".directory" file and a merged menu file, so that menus show it as a submenu. The desktop
// is the user's XDG desktop folder; there is no common one.

#include "platform/DosTypes.h"
#include "platform/ShortcutPlace.h"
#include "platform/posix/WinePrefix.h"

#include <filesystem>
#include <string>
#include <string_view>

namespace zel::posix {

// A native folder, or an empty text when the machine has no such folder.
std::string ShortcutFolderOf(ShortcutFolderKind kind);

// Writes the entry named like the link with ".desktop" in place of ".lnk". The entry starts
// the target through this prefix, in workingDirectory.
[[nodiscard]] ShortcutResult CreateDesktopEntry(const WinePrefix& prefix,
                                                const ShortcutPlace& place, std::string_view target,
                                                std::string_view workingDirectory);
[[nodiscard]] bool DeleteDesktopEntry(const ShortcutPlace& place);

// One argument of an Exec line, quoted and escaped as the Desktop Entry format wants it.
std::string DesktopExecArgument(std::string_view argument);

} // namespace zel::posix
