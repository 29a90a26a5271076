#pragma once
// Texts that end up inside a line of a file (the start parameters in ZELPULT.INI, a command
// tail in a batch file) must not carry a line break or another control character with them:
// a pasted CR LF would write a line of its own.

#include <string>
#include <string_view>

namespace zel {

// Without the bytes 0x00 to 0x1F and 0x7F; code page 1250 letters stay.
std::string WithoutControlCharacters(std::string_view text);

} // namespace zel
