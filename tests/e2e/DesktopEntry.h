#pragma once
// A freedesktop shortcut read back as a desktop starts it: the command of its Exec line split
// into arguments by the entry's quoting rules, and its working folder.

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace zel::test {

struct DesktopEntry {
    std::vector<std::string> command;
    std::string workingFolder;
};

[[nodiscard]] std::optional<DesktopEntry> ReadDesktopEntry(const std::filesystem::path& file);

} // namespace zel::test
