#pragma once
// A failed Windows call as the run-time library's error the core knows.

#include "platform/IoError.h"

#include <cstdint>
#include <string_view>

namespace zel::win32 {

// The kind for a GetLastError() code.
[[nodiscard]] IoErrorKind IoErrorKindOf(std::uint32_t error);

// The IoError of error's kind, keeping error and the path the failed call was given.
[[noreturn]] void ThrowWin32Error(std::uint32_t error, std::string_view path = {});

} // namespace zel::win32
