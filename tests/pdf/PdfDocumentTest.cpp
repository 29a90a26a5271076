#include "pdf/PdfDocument.h"

#include "FileFontFace.h"
#include "pdf/RunPlacement.h"
#include "support/TempDir.h"
#include "support/UnixTools.h"

#include <filesystem>
#include <gtest/gtest.h>
#include <iterator>
#include <regex>
#include <sstream>

namespace fs = std::filesystem;

namespace zel::test {
namespace {

constexpr int kResolution = 1200;
constexpr double kPixelSize = 32;

std::string Quoted(const fs::path& path) {
    return "'" + path.string() + "'";
}

int PageCount(const fs::path& pdf) {
    std::istringstream lines(Shell("pdfinfo " + Quoted(pdf)));
    for (std::string line; std::getline(lines, line);) {
        if (line.starts_with("Pages:")) {
            return std::stoi(line.substr(6));
        }
    }
    return -1;
}

std::string PageText(const fs::path& pdf, int page) {
    const std::string number = std::to_string(page);
    return Shell("pdftotext -f " + number + " -l " + number + " " + Quoted(pdf) + " - 2>&1");
}

bool PassesCheck(const fs::path& pdf) {
    return Shell("qpdf --check " + Quoted(pdf) + " >/dev/null 2>&1; echo $?") == "0\n";
}

std::size_t FilesIn(const fs::path& folder) {
    return static_cast<std::size_t>(
        std::distance(fs::directory_iterator(folder), fs::directory_iterator{}));
}

// An A4 sheet with margins of 10 mm, as a printer's layout gives it.
SheetLayout PrinterSheet() {
    return {595, 842, kResolution, 472, 472};
}

// A run of text at the corner of the given cells, its baseline 30 device pixels down.
RunPlacement RunAt(CellBox cells) {
    return {cells, {2, 0, 0, 3, static_cast<double>(cells.left), cells.top + 30.0}};
}

// A face with no outlines a PDF can carry.
class OutlineFreeFace final : public FontFace {
public:
    [[nodiscard]] std::string_view Name() const override { return "Bitmap"; }
    [[nodiscard]] std::string Table(std::string_view) const override { return {}; }
    [[nodiscard]] std::uint32_t GlyphIndex(char32_t) const override { return 1; }
};

class PdfDocumentTest : public ::testing::Test {
protected:
    [[nodiscard]] fs::path Pdf() const { return m_dir.Path() / "lista.pdf"; }

