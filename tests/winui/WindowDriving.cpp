#include "WindowDriving.h"

namespace zel::test {

void PumpPending() {
    MSG message{};
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
        HandleMessage(message);
    }
}

bool PumpUntil(const std::function<bool()>& done, int seconds) {
    const ULONGLONG end = GetTickCount64() + static_cast<ULONGLONG>(seconds) * 1000;
    while (!done()) {
        if (GetTickCount64() > end) {
            return done();
        }
        MsgWaitForMultipleObjects(0, nullptr, FALSE, 50, QS_ALLINPUT);
        PumpPending();
    }
    return true;
}

void PressKey(HWND control, WPARAM virtualKey) {
    PostMessageW(control, WM_KEYDOWN, virtualKey, 1);
    PostMessageW(control, WM_KEYUP, virtualKey, static_cast<LPARAM>(0xC0000001U));
    PumpPending();
}

std::wstring TextOf(HWND window) {
    wchar_t text[1024] = {};
    SendMessageW(window, WM_GETTEXT, 1024, reinterpret_cast<LPARAM>(text));
    return text;
}

RECT BoundsOf(HWND window) {
    RECT bounds{};
    GetWindowRect(window, &bounds);
    return bounds;
}

RECT ClientBoundsOf(HWND control) {
    RECT bounds = BoundsOf(control);
    MapWindowPoints(nullptr, GetParent(control), reinterpret_cast<POINT*>(&bounds), 2);
    return bounds;
}

OwnerWindow::OwnerWindow() {
    CreateNative(L"ZelTestOwner", L"Owner", WS_OVERLAPPEDWINDOW, 0, {100, 80, 400, 300}, nullptr);
    m_edit = MakeControl(Handle(), L"EDIT", L"", WS_TABSTOP | WS_BORDER, {10, 10, 200, 21}, 1);
    ShowWindow(Handle(), SW_SHOW);
    SetActiveWindow(Handle());
    SetFocus(m_edit);
}

LRESULT OwnerWindow::OnMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_ENABLE && wParam != 0 && onEnabled) {
        onEnabled();
    }
    if (message == WM_CLOSE) {
        ++closes;
        ShowWindow(Handle(), SW_HIDE);
        return 0;
    }
    return NativeWindow::OnMessage(message, wParam, lParam);
}

} // namespace zel::test
