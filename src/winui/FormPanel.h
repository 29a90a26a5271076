#pragma once
// The old dialogs put every control on one raised panel with an equal margin all round, and
// kept the window at that size: the panel's bevel, and the window's size worked out from it.

#include "winui/Controls.h"

#include <optional>

namespace zel {

// The outer bounds of a window of this style whose client area is the panel with its
// margins, limited to the screen and centred on it.
[[nodiscard]] Bounds PanelFormBounds(Bounds panel, DWORD style, DWORD exStyle);

// A position the form gave on the panel, in the window's client area.
[[nodiscard]] Bounds OnPanel(Bounds panel, Bounds bounds);

// What every such window answers alike: WM_PAINT draws the panel's raised edge, and
// WM_WINDOWPOSCHANGING keeps the window at its size, so the user cannot change it. Nothing
// for any other message.
[[nodiscard]] std::optional<LRESULT> PanelFormMessage(HWND window, Bounds panel, Bounds kept,
                                                      UINT message, LPARAM lParam);

} // namespace zel
