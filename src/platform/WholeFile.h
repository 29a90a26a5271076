#pragma once
// Whole files in one call, and the safe way to replace one: the new content is written
// beside the old under a temporary name and takes its place only when it is complete.

#include "platform/Platform.h"

#include <string>
#include <string_view>

namespace zel {

// Throws IoError.
std::string ReadWholeFile(Platform& platform, std::string_view dosPath);

// The temporary name a replacement is written under: "~" before the file name.
std::string ReplacementName(std::string_view dosPath);

// Either the file holds bytes afterwards, or it is as it was and the result is false.
[[nodiscard]] bool ReplaceWholeFile(Platform& platform, std::string_view dosPath,
                                    std::string_view bytes);

} // namespace zel
