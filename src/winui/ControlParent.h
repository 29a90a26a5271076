#pragma once
// The forms' panels and tab sheets: windows that only hold controls. What their controls
// report (commands, notifications, colours, owner drawing) goes on to the top-level window,
// so that one window answers every control wherever it lies.

#include "winui/Controls.h"

namespace zel {

enum class PanelEdge { None, Raised };

// Tab, the arrow keys and mnemonics reach the controls inside, as in a dialog.
HWND MakeControlParent(HWND parent, Bounds bounds, PanelEdge edge);

} // namespace zel
