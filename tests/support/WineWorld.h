#pragma once
// A test world: a temporary Wine-style prefix with drive links to folders of its own, and
// $WINEPREFIX pointing at it while the world lives.

#include "platform/posix/PosixPlatform.h"
#include "support/TempDir.h"

#include <filesystem>
#include <memory>
#include <string>
#include <string_view>

namespace zel::test {

class WineWorld final {
public:
    WineWorld();
    ~WineWorld();
    WineWorld(const WineWorld&) = delete;
    WineWorld& operator=(const WineWorld&) = delete;

    // Makes drive letter (upper case) a link to a new folder "drive_x" and returns that root.
    std::filesystem::path AddDrive(char letter);
    // A drive link that leads nowhere.
    void AddDanglingDrive(char letter);
    // Writes "[Software\\Wine\\Drives]" with these "x:"="type" values into system.reg.
    void SetDriveTypes(std::string_view entries);
    // A file on a drive by DOS path ("C:\ZELKONYV.97\A97.EXE"); folders are made.
    std::filesystem::path WriteFile(std::string_view dosPath, std::string_view bytes = {});
    [[nodiscard]] std::filesystem::path Native(std::string_view dosPath) const;

    [[nodiscard]] const std::filesystem::path& Prefix() const { return m_prefix; }
    // A platform that reads this world's prefix as it is now.
    [[nodiscard]] std::unique_ptr<posix::PosixPlatform> MakePlatform() const;

private:
    TempDir m_dir;
    std::filesystem::path m_prefix;
    std::string m_oldPrefix;
    bool m_hadOldPrefix = false;
};

} // namespace zel::test
