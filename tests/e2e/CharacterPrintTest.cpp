// What a DOS program prints on its own printer port, carried out of DOSBox by the launcher's
// relay and printed raw through CUPS, onto a printer that keeps each job.

#include "SocketPrinter.h"
#include "StartWorld.h"
#include "TestPaths.h"
#include "platform/posix/CupsRawPrinter.h"
#include "platform/posix/ProgramLock.h"
#include "support/ScopedEnvironment.h"

#include <cstdlib>
#include <unistd.h>

namespace fs = std::filesystem;

namespace zel::test {
namespace {

// DOSBox is slow to come up on a loaded machine; this bounds a wait, it measures nothing.
constexpr int kPatience = 90;

std::string EveryByte() {
    std::string bytes;
    for (int byte = 0; byte < 256; ++byte) {
        bytes += static_cast<char>(byte);
    }
    return bytes;
}

class CharacterPrint : public StartWorld {
protected:
    void SetUp() override {
        if (::system("command -v dosbox > /dev/null") != 0) {
            GTEST_SKIP() << "DOSBox is not installed";
        }
        if (!posix::CupsHasPrinter(kRawQueue)) {
            GTEST_SKIP() << "no raw queue: scripts/cups-start makes it";
        }
        ASSERT_TRUE(m_printer.Listening()) << "port 9917 stayed taken";
        CancelRawQueueJobs();
        m_environment.Set("XDG_STATE_HOME", State().string());
    }

    // Where the relay keeps its jobs until the printer has them: the world's, not the user's.
    [[nodiscard]] fs::path State() const { return m_world.Prefix() / "state"; }

    SocketPrinter m_printer;
    ScopedEnvironment m_environment;
};

TEST_F(CharacterPrint, ARawJobReachesThePrinterByteForByte) {
    posix::CupsRawPrinter cups;
    const std::string job = "\x1B@" + EveryByte() + "\f";
    ASSERT_EQ(cups.Print(kRawQueue, "A97.EXE", job), RawPrintOutcome::Accepted);
    ASSERT_TRUE(m_printer.WaitForJobs(1, kPatience));
    EXPECT_EQ(m_printer.Jobs(), std::vector<std::string>{job});

    EXPECT_EQ(cups.Print("ZelkorNoSuchPrinter", "A97.EXE", job), RawPrintOutcome::NoSuchPrinter)
        << "a printer CUPS does not know is gone, and takes nothing";
}

// An administration command of the test server, as the test script runs them.
bool Admin(const std::string& command) {
    const std::string line = (::geteuid() == 0 ? "" : "sudo ") + command + " > /dev/null 2>&1";
    return ::system(line.c_str()) == 0;
}

TEST_F(CharacterPrint, AQueueThatRejectsJobsForAWhileRefusesThemAndIsNotGone) {
    posix::CupsRawPrinter cups;
    ASSERT_TRUE(Admin(std::string("cupsreject ") + kRawQueue));
    const RawPrintOutcome whileRejecting = cups.Print(kRawQueue, "A97.EXE", "refused\f");
    ASSERT_TRUE(Admin(std::string("cupsaccept ") + kRawQueue));
    EXPECT_EQ(whileRejecting, RawPrintOutcome::Refused)
        << "a queue that only rejects for now is waited for, never left for another";

    ASSERT_EQ(cups.Print(kRawQueue, "A97.EXE", "taken\f"), RawPrintOutcome::Accepted);
    ASSERT_TRUE(m_printer.WaitForJobs(1, kPatience));
    EXPECT_EQ(m_printer.Jobs(), std::vector<std::string>{"taken\f"});
}

TEST_F(CharacterPrint, DosProgramsPrintingArrivesUnchangedInJobsCutAtItsPause) {
    InstallDos("C:\\ZELKONYV.97\\A97.EXE");
    m_platform->SetPrintRelay((fs::path(kBinDir) / "zelpult").string());
    ASSERT_TRUE(m_platform->HasCharacterPrinter(kRawQueue));
    const fs::path lock = m_world.WriteFile("C:\\ZELKONYV.97\\DATA\\ZELKOR97.001");
    ASSERT_TRUE(m_platform
                    ->StartProgram({"C:\\ZELKONYV.97\\A97.EXE", "", "/KARAKTER /KILEP", "A97.EXE",
                                    "", kRawQueue, "C:\\ZELKONYV.97\\DATA\\ZELKOR97.001"})
                    .Started());
    EXPECT_TRUE(WaitUntil([&] { return posix::ProgramLockHeld(lock); }, kPatience))
        << "DOSBox, the relay's child, holds the running lock";

    ASSERT_TRUE(m_printer.WaitForJobs(2, kPatience));
    const auto jobs = m_printer.Jobs();
    EXPECT_EQ(jobs[0], "\x1B@Karakteres nyomtat\xA0s\r\n" + EveryByte() + "\f")
        << "through the BIOS, ended by its page end and the pause after it";
    EXPECT_EQ(jobs[1], "LPT1\r\nprn\r\nstdprn\r\n\f") << "through DOS, ended with the program";
    EXPECT_TRUE(WaitUntil([&] { return m_mark.Marked().empty(); }, kPatience))
        << "the relay and DOSBox did not end after the program";
    EXPECT_FALSE(posix::ProgramLockHeld(lock));
    EXPECT_TRUE(WaitUntil([&] { return fs::is_empty(m_temp.Path()); }, kPatience))
        << "the private folder is left";
    EXPECT_EQ(m_printer.Jobs().size(), 2u);
    const fs::path kept = State() / "zelkor" / "relay-jobs";
    EXPECT_TRUE(fs::is_directory(kept)) << "the relay kept its jobs on disk";
    EXPECT_TRUE(fs::is_empty(kept)) << "and removed each once the printer had it";
}

} // namespace
} // namespace zel::test
