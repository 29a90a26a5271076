#pragma once
// An account that has never had a drive map has no drive to install onto: the launcher then
// makes the smallest map in the layout it reads, which the Windows compatibility layer later
// takes as its own prefix. A map that exists, in any state, is never touched.

#include <filesystem>

namespace zel::posix {

// Without $WINEPREFIX and without ~/.wine: ~/.wine with drive C: (dosdevices/c: leading to
// drive_c), private to the user. Whether it was made.
bool MakeFirstDriveMap();
// The same in home's .wine.
bool MakeFirstDriveMapIn(const std::filesystem::path& home);

} // namespace zel::posix
