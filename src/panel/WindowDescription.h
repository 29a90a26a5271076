#pragma once
// Each window of the launcher described once, as data and without a toolkit: both faces make
// their controls from these descriptions, so that a caption, a position, a font or the tab
// order cannot differ between them. Texts are UTF-8; an & in a caption marks its mnemonic.

#include <span>
#include <string>
#include <string_view>

namespace zel {

enum class ControlKind {
    // A raised panel; the controls that name it as their parent lie on it.
    Panel,
    // A caption; its mnemonic leads to its buddy.
    Label,
    // A text shown as it is given: no mnemonic, no wrapping.
    Text,
    // One of the message pictures, hidden until the face shows it.
    Picture,
    Button,
    Edit,
    CheckBox,
    // A drop-down list of the drives, as a drive combo box lists them.
    DriveList,
    // A row's drive: a drive list whose entry can also be typed.
    DriveBox,
    ProgressBar,
    // One of a group of choices; a group box or panel holds the group.
    RadioButton,
    // A framed caption around the controls that name it as their parent.
    GroupBox,
    // A button showing its glyph alone; its accessible name says what it does.
    PictureButton,
    // A toggle with a glyph beside its caption; the mouse alone presses it.
    SpeedButton,
    // A table of text with a heading row, in the given column widths.
    Grid,
    // The page control, and each of its pages with its tab's caption.
    Pages,
    Page,
};

// The pictures drawn on picture and speed buttons.
enum class Glyph { None, Settings, Browse, Tick, Cross };

enum class Alignment { Left, Right };

// Pixels in the parent's client area, as the forms placed them.
struct ControlRect {
    // As wide as the text in its font: the forms' autosized labels.
    static constexpr int kFitText = 0;
    // Up to the window's right edge.
    static constexpr int kToRightEdge = -1;

    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
};

// A face by its original name at a character height in pixels; no name: the window's font.
struct FontDescription {
    std::string_view face{};
    int pixels = 0;
    bool bold = false;
};

struct ControlDescription {
    // The form's name: the object name the tests and accessibility find it by.
    std::string_view name{};
    ControlKind kind = ControlKind::Label;
    std::string_view caption{};
    ControlRect rect{};
    // The panel it lies on; none: the window itself.
    std::string_view parent{};
    FontDescription font{};
    Alignment alignment = Alignment::Left;
    // The control a label's mnemonic leads to.
    std::string_view buddy{};
    // What a screen reader says, where the caption does not say it.
    std::string_view accessibleName{};
    // The first of a group the arrow keys move through.
    bool startsGroup = false;
    // The button Enter presses wherever the focus is.
    bool isDefault = false;
    bool checked = false;
    // A progress bar's full value, and whether it lies in a sunken box.
    int maximum = 0;
    bool sunken = false;
    Glyph glyph = Glyph::None;
    // Never takes the focus: Tab passes it by.
    bool clickOnly = false;
    std::span<const int> columnWidths{};
    // Shown while the mouse rests on it.
    std::string_view toolTip{};
    // What a screen reader adds after the name: which row a control belongs to.
    std::string_view accessibleDescription{};
};

struct WindowDescription {
    std::string_view name{};
    std::string_view title{};
    FontDescription font{};
    // The window's size; where its first control is a panel, the window is that panel with
    // an equal margin all round instead.
    int width = 0;
    int height = 0;
    // In tab order, which is also the order they are made in.
    std::span<const ControlDescription> controls{};
};

// The control of that name in the list; a name the list lacks is a fault of the caller.
[[nodiscard]] const ControlDescription& DescribedControl(std::span<const ControlDescription> list,
                                                         std::string_view name);

// The caption without its mnemonic marks and edge blanks: what a screen reader says.
[[nodiscard]] std::string SpokenCaption(std::string_view caption);

} // namespace zel
