#include "pdf/PdfCanvas.h"

#include "FileFontFace.h"
#include "pdf/PrintFont.h"
#include "support/CupsPdf.h"
#include "support/ScopedEnvironment.h"
#include "support/SilentServer.h"
#include "support/TempDir.h"
#include "support/UnixTools.h"
#include "text/CodePage1250.h"

#include <chrono>
#include <filesystem>
#include <gtest/gtest.h>
#include <stdexcept>
#include <thread>

namespace fs = std::filesystem;

namespace zel::test {
namespace {

// A monospace measure over the DejaVu faces: every letter 20 pixels on screen, 19 as drawn.
class TestPrintFont final : public PrintFont {
public:
    void SetStyle(bool bold, bool) override { m_bold = bold; }
    [[nodiscard]] int TextWidth(std::u32string_view text) const override {
        return 20 * static_cast<int>(text.size());
    }
    [[nodiscard]] int Ascent() const override { return 26; }
    [[nodiscard]] int Descent() const override { return 7; }
    [[nodiscard]] const FontFace& Face() const override {
        if (m_outlineFree) {
            return m_bitmap;
        }
        return m_bold ? m_boldFace : m_regular;
    }
    [[nodiscard]] double PixelSize() const override { return 32; }
    [[nodiscard]] double DrawnWidth(std::u32string_view text) const override {
        return 19.0 * static_cast<double>(text.size());
    }

    // A face with no outlines a PDF can carry, as the next runs' face.
    void LoseOutlines() { m_outlineFree = true; }

private:
    class OutlineFreeFace final : public FontFace {
    public:
        [[nodiscard]] std::string_view Name() const override { return "Bitmap"; }
        [[nodiscard]] std::string Table(std::string_view) const override { return {}; }
        [[nodiscard]] std::uint32_t GlyphIndex(char32_t) const override { return 1; }
    };

    FileFontFace m_regular{RegularFontFile()};
    FileFontFace m_boldFace{BoldFontFile()};
    OutlineFreeFace m_bitmap;
    bool m_bold = false;
    bool m_outlineFree = false;
};

std::string Quoted(const fs::path& path) {
    return "'" + path.string() + "'";
}

std::string Cp1250(const char* utf8) {
    return Utf8ToCp1250(utf8);
}

// The job's private folders go to a temporary folder of the test's own, which every case
// finds empty again when the job is over.
class PdfCanvasTest : public ::testing::Test {
protected:
    PdfCanvasTest() {
        fs::create_directories(Temporary());
        m_environment.Set("TMPDIR", Temporary().string());
        m_printer.sheet = {595, 842, 1200, 472, 472};
        m_printer.printable = {9000, 13000};
    }

    [[nodiscard]] fs::path Temporary() const { return m_dir.Path() / "tmp"; }
    [[nodiscard]] bool NoPrivateFolderLeft() const { return fs::is_empty(Temporary()); }
    // Some private folder waits until the job's sender gives up; it is gone within seconds.
    [[nodiscard]] bool PrivateFolderGoes() const {
        for (int i = 0; i < 200 && !NoPrivateFolderLeft(); ++i) {
            std::this_thread::sleep_for(std::chrono::milliseconds(50));
        }
        return NoPrivateFolderLeft();
    }
    void ToFile(const fs::path& file) {
        m_printer.toFile = true;
        m_printer.name = file.string();
    }
    void ToQueue(const std::string& queue) {
        m_printer.toFile = false;
        m_printer.name = queue;
    }
    PdfCanvas MakeCanvas(std::chrono::milliseconds patience = kCupsPatience) {
        return PdfCanvas([this] { return m_printer; }, m_font, patience);
    }
    static void DrawPage(PdfCanvas& canvas, std::u32string_view text) {
        canvas.DrawRun(text, canvas.TextWidth(text) + 2, 55, {472, 472, 1472, 722});
    }
    // Asks until the printer answers; what it answered, or the text it threw.
    static std::string Delivery(PdfCanvas& canvas) {
        try {
            while (!canvas.DocumentDelivered()) {
            }
            return "delivered";
        } catch (const std::runtime_error& error) {
            return error.what();
        }
    }

