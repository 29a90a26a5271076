#pragma once
// Makes a window's native controls from its description (panel/WindowDescription.h): the one
// place where the Win32 face turns names, kinds, captions, rectangles and fonts into child
// windows. A described panel is no child window: the window draws it (winui/PanelForm.h) and
// the controls on it stand at its offset.

#include "winui/Controls.h"

#include <span>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace zel {

struct ControlDescription;
struct FontDescription;
struct WindowDescription;

// The WM_COMMAND identifier of a described control; one not listed has none.
struct DescribedId {
    std::string_view name;
    int id = 0;
};

// A control of a window part as this face makes it: its identifier, and the styles its
// stacking needs, since a child made earlier lies above one made later.
struct NativeControl {
    std::string_view name;
    int id = 0;
    DWORD extraStyle = 0;
};

class DescribedControls final {
public:
    // The control of that name; a name the description lacks is a fault of the face.
    [[nodiscard]] HWND operator[](std::string_view name) const;
    // The name of a control made here; empty for any other.
    [[nodiscard]] std::string_view NameOf(HWND control) const;

private:
    friend DescribedControls BuildControls(HWND window, const WindowDescription& description,
                                           std::span<const DescribedId> ids);
    friend DescribedControls BuildPart(HWND holder, std::span<const ControlDescription> part,
                                       std::span<const NativeControl> order);
    std::vector<std::pair<std::string_view, HWND>> m_controls;
};

// Makes the described controls on window in their tab order, and gives it its font.
DescribedControls BuildControls(HWND window, const WindowDescription& description,
                                std::span<const DescribedId> ids = {});

// Makes the controls of a part of a window in the order given: its panels as windows of their
// own on holder, each other control on the panel it names, or on holder where that panel is
// an earlier part's.
DescribedControls BuildPart(HWND holder, std::span<const ControlDescription> part,
                            std::span<const NativeControl> order);

// The window's panel where its first control is one, else an empty rectangle.
[[nodiscard]] Bounds FormPanelOf(const WindowDescription& description);
[[nodiscard]] HFONT FontOf(const FontDescription& font);
// The size text takes on a control in its font, drawn with these DrawTextW flags.
[[nodiscard]] SIZE TextExtent(HWND control, const std::wstring& text, UINT format);

} // namespace zel
