#pragma once
// Enter and Escape in a control whose form answers them itself: the control asks the dialog
// key handling for the two keys, so they reach the form's key handler instead of becoming the
// default button's or Cancel's command.

#include "panel/PanelKeys.h"
#include "winui/Win32Ui.h"

#include <functional>

namespace zel {

// handler answers whether it took the key; a key it leaves goes on as usual.
void ForwardDialogKeys(HWND control, std::function<bool(Key)> handler);

} // namespace zel
