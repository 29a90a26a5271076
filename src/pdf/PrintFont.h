#pragma once
// The font a job is measured and drawn in. Runs keep the widths the screen measured, whatever
// the printer's resolution: the page is laid out in the cells of a character printer, not in
// the printer's own metrics. The face draws them sized in pixels, and its own advances are
// squeezed to those widths.

#include "pdf/FontFace.h"

#include <string_view>

namespace zel {

class PrintFont {
public:
    virtual ~PrintFont() = default;

    virtual void SetStyle(bool bold, bool italic) = 0;
    // The screen's measures, in pixels.
    [[nodiscard]] virtual int TextWidth(std::u32string_view text) const = 0;
    [[nodiscard]] virtual int Ascent() const = 0;
    [[nodiscard]] virtual int Descent() const = 0;
    // The face of the style in force, its size in pixels, and its own advance of text at that
    // size.
    [[nodiscard]] virtual const FontFace& Face() const = 0;
    [[nodiscard]] virtual double PixelSize() const = 0;
    [[nodiscard]] virtual double DrawnWidth(std::u32string_view text) const = 0;
};

} // namespace zel
