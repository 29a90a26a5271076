#include "spool/PageRenderer.h"

#include "RecordingCanvas.h"
#include "spool/PageGeometry.h"
#include "support/MemoryFile.h"

#include <gtest/gtest.h>
#include <string>

namespace zel::test {
namespace {

const std::string kHeader = "\xAD"
                            "0LISTA\r\n";

RecordingCanvas Render(const std::string& body, bool withHeader = true) {
    RecordingCanvas canvas;
    MemoryFile file(withHeader ? kHeader + body : body);
    RenderPrintFile(file, canvas, "lista");
    return canvas;
}

std::string Lines(int count) {
    std::string text;
    for (int i = 1; i <= count; ++i) {
        text += "line " + std::to_string(i) + "\r\n";
    }
    return text;
}

TEST(PageGeometry, MarginsRoundHalvesToEven) {
    EXPECT_EQ(RoundHalfEven(2.5), 2);
    EXPECT_EQ(RoundHalfEven(3.5), 4);
    EXPECT_EQ(RoundHalfEven(0.4999), 0);
    EXPECT_EQ(RoundHalfEven(-1.5), -2);
    // 1325 × 0.02 = 26.5 and 1275 × 0.02 = 25.5.
    EXPECT_EQ(PageGeometry({1325, 1275}).LeftMargin(), 26);
    EXPECT_EQ(PageGeometry({1325, 1275}).TopMargin(), 26);
    const PageGeometry page({5000, 8750});
    EXPECT_DOUBLE_EQ(page.ColumnWidth(), 60.0);
    EXPECT_DOUBLE_EQ(page.LineHeight(), 120.0);
}

TEST(PageGeometry, RunsSitOnePixelInsideTheirCells) {
    const PageGeometry page({5000, 8750});
    EXPECT_EQ(page.RunRect(3, 2, 5, {}),
              (PixelRect{ColumnX(3) + 1, LineY(2) + 1, ColumnX(8) - 1, LineY(3) - 1}));
    // Double height reaches over the line above and a fifth of a line below its own.
    RunAttributes tall;
    tall.doubleHeight = true;
    const PixelRect high = page.RunRect(0, 5, 1, tall);
    EXPECT_EQ(high.top, LineY(5) + 1 - 118 + 24);
    EXPECT_EQ(high.bottom, LineY(6) - 1 + 24);
    ASSERT_EQ(high.Height(), 236);
    tall.upperHalf = true;
    EXPECT_EQ(page.RunRect(0, 5, 1, tall).bottom, high.top + 118);
    tall.upperHalf = false;
    tall.lowerHalf = true;
    EXPECT_EQ(page.RunRect(0, 5, 1, tall).top, high.top + 118);
    RunAttributes lower;
    lower.lowerHalf = true;
    EXPECT_EQ(page.RunRect(0, 0, 1, lower).top, LineY(0) + 1 + 59);
}

TEST(PageRenderer, HeaderAloneOrNothingMakesOneEmptyPage) {
    for (const std::string& text : {kHeader, std::string(),
                                    std::string("\x1A"
                                                "junk\r\nmore")}) {
        const RecordingCanvas canvas = Render(text, false);
        EXPECT_EQ(canvas.documents, 1);
        EXPECT_EQ(canvas.ended, 1);
        ASSERT_EQ(canvas.pages.size(), 1u);
        EXPECT_TRUE(canvas.pages[0].empty());
    }
}

TEST(PageRenderer, TheSeventyFirstLineStartsTheNextPage) {
    const RecordingCanvas canvas = Render(Lines(71));
    ASSERT_EQ(canvas.pages.size(), 2u);
    ASSERT_EQ(canvas.pages[0].size(), 70u);
    EXPECT_EQ(canvas.pages[0][69].target.top, LineY(69) + 1);
    ASSERT_EQ(canvas.pages[1].size(), 1u);
    EXPECT_EQ(canvas.pages[1][0].text, U"line\u00A071");
    EXPECT_EQ(canvas.pages[1][0].target.top, LineY(0) + 1);
    EXPECT_EQ(Render(Lines(70)).pages.size(), 1u);
}

TEST(PageRenderer, PageBreakCodeFeedsAPageExceptOnTheLastLine) {
    const RecordingCanvas last = Render("one\r\ntwo\xAD"
                                        "L\r\n");
    EXPECT_EQ(last.pages.size(), 1u);
    // A Ctrl-Z ends the text too, so the line before it is the last.
    EXPECT_EQ(Render("one\xAD"
                     "L\r\n\x1A"
                     "two\r\n")
                  .pages.size(),
              1u);

    const RecordingCanvas middle = Render("one\r\ntwo\xAD"
                                          "Lrest\r\nthree\r\n");
    ASSERT_EQ(middle.pages.size(), 2u);
    ASSERT_EQ(middle.pages[0].size(), 2u);
    ASSERT_EQ(middle.pages[1].size(), 2u);
    EXPECT_EQ(middle.pages[1][0].text, U"rest");
    EXPECT_EQ(middle.pages[1][0].target,
              (PixelRect{ColumnX(0) + 1, LineY(0) + 1, ColumnX(4) - 1, LineY(1) - 1}));
    EXPECT_EQ(middle.pages[1][1].target.top, LineY(1) + 1);
}

TEST(PageRenderer, BoldRunsFollowTheirCodesAndStayUntilSwitchedOff) {
    const RecordingCanvas canvas = Render("ABC\xAD"
                                          "KDEF\xAD"
                                          "k\r\nGHI\r\n\xAD"
                                          "I\xAD"
                                          "Kx\r\ny\r\n");
    const auto& runs = canvas.pages.at(0);
    ASSERT_EQ(runs.size(), 5u);
    EXPECT_EQ(runs[0].text, U"ABC");
    EXPECT_FALSE(runs[0].bold);
    EXPECT_EQ(runs[0].target.left, ColumnX(0) + 1);
    EXPECT_EQ(runs[1].text, U"DEF");
    EXPECT_TRUE(runs[1].bold);
    EXPECT_EQ(runs[1].target.left, ColumnX(3) + 1);
    EXPECT_EQ(runs[1].target.right, ColumnX(6) - 1);
    EXPECT_FALSE(runs[2].bold);
    // Switches outlive the line and the page.
    EXPECT_TRUE(runs[3].bold && runs[3].italic);
    EXPECT_TRUE(runs[4].bold && runs[4].italic);
}

TEST(PageRenderer, CondensedAndDoubleWidthRunsTakeTheirColumns) {
    const RecordingCanvas canvas =
        Render("\xAD"
               "C1234567890123\xAD"
               "cX\r\n\xAD"
               "C" +
               std::string(130, 'w') + "\r\n\xAD" + "c\xAD" + "B0123456789\xAD" + "bY\r\n");
    const auto& runs = canvas.pages.at(0);
    ASSERT_EQ(runs.size(), 5u);
    EXPECT_EQ(runs[0].target.right, ColumnX(8) - 1);
    EXPECT_EQ(runs[1].target.left, ColumnX(8) + 1);
    EXPECT_EQ(runs[2].target.right, ColumnX(80) - 1);
    EXPECT_EQ(runs[3].target.left, ColumnX(0) + 1);
    EXPECT_EQ(runs[3].target.right, ColumnX(0) + 1 + 2 * (ColumnX(10) - 1 - ColumnX(0) - 1));
    EXPECT_EQ(runs[4].target.left, ColumnX(20) + 1);
}

TEST(PageRenderer, NaturalBoxIsLettersAWideAndOnePointSevenMeanWidthsHigh) {
    const RecordingCanvas canvas = Render("iiii\r\n");
    const auto& run = canvas.pages.at(0).at(0);
    EXPECT_EQ(run.naturalWidth, 40);
    EXPECT_EQ(run.naturalHeight, 10); // 24 / 4 × 1.7 = 10.2
}

TEST(PageRenderer, BytesPrintAsTheDosLettersAndGlyphs) {
    const RecordingCanvas canvas = Render(std::string("\x94\x8B \x01\x00\x7F\r\n", 8));
    const auto& run = canvas.pages.at(0).at(0);
    EXPECT_EQ(run.text, U"öő\u00A0☺.⌂");
}

TEST(PageRenderer, LongLinesAreCutAndTheirRestSkipped) {
    const RecordingCanvas full = Render(std::string(254, 'a') + "Z\r\nnext\r\n");
    ASSERT_EQ(full.pages.at(0).size(), 2u);
    EXPECT_EQ(full.pages[0][0].text, std::u32string(254, U'a'));

    std::string huge(1 << 20, 'b');
    huge[300] = '\xAD'; // beyond the line's capacity: never a code
    const RecordingCanvas big = Render(huge + "\r\nnext\r\n");
    ASSERT_EQ(big.pages.at(0).size(), 2u);
    EXPECT_EQ(big.pages[0][0].text, std::u32string(254, U'b'));
    EXPECT_EQ(big.pages[0][1].text, U"next");
    EXPECT_EQ(big.pages[0][1].target.top, LineY(1) + 1);
}

TEST(PageRenderer, AnyBytesAtAllMakeADocument) {
    std::string noise;
    unsigned state = 12345;
    for (int i = 0; i < 200000; ++i) {
        state = state * 1103515245u + 12345u;
        // A Ctrl-Z would end the text within a few hundred bytes.
        const char byte = static_cast<char>(state >> 16);
        noise.push_back(byte == '\x1A' ? 'z' : byte);
    }
    const RecordingCanvas canvas = Render(noise, false);
    EXPECT_EQ(canvas.ended, 1);
    EXPECT_GT(canvas.pages.size(), 10u);
    for (const auto& page : canvas.pages) {
        EXPECT_LE(page.size(), 70u * 128u);
    }
}

TEST(PageRenderer, AFailingPrinterAbortsTheDocument) {
    RecordingCanvas canvas;
    canvas.failOnNewPage = true;
    MemoryFile file(kHeader + Lines(75));
    EXPECT_THROW(RenderPrintFile(file, canvas, "lista"), std::runtime_error);
    EXPECT_EQ(canvas.aborted, 1);
    EXPECT_EQ(canvas.ended, 0);
}

// A slice reads no more than its budget, however the lines run, and the slices together lay
// out what one pass does.
TEST(PageRenderer, SlicesLayOutTheSameDocumentAsOnePass) {
    const std::string body = Lines(150) + std::string(3000, 'x') + "\r\n" + "\xAD" + "Kvastag\r\n";
    const RecordingCanvas whole = Render(body);

    RecordingCanvas canvas;
    MemoryFile file(kHeader + body);
    int slices = 0;
    {
        PrintFileRenderer renderer(file, canvas, "lista");
        while (!renderer.RenderSlice(100)) {
            ++slices;
            ASSERT_LT(slices, 1000);
        }
    }
    // The line of 3,000 letters alone takes thirty.
    EXPECT_GE(slices, 30);
    EXPECT_EQ(canvas.ended, 1);
    EXPECT_EQ(canvas.aborted, 0);
    ASSERT_EQ(canvas.pages.size(), whole.pages.size());
    for (std::size_t page = 0; page < whole.pages.size(); ++page) {
        ASSERT_EQ(canvas.pages[page].size(), whole.pages[page].size());
        for (std::size_t run = 0; run < whole.pages[page].size(); ++run) {
            EXPECT_EQ(canvas.pages[page][run].text, whole.pages[page][run].text);
            EXPECT_EQ(canvas.pages[page][run].target, whole.pages[page][run].target);
            EXPECT_EQ(canvas.pages[page][run].bold, whole.pages[page][run].bold);
        }
    }
}

TEST(PageRenderer, AJobLeftUnfinishedIsAborted) {
    RecordingCanvas canvas;
    MemoryFile file(kHeader + Lines(500));
    {
        PrintFileRenderer renderer(file, canvas, "lista");
        EXPECT_FALSE(renderer.RenderSlice(1000));
    }
    EXPECT_EQ(canvas.documents, 1);
    EXPECT_EQ(canvas.aborted, 1);
    EXPECT_EQ(canvas.ended, 0);
}

} // namespace
} // namespace zel::test
