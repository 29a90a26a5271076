#include "winui/FocusReturn.h"

namespace zel {

void FocusReturn::Remember() {
    if (!m_remembered) {
        m_control = GetFocus();
        m_remembered = true;
    }
}

void FocusReturn::GiveBack() {
    const HWND control = m_control;
    m_control = nullptr;
    m_remembered = false;
    // The control may have gone while the dialog was up.
    if (control == nullptr || !IsWindow(control) || !IsWindowVisible(control)) {
        return;
    }
    const HWND window = GetAncestor(control, GA_ROOT);
    if (!IsWindowEnabled(window)) {
        return;
    }
    SetActiveWindow(window);
    SetFocus(control);
}

} // namespace zel
