#pragma once
// Up to a number of bytes from a file descriptor, however the kernel splits the read: what
// every reader of a held file needs.

#include <cstddef>
#include <string>

namespace zel::posix {

// Fewer bytes only at the end of the file; throws IoError(ReadError) when a read fails.
[[nodiscard]] std::string ReadUpTo(int fd, std::size_t maxBytes);

} // namespace zel::posix
