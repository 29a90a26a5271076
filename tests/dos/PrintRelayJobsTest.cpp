#include "dos/PrintRelayJobs.h"

#include <gtest/gtest.h>
#include <vector>

namespace zel {
namespace {

using namespace std::chrono_literals;
using Clock = PrintRelayJobs::Clock;

// A printer whose spooler refuses while it is told to.
class RecordingPrinter final : public RawPrinter {
public:
    RawPrintOutcome Print(const std::string& printer, std::string_view,
                          std::string_view bytes) override {
        if (refusing) {
            return RawPrintOutcome::Refused;
        }
        printed.push_back(printer + ":" + std::string(bytes));
        return RawPrintOutcome::Accepted;
    }

    bool refusing = false;
    std::vector<std::string> printed;
};

const Clock::time_point kStart{};

TEST(PrintRelayJobs, AJobIsPrintedOnceItsPauseIsOverAndTheLastOneAtTheEnd) {
    RecordingPrinter printer;
    PrintRelayJobs jobs(printer, "Matrix", "A97.EXE");
    EXPECT_FALSE(jobs.NextWake());
    jobs.Take("page\f", kStart);
    EXPECT_EQ(jobs.NextWake(), kStart + PrintJobSplitter::kPauseAfterPage);
    jobs.Work(kStart + PrintJobSplitter::kPauseAfterPage - 1ms);
    EXPECT_TRUE(printer.printed.empty());
    jobs.Work(kStart + PrintJobSplitter::kPauseAfterPage);
    EXPECT_EQ(printer.printed, std::vector<std::string>{"Matrix:page\f"});
    EXPECT_FALSE(jobs.NextWake());

    jobs.Take("unfinished", kStart + 1min);
    jobs.Finish();
    EXPECT_EQ(printer.printed, (std::vector<std::string>{"Matrix:page\f", "Matrix:unfinished"}));
}

TEST(PrintRelayJobs, ARefusedJobWakesTheRelayAtTheEarlierOfItsRetryAndTheNextPause) {
    RecordingPrinter printer;
    printer.refusing = true;
    PrintRelayJobs jobs(printer, "", "A97.EXE");
    jobs.Take("one\f", kStart);
    jobs.Work(kStart + PrintJobSplitter::kPauseAfterPage);
    const auto retry = kStart + PrintJobSplitter::kPauseAfterPage + RawJobQueue::kRetryPause;
    EXPECT_EQ(jobs.NextWake(), retry);
    jobs.Take("two\f", kStart + 4s);
    EXPECT_EQ(jobs.NextWake(), kStart + 4s + PrintJobSplitter::kPauseAfterPage);
    jobs.Take("three", retry - 1s);
    EXPECT_EQ(jobs.NextWake(), retry) << "mid-page, the retry comes first";

    printer.refusing = false;
    jobs.Work(retry);
    EXPECT_EQ(printer.printed, std::vector<std::string>{":one\f"});
    jobs.Finish();
    EXPECT_EQ(printer.printed, (std::vector<std::string>{":one\f", ":two\fthree"}));
}

} // namespace
} // namespace zel
