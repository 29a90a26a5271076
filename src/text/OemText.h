#pragma once
// The accounting programs' own side of a text: a DOS program reads its command tail and
// writes its print bodies in code page 852, and the list name of a print header in the
// smaller table the launcher reads back. These are the ways from code page 1250 there.

#include <string>
#include <string_view>

namespace zel {

// A letter code page 852 lacks becomes "?"; ASCII stays as it is.
std::string Cp1250ToCp852(std::string_view cp1250);

// A letter the list-name table lacks keeps its code page 1250 byte.
std::string Cp1250ToListName(std::string_view cp1250);

} // namespace zel
