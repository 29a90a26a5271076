#pragma once
// A world to start the stand-ins in: a prefix with drive C:, the stand-ins copied under
// accounting program names, a private temporary folder, no display, and every process
// started from it ended when the test ends.

#include "platform/StartOutcome.h"
#include "support/ProcessWatch.h"
#include "support/ScopedEnvironment.h"
#include "support/TempDir.h"
#include "support/WineWorld.h"

#include <gtest/gtest.h>
#include <map>
#include <memory>
#include <optional>
#include <string>

namespace zel::test {

class StartWorld : public ::testing::Test {
protected:
    StartWorld();
    ~StartWorld() override;

    // Copies the native stand-in, or its DOS twin, to a DOS path.
    void InstallNative(std::string_view dosPath);
    void InstallDos(std::string_view dosPath);
    // A typed start of program in folder (its own folder when empty).
    [[nodiscard]] StartOutcome Start(std::string_view program, std::string_view folder,
                                     std::string_view parameters,
                                     std::optional<std::string> dataLockFile = std::nullopt);

    // The stand-in's log in a folder (DOS path), once it has been written.
    [[nodiscard]] std::optional<std::string> WaitForLog(std::string_view folder, int seconds);
    // "KEY=value" lines of a log; later keys of the same name win.
    [[nodiscard]] static std::map<std::string, std::string> LogEntries(const std::string& log);
    // Files of a folder (DOS path) whose names match ws*.* in any case.
    [[nodiscard]] std::vector<std::filesystem::path> PrintFiles(std::string_view folder) const;

    WineWorld m_world;
    ProcessMark m_mark;
    TempDir m_temp;
    std::filesystem::path m_c;
    std::unique_ptr<posix::PosixPlatform> m_platform;

private:
    ScopedEnvironment m_environment;
};

} // namespace zel::test
