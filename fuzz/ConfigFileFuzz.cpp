// ZELPULT.INI read from any bytes, written and read again until it no longer changes: a
// parameter line belongs to the highest program its text names, so a text naming a later
// program moves there once, and then stays. Every written line is one bracketed line, and
// after the three positional lines only the writer's two print lines speak of printing.

#include "MemoryPlatform.h"
#include "config/ConfigFile.h"

#include <cstdlib>

namespace {

std::string RoundTrip(zel::fuzz::MemoryPlatform& platform) {
    zel::ProgramCatalogue catalogue;
    catalogue.Fill();
    zel::LauncherConfig config;
    zel::ReadConfigFile(platform, "C:\\ZELPULT.INI", catalogue, config);
    return zel::ComposeConfigFile(catalogue, config);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    zel::fuzz::MemoryPlatform platform;
    platform.file.assign(reinterpret_cast<const char*>(data), size);
    const std::string first = RoundTrip(platform);
    platform.file = first;
    const std::string second = RoundTrip(platform);
    platform.file = second;
    if (RoundTrip(platform) != second) {
        std::abort();
    }
    int printLines = 0;
    int lineNumber = 0;
    for (std::size_t start = 0; start < first.size(); ++lineNumber) {
        const std::size_t end = first.find("\r\n", start);
        if (end == std::string::npos) {
            std::abort();
        }
        const std::string_view line(first.data() + start, end - start);
        if (line.find_first_of("\r\n") != std::string_view::npos || line.empty() ||
            line.front() != '[') {
            std::abort();
        }
        printLines += lineNumber >= 3 && line.starts_with("[NYOMTATAS_") ? 1 : 0;
        start = end + 2;
    }
    if (printLines != 2) {
        std::abort();
    }
    return 0;
}
