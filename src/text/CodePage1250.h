#pragma once
// Every text the accounting programs and the configuration file see is single-byte Windows
// code page 1250; the widgets speak Unicode. These are the two directions of that edge.

#include <string>
#include <string_view>

namespace zel {

// Bytes 0x81, 0x83, 0x88, 0x90 and 0x98 have no letter; they map to the C1 controls of the
// same number, as Windows does, so that no byte is lost on the way there and back.
char32_t Cp1250ToUnicode(unsigned char byte);
std::string Cp1250ToUtf8(std::string_view cp1250);

// A character the code page lacks becomes "?".
std::string Utf8ToCp1250(std::string_view utf8);

} // namespace zel
