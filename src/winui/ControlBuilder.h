#pragma once
// Makes a window's native controls from its description (panel/WindowDescription.h): the one
// place where the Win32 face turns names, kinds, captions, rectangles and fonts into child
// windows. A described panel is no child window: the window draws it (winui/FormPanel.h) and
// the controls on it stand at its offset.

#include "winui/Controls.h"

#include <span>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace zel {

struct FontDescription;
struct WindowDescription;

// The WM_COMMAND identifier of a described control; one not listed has none.
struct DescribedId {
    std::string_view name;
    int id = 0;
};

class DescribedControls final {
public:
    // The control of that name; a name the description lacks is a fault of the face.
    [[nodiscard]] HWND operator[](std::string_view name) const;

private:
    friend DescribedControls BuildControls(HWND window, const WindowDescription& description,
                                           std::span<const DescribedId> ids);
    std::vector<std::pair<std::string_view, HWND>> m_controls;
};

// Makes the described controls on window in their tab order, and gives it its font.
DescribedControls BuildControls(HWND window, const WindowDescription& description,
                                std::span<const DescribedId> ids = {});

// The window's panel where its first control is one, else an empty rectangle.
[[nodiscard]] Bounds FormPanelOf(const WindowDescription& description);
[[nodiscard]] HFONT FontOf(const FontDescription& font);
// The size text takes on a control in its font, drawn with these DrawTextW flags.
[[nodiscard]] SIZE TextExtent(HWND control, const std::wstring& text, UINT format);

} // namespace zel
