#include "platform/win32/Win32Platform.h"
#include "support/WineWorld.h"

#include <algorithm>
#include <gtest/gtest.h>

namespace zel::test {
namespace {

constexpr char kAbsentDrive = 'Q';

TEST(Win32Drives, AreTheLettersWindowsReports) {
    ZEL_REQUIRE_WINE_WORLD();
    win32::Win32Platform platform;
    const auto drives = platform.PresentDrives();
    for (const char letter : {'C', kFixedDrive, kCdRomDrive, kNetworkDrive}) {
        EXPECT_NE(std::find(drives.begin(), drives.end(), letter), drives.end()) << letter;
    }
    EXPECT_EQ(std::find(drives.begin(), drives.end(), kAbsentDrive), drives.end());
    EXPECT_TRUE(std::is_sorted(drives.begin(), drives.end()));
}

TEST(Win32Drives, TypesAreGetDriveTypesNumbers) {
    ZEL_REQUIRE_WINE_WORLD();
    win32::Win32Platform platform;
    EXPECT_EQ(platform.GetDriveType(kFixedDrive), DriveType::Fixed);
    EXPECT_EQ(platform.GetDriveType(kCdRomDrive), DriveType::CdRom);
    EXPECT_EQ(platform.GetDriveType(kNetworkDrive), DriveType::Remote);
    EXPECT_EQ(platform.GetDriveType(kAbsentDrive), DriveType::NoRootDir);
}

TEST(Win32Drives, LabelsComeInCodePage1250) {
    ZEL_REQUIRE_WINE_WORLD();
    win32::Win32Platform platform;
    EXPECT_EQ(platform.VolumeLabel(kFixedDrive), kFixedLabel);
    EXPECT_EQ(platform.VolumeLabel(kCdRomDrive), kCdRomLabel);
    EXPECT_EQ(platform.VolumeLabel(kAbsentDrive), std::nullopt);
}

TEST(Win32Drives, FileSystemNamesAreTheVolumes) {
    ZEL_REQUIRE_WINE_WORLD();
    win32::Win32Platform platform;
    EXPECT_EQ(platform.FileSystemName(kFixedDrive), "NTFS");
    EXPECT_EQ(platform.FileSystemName(kCdRomDrive), "CDFS");
    EXPECT_EQ(platform.FileSystemName(kAbsentDrive), std::nullopt);
}

TEST(Win32Drives, ANetworkDriveNamesItsShare) {
    ZEL_REQUIRE_WINE_WORLD();
    win32::Win32Platform platform;
    EXPECT_EQ(platform.RemoteName(kNetworkDrive), kNetworkShare);
    EXPECT_EQ(platform.RemoteName(kFixedDrive), std::nullopt);
    EXPECT_EQ(platform.RemoteName(kAbsentDrive), std::nullopt);
}

} // namespace
} // namespace zel::test
