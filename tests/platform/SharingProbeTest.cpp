#include "platform/posix/ProcSharingProbe.h"
#include "support/WineWorld.h"

#include <csignal>
#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

namespace fs = std::filesystem;

namespace zel {
namespace {

constexpr const char* kLock = "C:\\ZELKONYV.97\\DATA\\ZELK001";

// A child process that holds one file open until it is let go.
class Holder final {
public:
    Holder(const fs::path& file, int flags) {
        int ready[2];
        int release[2];
        if (::pipe(ready) != 0 || ::pipe(release) != 0) {
            throw std::runtime_error("pipe failed");
        }
        m_child = ::fork();
        if (m_child == 0) {
            ::close(ready[0]);
            ::close(release[1]);
            const int fd = ::open(file.c_str(), flags);
            char byte = fd >= 0 ? 'y' : 'n';
            (void)!::write(ready[1], &byte, 1);
            (void)!::read(release[0], &byte, 1);
            ::_exit(0);
        }
        ::close(ready[1]);
        ::close(release[0]);
        m_release = release[1];
        char byte = 'n';
        const bool opened = ::read(ready[0], &byte, 1) == 1 && byte == 'y';
        ::close(ready[0]);
        if (!opened) {
            throw std::runtime_error("the child could not open the file");
        }
    }
    ~Holder() {
        ::close(m_release);
        ::waitpid(m_child, nullptr, 0);
    }
    Holder(const Holder&) = delete;
    Holder& operator=(const Holder&) = delete;

private:
    pid_t m_child = -1;
    int m_release = -1;
};

class OpenHere final {
public:
    OpenHere(const fs::path& file, int flags) : m_fd(::open(file.c_str(), flags | O_CLOEXEC)) {
        if (m_fd < 0) {
            throw std::runtime_error("open failed");
        }
    }
    ~OpenHere() { ::close(m_fd); }
    OpenHere(const OpenHere&) = delete;
    OpenHere& operator=(const OpenHere&) = delete;

private:
    int m_fd;
};

class SharingProbeTest : public ::testing::Test {
protected:
    SharingProbeTest() : m_lock(m_world.WriteFile(kLock, "lock")) { m_world.AddDrive('C'); }

    // A fresh look each time, as each spool tick and each launch takes one.
    std::pair<bool, bool> Probe(std::string_view dosPath = kLock) {
        auto probe = m_world.MakePlatform()->MakeSharingProbe();
        const bool exclusive = probe->CanOpenExclusive(dosPath);
        return {exclusive, probe->CanOpenDenyWrite(dosPath)};
    }

    test::WineWorld m_world;
    fs::path m_lock;
};

using Answers = std::pair<bool, bool>;

TEST_F(SharingProbeTest, AFileNobodyHoldsOpensBothWays) {
    EXPECT_EQ(Probe(), Answers(true, true));
    EXPECT_EQ(Probe("c:\\zelkonyv.97\\data\\zelk001"), Answers(true, true));
}

TEST_F(SharingProbeTest, AReaderBlocksOnlyTheExclusiveOpen) {
    {
        const OpenHere here(m_lock, O_RDONLY);
        EXPECT_EQ(Probe(), Answers(false, true));
    }
    const Holder child(m_lock, O_RDONLY);
    EXPECT_EQ(Probe(), Answers(false, true));
}

TEST_F(SharingProbeTest, AWriterBlocksBothOpens) {
    {
        const OpenHere here(m_lock, O_WRONLY | O_APPEND);
        EXPECT_EQ(Probe(), Answers(false, false));
    }
    const Holder child(m_lock, O_RDWR);
    EXPECT_EQ(Probe(), Answers(false, false));
}

TEST_F(SharingProbeTest, TheFileIsKnownByItsInodeWhateverNameHoldsIt) {
    const fs::path other = m_lock.parent_path() / "other-name";
    fs::create_hard_link(m_lock, other);
    const Holder child(other, O_RDWR);
    EXPECT_EQ(Probe(), Answers(false, false));
    test::WriteNativeFile(m_lock.parent_path() / "ZELK004", "same text, other file");
    EXPECT_EQ(Probe("C:\\ZELKONYV.97\\DATA\\ZELK004"), Answers(true, true));
}

TEST_F(SharingProbeTest, APathDescriptorHoldsNothing) {
    const OpenHere here(m_lock, O_PATH);
    EXPECT_EQ(Probe(), Answers(true, true));
}

TEST_F(SharingProbeTest, ReadOnlyMissingAndNonFilesCannotBeOpened) {
    fs::permissions(m_lock, fs::perms::owner_read | fs::perms::group_read);
    EXPECT_EQ(Probe(), Answers(false, false));
    EXPECT_EQ(Probe("C:\\ZELKONYV.97\\DATA\\MISSING"), Answers(false, false));
    EXPECT_EQ(Probe("C:\\ZELKONYV.97\\DATA"), Answers(false, false));
    EXPECT_EQ(Probe("Q:\\ZELKONYV.97\\DATA\\ZELK001"), Answers(false, false));
}

TEST_F(SharingProbeTest, OneProbeAnswersFromOneLook) {
    const fs::path later = m_world.WriteFile("C:\\PRINTING\\WS0001.A17", "x");
    auto probe = m_world.MakePlatform()->MakeSharingProbe();
    EXPECT_TRUE(probe->CanOpenDenyWrite(kLock));
    const OpenHere writer(later, O_WRONLY);
    EXPECT_TRUE(probe->CanOpenDenyWrite("C:\\PRINTING\\WS0001.A17"));
    EXPECT_FALSE(
        m_world.MakePlatform()->MakeSharingProbe()->CanOpenDenyWrite("C:\\PRINTING\\WS0001.A17"));
}

} // namespace
} // namespace zel
