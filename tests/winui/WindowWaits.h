#pragma once
// Waiting for another process's windows and what they show: every wait has its limit and
// ends as soon as its condition holds.

#include "winui/Win32Ui.h"

#include <functional>
#include <string>
#include <string_view>

namespace zel::test {

// Asks condition every few milliseconds, leaving other processes to run; false when
// milliseconds passed first.
bool WaitUntil(const std::function<bool()>& condition, int milliseconds);

// A visible top-level window of the class that belongs to the process (processId 0: to any
// process); null when none.
[[nodiscard]] HWND VisibleWindowOf(DWORD processId, const wchar_t* className);

// A visible top-level window of the process that shows text in itself or a control.
[[nodiscard]] HWND VisibleWindowShowing(DWORD processId, std::wstring_view text);

// The window's text and the texts of every control in it, one a line.
[[nodiscard]] std::wstring AllTexts(HWND window);

// The first control in window whose text is text; null when none.
[[nodiscard]] HWND ChildWithText(HWND window, std::wstring_view text);

} // namespace zel::test
