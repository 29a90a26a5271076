#pragma once
// A window that loses activation and gets it back has the focus in the control that had it,
// as a dialog does; left to DefWindowProc the window itself would take it, and the keys would
// reach no control.

#include "winui/Win32Ui.h"

namespace zel {

class ActivationFocus final {
public:
    explicit ActivationFocus(HWND& firstControl) : m_firstControl(firstControl) {}

    // For the window's WM_ACTIVATE; whether it was handled.
    bool OnActivate(HWND window, WPARAM wParam);

private:
    HWND& m_firstControl;
    HWND m_control = nullptr;
};

} // namespace zel
