#include "support/SilentServer.h"

#include <algorithm>
#include <cstring>
#include <string>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

namespace zel::test {

SilentServer::SilentServer(const std::filesystem::path& socket)
    : m_fd(::socket(AF_UNIX, SOCK_STREAM, 0)) {
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    const std::string path = socket.string();
    std::memcpy(address.sun_path, path.c_str(),
                std::min(path.size() + 1, sizeof(address.sun_path)));
    m_listening = m_fd >= 0 && path.size() < sizeof(address.sun_path) &&
                  ::bind(m_fd, reinterpret_cast<const sockaddr*>(&address), sizeof(address)) == 0 &&
                  ::listen(m_fd, 16) == 0;
}

SilentServer::~SilentServer() {
    if (m_fd >= 0) {
        ::close(m_fd);
    }
}

} // namespace zel::test
