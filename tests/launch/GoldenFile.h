#pragma once
// Golden files are kept as hex dumps, so that a change shows in review byte by byte.

#include "TestPaths.h"
#include "support/TempDir.h"

#include <sstream>
#include <string>

namespace zel::test {

// The bytes of tests/launch/golden/<name>: lines "offset: byte byte ...", "#" lines skipped.
inline std::string ReadGoldenHex(const std::string& name) {
    std::istringstream lines(
        ReadNativeFile(std::filesystem::path(kSourceDir) / "tests" / "launch" / "golden" / name));
    std::string bytes;
    std::string line;
    while (std::getline(lines, line)) {
        if (line.empty() || line.front() == '#') {
            continue;
        }
        std::istringstream hex(line.substr(line.find(':') + 1));
        unsigned value = 0;
        while (hex >> std::hex >> value) {
            bytes.push_back(static_cast<char>(value));
        }
    }
    return bytes;
}

} // namespace zel::test
