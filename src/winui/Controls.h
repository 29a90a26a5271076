#pragma once
// Native controls as the old panel's forms placed them: child windows at the forms' pixel
// positions, in the forms' "MS Sans Serif" 8 point face, texts in and out as code page 1250.

#include "winui/Win32Ui.h"

#include <string>
#include <string_view>

namespace zel {

struct Bounds {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;

    friend bool operator==(const Bounds&, const Bounds&) = default;
};

// "MS Sans Serif" 8 point, made once and kept for the life of the program.
[[nodiscard]] HFONT FormFont();
// A face of the given name and pixel height (negative: the character height, as the forms
// give it), made once per name, height and weight.
[[nodiscard]] HFONT NamedFont(std::wstring_view faceName, int height, bool bold = false);

// The common controls' window classes (tabs, progress bars, tool tips, lists), registered
// once before a window makes any.
void UseCommonControls();

// A visible child control in the form's face; id is its WM_COMMAND identifier.
HWND MakeControl(HWND parent, const wchar_t* windowClass, std::wstring_view text, DWORD style,
                 Bounds bounds, int id, DWORD exStyle = 0);

[[nodiscard]] std::wstring WindowTextOf(HWND window);
// Code page 1250.
[[nodiscard]] std::string ControlText(HWND control);
void SetControlText(HWND control, std::string_view cp1250);

} // namespace zel
