#include "text/OemText.h"

#include "text/CodePage1250.h"
#include "text/CodePage852.h"

#include <array>

namespace zel {
namespace {

char Cp852Byte(char32_t letter) {
    static const auto reverse = [] {
        std::array<std::pair<char32_t, unsigned char>, 128> table{};
        for (unsigned byte = 0x80; byte <= 0xFF; ++byte) {
            table[byte - 0x80] = {PrintByteToUnicode(static_cast<unsigned char>(byte)),
                                  static_cast<unsigned char>(byte)};
        }
        return table;
    }();
    for (const auto& [unicode, byte] : reverse) {
        if (unicode == letter) {
            return static_cast<char>(byte);
        }
    }
    return '?';
}

} // namespace

std::string Cp1250ToCp852(std::string_view cp1250) {
    std::string out;
    out.reserve(cp1250.size());
    for (const char c : cp1250) {
        const auto byte = static_cast<unsigned char>(c);
        out += byte < 0x80 ? c : Cp852Byte(Cp1250ToUnicode(byte));
    }
    return out;
}

std::string Cp1250ToListName(std::string_view cp1250) {
    std::string out(cp1250);
    for (char& c : out) {
        for (unsigned byte = 0x80; byte <= 0xFF; ++byte) {
            const std::string dos(1, static_cast<char>(byte));
            if (ListNameToCp1250(dos) != dos && ListNameToCp1250(dos).front() == c) {
                c = static_cast<char>(byte);
                break;
            }
        }
    }
    return out;
}

} // namespace zel
