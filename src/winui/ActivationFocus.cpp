#include "winui/ActivationFocus.h"

namespace zel {

bool ActivationFocus::OnActivate(HWND window, WPARAM wParam) {
    if (LOWORD(wParam) == WA_INACTIVE) {
        const HWND focus = GetFocus();
        if (focus != nullptr && IsChild(window, focus)) {
            m_control = focus;
        }
        return false;
    }
    const HWND control = m_control != nullptr && IsWindow(m_control) && IsChild(window, m_control)
                             ? m_control
                             : m_firstControl;
    if (control != nullptr) {
        SetFocus(control);
    }
    return true;
}

} // namespace zel
