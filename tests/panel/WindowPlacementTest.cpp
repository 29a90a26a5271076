#include "panel/WindowPlacement.h"

#include <gtest/gtest.h>

namespace zel {
namespace {

using Place = std::pair<int, int>;

TEST(WindowPlacement, CentresOnTheScreenOrTakesTheCornerWhenLarger) {
    EXPECT_EQ(CentredOnScreen(600, 512, {1024, 768}), Place(212, 128));
    EXPECT_EQ(CentredOnScreen(601, 513, {1024, 768}), Place(211, 127));
    EXPECT_EQ(CentredOnScreen(600, 512, {640, 480}), Place(20, 0));
    EXPECT_EQ(CentredOnScreen(800, 600, {640, 480}), Place(0, 0));
}

// Each middle is halved on its own: an odd window over an even one stands a pixel further
// right and down than centring on the screen puts it, and a larger one leaves the area.
TEST(WindowPlacement, CentresOverAnotherWindowByTheirHalves) {
    EXPECT_EQ(CentredOver(338, 92, {100, 50, 600, 512}), Place(231, 260));
    EXPECT_EQ(CentredOver(355, 131, {0, 0, 1024, 768}), Place(335, 319));
    EXPECT_EQ(CentredOver(355, 131, {-10, -20, 355, 131}), Place(-10, -20));
    EXPECT_EQ(CentredOver(800, 600, {0, 0, 640, 480}), Place(-80, -60));
}

// The settings dialog's panel at (8, 8) in a frame of 8 by 27: each side on its own keeps
// within a small screen.
TEST(WindowPlacement, ADialogIsItsPanelWithMarginsAndFrameWithinTheScreen) {
    const ScreenRect panel{8, 8, 418, 200};
    EXPECT_EQ(OuterSizeAround(panel, 8, 27, {1024, 768}), Place(442, 243));
    EXPECT_EQ(OuterSizeAround(panel, 8, 27, {440, 768}), Place(440, 243));
    EXPECT_EQ(OuterSizeAround(panel, 8, 27, {1024, 240}), Place(442, 240));
}

} // namespace
} // namespace zel
