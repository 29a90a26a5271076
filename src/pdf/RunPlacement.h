#pragma once
// Where a run of text lands on a page, in device pixels: the cells it covers, and the matrix
// that maps its glyphs, drawn with the baseline at (0, 0), onto them.

namespace zel {

struct CellBox {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
};

// (x, y) goes to (m11 x + m21 y + dx, m12 x + m22 y + dy).
struct GlyphMatrix {
    double m11 = 1;
    double m12 = 0;
    double m21 = 0;
    double m22 = 1;
    double dx = 0;
    double dy = 0;
};

struct RunPlacement {
    CellBox cells;
    GlyphMatrix glyphs;
};

} // namespace zel
