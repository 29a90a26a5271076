#pragma once
// The three pictures of the message window, drawn once with GDI onto the button face: the
// form showed them transparent, so the face colour is what shows around each symbol.

#include "winui/Win32Ui.h"

namespace zel {

// 32 x 32 bitmaps, kept for the life of the program.
[[nodiscard]] HBITMAP ErrorPicture();
[[nodiscard]] HBITMAP WarningPicture();
[[nodiscard]] HBITMAP InformationPicture();

} // namespace zel
