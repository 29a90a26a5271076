#pragma once
// A port on 127.0.0.1 is open to every process of the machine, other users' too: the print
// relay takes a connection only from the DOSBox it started, found in the system's table of
// TCP connections.

#include <optional>
#include <winsock2.h>

namespace zel::win32 {

// The process owning the other end of a connected loopback TCP socket; nothing when it
// cannot be told.
[[nodiscard]] std::optional<DWORD> LoopbackPeerProcess(SOCKET connection);

} // namespace zel::win32
