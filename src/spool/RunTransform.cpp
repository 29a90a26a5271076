#include "spool/RunTransform.h"

namespace zel {

GlyphMatrix RunBox(const PixelRect& cells, int naturalWidth, int naturalHeight, int ascent,
                   int descent) {
    const double glyphHeight = 1.0 + ascent + descent;
    GlyphMatrix box;
    box.m11 = static_cast<double>(cells.Width()) / naturalWidth;
    box.m22 = static_cast<double>(cells.Height()) / naturalHeight;
    if (glyphHeight > naturalHeight) {
        box.m22 *= naturalHeight / glyphHeight;
    }
    box.dx = cells.left;
    box.dy = cells.top;
    return box;
}

GlyphMatrix RunTransform(const PixelRect& cells, int naturalWidth, int naturalHeight,
                         double squeeze, int ascent, int descent) {
    GlyphMatrix glyphs = RunBox(cells, naturalWidth, naturalHeight, ascent, descent);
    glyphs.dx += glyphs.m11;
    glyphs.dy += (1.0 + ascent) * glyphs.m22;
    glyphs.m11 *= squeeze;
    return glyphs;
}

} // namespace zel
