#pragma once
// Replacing a file whole on POSIX: a new file made exclusively beside the one it replaces
// (never through an existing name or a link), renamed over it once complete. Shared
// folders are writable by others, so a fixed temporary name could be planted in advance.

#include "platform/FileStreams.h"

#include <filesystem>
#include <memory>
#include <string_view>
#include <sys/types.h>

namespace zel::posix {

// newMode serves a file that does not exist yet (before the umask); an existing file keeps
// its permission bits and group. Throws IoError when the replacement cannot be begun; its
// Close throws when it cannot be put in place, and leaves the old file as it was.
std::unique_ptr<OutputFile> BeginReplacement(const std::filesystem::path& target, mode_t newMode);

// The whole of bytes in place of target, with exactly the mode given, or false and target as
// it was.
[[nodiscard]] bool ReplaceNativeFile(const std::filesystem::path& target, std::string_view bytes,
                                     mode_t newMode);

} // namespace zel::posix
