#pragma once
// Where the glyphs of a run land on a printer page: from the run's natural box (its text at
// (1, 1), baseline below the ascent) onto its cells. The faces draw with their own means, but
// each places the run by the same arithmetic, so a run fills the same cells on every printer.

#include "spool/Canvas.h"

namespace zel {

// (x, y) goes to (m11 x + m21 y + dx, m12 x + m22 y + dy).
struct GlyphMatrix {
    double m11 = 1;
    double m12 = 0;
    double m21 = 0;
    double m22 = 1;
    double dx = 0;
    double dy = 0;
};

// The natural box onto the cells. The box is 1.7 mean letters high, which held the old printer
// face whole; a face with taller ascenders and descenders is pressed into it rather than losing
// its descenders.
[[nodiscard]] GlyphMatrix RunBox(const PixelRect& cells, int naturalWidth, int naturalHeight,
                                 int ascent, int descent);

// The glyphs, drawn with their baseline at (0, 0), onto the cells, squeezed across by squeeze.
[[nodiscard]] GlyphMatrix RunTransform(const PixelRect& cells, int naturalWidth, int naturalHeight,
                                       double squeeze, int ascent, int descent);

} // namespace zel
