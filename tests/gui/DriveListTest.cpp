#include "GuiWorld.h"
#include "text/CodePage1250.h"
#include "ui/DriveComboBox.h"
#include "ui/Fonts.h"

#include <QFontInfo>
#include <gtest/gtest.h>

namespace zel {
namespace {

TEST(DriveList, EntriesFollowTheDriveTypes) {
    test::GuiWorld env;
    // Drives of every kind, as this machine cannot have them.
    test::ForwardingPlatform platform(env.world.MakePlatform());
    platform.presentDrives = {'A', 'C', 'D', 'E', 'F', 'G'};
    platform.driveTypes = {
        {'A', DriveType::Removable}, {'C', DriveType::Fixed},  {'D', DriveType::CdRom},
        {'E', DriveType::Remote},    {'F', DriveType::Remote}, {'G', DriveType::NoRootDir},
    };
    for (const char letter : *platform.presentDrives) {
        platform.volumeLabels[letter] = std::nullopt;
        platform.remoteNames[letter] = std::nullopt;
    }
    platform.volumeLabels['C'] = Utf8ToCp1250("RENDSZER Ügyvitel");
    platform.remoteNames['E'] = "\\\\SZERVER\\ZELKOR";
    DriveComboBox list;
    list.Fill(platform);
    const std::vector<std::string> expected = {"a:", Utf8ToCp1250("c: [rendszer ügyvitel]"),
                                               "d: []", "e: \\\\szerver\\zelkor", "f: []"};
    EXPECT_EQ(list.Entries(), expected);

    list.SetDrive('e');
    EXPECT_EQ(list.Drive(), 'E');
    list.SetDrive('Q');
    EXPECT_EQ(list.Drive(), 'E');
}

TEST(Fonts, OriginalNamesFindInstalledFaces) {
    EXPECT_EQ(QFontInfo(FormFont()).family(), QStringLiteral("DejaVu Sans"));
    const QFontInfo mono(LucidaConsole(10));
    EXPECT_EQ(mono.family(), QStringLiteral("DejaVu Sans Mono"));
    EXPECT_TRUE(mono.fixedPitch());
}

} // namespace
} // namespace zel
