#pragma once
// The drive letters Windows has now, upper case, in order.

#include <vector>

namespace zel::win32 {

[[nodiscard]] std::vector<char> PresentDriveLetters();

} // namespace zel::win32
