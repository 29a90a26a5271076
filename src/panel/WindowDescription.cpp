#include "panel/WindowDescription.h"

namespace zel {

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
