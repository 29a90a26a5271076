#include "text/WideText.h"

#include <gtest/gtest.h>

namespace zel {
namespace {

TEST(WideText, Cp1250RoundTripsEveryByteThroughTheControlsText) {
    std::string every;
    for (int byte = 1; byte < 256; ++byte) {
        every.push_back(static_cast<char>(byte));
    }
    EXPECT_EQ(Cp1250FromWide(WideFromCp1250(every)), every);
    EXPECT_EQ(WideFromCp1250("\xF5\xFB\xD5\xDB"), L"\u0151\u0171\u0150\u0170");
}

TEST(WideText, TextsOutsideTheCodePageBecomeQuestionMarks) {
    EXPECT_EQ(Cp1250FromWide(L"\u00C1rv\u00EDz \u20AC \u4E2D \U0001F600"), "\xC1rv\xEDz \x80 ? ?");
    EXPECT_EQ(WideFromUtf8("Kil\xC3\xA9p\xC3\xA9s"), L"Kil\u00E9p\u00E9s");
}

} // namespace
} // namespace zel
