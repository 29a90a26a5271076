#pragma once
// A port on 127.0.0.1 is open to every user of the machine: the print relay takes a
// connection only from a process of its own user, found in the kernel's socket table.

#include <optional>
#include <sys/types.h>

namespace zel::posix {

// The user owning the other end of a connected loopback TCP socket; nothing when it cannot
// be told.
[[nodiscard]] std::optional<uid_t> LoopbackPeerUser(int socket);

} // namespace zel::posix
