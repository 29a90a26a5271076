#include "platform/posix/LoopbackPeer.h"

#include <arpa/inet.h>
#include <gtest/gtest.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

namespace zel::posix {
namespace {

TEST(LoopbackPeer, AConnectionFromThisProcessBelongsToThisUser) {
    const int listener = ::socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    socklen_t size = sizeof address;
    auto* generic = reinterpret_cast<sockaddr*>(&address);
    ASSERT_EQ(::bind(listener, generic, size), 0);
    ASSERT_EQ(::listen(listener, 1), 0);
    ASSERT_EQ(::getsockname(listener, generic, &size), 0);
    const int client = ::socket(AF_INET, SOCK_STREAM, 0);
    ASSERT_EQ(::connect(client, generic, size), 0);
    const int accepted = ::accept(listener, nullptr, nullptr);
    ASSERT_GE(accepted, 0);

    EXPECT_EQ(LoopbackPeerUser(accepted), ::getuid());
    EXPECT_FALSE(LoopbackPeerUser(listener)) << "a socket without a peer";
    int pair[2];
    ASSERT_EQ(::socketpair(AF_UNIX, SOCK_STREAM, 0, pair), 0);
    EXPECT_FALSE(LoopbackPeerUser(pair[0])) << "not a TCP socket";
    for (const int fd : {listener, client, accepted, pair[0], pair[1]}) {
        ::close(fd);
    }
}

} // namespace
} // namespace zel::posix
