#pragma once
// Where a shortcut goes. Its folder is a place on the desktop in the machine's own terms
// (a UTF-8 path on POSIX), not a DOS path, so that shortcuts work whatever the drive table
// holds.

#include <string>

namespace zel {

struct ShortcutPlace {
    std::string folder;
    // A program group: a folder inside folder, made when missing; empty for none.
    std::string group;
    // "Zelkor.lnk"; the platform may store the shortcut in its own form under that name.
    std::string linkName;
};

enum class ShortcutResult {
    Made,
    // The folder is no existing directory: nothing was made.
    NoFolder,
    GroupFailed,
    LinkFailed,
};

} // namespace zel
