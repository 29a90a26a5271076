// Launchers on two PCs over one spool folder, each a PID namespace of its own with its own
// /proc, as the other tests of two PCs make them: neither sees the other's processes, nor
// those of a program writing on a third PC. Only what the file system carries between them
// (the claims' locks, the files themselves) keeps each list printed once and whole.

#include "StartWorld.h"
#include "spool/PrintSpool.h"
#include "support/OwnPidNamespace.h"

#include <chrono>
#include <fstream>
#include <map>
#include <sys/stat.h>
#include <thread>
#include <unistd.h>

namespace fs = std::filesystem;
using namespace std::chrono_literals;

namespace zel::test {
namespace {

const std::string kSpool = "C:\\ZELKOR\\Printing";
constexpr int kPatience = 90;

// The desktop printer of one PC: each job it prints is kept as a file of its own, named
// after the PC, a slice of the list at a time as the real one prints.
class KeepingPrinter final : public JobPrinter {
public:
    KeepingPrinter(fs::path folder, std::string pc)
        : m_folder(std::move(folder)), m_pc(std::move(pc)) {}

    void BeginJob(InputFile& file, std::string_view) override {
        m_file = &file;
        m_bytes.clear();
    }
    bool PrintSlice() override {
        constexpr std::size_t kSlice = 64 * 1024;
        const std::string piece = m_file->Read(kSlice);
        m_bytes += piece;
        if (piece.size() == kSlice) {
            std::this_thread::sleep_for(2ms);
            return false;
        }
        m_file = nullptr;
        WriteNativeFile(m_folder / (m_pc + "-" + std::to_string(++m_jobs)), m_bytes);
        return true;
    }
    void CancelJob() noexcept override { m_file = nullptr; }

private:
    fs::path m_folder;
    std::string m_pc;
    InputFile* m_file = nullptr;
    std::string m_bytes;
    int m_jobs = 0;
};

class SharedSpool : public StartWorld {
protected:
    SharedSpool()
        : m_spool(m_world.WriteFile(kSpool + "\\x").parent_path()),
          m_printed(m_c.parent_path() / "printed"), m_stop(m_c.parent_path() / "stop") {
        fs::remove(m_spool / "x");
        fs::create_directories(m_printed);
    }

    void SetUp() override {
        if (!OwnPidNamespace::Available()) {
            GTEST_SKIP() << "PID namespaces need root";
        }
    }

    // A launcher's spool on a PC of its own, ticking four times a second (the panel's timer
    // ticks once) and printing in between, until the test says stop.
    [[nodiscard]] std::unique_ptr<OwnPidNamespace> LauncherOnOtherPc(const std::string& pc,
                                                                     uid_t user = 0) {
        return std::make_unique<OwnPidNamespace>([this, pc, user] {
            if (user != 0 && (::setgid(user) != 0 || ::setuid(user) != 0)) {
                return 3;
            }
            const auto platform = m_world.MakePlatform();
            KeepingPrinter printer(m_printed, pc);
            PrintSpool spool(*platform, printer, kSpool);
            const auto end = std::chrono::steady_clock::now() + std::chrono::seconds(kPatience);
            while (!fs::exists(m_stop) && std::chrono::steady_clock::now() < end) {
                const SpoolTickResult result = spool.Tick(true);
                if (result.printingStopped) {
                    return 2;
                }
                if (result.stuckList) {
                    std::ofstream(m_printed / ("stuck-" + pc), std::ios::app)
                        << *result.stuckList << "\n";
                }
                const auto next = std::chrono::steady_clock::now() + 250ms;
                while (spool.JobInProgress() && std::chrono::steady_clock::now() < next) {
                    (void)spool.PrintSlice();
                }
                std::this_thread::sleep_until(next);
            }
            return 0;
        });
    }

    // What the PCs printed, job by job.
    [[nodiscard]] std::multiset<std::string> Printed(const std::string& pc = {}) const {
        std::multiset<std::string> jobs;
        for (const auto& entry : fs::directory_iterator(m_printed)) {
            const std::string name = entry.path().filename().string();
            if (!name.starts_with("stuck-") && name.starts_with(pc)) {
                jobs.insert(ReadNativeFile(entry.path()));
            }
        }
        return jobs;
    }

    [[nodiscard]] static std::string List(const std::string& name, std::size_t bodyLines) {
        std::string bytes = "\xAD"
                            "0" +
                            name + "\r\n";
        for (std::size_t line = 0; line < bodyLines; ++line) {
            bytes += name + " sor " + std::to_string(line) + std::string(60, '.') + "\r\n";
        }
        return bytes;
    }

    // Written as a program writes a list: opened, written, closed.
    void WriteList(const std::string& name, const std::string& bytes) const {
        std::ofstream(m_spool / name, std::ios::binary) << bytes;
    }

