#include "text/DosPath.h"

#include "text/AsciiUpper.h"

#include <algorithm>
#include <array>

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

namespace {

constexpr std::size_t kMaxNameLength = 255;

bool IsDeviceName(std::string_view name) {
    // Windows takes the part before the first dot, trailing blanks cut, as the device.
    std::string_view stem = name.substr(0, name.find('.'));
    while (!stem.empty() && stem.back() == ' ') {
        stem.remove_suffix(1);
    }
    const std::string upper = AsciiUpper(stem);
    static constexpr std::array<std::string_view, 7> kDevices = {
        "CON", "PRN", "AUX", "NUL", "CLOCK$", "CONIN$", "CONOUT$"};
    if (std::find(kDevices.begin(), kDevices.end(), upper) != kDevices.end()) {
        return true;
    }
    return upper.size() == 4 && (upper.starts_with("COM") || upper.starts_with("LPT")) &&
           upper[3] >= '0' && upper[3] <= '9';
}

} // namespace

bool IsPlainFileName(std::string_view name) {
    if (name.empty() || name.size() > kMaxNameLength || name.back() == '.' || name.back() == ' ') {
        return false;
    }
    for (const char c : name) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte < 0x20 || byte == 0x7F ||
            std::string_view("\\/:*?\"<>|").find(c) != std::string_view::npos) {
            return false;
        }
    }
    return !IsDeviceName(name);
}

int DriveIndex(char c) {
    return c >= 'A' && c <= 'Z' ? c - 'A' : -1;
}

} // namespace zel
