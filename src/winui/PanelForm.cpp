#include "winui/PanelForm.h"

#include "panel/WindowDescription.h"
#include "panel/WindowPlacement.h"
#include "text/WideText.h"

namespace zel {
namespace {

// The outer bounds of a window of this style whose client area is the panel with its
// margins, limited to the screen and centred on it.
Bounds OuterBounds(Bounds panel, DWORD style, DWORD exStyle) {
    RECT frame{};
    AdjustWindowRectEx(&frame, style, FALSE, exStyle);
    const ScreenArea screen{GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
    const auto [width, height] =
        OuterSizeAround({panel.left, panel.top, panel.width, panel.height},
                        frame.right - frame.left, frame.bottom - frame.top, screen);
    const auto [left, top] = CentredOnScreen(width, height, screen);
    return {left, top, width, height};
}

} // namespace

PanelForm::PanelForm(const WindowDescription& description, DWORD style, DWORD exStyle, HWND owner,
                     std::span<const DescribedId> ids, std::string_view firstControl)
    : m_panel(FormPanelOf(description)), m_keptBounds(OuterBounds(m_panel, style, exStyle)) {
    CreateNative(WideFromUtf8(description.name).c_str(), WideFromUtf8(description.title), style,
                 exStyle, m_keptBounds, owner);
    m_controls = BuildControls(Handle(), description, ids);
    m_firstControl = m_controls[firstControl];
}

LRESULT PanelForm::OnMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_ACTIVATE:
        if (m_activation.OnActivate(Handle(), wParam)) {
            return 0;
        }
        break;
    case WM_PAINT: {
        PAINTSTRUCT paint{};
        const HDC dc = BeginPaint(Handle(), &paint);
        RECT edge{m_panel.left, m_panel.top, m_panel.left + m_panel.width,
                  m_panel.top + m_panel.height};
        DrawEdge(dc, &edge, BDR_RAISEDINNER, BF_RECT);
        EndPaint(Handle(), &paint);
        return 0;
    }
    case WM_WINDOWPOSCHANGING:
        if (auto& change = *reinterpret_cast<WINDOWPOS*>(lParam);
            (change.flags & SWP_NOSIZE) == 0) {
            change.cx = m_keptBounds.width;
            change.cy = m_keptBounds.height;
        }
        return 0;
    default:
        break;
    }
    return NativeWindow::OnMessage(message, wParam, lParam);
}

} // namespace zel
