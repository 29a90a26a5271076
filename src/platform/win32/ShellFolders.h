#pragma once
// The desktop's folders as Windows names them for every program: the "Shell Folders" values
// under HKEY_LOCAL_MACHINE (all users) and HKEY_CURRENT_USER (this user).

#include "platform/DosTypes.h"

#include <string>

namespace zel::win32 {

inline constexpr const char* kShellFoldersKey =
    "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Shell Folders";

// The folder's path (code page 1250); empty where the value is missing, is no text, or is
// too long to hold a shortcut beneath it.
[[nodiscard]] std::string ShellFolderOf(ShortcutFolderKind kind);

} // namespace zel::win32
