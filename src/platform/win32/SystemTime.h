#pragma once
// Windows gives and takes calendar times as SYSTEMTIME; the core knows the same fields as a
// LocalDateTime. Every call that passes one across converts here.

#include "platform/DosTypes.h"
#include "platform/win32/Windows.h"

namespace zel::win32 {

[[nodiscard]] LocalDateTime FromSystemTime(const SYSTEMTIME& time);
[[nodiscard]] SYSTEMTIME ToSystemTime(const LocalDateTime& time);

} // namespace zel::win32
