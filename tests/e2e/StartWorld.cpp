#include "StartWorld.h"

#include "TestPaths.h"
#include "support/StandIns.h"
#include "text/AsciiUpper.h"
#include "text/DosPath.h"

#include <cstdlib>

namespace fs = std::filesystem;

namespace zel::test {

StartWorld::StartWorld() : m_c(m_world.AddDrive('C')) {
    m_environment.Unset("DISPLAY");
    m_environment.Unset("WAYLAND_DISPLAY");
    m_environment.Set("TMPDIR", m_temp.Path().string());
    m_platform = m_world.MakePlatform();
}

StartWorld::~StartWorld() {
    m_mark.KillAll();
}

void StartWorld::InstallNative(std::string_view dosPath) {
    InstallNativeStandIn(m_world, dosPath);
}

void StartWorld::InstallDos(std::string_view dosPath) {
    InstallDosStandIn(m_world, dosPath);
}

StartOutcome StartWorld::Start(std::string_view program, std::string_view folder,
                               std::string_view parameters,
                               std::optional<std::string> dataLockFile) {
    return m_platform->StartProgram({std::string(program),
                                     std::string(folder),
                                     std::string(parameters),
                                     std::string(FileNamePart(program)),
                                     {},
                                     std::nullopt,
                                     std::move(dataLockFile)});
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
    return StandInLogEntries(log);
}

std::vector<fs::path> StartWorld::PrintFiles(std::string_view folder) const {
    return PrintFilesIn(m_world, folder);
}

} // namespace zel::test
