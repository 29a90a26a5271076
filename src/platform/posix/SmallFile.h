#pragma once
// Small files that the launcher reads from places others may write to, such as a drive's
// label file or the prefix's registry: read only when they are regular files and never past
// a cap, so that a FIFO cannot hang the start-up and a link to /dev/zero cannot eat memory.

#include <cstddef>
#include <filesystem>
#include <optional>
#include <string>

namespace zel::posix {

// The first cap bytes of a regular file (links followed); nothing for any other kind of
// file or when it cannot be read.
std::optional<std::string> ReadRegularFile(const std::filesystem::path& path, std::size_t cap);

} // namespace zel::posix
