#pragma once
// Small UTF-8 helpers for the code-page tables; invalid input decodes to U+FFFD.

#include <string>
#include <string_view>

namespace zel {

void AppendUtf8(std::string& out, char32_t cp);
std::u32string DecodeUtf8(std::string_view utf8);

} // namespace zel
