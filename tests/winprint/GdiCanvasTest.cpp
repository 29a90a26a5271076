// The GDI canvas on a page in memory: each run lands on exactly its cells of the character
// grid, in a fixed-pitch measuring font, with the print table's letters as text.

#include "winprint/GdiCanvas.h"

#include "spool/PageGeometry.h"
#include "spool/PageRenderer.h"
#include "support/MemoryFile.h"
#include "winprint/MeasuringFont.h"
#include "winprint/PrintDevice.h"

#include <algorithm>
#include <cstdint>
#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace zel::test {
namespace {

// A white bitmap as the page, or an enhanced metafile that keeps what was drawn as records.
class MemoryPage final : public PrintDevice {
public:
    explicit MemoryPage(bool metafile) : m_metafile(metafile) {}
    ~MemoryPage() override {
        DeleteDC(m_dc);
        DeleteObject(m_bitmap);
        DeleteEnhMetaFile(m_records);
    }
    MemoryPage(const MemoryPage&) = delete;
    MemoryPage& operator=(const MemoryPage&) = delete;

    PageSize PrintableArea() override { return {kWidth, kHeight}; }

    HDC BeginDocument(std::string_view /*title*/) override {
        if (m_metafile) {
            m_dc = CreateEnhMetaFileW(nullptr, nullptr, nullptr, nullptr);
            return m_dc;
        }
        BITMAPINFO info{};
        info.bmiHeader.biSize = sizeof info.bmiHeader;
        info.bmiHeader.biWidth = kWidth;
        info.bmiHeader.biHeight = -kHeight;
        info.bmiHeader.biPlanes = 1;
        info.bmiHeader.biBitCount = 32;
        void* bits = nullptr;
        m_bitmap = CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
        m_pixels = static_cast<const std::uint32_t*>(bits);
        m_dc = CreateCompatibleDC(nullptr);
        SelectObject(m_dc, m_bitmap);
        PatBlt(m_dc, 0, 0, kWidth, kHeight, WHITENESS);
        return m_dc;
    }
    void NewPage() override { ++m_pages; }
    void EndDocument() override {
        if (m_metafile) {
            m_records = CloseEnhMetaFile(m_dc);
            m_dc = nullptr;
        }
        ++m_pages;
    }
    void AbortDocument() noexcept override {}

    // The drawing is kept until the page is gone.
    [[nodiscard]] bool Black(int x, int y) const {
        GdiFlush();
        return (m_pixels[y * kWidth + x] & 0xFFFFFFU) == 0;
    }
    [[nodiscard]] std::wstring Texts() const {
        std::wstring texts;
        EnumEnhMetaFile(nullptr, m_records, &MemoryPage::Collect, &texts, nullptr);
        return texts;
    }
    [[nodiscard]] int Pages() const { return m_pages; }

    static constexpr int kWidth = 800;
    static constexpr int kHeight = 1100;

private:
    static int CALLBACK Collect(HDC, HANDLETABLE*, const ENHMETARECORD* record, int, LPARAM texts) {
        if (record->iType == EMR_EXTTEXTOUTW) {
            const auto* text = reinterpret_cast<const EMREXTTEXTOUTW*>(record);
            const auto* chars = reinterpret_cast<const wchar_t*>(
                reinterpret_cast<const BYTE*>(record) + text->emrtext.offString);
            reinterpret_cast<std::wstring*>(texts)
                ->append(chars, text->emrtext.nChars)
                .append(L"|");
        }
        return 1;
    }

