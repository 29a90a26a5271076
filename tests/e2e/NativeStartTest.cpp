// The native stand-in started through the platform's real start path.

#include "StartWorld.h"
#include "platform/posix/ProgramLock.h"
#include "text/CodePage1250.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

namespace fs = std::filesystem;

namespace zel::test {
namespace {

constexpr int kPatience = 30;

class NativeStart : public StartWorld {
protected:
    NativeStart() {
        InstallNative("C:\\ZELKONYV.97\\A97.EXE");
        fs::create_directories(m_c / "ZELKOR" / "Printing");
    }

    bool LockIsTaken(const fs::path& lock) {
        const int fd = ::open(lock.c_str(), O_RDWR);
        if (fd < 0) {
            return false;
        }
        const bool taken = ::flock(fd, LOCK_EX | LOCK_NB) != 0;
        ::close(fd);
        return taken;
    }
};

TEST_F(NativeStart, AStartRequestRunsTheProgramWithItsParametersInItsFolder) {
    ASSERT_TRUE(Start("C:\\ZELKONYV.97\\A97.EXE", "C:\\ZELKONYV.97",
                      " SERVER PRN:C:\\ZELKOR\\Printing /NYOMTAT=1")
                    .Started());
    EXPECT_TRUE(ChildrenOf(::getpid()).empty()) << "a child is left for the launcher";

    const fs::path lock = m_c / "ZELKONYV.97" / "DATA" / "ZELKOR97.001";
    ASSERT_TRUE(
        WaitUntil([&] { return PrintFiles("C:\\ZELKOR\\Printing").size() == 1; }, kPatience));
    const auto log = LogEntries(WaitForLog("C:\\ZELKONYV.97", kPatience).value_or(""));
    EXPECT_EQ(log.at("ARGC"), "3");
    EXPECT_EQ(log.at("ARG1"), "SERVER");
    EXPECT_EQ(log.at("ARG2"), "PRN:C:\\ZELKOR\\Printing");
    EXPECT_EQ(log.at("ARG3"), "/NYOMTAT=1");
    EXPECT_EQ(fs::path(log.at("DIR")), fs::canonical(m_c / "ZELKONYV.97"));
    EXPECT_TRUE(LockIsTaken(lock));
    EXPECT_FALSE(Holders(lock).empty());

    const fs::path list = PrintFiles("C:\\ZELKOR\\Printing").front();
    EXPECT_EQ(list.filename(), "ws0001.A97");
    const std::string bytes = ReadNativeFile(list);
    EXPECT_TRUE(bytes.starts_with("\xAD"
                                  "0F\x93k\x94nyvi kivonat"));
    EXPECT_NE(bytes.find("\xAD"
                         "31997"),
              std::string::npos);
    EXPECT_NE(bytes.find("\r\n"), std::string::npos);

    m_mark.KillAll();
    EXPECT_TRUE(Holders(lock).empty());
}

TEST_F(NativeStart, SecondInstanceInTheSamePlaceEndsAtOnce) {
    ASSERT_TRUE(Start("C:\\ZELKONYV.97\\A97.EXE", "C:\\ZELKONYV.97", "").Started());
    const fs::path lock = m_c / "ZELKONYV.97" / "DATA" / "ZELKOR97.001";
    ASSERT_TRUE(WaitUntil([&] { return !Holders(lock).empty(); }, kPatience));
    const auto first = m_mark.Marked();

    ASSERT_TRUE(Start("C:\\ZELKONYV.97\\A97.EXE", "C:\\ZELKONYV.97", "").Started());
    EXPECT_TRUE(WaitUntil(
        [&] {
            return WaitForLog("C:\\ZELKONYV.97", 1).value_or("").find("FUT") != std::string::npos;
        },
        kPatience));
    EXPECT_TRUE(WaitUntil([&] { return m_mark.Marked() == first; }, kPatience));
}

// The program's process takes the running lock before it becomes the program; a lock taken
// meanwhile on another PC, here by this process, keeps it from starting at all.
TEST_F(NativeStart, TheProgramHoldsItsRunningLockAndDoesNotStartWhileAnotherHoldsIt) {
    const std::string dosLock = "C:\\ZELKONYV.97\\DATA\\ZELKOR97.001";
    const fs::path lock = m_world.WriteFile(dosLock);
    int error = 0;
    const int elsewhere = posix::TakeProgramLock(lock.c_str(), error);
    ASSERT_GE(elsewhere, 0);
    EXPECT_EQ(Start("C:\\ZELKONYV.97\\A97.EXE", "", "/VAR=60", dosLock).kind,
              StartOutcomeKind::LockTaken);
    EXPECT_TRUE(m_mark.Marked().empty());

    ::close(elsewhere);
    ASSERT_TRUE(Start("C:\\ZELKONYV.97\\A97.EXE", "", "/VAR=60", dosLock).Started());
    EXPECT_TRUE(posix::ProgramLockHeld(lock));
    m_mark.KillAll();
    EXPECT_TRUE(WaitUntil([&] { return !posix::ProgramLockHeld(lock); }, kPatience));
}

TEST_F(NativeStart, ParameterTextReachesTheProgramLiterallyAndStartsNothingElse) {
    const std::string tail =
        Utf8ToCp1250("a\"b <in >out |touch $(touch pwned) %PATH% `id` ;& ő'ű \"quoted word\" "
                     "PRN:C:\\ZELKOR\\Printing");
    ASSERT_TRUE(Start("C:\\ZELKONYV.97\\A97.EXE", "", tail).Started());

    const auto log = LogEntries(WaitForLog("C:\\ZELKONYV.97", kPatience).value_or(""));
    const std::vector<std::string> expected = {"a\"b",
                                               "<in",
                                               ">out",
                                               "|touch",
                                               "$(touch",
                                               "pwned)",
                                               "%PATH%",
                                               "`id`",
                                               ";&",
                                               "ő'ű",
                                               "\"quoted",
                                               "word\"",
                                               "PRN:C:\\ZELKOR\\Printing"};
    ASSERT_EQ(log.count("ARGC"), 1U);
    ASSERT_EQ(log.at("ARGC"), std::to_string(expected.size()));
    for (std::size_t i = 0; i < expected.size(); ++i) {
        EXPECT_EQ(log.at("ARG" + std::to_string(i + 1)), expected[i]);
    }
    for (const char* stray : {"out", "in", "pwned", "touch"}) {
        EXPECT_FALSE(fs::exists(m_c / "ZELKONYV.97" / stray)) << stray;
    }
    EXPECT_EQ(m_mark.Marked().size(), 1U);
}

TEST_F(NativeStart, LongParameterTextIsKeptWholeForANativeProgram) {
    std::string tail;
    while (tail.size() < 255) {
        tail += "W" + std::to_string(tail.size()) + " ";
    }
    tail.resize(255);
    ASSERT_TRUE(Start("C:\\ZELKONYV.97\\A97.EXE", "", tail).Started());
    const auto log = LogEntries(WaitForLog("C:\\ZELKONYV.97", kPatience).value_or(""));
    std::string joined;
    for (int i = 1; log.count("ARG" + std::to_string(i)) != 0; ++i) {
        joined += (i > 1 ? " " : "") + log.at("ARG" + std::to_string(i));
    }
    EXPECT_EQ(joined, tail.substr(0, tail.find_last_not_of(' ') + 1));
}

TEST_F(NativeStart, QuotedAndBlankHoldingPathsAreFound) {
    InstallNative("C:\\Program Files\\ZEL\\B2017.EXE");
    ASSERT_TRUE(
        Start("C:\\Program Files\\ZEL\\B2017.EXE", "C:\\Program Files\\ZEL", "/VAR=60").Started());
    auto log = LogEntries(WaitForLog("C:\\Program Files\\ZEL", kPatience).value_or(""));
    EXPECT_EQ(log["ARG1"], "/VAR=60");
    // The program writes its log first and makes its data lock after it.
    EXPECT_TRUE(WaitUntil(
        [&] { return fs::exists(m_c / "Program Files" / "ZEL" / "DATA" / "BER2017.004"); },
        kPatience));
    m_mark.KillAll();

    fs::remove(m_c / "Program Files" / "ZEL" / "STANDIN.LOG");
    ASSERT_TRUE(Start("c:\\program files\\zel\\b2017.exe", "", "/KILEP").Started());
    // The log is read until this start's line is in it, whatever is read on the way.
    EXPECT_TRUE(WaitUntil(
        [&] {
            return LogEntries(WaitForLog("C:\\Program Files\\ZEL", 1).value_or(""))["ARG1"] ==
                   "/KILEP";
        },
        kPatience));
}

TEST_F(NativeStart, NothingStartsWhatCannotRunAndTheSystemSaysWhy) {
    const auto cannot = [](int error) {
        return StartOutcome{StartOutcomeKind::CannotStart, error};
    };
    EXPECT_EQ(Start("C:\\ZELKONYV.97\\MISSING.EXE", "C:\\ZELKONYV.97", ""), cannot(ENOENT));
    EXPECT_EQ(Start("D:\\ZELKONYV.97\\A97.EXE", "", ""), cannot(ENOENT));
    EXPECT_EQ(Start("", "", ""), cannot(ENOENT));

    m_world.WriteFile("C:\\ZELKONYV.97\\TEXT.EXE", "neither DOS nor native");
    EXPECT_EQ(Start("C:\\ZELKONYV.97\\TEXT.EXE", "", ""), cannot(ENOEXEC));

    EXPECT_EQ(Start("C:\\ZELKONYV.97\\A97.EXE", "C:\\NINCS", ""), cannot(ENOENT));

    fs::permissions(m_c / "ZELKONYV.97" / "A97.EXE",
                    fs::perms::owner_exec | fs::perms::group_exec | fs::perms::others_exec,
                    fs::perm_options::remove);
    EXPECT_EQ(Start("C:\\ZELKONYV.97\\A97.EXE", "", ""), cannot(EACCES));

    EXPECT_TRUE(m_mark.Marked().empty());
    EXPECT_TRUE(ChildrenOf(::getpid()).empty());
}

} // namespace
} // namespace zel::test
