// The print spool over the Windows platform, under Wine: a spool folder that other accounts
// and other PCs share. Names planted there and the host's links never let the spool read,
// rename or delete anything outside it (Wine lists a host name with backslashes as it is, and
// opens a host link as the file it leads to), and share modes keep two launchers apart as a
// file server keeps two PCs.

#include "platform/win32/Win32Platform.h"
#include "platform/win32/Windows.h"
#include "spool/PrintSpool.h"
#include "support/UnixTools.h"
#include "support/WindowsStandIns.h"
#include "support/WineWorld.h"

#include <algorithm>
#include <chrono>
#include <gtest/gtest.h>
#include <set>
#include <sstream>

namespace zel::test {
namespace {

const SpoolTiming kAtOnce{std::chrono::milliseconds(0), {}};

class KeepingPrinter final : public JobPrinter {
public:
    void BeginJob(InputFile& file, std::string_view) override {
        m_file = &file;
        m_bytes.clear();
        m_slice = 0;
    }
    bool PrintSlice() override {
        m_bytes += m_file->Read(16);
        if (++m_slice < slices) {
            return false;
        }
        for (std::string piece; !(piece = m_file->Read(4096)).empty();) {
            m_bytes += piece;
        }
        jobs.push_back(m_bytes);
        m_file = nullptr;
        return true;
    }
    void CancelJob() noexcept override { m_file = nullptr; }

    int slices = 1;
    std::vector<std::string> jobs;

private:
    InputFile* m_file = nullptr;
    std::string m_bytes;
    int m_slice = 0;
};

std::string Trimmed(std::string text) {
    while (!text.empty() && (text.back() == '\n' || text.back() == '\r')) {
        text.pop_back();
    }
    return text;
}

std::string List(const std::string& name) {
    return "\xAD"
           "0" +
           name + "\r\nbody of " + name + "\r\n";
}

// A folder of the host's own, through Wine's drive Z:, in which the host's tools plant
// what another account could.
class HostSpool : public ::testing::Test {
protected:
    HostSpool() : m_host(Trimmed(Shell("mktemp -d /tmp/zelspool-XXXXXX"))) {
        (void)Shell("mkdir -p '" + m_host + "/Printing' '" + m_host + "/home/private'");
    }
    ~HostSpool() override {
        // By the host's hand: Wine would follow a planted link to what it leads to.
        if (m_host.starts_with("/tmp/zelspool-")) {
            (void)Shell("rm -rf '" + m_host + "'");
        }
    }

    [[nodiscard]] std::string Spool() const { return HostPath(m_host + "/Printing"); }
    [[nodiscard]] std::string Unix(const std::string& name) const {
        return "'" + m_host + "/" + name + "'";
    }
    [[nodiscard]] std::set<std::string> FolderNames() const {
        std::set<std::string> names;
        std::istringstream lines(Shell("ls -A '" + m_host + "/Printing'"));
        for (std::string line; std::getline(lines, line);) {
            names.insert(line);
        }
        return names;
    }
    void Write(const std::string& name, const std::string& bytes) const {
        WriteFileBytes(Spool() + "\\" + name, bytes);
    }

