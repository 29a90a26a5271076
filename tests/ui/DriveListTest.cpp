#include "GuiWorld.h"
#include "text/CodePage1250.h"
#include "ui/DriveComboBox.h"
#include "ui/Fonts.h"
#include "ui/QtText.h"

#include <QFontInfo>
#include <gtest/gtest.h>

namespace zel {
namespace {

// The entries come as the drive scan writes them, in code page 1250; the list shows them as
// they are, the chosen one chosen, and a new list replaces the old.
TEST(DriveList, ShowsTheEntriesItIsGivenWithTheChosenOne) {
    test::GuiWorld env;
    const std::vector<std::string> entries = {"a:", Utf8ToCp1250("c: [rendszer ügyvitel]"), "d: []",
                                              "e: \\\\szerver\\zelkor", "f: []"};
    DriveComboBox list;
    list.ShowEntries(entries, 1);
    ASSERT_EQ(list.count(), 5);
    for (int i = 0; i < list.count(); ++i) {
        EXPECT_EQ(list.itemText(i), FromCp1250(entries[static_cast<std::size_t>(i)]));
    }
    EXPECT_EQ(list.currentText(), QString::fromUtf8("c: [rendszer ügyvitel]"));

    list.ShowEntries({"a:"}, 0);
    EXPECT_EQ(list.count(), 1);
    EXPECT_EQ(list.currentText(), QStringLiteral("a:"));
}

TEST(Fonts, OriginalNamesFindInstalledFaces) {
    EXPECT_EQ(QFontInfo(FormFont()).family(), QStringLiteral("DejaVu Sans"));
    const QFontInfo mono(LucidaConsole(10));
    EXPECT_EQ(mono.family(), QStringLiteral("DejaVu Sans Mono"));
    EXPECT_TRUE(mono.fixedPitch());
}

} // namespace
} // namespace zel
