#include "text/WideText.h"

#include "text/CodePage1250.h"
#include "text/Utf8.h"

#include <type_traits>

namespace zel {
namespace {

// Every character of code page 1250 and of the program's texts lies in the basic plane; one
// outside it would need a surrogate pair, and becomes U+FFFD instead.
wchar_t ToWide(char32_t codePoint) {
    return codePoint <= 0xFFFF && (codePoint < 0xD800 || codePoint > 0xDFFF)
               ? static_cast<wchar_t>(codePoint)
               : L'\xFFFD';
}

} // namespace

std::wstring WideFromCp1250(std::string_view cp1250) {
    std::wstring wide;
    wide.reserve(cp1250.size());
    for (const char byte : cp1250) {
        wide.push_back(ToWide(Cp1250ToUnicode(static_cast<unsigned char>(byte))));
    }
    return wide;
}

std::string Cp1250FromWide(std::wstring_view wide) {
    std::string utf8;
    for (std::size_t i = 0; i < wide.size(); ++i) {
        char32_t codePoint = static_cast<std::make_unsigned_t<wchar_t>>(wide[i]);
        if (codePoint >= 0xD800 && codePoint <= 0xDBFF && i + 1 < wide.size()) {
            const char32_t low = static_cast<std::make_unsigned_t<wchar_t>>(wide[i + 1]);
            if (low >= 0xDC00 && low <= 0xDFFF) {
                codePoint = 0x10000 + ((codePoint - 0xD800) << 10) + (low - 0xDC00);
                ++i;
            }
        }
        AppendUtf8(utf8, codePoint);
    }
    return Utf8ToCp1250(utf8);
}

std::wstring WideFromUtf8(std::string_view utf8) {
    std::wstring wide;
    for (const char32_t codePoint : DecodeUtf8(utf8)) {
        wide.push_back(ToWide(codePoint));
    }
    return wide;
}

} // namespace zel
