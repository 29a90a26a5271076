#include "GuiWorld.h"
#include "text/CodePage1250.h"
#include "ui/DriveComboBox.h"
#include "ui/Fonts.h"

#include <QFontInfo>
#include <gtest/gtest.h>
#include <map>

namespace zel {
namespace {

// Drives of every kind, as this machine cannot have them.
class DrivesPlatform final : public test::ForwardingPlatform {
public:
    using ForwardingPlatform::ForwardingPlatform;

    std::vector<char> PresentDrives() override { return {'A', 'C', 'D', 'E', 'F', 'G'}; }
    DriveType GetDriveType(char letter) override { return types.at(letter); }
    std::optional<std::string> VolumeLabel(char letter) override {
        if (letter == 'C') {
            return Utf8ToCp1250("RENDSZER Ügyvitel");
        }
        return std::nullopt;
    }
    std::optional<std::string> RemoteName(char letter) override {
        if (letter == 'E') {
            return std::string("\\\\SZERVER\\ZELKOR");
        }
        return std::nullopt;
    }

    std::map<char, DriveType> types = {
        {'A', DriveType::Removable}, {'C', DriveType::Fixed},  {'D', DriveType::CdRom},
        {'E', DriveType::Remote},    {'F', DriveType::Remote}, {'G', DriveType::NoRootDir},
    };
};

TEST(DriveList, EntriesFollowTheDriveTypes) {
    test::GuiWorld env;
    DrivesPlatform platform(env.world.MakePlatform());
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
