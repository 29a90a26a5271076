#include "platform/win32/CommandLine.h"

namespace zel::win32 {

std::string ComposeCommandLine(const std::vector<std::string>& words) {
    std::string line;
    for (const auto& word : words) {
        if (!line.empty()) {
            line += ' ';
        }
        line += '"';
        std::size_t backslashes = 0;
        for (const char c : word) {
            if (c == '\\') {
                ++backslashes;
                continue;
            }
            // Backslashes are literal unless a quote follows them.
            line.append(c == '"' ? 2 * backslashes + 1 : backslashes, '\\');
            backslashes = 0;
            line += c;
        }
        // The closing quote must not be escaped by a trailing backslash.
        line.append(2 * backslashes, '\\');
        line += '"';
    }
    return line;
}

} // namespace zel::win32
