#include "winui/ControlParent.h"

namespace zel {
namespace {

constexpr const wchar_t* kClassName = L"ZelPanel";

LRESULT CALLBACK PanelProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_COMMAND:
    case WM_NOTIFY:
    case WM_DRAWITEM:
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORLISTBOX:
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLORBTN:
        return SendMessageW(GetAncestor(window, GA_ROOT), message, wParam, lParam);
    case WM_PAINT:
        if (GetWindowLongPtrW(window, GWLP_USERDATA) == static_cast<LONG_PTR>(PanelEdge::Raised)) {
            PAINTSTRUCT paint{};
            const HDC context = BeginPaint(window, &paint);
            RECT edge{};
            GetClientRect(window, &edge);
            DrawEdge(context, &edge, BDR_RAISEDINNER, BF_RECT);
            EndPaint(window, &paint);
            return 0;
        }
        break;
    default:
        break;
    }
    return DefWindowProcW(window, message, wParam, lParam);
}

} // namespace

HWND MakeControlParent(HWND parent, Bounds bounds, PanelEdge edge) {
    static const bool registered = [] {
        WNDCLASSEXW windowClass{};
        windowClass.cbSize = sizeof windowClass;
        windowClass.lpfnWndProc = &PanelProcedure;
        windowClass.hInstance = GetModuleHandleW(nullptr);
        windowClass.hCursor = LoadCursorW(nullptr, MAKEINTRESOURCEW(32512)); // IDC_ARROW
        windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
        windowClass.lpszClassName = kClassName;
        return RegisterClassExW(&windowClass) != 0;
    }();
    (void)registered;
    const HWND panel =
        MakeControl(parent, kClassName, L"", WS_CLIPSIBLINGS, bounds, 0, WS_EX_CONTROLPARENT);
    SetWindowLongPtrW(panel, GWLP_USERDATA, static_cast<LONG_PTR>(edge));
    return panel;
}

} // namespace zel