    bool m_metafile;
    HDC m_dc = nullptr;
    HBITMAP m_bitmap = nullptr;
    const std::uint32_t* m_pixels = nullptr;
    HENHMETAFILE m_records = nullptr;
    int m_pages = 0;
};

// The cells of a run, as the renderer puts it on this page.
PixelRect Cells(double column, int line, double length) {
    return PageGeometry({MemoryPage::kWidth, MemoryPage::kHeight})
        .RunRect(column, line, length, {});
}

// The box around every black pixel inside area; empty when there is none.
PixelRect Inked(const MemoryPage& page, const PixelRect& area) {
    PixelRect ink{area.right, area.bottom, area.left, area.top};
    for (int y = area.top; y < area.bottom; ++y) {
        for (int x = area.left; x < area.right; ++x) {
            if (page.Black(x, y)) {
                ink = {std::min(ink.left, x), std::min(ink.top, y), std::max(ink.right, x + 1),
                       std::max(ink.bottom, y + 1)};
            }
        }
    }
    return ink.Width() > 0 ? ink : PixelRect{};
}

void Render(MemoryPage& page, const std::string& list) {
    MeasuringFont measure;
    GdiCanvas canvas(page, measure);
    MemoryFile file(list);
    RenderPrintFile(file, canvas, "lista");
}

TEST(GdiCanvas, MeasuresInAFixedPitchFaceThatBoldDoesNotWiden) {
    MeasuringFont measure;
    const int regular = measure.TextWidth(L"WWWW");
    EXPECT_GT(regular, 0);
    EXPECT_EQ(measure.TextWidth(L"iiii"), regular);
    EXPECT_EQ(measure.TextWidth(L"\u0151\u00E1.."), regular);
    const std::vector<INT> advances = measure.Advances(L"iWi");
    EXPECT_EQ(advances, std::vector<INT>(3, regular / 4));
    measure.SetStyle(true, false);
    EXPECT_EQ(measure.TextWidth(L"iiii"), regular);
    EXPECT_GT(measure.Ascent(), measure.Descent());
}

TEST(GdiCanvas, EachRunFillsItsOwnCellsAndNothingElse) {
    MemoryPage page(false);
    Render(page, "\xAD"
                 "0X\r\n"
                 "ABC\xAD"
                 "KDEF\xAD"
                 "k\r\n"
                 "\r\n"
                 "\xAD"
                 "BWW\xAD"
                 "bMM\r\n");
    const PixelRect abc = Cells(0, 0, 3);
    const PixelRect def = Cells(3, 0, 3);
    const PixelRect wide = Cells(0, 2, 4);
    const PixelRect after = Cells(4, 2, 2);
    for (const auto& [cells, letters] :
         {std::pair{abc, 3}, std::pair{def, 3}, std::pair{after, 2}}) {
        const PixelRect ink = Inked(page, cells);
        // The letters reach across the cells, not only their first column.
        const int letter = cells.Width() / letters;
        EXPECT_LE(ink.left, cells.left + letter / 2) << cells.left;
        EXPECT_GT(ink.right, cells.right - letter) << cells.left;
        EXPECT_GE(ink.Height(), cells.Height() / 2) << cells.left;
    }
    // Double width: two letters over four columns, and the next run after them.
    EXPECT_GE(Inked(page, wide).right, wide.right - wide.Width() / 8);
    const PixelRect whole{0, 0, MemoryPage::kWidth, MemoryPage::kHeight};
    const PixelRect all = Inked(page, whole);
    EXPECT_GE(all.left, abc.left);
    EXPECT_GE(all.top, abc.top);
    EXPECT_LE(all.right, std::max(def.right, after.right));
    EXPECT_LE(all.bottom, wide.bottom);
    // Nothing between the lines, where no run was.
    EXPECT_EQ(Inked(page, Cells(0, 1, 80)).Width(), 0);
}

TEST(GdiCanvas, ThePageGetsTheLettersOfThePrintTableAsText) {
    MemoryPage page(true);
    Render(page, "\xAD"
                 "0X\r\n"
                 "\x94r\x8Bk \x01\r\n"
                 "\xAD"
                 "L\r\n"
                 "m\xA0sodik\r\n");
    EXPECT_EQ(page.Texts(), L"\u00F6r\u0151k\u00A0\u263A|m\u00E1sodik|");
    EXPECT_EQ(page.Pages(), 2);
}

} // namespace
} // namespace zel::test
