#include "winui/DialogKeys.h"

namespace zel {
namespace {

using KeyHandler = std::function<bool(Key)>;

Key KeyOf(WPARAM virtualKey) {
    return virtualKey == VK_RETURN   ? Key::Enter
           : virtualKey == VK_ESCAPE ? Key::Escape
                                     : Key::Other;
}

LRESULT CALLBACK KeySubclass(HWND control, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR id,
                             DWORD_PTR data) {
    auto* handler = reinterpret_cast<KeyHandler*>(data);
    switch (message) {
    case WM_GETDLGCODE: {
        const auto* key = reinterpret_cast<const MSG*>(lParam);
        if (key != nullptr && key->message == WM_KEYDOWN && KeyOf(key->wParam) != Key::Other) {
            return DefSubclassProc(control, message, wParam, lParam) | DLGC_WANTMESSAGE;
        }
        break;
    }
    case WM_KEYDOWN:
        if (KeyOf(wParam) != Key::Other && (*handler)(KeyOf(wParam))) {
            return 0;
        }
        break;
    case WM_CHAR:
        // The key's character would only beep in an edit field.
        if (wParam == L'\r' || wParam == 0x1B) {
            return 0;
        }
        break;
    case WM_NCDESTROY:
        RemoveWindowSubclass(control, &KeySubclass, id);
        delete handler;
        break;
    default:
        break;
    }
    return DefSubclassProc(control, message, wParam, lParam);
}

} // namespace

void ForwardDialogKeys(HWND control, std::function<bool(Key)> handler) {
    auto* owned = new KeyHandler(std::move(handler));
    SetWindowSubclass(control, &KeySubclass, 1, reinterpret_cast<DWORD_PTR>(owned));
}

} // namespace zel
