#include "platform/posix/WineRegistry.h"

#include "platform/posix/SmallFile.h"
#include "text/AsciiUpper.h"

#include <optional>
#include <string_view>

namespace zel::posix {
namespace {

// A quoted text at the start of rest, as the registry file writes it ("d:", "cdrom"); rest
// is left after the closing quote.
std::optional<std::string> TakeQuoted(std::string_view& rest) {
    if (rest.empty() || rest.front() != '"') {
        return std::nullopt;
    }
    std::string text;
    for (std::size_t i = 1; i < rest.size(); ++i) {
        if (rest[i] == '\\' && i + 1 < rest.size()) {
            text += rest[++i];
        } else if (rest[i] == '"') {
            rest.remove_prefix(i + 1);
            return text;
        } else {
            text += rest[i];
        }
    }
    return std::nullopt;
}

} // namespace

std::map<char, std::string> ReadRegistryDriveTypes(const std::filesystem::path& systemReg) {
    // A prefix with many programs installed keeps a few megabytes here; no real one comes
    // near this, and reading it once at start-up stays well under a second.
    constexpr std::size_t kRegistryCap = std::size_t{64} * 1024 * 1024;
    const auto text = ReadRegularFile(systemReg, kRegistryCap);
    return text ? ParseRegistryDriveTypes(*text) : std::map<char, std::string>{};
}

std::map<char, std::string> ParseRegistryDriveTypes(std::string_view text) {
    std::map<char, std::string> types;
    bool inDrives = false;
    while (!text.empty()) {
        const auto end = text.find('\n');
        std::string_view rest = text.substr(0, end);
        text.remove_prefix(end == std::string_view::npos ? text.size() : end + 1);
        if (!rest.empty() && rest.back() == '\r') {
            rest.remove_suffix(1);
        }
        if (!rest.empty() && rest.front() == '[') {
            if (inDrives) {
                break;
            }
            const auto close = rest.find(']');
            inDrives = close != std::string_view::npos &&
                       AsciiUpper(rest.substr(1, close - 1)) == "SOFTWARE\\\\WINE\\\\DRIVES";
            continue;
        }
        if (!inDrives) {
            continue;
        }
        const auto name = TakeQuoted(rest);
        if (!name || name->size() != 2 || (*name)[1] != ':' || rest.empty() ||
            rest.front() != '=') {
            continue;
        }
        const char letter = AsciiUpper((*name)[0]);
        rest.remove_prefix(1);
        if (auto value = TakeQuoted(rest); value && letter >= 'A' && letter <= 'Z') {
            types.try_emplace(letter, *value);
        }
    }
    return types;
}

} // namespace zel::posix
