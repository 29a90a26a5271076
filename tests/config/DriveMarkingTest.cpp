#include "config/DriveMarking.h"

#include "config/DriveList.h"
#include "config/DriveTable.h"
#include "support/ForwardingPlatform.h"
#include "support/WineWorld.h"

#include <filesystem>
#include <gtest/gtest.h>

namespace fs = std::filesystem;

namespace zel {
namespace {

std::string Marked(const DriveTable& table) {
    std::string letters;
    for (char letter = 'A'; letter <= 'Z'; ++letter) {
        if (table.IsMarked(letter)) {
            letters += letter;
        }
    }
    return letters;
}

TEST(DriveList, EntriesAreWrittenPerDriveTypeInLowerCase) {
    test::WineWorld world;
    for (const char letter : {'A', 'C', 'D', 'E', 'F', 'G', 'H'}) {
        world.AddDrive(letter);
    }
    test::WriteNativeFile(world.Native("A:\\.windows-label"), "FLOPPY\n");
    test::WriteNativeFile(world.Native("C:\\.windows-label"), "Rendszer \xC3\x81RV\xC3\x8DZ\n");
    test::WriteNativeFile(world.Native("F:\\.windows-label"), "Share\n");
    test::ForwardingPlatform platform(world.MakePlatform());
    platform.driveTypes = {{'A', DriveType::Removable}, {'D', DriveType::CdRom},
                           {'E', DriveType::Remote},    {'F', DriveType::Remote},
                           {'G', DriveType::Unknown},   {'H', DriveType::RamDisk}};
    platform.remoteNames = {{'E', "\\\\SERVER\\K\xC1NYV"}, {'F', std::nullopt}};

    const std::vector<std::string> expected = {"a:",         "c: [rendszer \xE1rv\xEDz]",
                                               "d: []",      "e: \\\\server\\k\xE1nyv",
                                               "f: [share]", "h: []"};
    EXPECT_EQ(ReadDriveList(platform), expected);
    EXPECT_EQ(Marked(MarkDrives(expected)), "CDFH");
}

TEST(DriveList, LinksThatLeadNowhereAndAMalformedRegistryGiveNoEntry) {
    test::WineWorld world;
    world.AddDrive('C');
    world.AddDanglingDrive('E');
    using namespace std::string_literals;
    test::WriteNativeFile(world.Prefix() / "system.reg",
                          "[Software\\\\Wine\\\\Drives\0\n\"c:\"=\"\n\"e:\"=\xFF"s);
    auto platform = world.MakePlatform();
    const auto entries = ReadDriveList(*platform);
    ASSERT_EQ(entries.size(), 1u);
    EXPECT_EQ(entries[0].substr(0, 2), "c:");
    EXPECT_EQ(Marked(MarkDrives(entries)), "C");
}

TEST(DriveMarking, OnlyBracketedDrivesBeyondTheFloppiesWithoutTheNoLabelWords) {
    EXPECT_EQ(Marked(MarkDrives({"a: [boot]", "b: []", "c: [no volume label]", "d: [data]",
                                 "e: \\\\server\\share", "f:", "g: x [y", "z: []"})),
              "DGZ");
    EXPECT_EQ(Marked(MarkDrives({})), "");
    // Nothing outside the letters C to Z is ever marked, whatever an entry starts with.
    EXPECT_EQ(Marked(MarkDrives({"", "{: [x]", "\xE1: [x]", "C: [upper]"})), "");
    DriveTable table;
    table.Mark('B');
    table.Mark('c');
    table.Mark('C');
    EXPECT_EQ(table.Entry('B'), '\0');
    EXPECT_EQ(table.Entry('C'), 'R');
    EXPECT_EQ(table.Entry('?'), '\0');
}

} // namespace
} // namespace zel
