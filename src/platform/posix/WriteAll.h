#pragma once
// Every byte to a file descriptor, however the kernel splits the write.

#include <string_view>

namespace zel::posix {

// 0, or the errno of the write that failed.
[[nodiscard]] int WriteAll(int fd, std::string_view bytes);

} // namespace zel::posix
