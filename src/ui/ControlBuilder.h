#pragma once
// Makes a window's controls from its description (panel/WindowDescription.h): the one place
// where the Qt face turns names, kinds, captions, rectangles and fonts into widgets.

#include <QString>
#include <QWidget>
#include <span>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

class QFont;

namespace zel {

class ControlEvents;
struct ControlDescription;
struct FontDescription;
struct WindowDescription;

// Names the window and gives it its title and font, and its size where the description
// gives one.
void DescribeWindow(QWidget& window, const WindowDescription& description);
// DescribeWindow, then makes its controls in their tab order.
void BuildControls(QWidget& window, const WindowDescription& description);
// Makes a part of a window on holder, where the parents they name are found; returns them in
// the order made.
std::vector<QWidget*> BuildControls(QWidget& holder, std::span<const ControlDescription> controls);

// Every click, text change, tick and choice in a list of the controls made goes to events by
// the control's name, for as long as context lives.
void ForwardEvents(std::span<QWidget* const> made, QObject& context, ControlEvents& events);

[[nodiscard]] QFont FontOf(const FontDescription& font);
[[nodiscard]] QString FromUtf8(std::string_view utf8);

// The described control of that name; a name the description lacks is a fault of the face.
template <typename Control> Control* Described(const QWidget& window, std::string_view name) {
    auto* control = window.findChild<Control*>(FromUtf8(name));
    if (control == nullptr) {
        throw std::logic_error("no control " + std::string(name));
    }
    return control;
}

} // namespace zel
