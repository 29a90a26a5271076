#include "winui/FormPanel.h"

#include "panel/WindowPlacement.h"

#include <algorithm>

namespace zel {

Bounds PanelFormBounds(Bounds panel, DWORD style, DWORD exStyle) {
    RECT frame{0, 0, panel.width + 2 * panel.left, panel.height + 2 * panel.top};
    AdjustWindowRectEx(&frame, style, FALSE, exStyle);
    const ScreenArea screen{GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
    const int width = std::min(static_cast<int>(frame.right - frame.left), screen.width);
    const int height = std::min(static_cast<int>(frame.bottom - frame.top), screen.height);
    const auto [left, top] = CentredOnScreen(width, height, screen);
    return {left, top, width, height};
}

Bounds OnPanel(Bounds panel, Bounds bounds) {
    return {panel.left + bounds.left, panel.top + bounds.top, bounds.width, bounds.height};
}

std::optional<LRESULT> PanelFormMessage(HWND window, Bounds panel, Bounds kept, UINT message,
                                        LPARAM lParam) {
    if (message == WM_PAINT) {
        PAINTSTRUCT paint{};
        const HDC dc = BeginPaint(window, &paint);
        RECT edge{panel.left, panel.top, panel.left + panel.width, panel.top + panel.height};
        DrawEdge(dc, &edge, BDR_RAISEDINNER, BF_RECT);
        EndPaint(window, &paint);
        return 0;
    }
    if (message == WM_WINDOWPOSCHANGING) {
        auto& change = *reinterpret_cast<WINDOWPOS*>(lParam);
        if ((change.flags & SWP_NOSIZE) == 0) {
            change.cx = kept.width;
            change.cy = kept.height;
        }
        return 0;
    }
    return std::nullopt;
}

} // namespace zel
