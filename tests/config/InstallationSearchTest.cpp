#include "config/InstallationSearch.h"

#include "config/RowState.h"
#include "support/ForwardingPlatform.h"
#include "support/WineWorld.h"

#include <algorithm>
#include <filesystem>
#include <gtest/gtest.h>
#include <sys/stat.h>

namespace fs = std::filesystem;

namespace zel {
namespace {

constexpr int kA97 = 3;
constexpr int kB17 = 44;

class InstallationSearchTest : public ::testing::Test {
protected:
    InstallationSearchTest() { catalogue.Fill(); }

    void SearchAll(Platform& platform) {
        for (char letter = 'C'; letter <= 'Z'; ++letter) {
            SearchDrive(platform, catalogue, letter, finds);
        }
    }

    test::WineWorld world;
    ProgramCatalogue catalogue;
    InstallationFinds finds;
};

TEST_F(InstallationSearchTest, OnlyTheExecutableInItsOwnDirectoryCounts) {
    for (const char letter : {'C', 'D', 'E', 'F', 'G'}) {
        world.AddDrive(letter);
    }
    world.WriteFile("C:\\ZELKONYV.97\\A97.EXE");
    world.WriteFile("D:\\zelkonyv.97\\a97.exe");
    fs::create_directories(world.Native("E:\\ZELKONYV.97"));
    world.WriteFile("E:\\ZELKONYV.97\\B97.EXE");
    world.WriteFile("F:\\ELSEWHERE\\A97.EXE");
    fs::create_directories(world.Native("G:\\ZELKONYV.97\\A97.EXE"));
    world.WriteFile("G:\\ZELBER.217\\B2017.EXE");
    test::ForwardingPlatform platform(world.MakePlatform());
    platform.driveTypes = {{'G', DriveType::CdRom}};

    SearchAll(platform);
    EXPECT_EQ(finds.Drives(kA97), (std::vector<char>{'C', 'D'}));
    EXPECT_TRUE(finds.Drives(kA97 + 1).empty());
    EXPECT_TRUE(finds.Drives(kB17).empty());
    // A second search of the same drive lists it once.
    SearchDrive(platform, catalogue, 'C', finds);
    EXPECT_EQ(finds.Drives(kA97).size(), 2u);
}

TEST_F(InstallationSearchTest, ListsOnlyTheDriveAndAsksOnlyAboutProgramsWhoseFolderIsThere) {
    world.AddDrive('C');
    world.WriteFile("C:\\ZELKONYV.97\\A97.EXE");
    world.WriteFile("C:\\ZELKONYV.97\\B97.EXE");
    world.WriteFile("C:\\zelber.217\\b2017.exe");
    // Counts the questions the search asks, to hold it to one listing of the drive.
    test::ForwardingPlatform platform(world.MakePlatform());

    SearchDrive(platform, catalogue, 'C', finds);
    EXPECT_EQ(finds.Drives(kA97), std::vector<char>{'C'});
    EXPECT_EQ(finds.Drives(kB17), std::vector<char>{'C'});
    // Only the two programs whose folders the drive holds are asked about, each once, in
    // the folder's own spelling.
    EXPECT_EQ(platform.fileChecks, 2);
    EXPECT_EQ(platform.listedFolders, std::vector<std::string>{"C:\\"});
}

// The listing finds what the case-insensitive look-up of a path finds: the exact name
// first, a name equal in case after it, a linked folder; never a folder or a pipe where the
// program should be.
TEST_F(InstallationSearchTest, FindsWhatTheCaseInsensitiveLookUpFinds) {
    const fs::path c = world.AddDrive('C');
    const fs::path d = world.AddDrive('D');
    const fs::path e = world.AddDrive('E');
    const fs::path f = world.AddDrive('F');
    // The exact folder wins even though only its other-case twin holds the program.
    fs::create_directories(c / "ZELKONYV.97");
    fs::create_directories(c / "zelkonyv.97");
    test::WriteNativeFile(c / "zelkonyv.97" / "A97.EXE", "MZ");
    if (fs::exists(c / "ZELKONYV.97" / "A97.EXE")) {
        GTEST_SKIP() << "the file system ignores case";
    }
    fs::create_directories(d / "elsewhere");
    test::WriteNativeFile(d / "elsewhere" / "a97.EXE", "MZ");
    fs::create_directory_symlink(d / "elsewhere", d / "Zelkonyv.97");
    fs::create_directories(e / "ZELKONYV.97");
    ASSERT_EQ(::mkfifo((e / "ZELKONYV.97" / "A97.EXE").c_str(), 0644), 0);
    test::WriteNativeFile(f / "ZELKONYV.97", "a file, not a folder");

    SearchAll(*world.MakePlatform());
    EXPECT_EQ(finds.Drives(kA97), std::vector<char>{'D'});
}

TEST(RowState, TheRememberedDriveIsPreselectedWhenOffered) {
    const std::vector<char> cAndE{'C', 'E'};
    const RowState remembered = RowStateOf(cAndE, 'E');
    EXPECT_EQ(remembered.entries, (std::vector<std::string>{"C:", "E:"}));
    EXPECT_EQ(remembered.ComboText(), "E:");
    EXPECT_TRUE(remembered.rowEnabled);
    EXPECT_TRUE(remembered.comboEnabled);
    for (const char other : {'F', '0', ' ', ']', 'e'}) {
        EXPECT_EQ(RowStateOf(cAndE, other).ComboText(), "C:") << other;
    }

    const RowState single = RowStateOf({'D'}, 'E');
    EXPECT_EQ(single.ComboText(), "D:");
    EXPECT_TRUE(single.rowEnabled);
    EXPECT_FALSE(single.comboEnabled);

    const RowState none = RowStateOf({}, 'C');
    EXPECT_TRUE(none.entries.empty());
    EXPECT_EQ(none.ComboText(), "");
    EXPECT_FALSE(none.rowEnabled);
    EXPECT_FALSE(none.comboEnabled);
}

} // namespace
} // namespace zel