    // Stops the launchers once nothing is left to print, after a while in which a list
    // printed twice would have shown.
    void StopWhenDone(std::size_t jobs) {
        EXPECT_TRUE(WaitUntil(
            [&] { return PrintFiles(kSpool).empty() && Printed().size() >= jobs; }, kPatience));
        std::this_thread::sleep_for(4s);
        WriteNativeFile(m_stop, "");
    }

    fs::path m_spool;
    fs::path m_printed;
    fs::path m_stop;
};

TEST_F(SharedSpool, TwoLaunchersPrintEveryArrivingListExactlyOnce) {
    const auto first = LauncherOnOtherPc("A");
    const auto second = LauncherOnOtherPc("B");
    std::multiset<std::string> written;
    for (int i = 0; i < 12; ++i) {
        char name[16];
        std::snprintf(name, sizeof(name), "ws%04d.A17", i);
        // Every fourth a long one, some 3 MB, that keeps its PC printing for a while.
        const std::string list = List(name, i % 4 == 0 ? 40000 : 20 + i);
        WriteList(name, list);
        written.insert(list);
        std::this_thread::sleep_for(300ms);
    }
    StopWhenDone(written.size());
    EXPECT_EQ(first->Wait(), 0);
    EXPECT_EQ(second->Wait(), 0);
    EXPECT_EQ(Printed(), written);
    EXPECT_TRUE(PrintFiles(kSpool).empty());
}

TEST_F(SharedSpool, AListWrittenSlowlyOnAThirdPcIsPrintedWholeAndOnce) {
    const auto launcher = LauncherOnOtherPc("A");
    const std::string list = List("ws0001.A17", 100);
    const auto writer = std::make_unique<OwnPidNamespace>([this, &list] {
        std::ofstream file(m_spool / "ws0001.A17", std::ios::binary);
        // A line each 50 ms, as a program that prints while it computes.
        for (std::size_t start = 0; start < list.size();) {
            const std::size_t end = list.find("\r\n", start) + 2;
            file << list.substr(start, end - start) << std::flush;
            start = end;
            std::this_thread::sleep_for(50ms);
        }
        return 0;
    });
    EXPECT_EQ(writer->Wait(), 0);
    StopWhenDone(1);
    EXPECT_EQ(launcher->Wait(), 0);
    EXPECT_EQ(Printed(), std::multiset<std::string>{list});
}

// Another user's list in a shared folder whose sticky bit keeps it theirs: this user's
// launcher cannot take it. It is told once, and the user's own lists print past it.
TEST_F(SharedSpool, AListThatCannotBeTakenIsToldOnceAndTheNextPrints) {
    constexpr uid_t kNobody = 65534;
    if (::geteuid() != 0) {
        GTEST_SKIP() << "another user's launcher needs root";
    }
    // The world's own folders are opened to the other user below; those above must be.
    for (fs::path folder = m_c.parent_path().parent_path(); folder != folder.root_path();
         folder = folder.parent_path()) {
        if ((fs::status(folder).permissions() & fs::perms::others_exec) == fs::perms::none) {
            GTEST_SKIP() << folder << " is closed to other users";
        }
    }
    for (const fs::path& folder :
         {m_c.parent_path(), m_world.Prefix(), m_c, m_spool.parent_path()}) {
        fs::permissions(folder, fs::perms::owner_all | fs::perms::group_read |
                                    fs::perms::group_exec | fs::perms::others_read |
                                    fs::perms::others_exec);
    }
    fs::permissions(m_spool, fs::perms::all | fs::perms::sticky_bit);
    fs::permissions(m_printed, fs::perms::all);
    const std::string others = List("ws0000.A17", 5);
    const std::string own = List("ws0001.A17", 5);
    WriteList("ws0000.A17", others);
    fs::permissions(m_spool / "ws0000.A17", fs::perms::owner_read | fs::perms::owner_write |
                                                fs::perms::group_read | fs::perms::group_write |
                                                fs::perms::others_read | fs::perms::others_write);
    WriteList("ws0001.A17", own);
    ASSERT_EQ(::chown((m_spool / "ws0001.A17").c_str(), kNobody, kNobody), 0);

    const auto launcher = LauncherOnOtherPc("N", kNobody);
    EXPECT_TRUE(WaitUntil([&] { return Printed().size() >= 1; }, kPatience));
    std::this_thread::sleep_for(4s);
    WriteNativeFile(m_stop, "");
    EXPECT_EQ(launcher->Wait(), 0);
    EXPECT_EQ(Printed(), std::multiset<std::string>{own});
    EXPECT_EQ(ReadNativeFile(m_printed / "stuck-N"), "ws0000.A17\n");
    EXPECT_EQ(ReadNativeFile(m_spool / "ws0000.A17"), others);
    EXPECT_EQ(PrintFiles(kSpool), std::vector<fs::path>{m_spool / "ws0000.A17"});
}

} // namespace
} // namespace zel::test
