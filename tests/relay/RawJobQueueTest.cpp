#include "platform/RawJobQueue.h"

#include <gtest/gtest.h>
#include <vector>

namespace zel {
namespace {

using namespace std::chrono_literals;
using Clock = RawJobQueue::Clock;

// A spooler that refuses as long as its printer is unplugged.
class RecordingPrinter final : public RawPrinter {
public:
    bool Print(const std::string& printer, std::string_view title,
               std::string_view bytes) override {
        attempts.push_back(printer);
        const bool takes = printer.empty() ? defaultTakes : chosenTakes;
        if (takes) {
            printed.push_back({printer, std::string(title), std::string(bytes)});
        }
        return takes;
    }

    struct Job {
        std::string printer;
        std::string title;
        std::string bytes;
        bool operator==(const Job&) const = default;
    };
    bool chosenTakes = true;
    bool defaultTakes = true;
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
    printer.chosenTakes = false;
    printer.defaultTakes = false;
    RawJobQueue queue(printer, "", "B2017.EXE");
    queue.Add("one");
    queue.Add("two");
    queue.Work(kStart);
    EXPECT_EQ(printer.attempts, std::vector<std::string>{""}) << "the default is tried once";
    EXPECT_EQ(queue.Waiting(), 2u);
    EXPECT_EQ(queue.NextAttempt(), kStart + RawJobQueue::kRetryPause);

    printer.defaultTakes = true;
    queue.Work(kStart + RawJobQueue::kRetryPause - 1ms);
    EXPECT_TRUE(printer.printed.empty()) << "no attempt before the pause is over";
    queue.Work(kStart + RawJobQueue::kRetryPause);
    ASSERT_EQ(printer.printed.size(), 2u);
    EXPECT_EQ(printer.printed[0].bytes, "one");
    EXPECT_EQ(printer.printed[1].bytes, "two");
}

TEST(RawJobQueue, AChosenPrinterThatRefusesLeavesTheJobToTheDefaultOne) {
    RecordingPrinter printer;
    printer.chosenTakes = false;
    RawJobQueue queue(printer, "Removed", "A97.EXE");
    queue.Add("page\f");
    queue.Work(kStart);
    EXPECT_EQ(printer.attempts, (std::vector<std::string>{"Removed", ""}));
    ASSERT_EQ(printer.printed.size(), 1u);
    EXPECT_EQ(printer.printed[0].printer, "");
    EXPECT_EQ(queue.Waiting(), 0u);
}

} // namespace
} // namespace zel
