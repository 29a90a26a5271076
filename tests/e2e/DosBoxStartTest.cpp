// The DOS stand-in started through the platform's real start path, inside DOSBox.

#include "StartWorld.h"
#include "platform/posix/ProgramLock.h"
#include "text/CodePage1250.h"

#include <cstdlib>
#include <unistd.h>

namespace fs = std::filesystem;

namespace zel::test {
namespace {

// DOSBox is slow to come up on a loaded machine; this bounds a wait, it measures nothing.
constexpr int kPatience = 60;

class DosBoxStart : public StartWorld {
protected:
    DosBoxStart() {
        const char* path = std::getenv("PATH");
        m_path = path != nullptr ? path : "";
        InstallDos("C:\\ZELKONYV.97\\A97.EXE");
        fs::create_directories(m_c / "ZELKOR" / "Printing");
    }
    ~DosBoxStart() override { ::setenv("PATH", m_path.c_str(), 1); }

    void SetUp() override {
        if (::system("command -v dosbox > /dev/null") != 0) {
            GTEST_SKIP() << "DOSBox is not installed";
        }
    }

    [[nodiscard]] bool PrivateFoldersGone() const { return fs::is_empty(m_temp.Path()); }

    std::string m_path;
};

TEST_F(DosBoxStart, DosProgramHoldsItsLockAndPrintsIntoTheSpoolFolder) {
    const fs::path lock = m_world.WriteFile("C:\\ZELKONYV.97\\DATA\\ZELKOR97.001");
    ASSERT_TRUE(Start("C:\\ZELKONYV.97\\A97.EXE", "C:\\ZELKONYV.97",
                      " SERVER PRN:C:\\ZELKOR\\Printing /NYOMTAT=1",
                      "C:\\ZELKONYV.97\\DATA\\ZELKOR97.001")
                    .Started());
    EXPECT_TRUE(posix::ProgramLockHeld(lock)) << "DOSBox holds the running lock";
    EXPECT_TRUE(ChildrenOf(::getpid()).empty()) << "a child is left for the launcher";

    ASSERT_TRUE(WaitUntil([&] { return !PrintFiles("C:\\ZELKOR\\Printing").empty(); }, kPatience));
    const fs::path list = PrintFiles("C:\\ZELKOR\\Printing").front();
    EXPECT_EQ(list.filename(), "WS0001.A97");
    // The list shows up as soon as it is created; its bytes follow as the program writes them.
    const std::string header = "\xAD"
                               "0F\x93k\x94nyvi kivonat";
    const std::string pageNumbers = "\xAD"
                                    "31997"
                                    "\xAD"
                                    "41\r\n";
    std::string bytes;
    EXPECT_TRUE(WaitUntil(
        [&] {
            bytes = ReadNativeFile(list);
            return bytes.starts_with(header) && bytes.find(pageNumbers) != std::string::npos;
        },
        kPatience))
        << bytes.substr(0, 80);

    EXPECT_FALSE(Holders(lock).empty()) << "DOSBox keeps the lock file open for the program";

    const auto log = LogEntries(WaitForLog("C:\\ZELKONYV.97", kPatience).value_or(""));
    EXPECT_EQ(log.at("TAIL"), "[ SERVER PRN:C:\\ZELKOR\\Printing /NYOMTAT=1]");
    EXPECT_EQ(log.at("DIR"), "C:\\ZELKONYV.97");
    EXPECT_EQ(log.at("PROGRAM"), "C:\\ZELKONYV.97\\A97.EXE");

    m_mark.KillAll();
    EXPECT_TRUE(Holders(lock).empty());
    EXPECT_FALSE(posix::ProgramLockHeld(lock));
}

TEST_F(DosBoxStart, TailReachesTheProgramLiterallyAndDosBoxEndsWithIt) {
    const std::string parameters = Utf8ToCp1250("a<b >out |echo %PATH% \"q\" ő%% /KILEP");
    ASSERT_TRUE(Start("C:\\ZELKONYV.97\\A97.EXE", "C:\\ZELKONYV.97", parameters).Started());

    const auto log = LogEntries(WaitForLog("C:\\ZELKONYV.97", kPatience).value_or(""));
    EXPECT_EQ(log.at("TAIL"), "[ a<b >out |echo %PATH% \"q\" \x8B%% /KILEP]");
    EXPECT_TRUE(WaitUntil([&] { return m_mark.Marked().empty(); }, kPatience))
        << "DOSBox did not end after the program";
    // The attendant removes the private folder just after DOSBox has ended.
    EXPECT_TRUE(WaitUntil([&] { return PrivateFoldersGone(); }, kPatience));
    for (const char* stray : {"out", "OUT", "b", "B"}) {
        EXPECT_FALSE(fs::exists(m_c / "ZELKONYV.97" / stray)) << stray;
    }
}

TEST_F(DosBoxStart, DosKeepsTheFirst126CharactersOfALongTail) {
    std::string tail = "/KILEP";
    while (tail.size() < 200) {
        tail += " X" + std::to_string(tail.size());
    }
    ASSERT_TRUE(Start("C:\\ZELKONYV.97\\A97.EXE", "", tail).Started());
    const auto log = LogEntries(WaitForLog("C:\\ZELKONYV.97", kPatience).value_or(""));
    EXPECT_EQ(log.at("TAIL"), "[ " + tail.substr(0, 125) + "]");
    EXPECT_TRUE(WaitUntil([&] { return m_mark.Marked().empty(); }, kPatience));
}

TEST_F(DosBoxStart, DrivesAreMountedUnderTheirOwnLetters) {
    // The program lives on Z:, where DOSBox keeps its own drive unless it is moved.
    m_world.AddDrive('Z');
    m_world.AddDrive('D');
    InstallDos("Z:\\ZELBER.217\\B2017.EXE");
    fs::create_directories(m_world.Native("D:\\SPOOL"));
    m_platform = m_world.MakePlatform();
    ASSERT_TRUE(
        Start("Z:\\ZELBER.217\\B2017.EXE", "", "PRN:D:\\SPOOL /NYOMTAT=2 /KILEP").Started());

    EXPECT_TRUE(WaitUntil([&] { return m_mark.Marked().empty(); }, kPatience));
    EXPECT_TRUE(fs::exists(m_world.Native("Z:\\ZELBER.217\\DATA\\BER2017.004")));
    EXPECT_TRUE(fs::exists(m_world.Native("D:\\SPOOL\\WS0001.B17")));
    EXPECT_TRUE(fs::exists(m_world.Native("D:\\SPOOL\\WS0002.B17")));
}

TEST_F(DosBoxStart, WithoutDosBoxNothingStartsAndTheOutcomeSaysSo) {
    ::setenv("PATH", m_temp.Path().c_str(), 1);
    EXPECT_EQ(Start("C:\\ZELKONYV.97\\A97.EXE", "C:\\ZELKONYV.97", "").kind,
              StartOutcomeKind::NoDosBox);
    EXPECT_TRUE(m_mark.Marked().empty());
    EXPECT_TRUE(PrivateFoldersGone());
    // A missing program is not put down to a missing DOSBox.
    EXPECT_EQ(Start("C:\\ZELKONYV.97\\NONE.EXE", "C:\\ZELKONYV.97", "").kind,
              StartOutcomeKind::CannotStart);
}

} // namespace
} // namespace zel::test
