#pragma once
// What a face forwards of the user's acts on a described control, by the control's form name:
// the panel behind the window decides what they mean, so the faces decide nothing of it.

#include <string_view>

namespace zel {

class ControlEvents {
public:
    virtual ~ControlEvents() = default;

    // A control that means nothing at such an event is passed by. Texts are code page 1250.
    virtual void Clicked(std::string_view control) = 0;
    // Its text changed, by the user or by the panel through the view.
    virtual void Changed(std::string_view control, std::string_view text) = 0;
    // It took the focus.
    virtual void Entered(std::string_view control) = 0;
};

} // namespace zel
