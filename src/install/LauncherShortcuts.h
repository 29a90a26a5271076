#pragma once
// The launcher's entries in the program menu and on the desktop. The machine-wide folder is
// preferred; a copy the user's own folder holds from an earlier installation is removed, so
// the entry appears once.

#include "platform/Platform.h"
#include "text/DosPath.h"

namespace zel {

enum class ShortcutKind {
    ProgramGroup,
    Desktop,
};

// The link starts installDirectory + "\Zelpult.exe" in installDirectory. Without a folder of
// the kind nothing is made; folders are the desktop's own places, whatever drives exist. Throws
// IoError when the group's folder cannot be made or the link cannot be saved.
void CreateShortcuts(Platform& platform, ShortcutKind kind, const DosPath& installDirectory);

} // namespace zel
