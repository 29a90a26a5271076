// The least a Win32 window program does before a user can use it: one window with a label
// and a button in the forms' face, shown, and its event loop running.

#include <initializer_list>
#include <windows.h>

namespace {

LRESULT CALLBACK Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_DESTROY) {
        PostQuitMessage(0);
        return 0;
    }
    return DefWindowProcW(window, message, wParam, lParam);
}

} // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE /*previous*/, LPSTR /*commandLine*/, int show) {
    WNDCLASSEXW windowClass{};
    windowClass.cbSize = sizeof windowClass;
    windowClass.lpfnWndProc = &Procedure;
    windowClass.hInstance = instance;
    windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    windowClass.lpszClassName = L"MinimalWin32";
    RegisterClassExW(&windowClass);
    const HWND window =
        CreateWindowExW(0, L"MinimalWin32", L"Minimal", WS_OVERLAPPEDWINDOW, CW_USEDEFAULT,
                        CW_USEDEFAULT, 300, 120, nullptr, nullptr, instance, nullptr);
    const HFONT font = CreateFontW(-11, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, EASTEUROPE_CHARSET,
                                   0, 0, 0, 0, L"MS Sans Serif");
    for (const HWND control :
         {CreateWindowExW(0, L"STATIC", L"Egy felirat", WS_CHILD | WS_VISIBLE, 10, 10, 200, 13,
                          window, nullptr, instance, nullptr),
          CreateWindowExW(0, L"BUTTON", L"&OK", WS_CHILD | WS_VISIBLE | WS_TABSTOP, 10, 40, 75, 25,
                          window, nullptr, instance, nullptr)}) {
        SendMessageW(control, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
    }
    ShowWindow(window, show);
    UpdateWindow(window);
    MSG message{};
    while (GetMessageW(&message, nullptr, 0, 0) > 0) {
        if (!IsDialogMessageW(window, &message)) {
            TranslateMessage(&message);
            DispatchMessageW(&message);
        }
    }
    DeleteObject(font);
    return static_cast<int>(message.wParam);
}
