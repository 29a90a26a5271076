#pragma once
// TForm1 described in the parts its faces make at different times: the page control at
// creation, the install box with the first page, the print page with the window and its job
// lists when that page is first shown. Names are unique across all parts, as both faces find
// a control by name anywhere in the window.

#include "panel/PanelKeys.h"
#include "panel/WindowDescription.h"

#include <array>
#include <cstddef>
#include <optional>
#include <span>
#include <string_view>

namespace zel {

// PageControl1, then its pages in tab order.
[[nodiscard]] std::span<const ControlDescription> MainWindowPages();
// A row page by its index in kRowPageYears: the two products' panels, each with its heading
// and its rows, the years rising downwards.
[[nodiscard]] std::span<const ControlDescription> RowPageDescription(std::size_t page);

// The names of a row's year button, drive box and settings button (A17, A17PATH, sa17).
struct RowControlNames {
    std::string_view year;
    std::string_view drive;
    std::string_view settings;
};
[[nodiscard]] RowControlNames RowControlNamesOf(int slot);
// The slot whose row has a control of that name; 0 for any other name.
[[nodiscard]] int RowSlotOf(std::string_view controlName);
// The slot of a control a face made, by its name and its parent's: a part the toolkit makes
// inside a described control, such as a drive box's edit field, belongs to that control.
[[nodiscard]] int RowSlotOfControl(std::string_view name, std::string_view parentName);

// Panel4 and what lies on it, on the first row page.
[[nodiscard]] std::span<const ControlDescription> InstallBoxDescription();
// The install box's controls that serve only an installation from another path.
inline constexpr std::array<std::string_view, 3> kOtherPathControls = {"NPATH", "NBROWSE",
                                                                       "NBROWSEPIC"};
// Panel6 and what lies on it, on the print page.
[[nodiscard]] std::span<const ControlDescription> PrintPageDescription();
// The job tables and their headings, on Panel6.
[[nodiscard]] std::span<const ControlDescription> JobListsDescription();

// The sender the panel knows a control's keys by; none: the control keeps its keys. A row's
// controls send as KeySender::Row, which the face knows by the row's slot.
[[nodiscard]] std::optional<KeySender> KeySenderOf(std::string_view controlName);

// The page, by its index in tab order, whose tab's mnemonic is key pressed with Alt (an ASCII
// letter in either case); the first where two tabs share it. A tab's mnemonic comes before
// any control's.
[[nodiscard]] std::optional<std::size_t> PageOfMnemonic(char32_t key);

} // namespace zel