    TempDir m_dir;
    FileFontFace m_regular{RegularFontFile()};
    FileFontFace m_bold{BoldFontFile()};
};

TEST_F(PdfDocumentTest, PagesKeepTheirTextFacesAndHungarianLetters) {
    PdfDocument document(Pdf(), PrinterSheet(), U"lista");
    ASSERT_TRUE(document.IsOpen());
    const std::u32string hungarian = U"őrző ŰŐ (zárójel) \\";
    for (int page = 1; page <= 3; ++page) {
        for (int line = 0; line < 70; ++line) {
            const std::string text =
                std::to_string(page) + ". oldal " + std::to_string(line) + ". sor ";
            ASSERT_TRUE(document.DrawRun(RunAt({0, line * 130, 4000, 128}), m_regular, kPixelSize,
                                         std::u32string(text.begin(), text.end())));
            ASSERT_TRUE(document.DrawRun(RunAt({4100, line * 130, 4000, 128}), m_bold, kPixelSize,
                                         hungarian));
        }
        if (page < 3) {
            ASSERT_TRUE(document.NewPage());
        }
    }
    ASSERT_TRUE(document.Finish());

    EXPECT_TRUE(PassesCheck(Pdf()));
    ASSERT_EQ(PageCount(Pdf()), 3);
    const std::string last = PageText(Pdf(), 3);
    EXPECT_NE(last.find("3. oldal 69. sor"), std::string::npos) << last;
    EXPECT_NE(last.find("őrző ŰŐ (zárójel) \\"), std::string::npos) << last;
    EXPECT_EQ(PageText(Pdf(), 2).find("3. oldal"), std::string::npos);

    // Each face once, as a subset, with the letters its glyphs stand for.
    std::istringstream fonts(Shell("pdffonts " + Quoted(Pdf())));
    std::vector<std::string> lines;
    for (std::string line; std::getline(fonts, line);) {
        lines.push_back(line);
    }
    ASSERT_EQ(lines.size(), 4u) << Shell("pdffonts " + Quoted(Pdf()));
    for (std::size_t i = 2; i < lines.size(); ++i) {
        EXPECT_TRUE(std::regex_search(lines[i], std::regex("yes +yes +yes"))) << lines[i];
    }
    // The face is in the file once, not once a page.
    EXPECT_LT(fs::file_size(Pdf()), 3 * 8000u);
}

TEST_F(PdfDocumentTest, TextLiesWhereTheMatrixPutsIt) {
    {
        PdfDocument document(Pdf(), PrinterSheet(), U"x");
        ASSERT_TRUE(
            document.DrawRun(RunAt({1200, 2400, 600, 100}), m_regular, kPixelSize, U"MMMM"));
        ASSERT_TRUE(document.Finish());
    }
    const std::string boxes = Shell("pdftotext -bbox " + Quoted(Pdf()) + " -");
    std::smatch word;
    ASSERT_TRUE(std::regex_search(boxes, word,
                                  std::regex("xMin=\"([\\d.]+)\" yMin=\"([\\d.]+)\" "
                                             "xMax=\"([\\d.]+)\" yMax=\"([\\d.]+)\">MMMM")))
        << boxes;
    // 10 mm of margin, then device pixels of a 1200th of an inch; four letters twice as wide.
    const double point = 72.0 / kResolution;
    const double margin = 10 * 72 / 25.4;
    const double advance = m_regular.Advance(m_regular.GlyphIndex(U'M')) * kPixelSize;
    EXPECT_NEAR(std::stod(word[1]), margin + 1200 * point, 1.0);
    EXPECT_NEAR(std::stod(word[3]), margin + (1200 + 8 * advance) * point, 1.0);
    // Upright on a baseline 30 device pixels below the top of the cells: the letters reach
    // far above it and only their descent below.
    const double baseline = margin + (2400 + 30) * point;
    EXPECT_LT(std::stod(word[2]), baseline - 3);
    EXPECT_GT(std::stod(word[4]), baseline);
    EXPECT_LT(std::stod(word[4]), baseline + 2);
}

TEST_F(PdfDocumentTest, AnEmptyJobIsOneBlankPage) {
    PdfDocument document(Pdf(), PrinterSheet(), U"üres");
    ASSERT_TRUE(document.Finish());
    EXPECT_TRUE(PassesCheck(Pdf()));
    EXPECT_EQ(PageCount(Pdf()), 1);
    const std::string info = Shell("pdfinfo " + Quoted(Pdf()));
    EXPECT_TRUE(std::regex_search(info, std::regex("Title: +üres\n"))) << info;
}

TEST_F(PdfDocumentTest, AFaceWithoutOutlinesIsRefusedAndTheRestGoesOn) {
    PdfDocument document(Pdf(), PrinterSheet(), U"x");
    EXPECT_FALSE(document.DrawRun(RunAt({0, 0, 600, 100}), OutlineFreeFace(), kPixelSize, U"x"));
    ASSERT_TRUE(document.DrawRun(RunAt({0, 200, 600, 100}), m_regular, kPixelSize, U"maradt"));
    ASSERT_TRUE(document.Finish());
    EXPECT_TRUE(PassesCheck(Pdf()));
    EXPECT_NE(PageText(Pdf(), 1).find("maradt"), std::string::npos);
}

TEST_F(PdfDocumentTest, AnAbandonedJobLeavesWhatWasThere) {
    WriteNativeFile(Pdf(), "the previous list");
    {
        PdfDocument document(Pdf(), PrinterSheet(), U"x");
        ASSERT_TRUE(document.IsOpen());
        ASSERT_TRUE(document.DrawRun(RunAt({0, 0, 600, 100}), m_regular, kPixelSize, U"félkész"));
        ASSERT_TRUE(document.NewPage());
    }
    EXPECT_EQ(ReadNativeFile(Pdf()), "the previous list");
    EXPECT_EQ(FilesIn(m_dir.Path()), 1u) << "no half-written file is left behind";
}

TEST_F(PdfDocumentTest, AFileThatCannotBeMadeIsReportedAndLeavesNothing) {
    PdfDocument nowhere(m_dir.Path() / "missing" / "lista.pdf", PrinterSheet(), U"x");
    EXPECT_FALSE(nowhere.IsOpen());
    EXPECT_TRUE(nowhere.DrawRun(RunAt({0, 0, 600, 100}), m_regular, kPixelSize, U"x"));
    EXPECT_FALSE(nowhere.NewPage());
    EXPECT_FALSE(nowhere.Finish());
    EXPECT_FALSE(fs::exists(m_dir.Path() / "missing"));
    EXPECT_EQ(FilesIn(m_dir.Path()), 0u);
}

TEST_F(PdfDocumentTest, AFinishThatFailsLeavesNoFile) {
    // A folder in the document's place cannot be replaced by a file, even by root.
    fs::create_directory(Pdf());
    PdfDocument document(Pdf(), PrinterSheet(), U"x");
    ASSERT_TRUE(document.IsOpen());
    ASSERT_TRUE(document.DrawRun(RunAt({0, 0, 600, 100}), m_regular, kPixelSize, U"x"));
    EXPECT_FALSE(document.Finish());
    EXPECT_FALSE(document.IsOpen());
    EXPECT_FALSE(document.Finish()) << "a failed document stays failed";
    EXPECT_TRUE(fs::is_directory(Pdf()));
    EXPECT_EQ(FilesIn(m_dir.Path()), 1u) << "no half-written file is left behind";
}

TEST_F(PdfDocumentTest, TenThousandPagesStayValidAndSmall) {
    constexpr int kPages = 10000;
    {
        PdfDocument document(Pdf(), PrinterSheet(), U"hosszú");
        for (int page = 1; page <= kPages; ++page) {
            const std::string number = std::to_string(page);
            ASSERT_TRUE(document.DrawRun(RunAt({0, 0, 2000, 100}), m_regular, kPixelSize,
                                         std::u32string(number.begin(), number.end())));
            if (page < kPages) {
                ASSERT_TRUE(document.NewPage());
            }
        }
        ASSERT_TRUE(document.Finish());
    }
    EXPECT_TRUE(PassesCheck(Pdf()));
    EXPECT_EQ(PageCount(Pdf()), kPages);
    EXPECT_NE(PageText(Pdf(), kPages).find(std::to_string(kPages)), std::string::npos);
    EXPECT_LT(fs::file_size(Pdf()) / kPages, 400u);
}

} // namespace
} // namespace zel::test
