#include "winui/NativeWindow.h"

#include <set>
#include <string>

namespace zel {

NativeWindow::~NativeWindow() {
    if (m_handle != nullptr) {
        SetWindowLongPtrW(m_handle, GWLP_USERDATA, 0);
        DestroyWindow(m_handle);
    }
}

void NativeWindow::CreateNative(const wchar_t* className, std::wstring_view title, DWORD style,
                                DWORD exStyle, Bounds bounds, HWND owner) {
    static std::set<std::wstring> registered;
    const HINSTANCE instance = GetModuleHandleW(nullptr);
    if (registered.insert(className).second) {
        WNDCLASSEXW windowClass{};
        windowClass.cbSize = sizeof windowClass;
        windowClass.lpfnWndProc = &NativeWindow::Dispatch;
        windowClass.hInstance = instance;
        windowClass.hCursor = LoadCursorW(nullptr, MAKEINTRESOURCEW(32512)); // IDC_ARROW
        windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
        windowClass.hIcon = LoadIconW(instance, MAKEINTRESOURCEW(1));
        windowClass.lpszClassName = className;
        RegisterClassExW(&windowClass);
    }
    const std::wstring caption(title);
    CreateWindowExW(exStyle | WS_EX_CONTROLPARENT, className, caption.c_str(), style, bounds.left,
                    bounds.top, bounds.width, bounds.height, owner, nullptr, instance, this);
}

LRESULT NativeWindow::OnMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    return DefWindowProcW(m_handle, message, wParam, lParam);
}

bool NativeWindow::PreTranslate(const MSG&) {
    return false;
}

NativeWindow* NativeWindow::FromHandle(HWND handle) {
    if (handle == nullptr || GetWindowLongPtrW(handle, GWLP_WNDPROC) !=
                                 reinterpret_cast<LONG_PTR>(&NativeWindow::Dispatch)) {
        return nullptr;
    }
    return reinterpret_cast<NativeWindow*>(GetWindowLongPtrW(handle, GWLP_USERDATA));
}

LRESULT CALLBACK NativeWindow::Dispatch(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCCREATE) {
        const auto* creation = reinterpret_cast<const CREATESTRUCTW*>(lParam);
        auto* self = static_cast<NativeWindow*>(creation->lpCreateParams);
        self->m_handle = window;
        SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
    }
    auto* self = reinterpret_cast<NativeWindow*>(GetWindowLongPtrW(window, GWLP_USERDATA));
    if (self == nullptr) {
        return DefWindowProcW(window, message, wParam, lParam);
    }
    if (message == WM_NCDESTROY) {
        self->m_handle = nullptr;
        SetWindowLongPtrW(window, GWLP_USERDATA, 0);
        return DefWindowProcW(window, message, wParam, lParam);
    }
    return self->OnMessage(message, wParam, lParam);
}

int RunMessageLoop() {
    MSG message{};
    while (GetMessageW(&message, nullptr, 0, 0) > 0) {
        HandleMessage(message);
    }
    return static_cast<int>(message.wParam);
}

void HandleMessage(MSG& message) {
    const HWND root = GetAncestor(message.hwnd, GA_ROOT);
    if (NativeWindow* window = NativeWindow::FromHandle(root);
        window != nullptr && window->PreTranslate(message)) {
        return;
    }
    if (root != nullptr && IsDialogMessageW(root, &message)) {
        return;
    }
    TranslateMessage(&message);
    DispatchMessageW(&message);
}

} // namespace zel
