#pragma once
// An account that has never had a drive map has no drive to install onto: the launcher then
// makes the smallest map in the layout it reads, which the Windows compatibility layer later
// takes as its own prefix. A map that exists, in any state, is never touched.

#include <filesystem>

namespace zel::posix {

struct FirstDriveMap {
    enum class Outcome {
        Made,
        // There already, or $WINEPREFIX names the user's own.
        Found,
        // None is there and none could be made: the panel sees no drive.
        NotMade,
    };
    Outcome outcome = Outcome::Found;
    // The system's error where NotMade.
    int error = 0;
};

// Without $WINEPREFIX and without ~/.wine: ~/.wine with drive C: (dosdevices/c: leading to
// drive_c), private to the user.
FirstDriveMap MakeFirstDriveMap();
// The same at a start: where none could be made, the error output says why, since the panel
// can only show no drive.
void MakeFirstDriveMapOrSayWhy();
// The same in home's .wine. A map half made is taken away again, so that the next start
// tries anew instead of finding a map without drives.
FirstDriveMap MakeFirstDriveMapIn(const std::filesystem::path& home);

} // namespace zel::posix
