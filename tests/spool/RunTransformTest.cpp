#include "spool/RunTransform.h"

#include <gtest/gtest.h>
#include <utility>

namespace zel::test {
namespace {

struct Point {
    double x;
    double y;
};

Point Map(const GlyphMatrix& m, double x, double y) {
    return {m.m11 * x + m.m21 * y + m.dx, m.m12 * x + m.m22 * y + m.dy};
}

const PixelRect kCells{100, 200, 180, 230};

TEST(RunTransform, EveryGlyphStaysInsideItsCells) {
    // A face taller than its box, as the installed monospace face is, and one that fits.
    for (const auto& [ascent, descent] : {std::pair{15, 4}, std::pair{10, 3}}) {
        const GlyphMatrix glyphs = RunTransform(kCells, 50, 17, 1.0, ascent, descent);
        const Point topLeft = Map(glyphs, 0, -ascent);
        const Point bottomRight = Map(glyphs, 48, descent);
        EXPECT_GE(topLeft.x, kCells.left) << ascent;
        EXPECT_GE(topLeft.y, kCells.top) << ascent;
        EXPECT_LE(bottomRight.y, kCells.bottom) << ascent;
        EXPECT_LE(bottomRight.x, kCells.right) << ascent;
    }
}

TEST(RunTransform, TheNaturalBoxFillsTheCellsAndTheTextStartsAtOneOne) {
    // A face that fits its box is not pressed: the box's corners are the cells' corners.
    const GlyphMatrix box = RunBox(kCells, 40, 20, 12, 4);
    const Point far = Map(box, 40, 20);
    EXPECT_DOUBLE_EQ(Map(box, 0, 0).x, kCells.left);
    EXPECT_DOUBLE_EQ(Map(box, 0, 0).y, kCells.top);
    EXPECT_DOUBLE_EQ(far.x, kCells.right);
    EXPECT_DOUBLE_EQ(far.y, kCells.bottom);

    // The glyphs' origin is the text's baseline at (1, 1 + ascent) of the box.
    const GlyphMatrix glyphs = RunTransform(kCells, 40, 20, 0.75, 12, 4);
    const Point origin = Map(glyphs, 0, 0);
    const Point inBox = Map(box, 1, 13);
    EXPECT_DOUBLE_EQ(origin.x, inBox.x);
    EXPECT_DOUBLE_EQ(origin.y, inBox.y);
    // Squeezed across only.
    EXPECT_DOUBLE_EQ(glyphs.m11, box.m11 * 0.75);
    EXPECT_DOUBLE_EQ(glyphs.m22, box.m22);
    EXPECT_EQ(glyphs.m12, 0);
    EXPECT_EQ(glyphs.m21, 0);
}

TEST(RunTransform, ATallFaceIsPressedIntoItsBoxNotCut) {
    // Ascent and descent of 19 with the one pixel above make 21 for a box of 17.
    const GlyphMatrix box = RunBox(kCells, 50, 17, 15, 5);
    EXPECT_DOUBLE_EQ(box.m22, 30.0 / 21);
    EXPECT_DOUBLE_EQ(Map(box, 0, 21).y, kCells.bottom);
}

} // namespace
} // namespace zel::test
