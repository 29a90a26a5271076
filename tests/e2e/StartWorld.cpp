#include "StartWorld.h"

#include "TestPaths.h"
#include "launch/ProgramInformationFile.h"
#include "text/AsciiUpper.h"
#include "text/DosPath.h"

#include <cstdlib>

namespace fs = std::filesystem;

namespace zel::test {

StartWorld::StartWorld() : m_c(m_world.AddDrive('C')) {
    for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "TMPDIR"}) {
        const char* value = std::getenv(name);
        m_savedEnvironment[name] = value ? std::optional<std::string>(value) : std::nullopt;
    }
    ::unsetenv("DISPLAY");
    ::unsetenv("WAYLAND_DISPLAY");
    ::setenv("TMPDIR", m_temp.Path().c_str(), 1);
    m_platform = m_world.MakePlatform();
}

StartWorld::~StartWorld() {
    m_mark.KillAll();
    for (const auto& [name, value] : m_savedEnvironment) {
        if (value) {
            ::setenv(name.c_str(), value->c_str(), 1);
        } else {
            ::unsetenv(name.c_str());
        }
    }
}

void StartWorld::InstallNative(std::string_view dosPath) {
    const fs::path target = m_world.WriteFile(dosPath);
    fs::copy_file(fs::path(kBinDir) / "standin", target, fs::copy_options::overwrite_existing);
}

void StartWorld::InstallDos(std::string_view dosPath) {
    const fs::path target = m_world.WriteFile(dosPath);
    fs::copy_file(fs::path(kBinDir) / "STANDIN.EXE", target, fs::copy_options::overwrite_existing);
}

void StartWorld::WritePif(std::string_view pifPath, std::string_view program,
                          std::string_view folder, std::string_view parameters) {
    WriteProgramInformationFile(*m_platform, pifPath, FileNamePart(program), program, folder,
                                parameters);
}

bool StartWorld::Start(std::string_view commandLine) {
    return m_platform->StartProgram(commandLine);
}

std::optional<std::string> StartWorld::WaitForLog(std::string_view folder, int seconds) {
    const fs::path log = m_world.Native(std::string(folder) + "\\STANDIN.LOG");
    std::optional<std::string> content;
    WaitUntil(
        [&] {
            std::error_code ec;
            if (!fs::exists(log, ec)) {
                return false;
            }
            content = ReadNativeFile(log);
            return !content->empty();
        },
        seconds);
    return content;
}

std::map<std::string, std::string> StartWorld::LogEntries(const std::string& log) {
    std::map<std::string, std::string> entries;
    std::size_t start = 0;
    while (start < log.size()) {
        auto end = log.find('\n', start);
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

std::vector<fs::path> StartWorld::PrintFiles(std::string_view folder) const {
    std::vector<fs::path> files;
    std::error_code ec;
    for (fs::directory_iterator it(m_world.Native(folder), ec), end; !ec && it != end;
         it.increment(ec)) {
        if (AsciiUpper(it->path().filename().string()).starts_with("WS")) {
            files.push_back(it->path());
        }
    }
    return files;
}

} // namespace zel::test
