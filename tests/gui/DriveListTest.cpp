#include "GuiWorld.h"
#include "text/CodePage1250.h"
#include "ui/DriveComboBox.h"
#include "ui/Fonts.h"

#include <QFontInfo>
#include <gtest/gtest.h>

namespace zel {
namespace {

// The entries come as the drive scan writes them, in code page 1250; the list shows them as
// they are and finds a drive by its letter in either case.
TEST(DriveList, ShowsTheEntriesItIsGivenAndFindsADriveByItsLetter) {
    test::GuiWorld env;
    const std::vector<std::string> entries = {"a:", Utf8ToCp1250("c: [rendszer ügyvitel]"), "d: []",
                                              "e: \\\\szerver\\zelkor", "f: []"};
    DriveComboBox list;
    list.ShowEntries(entries, 1);
    EXPECT_EQ(list.Entries(), entries);
    EXPECT_EQ(list.currentText(), QString::fromUtf8("c: [rendszer ügyvitel]"));
    EXPECT_EQ(list.Drive(), 'C');

    list.SetDrive('e');
    EXPECT_EQ(list.Drive(), 'E');
    list.SetDrive('Q');
    EXPECT_EQ(list.Drive(), 'E');
    list.ShowEntries({"a:"}, 0);
    EXPECT_EQ(list.count(), 1);
}

TEST(Fonts, OriginalNamesFindInstalledFaces) {
    EXPECT_EQ(QFontInfo(FormFont()).family(), QStringLiteral("DejaVu Sans"));
    const QFontInfo mono(LucidaConsole(10));
    EXPECT_EQ(mono.family(), QStringLiteral("DejaVu Sans Mono"));
    EXPECT_TRUE(mono.fixedPitch());
}

} // namespace
} // namespace zel
