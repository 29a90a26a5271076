#pragma once
// Where the launcher's windows stand: the one place both faces ask, so that a window is
// centred alike on both systems. Sizes are outer sizes where the face knows its frame.

#include "panel/MainView.h"

#include <utility>

namespace zel {

// A window's rectangle on the screen.
struct ScreenRect {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
};

// Where a window stands when centred on a screen; a window larger than the screen goes to
// its top left corner.
[[nodiscard]] std::pair<int, int> CentredOnScreen(int width, int height, ScreenArea screen);
// Where a window stands when centred over another: their middles meet, each halved to whole
// pixels as the old panel did, even where it then leaves the screen.
[[nodiscard]] std::pair<int, int> CentredOver(int width, int height, ScreenRect area);
// The outer size of a dialog whose client area is its panel with the panel's own margins on
// every side, its frame adding frameWidth and frameHeight; never larger than the screen.
[[nodiscard]] std::pair<int, int> OuterSizeAround(ScreenRect panel, int frameWidth, int frameHeight,
                                                  ScreenArea screen);

} // namespace zel
