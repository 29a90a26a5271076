#pragma once
// Shortcuts as Explorer keeps them: .lnk files written and read through the shell's
// IShellLinkA and IPersistFile.

#include "platform/ShortcutPlace.h"

#include <optional>
#include <string>
#include <string_view>

namespace zel::win32 {

// The shortcut at place (its folder and group code page 1250 paths) that starts target in
// workingDirectory; the group folder is made when missing.
[[nodiscard]] ShortcutResult CreateShellLink(const ShortcutPlace& place, std::string_view target,
                                             std::string_view workingDirectory);
[[nodiscard]] bool DeleteShellLink(const ShortcutPlace& place);

// What a shortcut file starts, read back the same way; nothing when it cannot be read.
struct ShellLinkTarget {
    std::string path;
    std::string workingDirectory;
};
[[nodiscard]] std::optional<ShellLinkTarget> ReadShellLink(const std::string& linkFile);

} // namespace zel::win32
