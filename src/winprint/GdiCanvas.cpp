#include "winprint/GdiCanvas.h"

#include "spool/RunTransform.h"
#include "text/WideText.h"
#include "winprint/MeasuringFont.h"
#include "winprint/PrintDevice.h"

#include <algorithm>
#include <stdexcept>
#include <string>
#include <vector>

namespace zel {
namespace {

// One UTF-16 unit per character, so that each has its own advance; the print table has
// nothing outside the basic plane.
std::wstring Utf16Of(std::u32string_view text) {
    std::wstring wide;
    wide.reserve(text.size());
    for (const char32_t c : text) {
        wide.push_back(c <= 0xFFFF ? static_cast<wchar_t>(c) : L'\uFFFD');
    }
    return wide;
}

[[noreturn]] void Refused() {
    throw std::runtime_error(
        Cp1250FromWide(WideFromUtf8("A nyomtató nem fogadta el a nyomtatást.")));
}

// The text itself is drawn at (1, 1) of the box, baseline below the ascent, so the box alone
// is the world transform.
XFORM RunBoxTransform(const PixelRect& cells, int naturalWidth, int naturalHeight, int ascent,
                      int descent) {
    const GlyphMatrix box = RunBox(cells, naturalWidth, naturalHeight, ascent, descent);
    XFORM world{};
    world.eM11 = static_cast<FLOAT>(box.m11);
    world.eM12 = static_cast<FLOAT>(box.m12);
    world.eM21 = static_cast<FLOAT>(box.m21);
    world.eM22 = static_cast<FLOAT>(box.m22);
    world.eDx = static_cast<FLOAT>(box.dx);
    world.eDy = static_cast<FLOAT>(box.dy);
    return world;
}

} // namespace

GdiCanvas::GdiCanvas(PrintDevice& device, MeasuringFont& measure)
    : m_device(device), m_measure(measure) {}

GdiCanvas::~GdiCanvas() {
    AbortDocument();
}

PageSize GdiCanvas::PrintablePage() {
    return m_device.PrintableArea();
}

void GdiCanvas::BeginDocument(std::string_view title) {
    AbortDocument();
    m_page = m_device.BeginDocument(title);
}

void GdiCanvas::NewPage() {
    if (m_page == nullptr) {
        Refused();
    }
    m_device.NewPage();
}

void GdiCanvas::EndDocument() {
    if (m_page == nullptr) {
        Refused();
    }
    m_page = nullptr;
    DropFont();
    m_device.EndDocument();
}

void GdiCanvas::AbortDocument() noexcept {
    if (m_page != nullptr) {
        m_page = nullptr;
        m_device.AbortDocument();
    }
    DropFont();
}

void GdiCanvas::SetStyle(bool bold, bool italic) {
    m_measure.SetStyle(bold, italic);
    DropFont();
}

int GdiCanvas::TextWidth(std::u32string_view text) {
    return m_measure.TextWidth(Utf16Of(text));
}

HFONT GdiCanvas::DrawingFont() {
    if (m_drawingFont == nullptr) {
        m_drawingFont = CreateFontIndirectW(&m_measure.Description());
        if (m_drawingFont == nullptr) {
            Refused();
        }
    }
    return m_drawingFont;
}

void GdiCanvas::DropFont() noexcept {
    if (m_drawingFont != nullptr) {
        DeleteObject(m_drawingFont);
        m_drawingFont = nullptr;
    }
}

void GdiCanvas::DrawRun(std::u32string_view text, int naturalWidth, int naturalHeight,
                        const PixelRect& target) {
    if (m_page == nullptr) {
        Refused();
    }
    if (naturalWidth <= 0 || naturalHeight <= 0 || target.Width() <= 0 || target.Height() <= 0) {
        return;
    }
    const std::wstring run = Utf16Of(text);
    // The glyphs stand where the screen measured them, as they would on the old bitmap.
    std::vector<INT> advances = m_measure.Advances(run);
    const XFORM box = RunBoxTransform(target, naturalWidth, naturalHeight, m_measure.Ascent(),
                                      m_measure.Descent());
    const HFONT font = DrawingFont();

    const int saved = SaveDC(m_page);
    // The white ground of the old bitmap covers whatever lies below.
    const RECT cells{target.left, target.top, target.right, target.bottom};
    bool drawn =
        saved != 0 &&
        FillRect(m_page, &cells, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH))) != 0 &&
        IntersectClipRect(m_page, cells.left, cells.top, cells.right, cells.bottom) != ERROR &&
        SetGraphicsMode(m_page, GM_ADVANCED) != 0 && SetWorldTransform(m_page, &box) != 0 &&
        SelectObject(m_page, font) != nullptr;
    if (drawn) {
        SetBkMode(m_page, TRANSPARENT);
        SetTextColor(m_page, RGB(0, 0, 0));
        SetTextAlign(m_page, TA_BASELINE | TA_LEFT | TA_NOUPDATECP);
        drawn =
            run.empty() || ExtTextOutW(m_page, 1, 1 + m_measure.Ascent(), 0, nullptr, run.data(),
                                       static_cast<UINT>(run.size()), advances.data()) != 0;
    }
    if (saved != 0) {
        RestoreDC(m_page, saved);
    }
    if (!drawn) {
        Refused();
    }
}

} // namespace zel
