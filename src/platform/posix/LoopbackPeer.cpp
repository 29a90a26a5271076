#include "platform/posix/LoopbackPeer.h"

#include <arpa/inet.h>
#include <fstream>
#include <netinet/in.h>
#include <sstream>
#include <string>
#include <sys/socket.h>

namespace zel::posix {
namespace {

struct Endpoint {
    std::uint32_t address = 0; // as the kernel prints it: the network-order word in hex
    unsigned port = 0;
};

std::optional<Endpoint> EndpointOf(int socket, bool peer) {
    sockaddr_in address{};
    socklen_t size = sizeof address;
    auto* generic = reinterpret_cast<sockaddr*>(&address);
    const int got =
        peer ? ::getpeername(socket, generic, &size) : ::getsockname(socket, generic, &size);
    if (got != 0 || address.sin_family != AF_INET) {
        return std::nullopt;
    }
    return Endpoint{address.sin_addr.s_addr, ntohs(address.sin_port)};
}

std::optional<Endpoint> ParseEndpoint(const std::string& text) {
    const auto colon = text.find(':');
    if (colon == std::string::npos) {
        return std::nullopt;
    }
    try {
        return Endpoint{static_cast<std::uint32_t>(std::stoul(text.substr(0, colon), nullptr, 16)),
                        static_cast<unsigned>(std::stoul(text.substr(colon + 1), nullptr, 16))};
    } catch (const std::exception&) {
        return std::nullopt;
    }
}

bool operator==(const Endpoint& a, const Endpoint& b) {
    return a.address == b.address && a.port == b.port;
}

} // namespace

std::optional<uid_t> LoopbackPeerUser(int socket) {
    const auto peer = EndpointOf(socket, true);
    const auto self = EndpointOf(socket, false);
    if (!peer || !self) {
        return std::nullopt;
    }
    // The peer's own entry: its local end is our peer, its remote end is us.
    std::ifstream table("/proc/net/tcp");
    std::string line;
    std::getline(table, line);
    while (std::getline(table, line)) {
        std::istringstream fields(line);
        std::string slot, local, remote, state, queues, timer, retransmits;
        uid_t user = 0;
        if (!(fields >> slot >> local >> remote >> state >> queues >> timer >> retransmits >>
              user)) {
            continue;
        }
        if (ParseEndpoint(local) == peer && ParseEndpoint(remote) == self) {
            return user;
        }
    }
    return std::nullopt;
}

} // namespace zel::posix
