#include "support/StandIns.h"

#include "TestPaths.h"
#include "support/TempDir.h"
#include "text/AsciiUpper.h"

namespace fs = std::filesystem;

namespace zel::test {

void InstallNativeStandIn(WineWorld& world, std::string_view dosPath) {
    fs::copy_file(fs::path(kBinDir) / "standin", world.WriteFile(dosPath),
                  fs::copy_options::overwrite_existing);
}

void InstallDosStandIn(WineWorld& world, std::string_view dosPath) {
    fs::copy_file(fs::path(kBinDir) / "STANDIN.EXE", world.WriteFile(dosPath),
                  fs::copy_options::overwrite_existing);
}

std::map<std::string, std::string> StandInLogEntries(const std::string& log) {
    std::map<std::string, std::string> entries;
    std::size_t start = 0;
    while (start < log.size()) {
        const auto end = log.find('\n', start);
        std::string line = log.substr(start, end == std::string::npos ? end : end - start);
        if (!line.empty() && line.back() == '\r') {
            line.pop_back();
        }
        if (const auto equals = line.find('='); equals != std::string::npos) {
            entries[line.substr(0, equals)] = line.substr(equals + 1);
        }
        start = end == std::string::npos ? log.size() : end + 1;
    }
    return entries;
}

std::map<std::string, std::string> ReadStandInLog(const WineWorld& world, std::string_view folder) {
    const fs::path log = world.Native(std::string(folder) + "\\STANDIN.LOG");
    std::error_code ec;
    return fs::exists(log, ec) ? StandInLogEntries(ReadNativeFile(log))
                               : std::map<std::string, std::string>{};
}

std::vector<fs::path> PrintFilesIn(const WineWorld& world, std::string_view folder) {
    std::vector<fs::path> files;
    std::error_code ec;
    for (fs::directory_iterator it(world.Native(folder), ec), end; !ec && it != end;
         it.increment(ec)) {
        if (AsciiUpper(it->path().filename().string()).starts_with("WS")) {
            files.push_back(it->path());
        }
    }
    return files;
}

} // namespace zel::test
