#pragma once
// The control that had the focus before a dialog was shown gets it back when the dialog
// closes, as Windows does for a modal dialog: Escape and Enter go on working there.

#include "winui/Win32Ui.h"

namespace zel {

class FocusReturn final {
public:
    // Remembers the focused control, unless one is remembered already.
    void Remember();
    // Its window is activated first: the focus cannot go to a control of an inactive window.
    void GiveBack();

private:
    HWND m_control = nullptr;
    bool m_remembered = false;
};

} // namespace zel
