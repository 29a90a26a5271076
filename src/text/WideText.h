#pragma once
// Windows speaks UTF-16; the panel speaks code page 1250 and the sources are UTF-8. The
// Windows edition converts at its edges with the project's own tables, so a text never
// depends on the code page the machine happens to run.

#include <string>
#include <string_view>

namespace zel {

[[nodiscard]] std::wstring WideFromCp1250(std::string_view cp1250);
// A character the code page lacks becomes "?".
[[nodiscard]] std::string Cp1250FromWide(std::wstring_view wide);
// For the program's own texts, written in the sources as UTF-8.
[[nodiscard]] std::wstring WideFromUtf8(std::string_view utf8);

} // namespace zel
