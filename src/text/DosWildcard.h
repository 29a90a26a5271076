#pragma once
// DOS folder-search patterns: "*" and "?", letters compared in ASCII case, and a trailing
// ".*" that also takes a name without any dot, as "ws*.*" takes "ws0001".

#include <string_view>

namespace zel {

[[nodiscard]] bool MatchesDosWildcard(std::string_view name, std::string_view pattern);

} // namespace zel
