#pragma once
// The pictures of the panel's picture buttons, drawn with GDI in the same shapes as the Qt
// face's: each has its enabled form and a grey one for a disabled button.

#include "winui/Win32Ui.h"

namespace zel {

// 18 x 18 pixels with its top left corner at (left, top).
void DrawSettingsGlyph(HDC context, int left, int top, bool enabled);
// 9 x 3 pixels.
void DrawBrowseGlyph(HDC context, int left, int top, bool enabled);
// 16 x 16 pixels.
void DrawTickGlyph(HDC context, int left, int top, bool enabled);
void DrawCrossGlyph(HDC context, int left, int top, bool enabled);

} // namespace zel
