#pragma once
// A test world: a temporary Wine-style prefix with drive links to folders of its own, and
// $WINEPREFIX pointing at it while the world lives. On Windows (under Wine, in the prefix
// scripts/wine-world makes for the run) the world is the machine's own drives, as the tests
// find them, and what a test writes there goes with the world: such tests run one at a time.

#ifdef _WIN32
#include "platform/Platform.h"
#else
#include "platform/posix/PosixPlatform.h"
#endif
#include "support/TempDir.h"

#include <filesystem>
#include <memory>
#include <set>
#include <string>
#include <string_view>

namespace zel::test {

#ifdef _WIN32
// D: a fixed disk labelled "KÖNYVELÉS" (code page 1250 here), E: a CD-ROM labelled
// "ZELKOR_CD", N: the network share \\zelszerver\konyv; C: is Wine's own.
inline constexpr char kFixedDrive = 'D';
inline constexpr const char* kFixedLabel = "K\xD6NYVEL\xC9S";
inline constexpr char kCdRomDrive = 'E';
inline constexpr const char* kCdRomLabel = "ZELKOR_CD";
inline constexpr char kNetworkDrive = 'N';
inline constexpr const char* kNetworkShare = "\\\\zelszerver\\konyv";

// Whether the tests run in that world (scripts/test --windows sets ZEL_WINE_WORLD).
[[nodiscard]] bool InWineWorld();

// Elsewhere (the program run by hand) the tests that need the world are skipped.
#define ZEL_REQUIRE_WINE_WORLD()                                                                   \
    if (!::zel::test::InWineWorld()) {                                                             \
        GTEST_SKIP() << "needs the Wine world of scripts/wine-world";                              \
    }

// A new folder on D: that lives as long as the test that made it; paths in code page 1250.
class DriveFolder final {
public:
    DriveFolder();
    ~DriveFolder();
    DriveFolder(const DriveFolder&) = delete;
    DriveFolder& operator=(const DriveFolder&) = delete;

    [[nodiscard]] const std::string& Path() const { return m_path; }
    // path\name
    [[nodiscard]] std::string operator/(std::string_view name) const;

private:
    std::string m_path;
};

// Writes bytes to a file (a code page 1250 path), making nothing else.
void WriteFileBytes(const std::string& path, std::string_view bytes);
// The file's bytes; empty when it cannot be read.
[[nodiscard]] std::string ReadFileBytes(const std::string& path);
// Waits up to seconds for a file to appear.
[[nodiscard]] bool WaitForFile(const std::string& path, int seconds);
// Waits up to seconds for a file that reads with bytes: under a Wine that is still starting,
// a file that is there may not be readable at once. Its bytes; empty when none came.
[[nodiscard]] std::string WaitForBytes(const std::string& path, int seconds);

class WineWorld final {
public:
    WineWorld() = default;
    ~WineWorld();
    WineWorld(const WineWorld&) = delete;
    WineWorld& operator=(const WineWorld&) = delete;

    // Only a drive the machine has: its root.
    std::filesystem::path AddDrive(char letter);
    // A file on a drive by DOS path; folders are made, and the topmost one made goes with the
    // world.
    std::filesystem::path WriteFile(std::string_view dosPath, std::string_view bytes = {});
    [[nodiscard]] std::filesystem::path Native(std::string_view dosPath) const;
    [[nodiscard]] std::unique_ptr<Platform> MakePlatform() const;

private:
    std::set<std::filesystem::path> m_made;
};
#else

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
#endif

} // namespace zel::test
