#pragma once
// Makes a window's controls from its description (panel/WindowDescription.h): the one place
// where the Qt face turns names, kinds, captions, rectangles and fonts into widgets.

#include <QString>
#include <QWidget>
#include <stdexcept>
#include <string>
#include <string_view>

class QFont;

namespace zel {

struct FontDescription;
struct WindowDescription;

// Names the window, gives it its title and font (and its size, where the description gives
// one) and makes its controls in their tab order.
void BuildControls(QWidget& window, const WindowDescription& description);

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
