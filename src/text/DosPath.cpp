#include "text/DosPath.h"

namespace zel {

DosPath DosPath::operator/(std::string_view name) const {
    if (m_text.empty()) {
        return DosPath(std::string(name));
    }
    std::string joined = m_text;
    if (joined.back() != '\\') {
        joined += '\\';
    }
    return DosPath(joined + std::string(name));
}

DosPath DosPath::Parent() const {
    std::string_view folder = DirectoryPart(m_text);
    // "C:\X" has the root "C:\" as its folder, which keeps its backslash.
    if (folder.size() > 1 && !(folder.size() == 3 && folder[1] == ':')) {
        folder.remove_suffix(1);
    }
    return DosPath(std::string(folder));
}

std::string_view DosPath::FileName() const {
    return FileNamePart(m_text);
}

char DosPath::DriveLetter() const {
    return m_text.size() >= 2 && m_text[1] == ':' ? m_text[0] : '\0';
}

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
