#pragma once
// Whole files in one call. A file is always replaced through the platform's replacement,
// so that a failed write leaves the old content whole.

#include "platform/IoError.h"
#include "platform/Platform.h"

#include <optional>
#include <string>
#include <string_view>

namespace zel {

// Throws IoError.
std::string ReadWholeFile(Platform& platform, std::string_view dosPath);

// Either the file holds bytes afterwards, or it is as it was and the failure's kind is
// returned.
[[nodiscard]] std::optional<IoErrorKind>
ReplaceWholeFile(Platform& platform, std::string_view dosPath, std::string_view bytes);

} // namespace zel
