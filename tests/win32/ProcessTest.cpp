#include "panel/StartMode.h"
#include "platform/win32/GdiPrinters.h"
#include "platform/win32/Win32Platform.h"
#include "support/WineWorld.h"
#include "text/AsciiUpper.h"

#include <ctime>
#include <gtest/gtest.h>

namespace zel::test {
namespace {

TEST(Win32Process, TheVersionIsAnNtWindowsThatIsNotRefused) {
    win32::Win32Platform platform;
    const PlatformVersion version = platform.Version();
    EXPECT_TRUE(version.ntFamily);
    EXPECT_GE(version.major, 5);
    EXPECT_FALSE(IsRefusedVersion(version));
}

TEST(Win32Process, TheCurrentDirectoryIsADosPathThatCanBeChanged) {
    ZEL_REQUIRE_WINE_WORLD();
    win32::Win32Platform platform;
    const std::string before = platform.CurrentDirectory();
    ASSERT_GE(before.size(), 3U);
    EXPECT_EQ(before[1], ':');
    {
        const DriveFolder folder;
        ASSERT_TRUE(platform.SetCurrentDirectory(folder.Path()));
        EXPECT_EQ(platform.CurrentDirectory(), folder.Path());
        WriteFileBytes(folder / "HERE.TXT", "");
        EXPECT_TRUE(platform.FileExists("HERE.TXT")); // relative to it, as in DOS
        EXPECT_TRUE(platform.SetCurrentDirectory(before));
    }
    EXPECT_FALSE(platform.SetCurrentDirectory("Q:\\"));
    EXPECT_EQ(platform.CurrentDirectory(), before);
}

TEST(Win32Process, TheExecutableIsThisProgram) {
    win32::Win32Platform platform;
    EXPECT_TRUE(AsciiUpper(platform.ExecutablePath()).ends_with("\\TEST_WIN32.EXE"))
        << platform.ExecutablePath();
}

TEST(Win32Process, NowIsTheLocalTime) {
    win32::Win32Platform platform;
    const std::time_t now = std::time(nullptr);
    const std::tm* local = std::localtime(&now);
    const LocalDateTime time = platform.Now();
    EXPECT_EQ(time.year, local->tm_year + 1900);
    EXPECT_EQ(time.month, local->tm_mon + 1);
    EXPECT_GE(time.second, 0);
    EXPECT_LE(time.second, 59);
}

TEST(Win32Process, NativePathsAreTheDosPaths) {
    win32::Win32Platform platform;
    EXPECT_EQ(platform.ToNativePath("D:\\ZELKONYV.97\\A97.EXE"), "D:\\ZELKONYV.97\\A97.EXE");
    EXPECT_EQ(platform.FromNativePath("D:\\ZELKONYV.97"), "D:\\ZELKONYV.97");
}

TEST(Win32Process, AnUnknownPrinterIsNone) {
    EXPECT_FALSE(win32::GdiPrinterExists("Nincs ilyen nyomtat\xF3"));
}

} // namespace
} // namespace zel::test
