#include "config/InstallationSearch.h"

#include "ScanDouble.h"
#include "config/RowState.h"

#include <filesystem>
#include <gtest/gtest.h>

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
    test::ScanDouble platform(world);
    platform.types = {{'G', DriveType::CdRom}};

    SearchAll(platform);
    EXPECT_EQ(finds.Drives(kA97), (std::vector<char>{'C', 'D'}));
    EXPECT_TRUE(finds.Drives(kA97 + 1).empty());
    EXPECT_TRUE(finds.Drives(kB17).empty());
    // A second search of the same drive lists it once.
    SearchDrive(platform, catalogue, 'C', finds);
    EXPECT_EQ(finds.Drives(kA97).size(), 2u);
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