    std::string m_host;
    win32::Win32Platform m_platform;
    KeepingPrinter m_printer;
};

TEST_F(HostSpool, NoNameOrLinkLeadsOutOfTheFolder) {
    ASSERT_FALSE(m_host.empty());
    (void)Shell("printf fizetes > " + Unix("home/private/payroll.B17") + "; printf titkos > " +
                Unix("home/private/pay.WPR") + "; printf kemeny > " +
                Unix("home/private/hard.B17") + "; chmod 600 " + Unix("home/private/payroll.B17") +
                "; cd " + Unix("Printing") +
                " && printf csali > 'ws.B17\\..\\..\\home\\private\\payroll.B17'"
                " && printf csali > 'ws.B17\\..\\..\\home\\private\\pay.WPR'"
                " && printf csali > 'ws.B17\\..\\..\\..\\..\\..\\..\\tmp\\x.B17'"
                " && ln -s ../home/private/payroll.B17 ws0002.A17"
                " && ln -s ../home/private/pay.WPR ws0003.WPR"
                " && ln -s ../home/private/payroll.B17 ws0004.A17.K3F9Q2ZD.WPR"
                " && ln ../home/private/hard.B17 ws0005.A17");
    const std::set<std::string> planted = FolderNames();
    ASSERT_EQ(planted.size(), 7u);
    PrintSpool spool(m_platform, m_printer, Spool(), {}, kAtOnce);
    for (int i = 0; i < 5; ++i) {
        spool.Tick(true);
    }
    EXPECT_TRUE(m_printer.jobs.empty());
    EXPECT_EQ(FolderNames(), planted);
    EXPECT_EQ(Shell("cat " + Unix("home/private/payroll.B17") + " " + Unix("home/private/pay.WPR") +
                    " " + Unix("home/private/hard.B17")),
              "fizetestitkoskemeny");
}

// One process's handles keep each other out as two PCs' handles do on a file server.
TEST_F(HostSpool, TwoLaunchersOverOneFolderPrintEachArrivingListExactlyOnce) {
    KeepingPrinter secondPrinter;
    PrintSpool first(m_platform, m_printer, Spool(), {}, kAtOnce);
    win32::Win32Platform otherPc;
    PrintSpool second(otherPc, secondPrinter, Spool(), {}, kAtOnce);
    m_printer.slices = 3;
    secondPrinter.slices = 2;
    std::multiset<std::string> written;
    for (int round = 0; round < 400; ++round) {
        if (round % 3 == 0 && written.size() < 16) {
            for (int i = 0; i < 2; ++i) {
                const std::string name = "ws" + std::to_string(1000 + written.size()) + ".A17";
                Write(name, List(name));
                written.insert(List(name));
            }
        }
        first.Tick(true);
        second.Tick(true);
        first.PrintSlice();
        second.PrintSlice();
        if (written.size() == 16 && FolderNames().empty() && !first.JobInProgress() &&
            !second.JobInProgress()) {
            break;
        }
    }
    std::multiset<std::string> printed(m_printer.jobs.begin(), m_printer.jobs.end());
    printed.insert(secondPrinter.jobs.begin(), secondPrinter.jobs.end());
    EXPECT_EQ(printed, written);
    EXPECT_FALSE(m_printer.jobs.empty());
    EXPECT_FALSE(secondPrinter.jobs.empty());
    EXPECT_TRUE(FolderNames().empty());
}

TEST_F(HostSpool, AListUnderAnotherLaunchersPrintingNameWaitsUntilItsClaimIsLetGo) {
    Write("ws0001.A17", List("masike"));
    FileClaim other = m_platform.ClaimFile(Spool(), "ws0001.A17", std::nullopt);
    ASSERT_EQ(other.outcome, ClaimOutcome::Claimed);
    ASSERT_TRUE(other.file->Rename("ws0001.A17.M4S1K0PC.WPR"));
    // No rename takes another entry's place.
    Write("ws0002.A17", List("sajat"));
    EXPECT_FALSE(other.file->Rename("ws0002.A17"));
    PrintSpool spool(m_platform, m_printer, Spool(), {}, kAtOnce);
    for (int i = 0; i < 4; ++i) {
        spool.Tick(true);
    }
    EXPECT_EQ(m_printer.jobs, std::vector<std::string>{List("sajat")});
    EXPECT_EQ(FolderNames(), std::set<std::string>{"ws0001.A17.M4S1K0PC.WPR"});

    other.file.reset();
    spool.Tick(true);
    EXPECT_EQ(FolderNames(), std::set<std::string>{"ws0001.A17"});
    EXPECT_TRUE(spool.Tick(true).printed);
    EXPECT_EQ(m_printer.jobs.back(), List("masike"));
    EXPECT_TRUE(FolderNames().empty());
}

// A list that another process holds without letting it be deleted cannot be taken: it is set
// aside and told once, the next one prints, and it prints once it is let go.
TEST_F(HostSpool, AListThatCannotBeTakenIsToldOnceAndTheNextPrints) {
    Write("ws0001.A17", List("fogva"));
    Write("ws0002.A17", List("szabad"));
    PrintSpool spool(m_platform, m_printer, Spool(), {}, kAtOnce);
    std::vector<std::string> told;
    {
        const FileHolder holder(Spool() + "\\ws0001.A17", HoldMode::Reading);
        ASSERT_TRUE(holder.Holding());
        for (int i = 0; i < 5; ++i) {
            if (const auto stuck = spool.Tick(true).stuckList) {
                told.push_back(*stuck);
            }
        }
        EXPECT_EQ(m_printer.jobs, std::vector<std::string>{List("szabad")});
        EXPECT_EQ(FolderNames(), std::set<std::string>{"ws0001.A17"});
    }
    EXPECT_TRUE(spool.Tick(true).printed);
    EXPECT_EQ(told, std::vector<std::string>{"ws0001.A17"});
    EXPECT_EQ(m_printer.jobs.back(), List("fogva"));
    EXPECT_TRUE(FolderNames().empty());
}

} // namespace
} // namespace zel::test
