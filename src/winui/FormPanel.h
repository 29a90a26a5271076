#pragma once
// The old dialogs put every control on one raised panel with an equal margin all round, and
// kept the window at that size: the panel's bevel, and the window's size worked out from it.

#include "winui/Controls.h"

namespace zel {

// The outer bounds of a window of this style whose client area is the panel with its
// margins, limited to the screen and centred on it.
[[nodiscard]] Bounds PanelFormBounds(Bounds panel, DWORD style, DWORD exStyle);

// Draws the panel's raised edge; for the window's WM_PAINT.
void PaintPanel(HWND window, Bounds panel);

// For WM_WINDOWPOSCHANGING: the window keeps its size, so the user cannot change it.
void KeepSize(WINDOWPOS& change, Bounds kept);

} // namespace zel
