// A relay keeps each job on disk until a printer has taken it; a relay that dies leaves its
// jobs to the next one, which prints each of them once. On Linux and, under Wine, on Windows.

#include "platform/KeptJobs.h"

#include "dos/PrintRelayJobs.h"
#include "platform/KeptJobFile.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>
#include <vector>

namespace zel {
namespace {

namespace fs = std::filesystem;
using Clock = PrintRelayJobs::Clock;
using namespace std::chrono_literals;

class RecordingPrinter final : public RawPrinter {
public:
    RawPrintOutcome Print(const std::string& printer, std::string_view title,
                          std::string_view bytes) override {
        if (refusing) {
            return RawPrintOutcome::Refused;
        }
        printed.push_back({printer, std::string(title), std::string(bytes)});
        return RawPrintOutcome::Accepted;
    }

    bool refusing = false;
    std::vector<RawJob> printed;
};

std::string EveryByte() {
    std::string bytes;
    for (int byte = 0; byte < 256; ++byte) {
        bytes += static_cast<char>(byte);
    }
    return bytes;
}

class KeptJobsTest : public testing::Test {
protected:
    [[nodiscard]] std::unique_ptr<KeptJobs> Open() const { return OpenKeptJobs(m_folder.string()); }

    [[nodiscard]] std::vector<std::string> Files() const {
        std::vector<std::string> names;
        for (const auto& entry : fs::directory_iterator(m_folder)) {
            names.push_back(entry.path().filename().string());
        }
        return names;
    }

    // A relay that received the job, which the printer refused, and died.
    void LeaveJob(const std::string& printerName, const std::string& bytes) {
        RecordingPrinter printer;
        printer.refusing = true;
        const auto kept = Open();
        PrintRelayJobs jobs(printer, printerName, "A97.EXE", {}, kept.get());
        jobs.Take(bytes, Clock::time_point{});
        jobs.Work(Clock::time_point{} + PrintJobSplitter::kPauseAfterPage);
        ASSERT_FALSE(jobs.NextWake() == std::nullopt) << "the job waits for the printer";
    }

    test::TempDir m_temp;
    fs::path m_folder = m_temp.Path() / "state" / "relay-jobs";
};

TEST_F(KeptJobsTest, AJobARelayLeftIsPrintedOnceByTheNextAsItWasReceivedThenRemoved) {
    const std::string bytes = "\x1B@" + EveryByte() + "\f";
    LeaveJob("M\xE1trix", bytes);
    LeaveJob("", "second\f");
    ASSERT_EQ(Files().size(), 2u) << "both jobs are on disk";

    RecordingPrinter printer;
    {
        const auto kept = Open();
        PrintRelayJobs jobs(printer, "Other", "B2017.EXE", {}, kept.get());
        jobs.Work(Clock::now());
        EXPECT_EQ(printer.printed, (std::vector<RawJob>{{"M\xE1trix", "A97.EXE", bytes},
                                                        {"", "A97.EXE", "second\f"}}))
            << "in order, each to the printer and under the title it was received for";
        EXPECT_FALSE(jobs.NextWake());
    }
    EXPECT_TRUE(Files().empty()) << "an accepted job leaves the disk";

    const auto kept = Open();
    PrintRelayJobs later(printer, "Other", "B2017.EXE", {}, kept.get());
    later.Finish();
    EXPECT_EQ(printer.printed.size(), 2u) << "nothing is printed twice";
}

TEST_F(KeptJobsTest, AJobALivingRelayHoldsIsNotTakenUntilThatRelayIsGone) {
    RecordingPrinter refusing;
    refusing.refusing = true;
    auto first = Open();
    auto waiting = std::make_unique<PrintRelayJobs>(refusing, "Matrix", "A97.EXE",
                                                    RawJobQueue::PrinterGone{}, first.get());
    waiting->Take("held\f", Clock::time_point{});
    waiting->Work(Clock::time_point{} + PrintJobSplitter::kPauseAfterPage);

    const auto second = Open();
    EXPECT_TRUE(second->TakeLeftovers().empty()) << "the first relay still has it";
    waiting.reset();
    first.reset();
    const auto taken = second->TakeLeftovers();
    ASSERT_EQ(taken.size(), 1u);
    EXPECT_EQ(taken[0].job, (RawJob{"Matrix", "A97.EXE", "held\f"}));
    EXPECT_TRUE(Open()->TakeLeftovers().empty()) << "now the second relay holds it";
}

TEST_F(KeptJobsTest, AJobFileStillBeingWrittenIsNeverPrintedAndOneWhoseWriterDiedGoes) {
    {
        const auto kept = Open(); // makes the folder
    }
    const std::string name = KeptJobName(std::chrono::system_clock::now(), 1, 1);
    const auto whole = EncodeKeptJob({"Matrix", "A97.EXE", "half\f"});
    ASSERT_TRUE(whole);
    test::WriteNativeFile(m_folder / TemporaryKeptJobName(name), *whole);
    test::WriteNativeFile(m_folder / "notes.txt", *whole);

    RecordingPrinter printer;
    const auto kept = Open();
    PrintRelayJobs jobs(printer, "Matrix", "A97.EXE", {}, kept.get());
    jobs.Finish();
    EXPECT_TRUE(printer.printed.empty());
    EXPECT_EQ(Files(), std::vector<std::string>{"notes.txt"})
        << "only a job file of the relay's own kind is removed";
}

TEST_F(KeptJobsTest, AFileThatIsNoJobIsLeftAloneAndAJobReadsBackAsWritten) {
    EXPECT_FALSE(DecodeKeptJob("Matrix\nA97.EXE\npage\f"));
    EXPECT_FALSE(EncodeKeptJob({"Mat\nrix", "A97.EXE", "page"}))
        << "a printer name on two lines would read back as another printer";
    const RawJob job{"", "B2017.EXE", std::string("\n\0\r\n", 4)};
    EXPECT_EQ(DecodeKeptJob(*EncodeKeptJob(job)), job);
    const auto started = std::chrono::system_clock::now();
    EXPECT_LT(KeptJobName(started, 7, 9), KeptJobName(started, 7, 10))
        << "a relay's names sort in the order it received its jobs";
    EXPECT_LT(KeptJobName(started - 1s, 99, 1), KeptJobName(started, 7, 1))
        << "an earlier relay's before a later one's";

    { const auto kept = Open(); }
    test::WriteNativeFile(m_folder / KeptJobName(std::chrono::system_clock::now(), 1, 1),
                          "not a job\f");
    EXPECT_TRUE(Open()->TakeLeftovers().empty());
    EXPECT_EQ(Files().size(), 1u) << "left for a person to see, never printed nor removed";
}

} // namespace
} // namespace zel
