#include "panel/WindowDescription.h"

#include <stdexcept>

namespace zel {

const ControlDescription& DescribedControl(std::span<const ControlDescription> list,
                                           std::string_view name) {
    for (const ControlDescription& control : list) {
        if (control.name == name) {
            return control;
        }
    }
    throw std::logic_error("no control " + std::string(name));
}

std::string SpokenCaption(std::string_view caption) {
    std::string spoken;
    for (const char c : caption) {
        if (c != '&') {
            spoken += c;
        }
    }
    const auto first = spoken.find_first_not_of(' ');
    if (first == std::string::npos) {
        return {};
    }
    return spoken.substr(first, spoken.find_last_not_of(' ') + 1 - first);
}

} // namespace zel
