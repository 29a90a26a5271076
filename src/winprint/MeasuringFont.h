#pragma once
// The screen font that measures every run of a print job ("Lucida Console", 24 points at the
// screen's resolution). Runs keep the proportions they have on screen whatever the printer's
// resolution, because the page is laid out in the cells of a character printer, not in the
// printer's own font metrics.

#include <string_view>
#include <vector>
#include <windows.h>

namespace zel {

class MeasuringFont final {
public:
    MeasuringFont();
    ~MeasuringFont();
    MeasuringFont(const MeasuringFont&) = delete;
    MeasuringFont& operator=(const MeasuringFont&) = delete;

    void SetStyle(bool bold, bool italic);
    [[nodiscard]] int TextWidth(std::wstring_view text) const;
    // The screen's advance of each character, so that a printer draws the glyphs where the
    // screen measured them.
    [[nodiscard]] std::vector<INT> Advances(std::wstring_view text) const;
    [[nodiscard]] int Ascent() const { return m_metrics.tmAscent; }
    [[nodiscard]] int Descent() const { return m_metrics.tmDescent; }
    // The font in the current style, sized in screen pixels: drawn in a context whose logical
    // units are those pixels, it is as large as it measures.
    [[nodiscard]] const LOGFONTW& Description() const { return m_description; }

private:
    void Realize();

    HDC m_screen = nullptr;
    HFONT m_font = nullptr;
    LOGFONTW m_description{};
    TEXTMETRICW m_metrics{};
};

} // namespace zel
