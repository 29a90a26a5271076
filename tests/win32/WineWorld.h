#pragma once
// The Wine prefix scripts/wine-world makes for the Windows tests, as they find it, and a
// folder of each test's own on its fixed disk.

#include <filesystem>
#include <string>
#include <string_view>

namespace zel::test {

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

} // namespace zel::test
