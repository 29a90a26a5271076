#include "dos/PrintJobSplitter.h"

#include <gtest/gtest.h>

namespace zel {
namespace {

using namespace std::chrono_literals;
using Clock = PrintJobSplitter::Clock;

const Clock::time_point kStart{};

TEST(PrintJobSplitter, APageEndFollowedByAShortPauseEndsTheJob) {
    for (const std::string page : {"page\f", "page\f\r\n", "one\ftwo\f\n"}) {
        PrintJobSplitter splitter;
        splitter.Take(page, kStart);
        EXPECT_EQ(splitter.Deadline(), kStart + PrintJobSplitter::kPauseAfterPage);
        EXPECT_FALSE(splitter.Ended(kStart + PrintJobSplitter::kPauseAfterPage - 1ms));
        EXPECT_EQ(splitter.Ended(kStart + PrintJobSplitter::kPauseAfterPage), page);
        EXPECT_FALSE(splitter.Deadline());
    }
}

TEST(PrintJobSplitter, InTheMiddleOfAPageOnlyALongPauseEndsTheJob) {
    PrintJobSplitter splitter;
    splitter.Take("\fsecond page, half", kStart);
    EXPECT_FALSE(splitter.Ended(kStart + PrintJobSplitter::kPauseAfterPage));
    EXPECT_FALSE(splitter.Ended(kStart + PrintJobSplitter::kPauseInPage - 1ms));
    EXPECT_EQ(splitter.Ended(kStart + PrintJobSplitter::kPauseInPage), "\fsecond page, half");
}

TEST(PrintJobSplitter, PrintingWithinThePauseKeepsOneJobWithEveryByteInOrder) {
    std::string all;
    for (int byte = 0; byte < 256; ++byte) {
        all += static_cast<char>(byte);
    }
    PrintJobSplitter splitter;
    auto now = kStart;
    splitter.Take("one\f", now);
    now += PrintJobSplitter::kPauseAfterPage - 1ms;
    EXPECT_FALSE(splitter.Ended(now));
    splitter.Take(all, now);
    splitter.Take("", now + 10s);
    splitter.Take("two\f", now + 1s);
    now += 1s + PrintJobSplitter::kPauseAfterPage;
    EXPECT_EQ(splitter.Ended(now), "one\f" + all + "two\f");
    EXPECT_FALSE(splitter.Finish());
}

TEST(PrintJobSplitter, TheProgramsEndEndsTheJobAtOnce) {
    PrintJobSplitter splitter;
    EXPECT_FALSE(splitter.Finish());
    splitter.Take("last words", kStart);
    EXPECT_EQ(splitter.Finish(), "last words");
    EXPECT_FALSE(splitter.Finish());
    EXPECT_FALSE(splitter.Ended(kStart + 1h));
}

} // namespace
} // namespace zel
