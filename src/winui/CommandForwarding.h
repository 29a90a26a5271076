#pragma once
// A described control's WM_COMMAND as the panel takes it: the click, text change, entry, tick
// or choice of the control of that form name. The windows keep only what the window system
// itself decides (closing, the keyboard's Enter and Escape ids).

#include "winui/Win32Ui.h"

#include <string_view>

namespace zel {

class ControlEvents;

// control sent notification; name is its form name, empty for a control the window did not
// describe.
void ForwardCommand(ControlEvents& events, std::string_view name, HWND control, int notification);

} // namespace zel
