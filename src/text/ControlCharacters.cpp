#include "text/ControlCharacters.h"

namespace zel {

std::string WithoutControlCharacters(std::string_view text) {
    std::string kept;
    kept.reserve(text.size());
    for (const char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte >= 0x20 && byte != 0x7F) {
            kept += c;
        }
    }
    return kept;
}

} // namespace zel
