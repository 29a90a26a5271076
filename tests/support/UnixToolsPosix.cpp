#include "support/UnixTools.h"

#include <array>
#include <cstdio>

namespace zel::test {

std::string Shell(const std::string& script) {
    // A tool that hangs must not hold the test for longer than this.
    std::string quoted;
    for (const char c : script) {
        quoted += c == '\'' ? std::string("'\\''") : std::string(1, c);
    }
    FILE* pipe = ::popen(("timeout 30 /bin/sh -c '(" + quoted + ") 2>&1'").c_str(), "r");
    if (pipe == nullptr) {
        return {};
    }
    std::string text;
    std::array<char, 4096> buffer{};
    for (std::size_t read; (read = std::fread(buffer.data(), 1, buffer.size(), pipe)) > 0;) {
        text.append(buffer.data(), read);
    }
    ::pclose(pipe);
    return text;
}

} // namespace zel::test
