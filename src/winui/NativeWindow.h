#pragma once
// A top-level window of the face: its class is registered once, and its messages reach the
// object that made it, from WM_NCCREATE until the window is destroyed.

#include "winui/Controls.h"

#include <string_view>

namespace zel {

class NativeWindow {
public:
    NativeWindow() = default;
    virtual ~NativeWindow();
    NativeWindow(const NativeWindow&) = delete;
    NativeWindow& operator=(const NativeWindow&) = delete;

    [[nodiscard]] HWND Handle() const { return m_handle; }

    // The face's window that handle is, or nothing for any other window.
    [[nodiscard]] static NativeWindow* FromHandle(HWND handle);

    // A message for this window or one of its controls, before the dialog keys see it; true
    // when it was handled here.
    virtual bool PreTranslate(const MSG& message);

protected:
    // bounds are the window's outer rectangle, as the forms gave Left, Top, Width, Height.
    void CreateNative(const wchar_t* className, std::wstring_view title, DWORD style, DWORD exStyle,
                      Bounds bounds, HWND owner);
    // Everything not handled goes to DefWindowProcW.
    virtual LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam);

private:
    static LRESULT CALLBACK Dispatch(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

    HWND m_handle = nullptr;
};

// The face's event loop until WM_QUIT: dialog keys (Tab, arrows, mnemonics, Enter, Escape)
// are handled for whichever top-level window the message is for. Returns WM_QUIT's code.
int RunMessageLoop();
// One message as the event loop handles it.
void HandleMessage(MSG& message);

} // namespace zel
