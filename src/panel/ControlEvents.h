#pragma once
// What a face forwards of the user's acts on a described control, by the control's form name:
// the panel behind the window decides what they mean, so the faces decide nothing of it.

#include <cstddef>
#include <string_view>

namespace zel {

class ControlEvents {
public:
    virtual ~ControlEvents() = default;

    // A control that means nothing at such an event is passed by, so a panel overrides only
    // the events its window's controls have. Texts are code page 1250.
    virtual void Clicked(std::string_view /*control*/) {}
    // Its text changed, by the user or by the panel through the view.
    virtual void Changed(std::string_view /*control*/, std::string_view /*text*/) {}
    // It took the focus.
    virtual void Entered(std::string_view /*control*/) {}
    // A check box was ticked or cleared.
    virtual void Checked(std::string_view /*control*/, bool /*checked*/) {}
    // The entry at index of a list the user cannot type in was chosen.
    virtual void Chosen(std::string_view /*control*/, std::size_t /*index*/) {}
};

} // namespace zel
