#pragma once
// The accounting programs write their print lists in the DOS Latin-2 code page. The page
// renderer shows the control bytes as the old printer's glyphs, and the list name in the
// header goes through a smaller table of its own into code page 1250.

#include <string>
#include <string_view>

namespace zel {

// One body byte of a print list as the printed character.
char32_t PrintByteToUnicode(unsigned char byte);
std::u32string PrintBytesToUnicode(std::string_view bytes);

// The list name of a print file's header, converted byte for byte into code page 1250;
// bytes outside the table stay as they are.
std::string ListNameToCp1250(std::string_view dosBytes);

} // namespace zel
