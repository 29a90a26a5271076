#include "panel/WindowPlacement.h"

#include <algorithm>

namespace zel {

std::pair<int, int> CentredOnScreen(int width, int height, ScreenArea screen) {
    const int w = std::min(width, screen.width);
    const int h = std::min(height, screen.height);
    return {(screen.width - w) / 2, (screen.height - h) / 2};
}

std::pair<int, int> CentredOver(int width, int height, ScreenRect area) {
    return {area.left + area.width / 2 - width / 2, area.top + area.height / 2 - height / 2};
}

std::pair<int, int> OuterSizeAround(ScreenRect panel, int frameWidth, int frameHeight,
                                    ScreenArea screen) {
    return {std::min(panel.width + 2 * panel.left + frameWidth, screen.width),
            std::min(panel.height + 2 * panel.top + frameHeight, screen.height)};
}

} // namespace zel
