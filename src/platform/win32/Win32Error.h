#pragma once
// A failed Windows call as the run-time library's error the core knows.

#include "platform/IoError.h"

#include <cstdint>

namespace zel::win32 {

// The kind for a GetLastError() code.
[[nodiscard]] IoErrorKind IoErrorKindOf(std::uint32_t error);

[[noreturn]] void ThrowWin32Error(std::uint32_t error);

} // namespace zel::win32
