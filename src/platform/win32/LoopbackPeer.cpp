#include "platform/win32/LoopbackPeer.h"

#include <iphlpapi.h>
#include <vector>

namespace zel::win32 {

std::optional<DWORD> LoopbackPeerProcess(SOCKET connection) {
    sockaddr_in local{};
    sockaddr_in peer{};
    int localSize = sizeof local;
    int peerSize = sizeof peer;
    if (getsockname(connection, reinterpret_cast<sockaddr*>(&local), &localSize) != 0 ||
        getpeername(connection, reinterpret_cast<sockaddr*>(&peer), &peerSize) != 0 ||
        local.sin_family != AF_INET || peer.sin_family != AF_INET) {
        return std::nullopt;
    }
    std::vector<char> table;
    DWORD size = 0;
    DWORD result = ERROR_INSUFFICIENT_BUFFER;
    // The table may grow between the two calls.
    for (int attempt = 0; attempt < 4 && result == ERROR_INSUFFICIENT_BUFFER; ++attempt) {
        table.resize(size);
        result = GetExtendedTcpTable(table.data(), &size, FALSE, AF_INET,
                                     TCP_TABLE_OWNER_PID_CONNECTIONS, 0);
    }
    if (result != NO_ERROR) {
        return std::nullopt;
    }
    const auto* rows = reinterpret_cast<const MIB_TCPTABLE_OWNER_PID*>(table.data());
    for (DWORD i = 0; i < rows->dwNumEntries; ++i) {
        const MIB_TCPROW_OWNER_PID& row = rows->table[i];
        // The peer's side of this connection: its local end is our remote one.
        if (row.dwLocalAddr == peer.sin_addr.s_addr &&
            static_cast<u_short>(row.dwLocalPort) == peer.sin_port &&
            row.dwRemoteAddr == local.sin_addr.s_addr &&
            static_cast<u_short>(row.dwRemotePort) == local.sin_port) {
            // No process has the number 0: it is how Wine says it does not know.
            return row.dwOwningPid != 0 ? std::optional<DWORD>(row.dwOwningPid) : std::nullopt;
        }
    }
    return std::nullopt;
}

} // namespace zel::win32