    TempDir m_dir;
    ScopedEnvironment m_environment;
    TestPrintFont m_font;
    ChosenPrinter m_printer;
};

TEST_F(PdfCanvasTest, AFilePrinterGetsEveryPageWithTitleAndText) {
    const fs::path pdf = m_dir.Path() / "lista.pdf";
    ToFile(pdf);
    PdfCanvas canvas = MakeCanvas();
    EXPECT_EQ(canvas.PrintablePage().width, 9000);
    EXPECT_EQ(canvas.PrintablePage().height, 13000);
    canvas.BeginDocument(Cp1250("Bér lista"));
    DrawPage(canvas, U"első oldal");
    canvas.NewPage();
    canvas.SetStyle(true, false);
    DrawPage(canvas, U"második");
    canvas.EndDocument();
    EXPECT_TRUE(canvas.DocumentDelivered());

    const std::string info = Shell("pdfinfo " + Quoted(pdf));
    EXPECT_NE(info.find("Pages:           2"), std::string::npos) << info;
    EXPECT_NE(info.find("Title:           Bér lista"), std::string::npos) << info;
    const std::string text = Shell("pdftotext " + Quoted(pdf) + " -");
    EXPECT_NE(text.find("első oldal"), std::string::npos) << text;
    EXPECT_NE(text.find("második"), std::string::npos) << text;
    EXPECT_NE(Shell("pdffonts " + Quoted(pdf)).find("Bold"), std::string::npos);
    EXPECT_TRUE(NoPrivateFolderLeft());
}

TEST_F(PdfCanvasTest, NoPrinterChosenStartsNothing) {
    for (const bool toFile : {true, false}) {
        m_printer.toFile = toFile;
        PdfCanvas canvas = MakeCanvas();
        try {
            canvas.BeginDocument("lista");
            ADD_FAILURE() << toFile;
        } catch (const std::runtime_error& error) {
            EXPECT_EQ(error.what(), Cp1250("Nincs kiválasztott nyomtató.")) << toFile;
        }
        // Nothing to draw on, and nothing drawn.
        DrawPage(canvas, U"x");
        EXPECT_THROW(canvas.EndDocument(), std::runtime_error);
        EXPECT_TRUE(NoPrivateFolderLeft());
    }
}

TEST_F(PdfCanvasTest, AFileThatCannotBeMadeLeavesNothingBehind) {
    const fs::path pdf = m_dir.Path() / "no such folder" / "lista.pdf";
    ToFile(pdf);
    PdfCanvas canvas = MakeCanvas();
    try {
        canvas.BeginDocument("lista");
        ADD_FAILURE();
    } catch (const std::runtime_error& error) {
        EXPECT_EQ(
            error.what(),
            Cp1250(
                ("A nyomtatás nem indítható el a(z) „" + pdf.string() + "” nyomtatón.").c_str()));
    }
    EXPECT_FALSE(fs::exists(pdf.parent_path()));
    EXPECT_TRUE(NoPrivateFolderLeft());
}

TEST_F(PdfCanvasTest, ARefusedPageDropsTheJob) {
    const fs::path pdf = m_dir.Path() / "lista.pdf";
    WriteNativeFile(pdf, "the list printed before");
    ToFile(pdf);
    PdfCanvas canvas = MakeCanvas();
    canvas.BeginDocument("lista");
    DrawPage(canvas, U"első");
    m_font.LoseOutlines();
    const std::string refused =
        Cp1250(("A(z) „" + pdf.string() + "” nyomtató nem fogadta el a nyomtatást.").c_str());
    try {
        DrawPage(canvas, U"második");
        ADD_FAILURE();
    } catch (const std::runtime_error& error) {
        EXPECT_EQ(error.what(), refused);
    }
    // The job is gone: nothing more is taken, and no half of it reaches the file.
    EXPECT_THROW(canvas.NewPage(), std::runtime_error);
    EXPECT_THROW(canvas.EndDocument(), std::runtime_error);
    EXPECT_EQ(ReadNativeFile(pdf), "the list printed before");
}

TEST_F(PdfCanvasTest, AnAbortedQueueJobLeavesNoPrivateFolder) {
    ToQueue("Sehol");
    {
        PdfCanvas canvas = MakeCanvas();
        canvas.BeginDocument("lista");
        DrawPage(canvas, U"első");
        EXPECT_FALSE(NoPrivateFolderLeft());
        canvas.AbortDocument();
        EXPECT_TRUE(NoPrivateFolderLeft());

        // Nor one its canvas dropped unfinished.
        canvas.BeginDocument("lista");
        EXPECT_FALSE(NoPrivateFolderLeft());
    }
    EXPECT_TRUE(NoPrivateFolderLeft());
}

TEST_F(PdfCanvasTest, AQueueWithoutAServerFailsAndLeavesNoPrivateFolder) {
    m_environment.Set("CUPS_SERVER", (m_dir.Path() / "no server.sock").string());
    ToQueue("Sehol");
    PdfCanvas canvas = MakeCanvas();
    canvas.BeginDocument("lista");
    DrawPage(canvas, U"első");
    canvas.EndDocument();
    EXPECT_EQ(Delivery(canvas), Cp1250("A(z) „Sehol” nyomtató nem érhető el."));
    EXPECT_TRUE(NoPrivateFolderLeft());
}

TEST_F(PdfCanvasTest, AServerThatNeverAnswersIsGivenUpAtTheDeadline) {
    const fs::path socket = m_dir.Path() / "silent.sock";
    m_environment.Set("CUPS_SERVER", socket.string());
    ToQueue("Csendes");
    constexpr std::chrono::milliseconds kPatience{400};
    {
        const SilentServer silent(socket);
        ASSERT_TRUE(silent.Listening());
        PdfCanvas canvas = MakeCanvas(kPatience);
        canvas.BeginDocument("lista");
        DrawPage(canvas, U"első");
        const auto ended = std::chrono::steady_clock::now();
        canvas.EndDocument();
        EXPECT_EQ(Delivery(canvas), Cp1250(kServerSilent));
        EXPECT_GE(std::chrono::steady_clock::now() - ended, kPatience);
    }
    // The sender lets go of the job's folder once the server is gone.
    EXPECT_TRUE(PrivateFolderGoes());
}

// Needs the server of scripts/cups-start, as the end-to-end tests do.
TEST_F(PdfCanvasTest, AJobTheQueueTookLeavesNoPrivateFolder) {
    const std::string problem = CupsProblem();
    ASSERT_TRUE(problem.empty()) << "scripts/cups-start: " << problem;
    ToQueue(kPdfQueue);
    PdfCanvas canvas = MakeCanvas();
    canvas.BeginDocument("lista");
    DrawPage(canvas, U"első");
    canvas.EndDocument();
    EXPECT_EQ(Delivery(canvas), "delivered");
    EXPECT_TRUE(NoPrivateFolderLeft());
}

} // namespace
} // namespace zel::test
