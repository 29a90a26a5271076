#include "platform/posix/PrintRelayCommand.h"

#include "platform/posix/LoopbackPeer.h"

#include <arpa/inet.h>
#include <gtest/gtest.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

namespace zel::posix {
namespace {

TEST(PrintRelayCommand, IsReadBackAsItWasWritten) {
    const PrintRelayRequest request{"",
                                    "A97.EXE",
                                    "/tmp/zelstart-x/serial.conf",
                                    "/srv/zel/ZELKONYV.97/DATA/ZELKOR97.001",
                                    {"/usr/bin/dosbox", "-conf", "/tmp/zelstart-x/dosbox.conf"}};
    const auto command = ComposePrintRelayCommand("/proc/self/exe", request);
    EXPECT_EQ(command.front(), "/proc/self/exe");
    const auto read = ParsePrintRelayCommand({command.begin() + 1, command.end()});
    ASSERT_TRUE(read);
    EXPECT_EQ(read->printer, "");
    EXPECT_EQ(read->title, "A97.EXE");
    EXPECT_EQ(read->serialConfig, request.serialConfig);
    EXPECT_EQ(read->lockFile, request.lockFile);
    EXPECT_EQ(read->dosbox, request.dosbox);
}

TEST(PrintRelayCommand, AStartWithoutALockFileKeepsDosBoxsCommandWhole) {
    const PrintRelayRequest request{"Matrix", "B2017.EXE", "/tmp/s.conf", "", {"/usr/bin/dosbox"}};
    const auto command = ComposePrintRelayCommand("/proc/self/exe", request);
    const auto read = ParsePrintRelayCommand({command.begin() + 1, command.end()});
    ASSERT_TRUE(read);
    EXPECT_EQ(read->lockFile, "");
    EXPECT_EQ(read->dosbox, request.dosbox);
}

TEST(PrintRelayCommand, AnOrdinaryStartIsNoRelay) {
    EXPECT_FALSE(ParsePrintRelayCommand({}));
    EXPECT_FALSE(ParsePrintRelayCommand({"-platform", "offscreen"}));
    EXPECT_FALSE(ParsePrintRelayCommand({kPrintRelayFlag, "Matrix", "A97.EXE", "/tmp/s.conf", ""}));
    EXPECT_FALSE(ParsePrintRelayCommand({kPrintRelayFlag, "Matrix", "A97.EXE", "", "", "dosbox"}));
}

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
