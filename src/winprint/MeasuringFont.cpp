#include "winprint/MeasuringFont.h"

#include <stdexcept>
#include <string>

namespace zel {
namespace {

constexpr int kPrintPointSize = 24;

} // namespace

MeasuringFont::MeasuringFont() : m_screen(CreateCompatibleDC(nullptr)) {
    if (m_screen == nullptr) {
        throw std::runtime_error("no screen context for measuring the print font");
    }
    m_description.lfHeight = -MulDiv(kPrintPointSize, GetDeviceCaps(m_screen, LOGPIXELSY), 72);
    m_description.lfWeight = FW_NORMAL;
    m_description.lfCharSet = DEFAULT_CHARSET;
    m_description.lfOutPrecision = OUT_TT_PRECIS;
    // Where the face is missing, a fixed-pitch one keeps the columns.
    m_description.lfPitchAndFamily = FIXED_PITCH | FF_MODERN;
    std::wstring_view(L"Lucida Console").copy(m_description.lfFaceName, LF_FACESIZE - 1);
    Realize();
}

MeasuringFont::~MeasuringFont() {
    DeleteDC(m_screen);
    DeleteObject(m_font);
}

void MeasuringFont::SetStyle(bool bold, bool italic) {
    const LONG weight = bold ? FW_BOLD : FW_NORMAL;
    const BYTE slanted = italic ? TRUE : FALSE;
    if (m_description.lfWeight == weight && m_description.lfItalic == slanted) {
        return;
    }
    m_description.lfWeight = weight;
    m_description.lfItalic = slanted;
    Realize();
}

void MeasuringFont::Realize() {
    const HFONT font = CreateFontIndirectW(&m_description);
    if (font == nullptr) {
        throw std::runtime_error("the print font cannot be made");
    }
    SelectObject(m_screen, font);
    DeleteObject(m_font);
    m_font = font;
    GetTextMetricsW(m_screen, &m_metrics);
}

int MeasuringFont::TextWidth(std::wstring_view text) const {
    SIZE size{};
    if (text.empty() ||
        !GetTextExtentPoint32W(m_screen, text.data(), static_cast<int>(text.size()), &size)) {
        return 0;
    }
    return size.cx;
}

std::vector<INT> MeasuringFont::Advances(std::wstring_view text) const {
    std::vector<INT> ends(text.size());
    SIZE size{};
    if (text.empty() || !GetTextExtentExPointW(m_screen, text.data(), static_cast<int>(text.size()),
                                               0, nullptr, ends.data(), &size)) {
        return ends;
    }
    for (std::size_t i = ends.size() - 1; i > 0; --i) {
        ends[i] -= ends[i - 1];
    }
    return ends;
}

} // namespace zel
