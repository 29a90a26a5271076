#include "platform/posix/ProgramLock.h"

#include "support/OwnPidNamespace.h"
#include "support/TempDir.h"

#include <cerrno>
#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

namespace fs = std::filesystem;

namespace zel::posix {
namespace {

// Asked from a child process, which no lock of this process's records can fool.
bool HeldSeenFromAnotherProcess(const fs::path& file) {
    const pid_t child = ::fork();
    if (child == 0) {
        ::_exit(ProgramLockHeld(file) ? 1 : 0);
    }
    int status = 0;
    ::waitpid(child, &status, 0);
    return WIFEXITED(status) && WEXITSTATUS(status) == 1;
}

class ProgramLockTest : public ::testing::Test {
protected:
    ProgramLockTest() : m_file(m_dir.Path() / "ZELKOR97.001") { test::WriteNativeFile(m_file, ""); }

    test::TempDir m_dir;
    fs::path m_file;
};

TEST_F(ProgramLockTest, ALockHeldByAnotherProcessIsSeenUntilThatProcessEnds) {
    test::Gate taken;
    test::Gate end;
    const pid_t holder = ::fork();
    if (holder == 0) {
        int error = 0;
        const int lock = TakeProgramLock(m_file.c_str(), error);
        taken.Open();
        end.Wait();
        ::_exit(lock >= 0 ? 0 : 1);
    }
    taken.Wait();
    EXPECT_TRUE(ProgramLockHeld(m_file));
    int error = 0;
    EXPECT_EQ(TakeProgramLock(m_file.c_str(), error), -1);
    EXPECT_EQ(error, EAGAIN) << "a second start is refused";

    end.Open();
    ::waitpid(holder, nullptr, 0);
    EXPECT_FALSE(ProgramLockHeld(m_file));
    const int fd = TakeProgramLock(m_file.c_str(), error);
    EXPECT_GE(fd, 0);
    ::close(fd);
}

// The program opens and closes its lock file itself, and so does every probe of the
// launcher; a classic record lock would be gone after the first close.
TEST_F(ProgramLockTest, ClosingOtherDescriptorsOfTheFileKeepsTheLock) {
    int error = 0;
    const int lock = TakeProgramLock(m_file.c_str(), error);
    ASSERT_GE(lock, 0);
    EXPECT_EQ(::fcntl(lock, F_GETFD) & FD_CLOEXEC, 0) << "the program must inherit it";
    EXPECT_TRUE(ProgramLockHeld(m_file)) << "another description of this process";
    ::close(::open(m_file.c_str(), O_RDWR));
    EXPECT_TRUE(HeldSeenFromAnotherProcess(m_file));
    EXPECT_EQ(TakeProgramLock(m_file.c_str(), error), -1);
    EXPECT_EQ(error, EAGAIN);

    ::close(lock);
    EXPECT_FALSE(HeldSeenFromAnotherProcess(m_file));
}

TEST_F(ProgramLockTest, WhatIsNoRegularFileHasNothingToLockAndIsNeverMade) {
    const fs::path missing = m_dir.Path() / "ZELKOR98.001";
    const fs::path fifo = m_dir.Path() / "fifo";
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    for (const fs::path& path : {missing, fifo, m_dir.Path()}) {
        int error = -1;
        EXPECT_EQ(TakeProgramLock(path.c_str(), error), -1) << path;
        EXPECT_EQ(error, 0) << path;
        EXPECT_FALSE(ProgramLockHeld(path)) << path;
    }
    EXPECT_FALSE(fs::exists(missing));
}

} // namespace
} // namespace zel::posix
