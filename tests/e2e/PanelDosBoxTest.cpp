// A row whose program is a DOS program starts it in DOSBox; while it runs its lock keeps a
// second start out, and what it prints arrives in the spool folder.

#include "PanelWorld.h"

#include <QPushButton>
#include <cstdlib>

namespace fs = std::filesystem;

namespace zel::test {
namespace {

class PanelDosBox : public PanelWorld {};

TEST_F(PanelDosBox, DosProgramRunsInDosBoxHoldsItsPlaceAndPrintsIntoTheSpool) {
    ASSERT_EQ(std::system("command -v dosbox > /dev/null"), 0)
        << "DOSBox is missing: scripts/deps installs it";
    InstallDos("C:\\ZELBER.217\\B2017.EXE");
    // Printing is stopped, so the list stays in the spool folder to be looked at.
    WriteConfig({"[]", "[]", "[]", "[C:\\ZELBER.217\\B2017.EXE /NYOMTAT=1]",
                 "[NYOMTATAS_MODJA_WINDOWS=TRUE]", "[NYOMTATAS_ENGEDELYEZVE=FALSE]"});
    StartLauncher();
    EXPECT_EQ(AnswerMessage(), QString::fromUtf8("A Windows alapú nyomtatás jelenleg inaktív!"));

    auto* button = Control<QPushButton>("TForm1", "B17");
    Click(button);
    const fs::path lock = m_world.Native("C:\\ZELBER.217\\DATA\\BER2017.004");
    ASSERT_TRUE(WaitFor([&] { return fs::exists(lock) && !Holders(lock).empty(); }))
        << "the program did not take its lock in DOSBox";
    EXPECT_EQ(ClickAnsweringMessage(button),
              QString::fromUtf8("A bérszámfejtő program a kiválasztott helyen már fut!"));

    ASSERT_TRUE(WaitFor([&] {
        const auto files = PrintFiles("C:\\ZELKOR\\Printing");
        return files.size() == 1 && Holders(files.front()).empty();
    })) << "no list arrived in the spool folder";
    const fs::path list = PrintFiles("C:\\ZELKOR\\Printing").front();
    EXPECT_EQ(list.filename(), "WS0001.B17");
    const std::string bytes = ReadNativeFile(list);
    EXPECT_TRUE(bytes.starts_with("\xAD"
                                  "0"));
    EXPECT_NE(bytes.find("\xAD"
                         "32017"),
              std::string::npos);
    EXPECT_EQ(Log("C:\\ZELBER.217")["TAIL"], "[ /NYOMTAT=1 SERVER PRN:C:\\ZELKOR\\Printing]");
    EXPECT_EQ(Log("C:\\ZELBER.217")["DIR"], "C:\\ZELBER.217");
}

} // namespace
} // namespace zel::test
