#include "text/DosPath.h"

namespace zel {

std::string_view DirectoryPart(std::string_view dosPath) {
    const auto slash = dosPath.rfind('\\');
    return slash == std::string_view::npos ? std::string_view{} : dosPath.substr(0, slash + 1);
}

std::string_view FileNamePart(std::string_view dosPath) {
    const auto slash = dosPath.rfind('\\');
    return slash == std::string_view::npos ? dosPath : dosPath.substr(slash + 1);
}

std::string ReplaceLastThree(std::string_view text, std::string_view replacement) {
    const auto keep = text.size() >= 3 ? text.size() - 3 : 0;
    return std::string(text.substr(0, keep)) + std::string(replacement);
}

int DriveIndex(char c) {
    return c >= 'A' && c <= 'Z' ? c - 'A' : -1;
}

} // namespace zel
