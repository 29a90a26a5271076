#pragma once
// Where a run of text lands on a page, in device pixels: the cells it covers, and the matrix
// that maps its glyphs, drawn with the baseline at (0, 0), onto them.

#include "spool/RunTransform.h"

namespace zel {

struct CellBox {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
};

struct RunPlacement {
    CellBox cells;
    GlyphMatrix glyphs;
};

} // namespace zel
