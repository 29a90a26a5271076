#include "dos/RawJobQueue.h"

#include <gtest/gtest.h>
#include <vector>

namespace zel {
namespace {

using namespace std::chrono_literals;
using Clock = RawJobQueue::Clock;

// A spooler that refuses as long as its printer is unplugged.
class RecordingPrinter final : public RawPrinter {
public:
    RawPrintOutcome Print(const std::string& printer, std::string_view title,
                          std::string_view bytes) override {
        attempts.push_back(printer);
        const RawPrintOutcome outcome = printer.empty() ? defaultOutcome : chosenOutcome;
        if (outcome == RawPrintOutcome::Accepted) {
            printed.push_back({printer, std::string(title), std::string(bytes)});
        }
        return outcome;
    }

    struct Job {
        std::string printer;
        std::string title;
        std::string bytes;
        bool operator==(const Job&) const = default;
    };
    RawPrintOutcome chosenOutcome = RawPrintOutcome::Accepted;
    RawPrintOutcome defaultOutcome = RawPrintOutcome::Accepted;
    std::vector<std::string> attempts;
    std::vector<Job> printed;
};

const Clock::time_point kStart{};

TEST(RawJobQueue, PrintsEveryJobOnceInOrderOnTheChosenPrinter) {
    RecordingPrinter printer;
    RawJobQueue queue(printer, "Matrix", "A97.EXE");
    EXPECT_FALSE(queue.NextAttempt());
    queue.Add("first\f");
    queue.Add(std::string("second\0\xFF", 8));
    EXPECT_EQ(queue.NextAttempt(), Clock::time_point{});
    queue.Work(kStart);
    queue.Work(kStart + 1s);
    EXPECT_EQ(printer.printed, (std::vector<RecordingPrinter::Job>{
                                   {"Matrix", "A97.EXE", "first\f"},
                                   {"Matrix", "A97.EXE", std::string("second\0\xFF", 8)}}));
    EXPECT_EQ(queue.Waiting(), 0u);
    EXPECT_FALSE(queue.NextAttempt());
}

TEST(RawJobQueue, ARefusedJobWaitsAndKeepsTheLaterOnesBehindIt) {
    RecordingPrinter printer;
    printer.defaultOutcome = RawPrintOutcome::Refused;
    RawJobQueue queue(printer, "", "B2017.EXE");
    queue.Add("one");
    queue.Add("two");
    queue.Work(kStart);
    EXPECT_EQ(printer.attempts, std::vector<std::string>{""}) << "the default is tried once";
    EXPECT_EQ(queue.Waiting(), 2u);
    EXPECT_EQ(queue.NextAttempt(), kStart + RawJobQueue::kRetryPause);

    printer.defaultOutcome = RawPrintOutcome::Accepted;
    queue.Work(kStart + RawJobQueue::kRetryPause - 1ms);
    EXPECT_TRUE(printer.printed.empty()) << "no attempt before the pause is over";
    queue.Work(kStart + RawJobQueue::kRetryPause);
    ASSERT_EQ(printer.printed.size(), 2u);
    EXPECT_EQ(printer.printed[0].bytes, "one");
    EXPECT_EQ(printer.printed[1].bytes, "two");
}

TEST(RawJobQueue, AChosenPrinterThatRefusesForAWhileIsWaitedForEverLessOftenAndNeverLeft) {
    RecordingPrinter printer;
    printer.chosenOutcome = RawPrintOutcome::Refused;
    std::vector<std::string> told;
    RawJobQueue queue(printer, "Matrix", "A97.EXE",
                      [&](const std::string& gone) { told.push_back(gone); });
    queue.Add("page\f");
    auto now = kStart;
    std::vector<Clock::duration> pauses;
    for (int attempt = 0; attempt < 8; ++attempt) {
        queue.Work(now);
        pauses.push_back(*queue.NextAttempt() - now);
        now = *queue.NextAttempt();
    }
    EXPECT_EQ(printer.attempts, std::vector<std::string>(8, "Matrix"))
        << "nothing is offered to another printer";
    EXPECT_TRUE(printer.printed.empty());
    EXPECT_TRUE(told.empty());
    EXPECT_EQ(pauses.front(), RawJobQueue::kRetryPause);
    EXPECT_EQ(pauses[1], 2 * RawJobQueue::kRetryPause);
    EXPECT_EQ(pauses.back(), RawJobQueue::kLongestPause) << "the pause stops growing";

    printer.chosenOutcome = RawPrintOutcome::Accepted;
    queue.Work(now);
    ASSERT_EQ(printer.printed.size(), 1u);
    EXPECT_EQ(printer.printed[0].printer, "Matrix");
    queue.Add("next\f");
    printer.chosenOutcome = RawPrintOutcome::Refused;
    queue.Work(now);
    EXPECT_EQ(queue.NextAttempt(), now + RawJobQueue::kRetryPause)
        << "a printed job starts the pauses over";
}

TEST(RawJobQueue, AChosenPrinterThatIsGoneLeavesItsJobsToTheDefaultOneAndSaysSoOnce) {
    RecordingPrinter printer;
    printer.chosenOutcome = RawPrintOutcome::NoSuchPrinter;
    std::vector<std::string> told;
    RawJobQueue queue(printer, "Removed", "A97.EXE",
                      [&](const std::string& gone) { told.push_back(gone); });
    queue.Add("page\f");
    queue.Add("more\f");
    queue.Work(kStart);
    EXPECT_EQ(printer.attempts, (std::vector<std::string>{"Removed", "", ""}));
    ASSERT_EQ(printer.printed.size(), 2u);
    EXPECT_EQ(printer.printed[0].printer, "");
    EXPECT_EQ(printer.printed[1].bytes, "more\f");
    EXPECT_EQ(told, std::vector<std::string>{"Removed"});
    EXPECT_EQ(queue.Waiting(), 0u);
}

TEST(RawJobQueue, ADefaultPrinterThatIsGoneIsWaitedFor) {
    RecordingPrinter printer;
    printer.defaultOutcome = RawPrintOutcome::NoSuchPrinter;
    std::vector<std::string> told;
    RawJobQueue queue(printer, "", "A97.EXE",
                      [&](const std::string& gone) { told.push_back(gone); });
    queue.Add("page\f");
    queue.Work(kStart);
    EXPECT_EQ(queue.Waiting(), 1u);
    EXPECT_EQ(queue.NextAttempt(), kStart + RawJobQueue::kRetryPause);
    EXPECT_TRUE(told.empty());
}

} // namespace
} // namespace zel
