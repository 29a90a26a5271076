#include "text/DosWildcard.h"

#include "text/AsciiUpper.h"

namespace zel {
namespace {

bool Match(std::string_view name, std::string_view pattern) {
    std::size_t n = 0;
    std::size_t p = 0;
    std::size_t starP = std::string_view::npos;
    std::size_t starN = 0;
    while (n < name.size()) {
        if (p < pattern.size() &&
            (pattern[p] == '?' || AsciiUpper(pattern[p]) == AsciiUpper(name[n]))) {
            ++n;
            ++p;
        } else if (p < pattern.size() && pattern[p] == '*') {
            starP = p++;
            starN = n;
        } else if (starP != std::string_view::npos) {
            p = starP + 1;
            n = ++starN;
        } else {
            return false;
        }
    }
    while (p < pattern.size() && pattern[p] == '*') {
        ++p;
    }
    return p == pattern.size();
}

} // namespace

bool MatchesDosWildcard(std::string_view name, std::string_view pattern) {
    if (Match(name, pattern)) {
        return true;
    }
    if (pattern.ends_with(".*") && name.find('.') == std::string_view::npos) {
        return Match(name, pattern.substr(0, pattern.size() - 2));
    }
    return false;
}

} // namespace zel
