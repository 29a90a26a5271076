#pragma once
// The accounting programs read their parameters in capitals, but an accented letter must
// reach them as typed: only a to z change case.

#include <string>
#include <string_view>

namespace zel {

char AsciiUpper(char c);
std::string AsciiUpper(std::string_view text);

} // namespace zel
