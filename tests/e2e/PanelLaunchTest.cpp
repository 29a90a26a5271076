// A year button starts the program of its row, the settings dialog changes what it is
// given, and the panel remembers both at exit.

#include "PanelWorld.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

namespace fs = std::filesystem;

namespace zel::test {
namespace {

class PanelLaunch : public PanelWorld {
protected:
    PanelLaunch() {
        InstallNative("C:\\ZELKONYV.217\\A2017.EXE");
        InstallNative("D:\\ZELKONYV.217\\A2017.EXE");
        WriteConfig({"[]", "[]", "[]", "[C:\\ZELKONYV.217\\A2017.EXE /CEG=ELSO]",
                     "[D:\\ZELKONYV.217\\A2017.EXE /CEG=MASODIK]", "[NYOMTATAS_MODJA_WINDOWS=TRUE]",
                     "[NYOMTATAS_ENGEDELYEZVE=TRUE]"});
    }

    [[nodiscard]] fs::path ProgramFolder(char drive) const {
        return fs::canonical(m_world.Native(std::string(1, drive) + ":\\ZELKONYV.217"));
    }
};

TEST_F(PanelLaunch, YearButtonStartsTheProgramOfItsRowFromTheChosenDrive) {
    StartLauncher();
    auto* button = Control<QPushButton>("TForm1", "A17");
    auto* drives = Control<QComboBox>("TForm1", "A17PATH");
    ASSERT_NE(drives, nullptr);
    ASSERT_EQ(drives->count(), 2);
    EXPECT_EQ(drives->currentText(), "C:");

    Click(button);
    auto log = WaitForLog("C:\\ZELKONYV.217");
    ASSERT_EQ(log["ARGC"], "3");
    EXPECT_EQ(log["ARG1"], "/CEG=ELSO");
    EXPECT_EQ(log["ARG2"], "SERVER");
    EXPECT_EQ(log["ARG3"], "PRN:C:\\ZELKOR\\Printing");
    EXPECT_EQ(fs::path(log["DIR"]), ProgramFolder('C'));
    EXPECT_EQ(fs::file_size(m_world.Native("C:\\ZELKONYV.217\\A2017.PIF")), 995U);
    ASSERT_TRUE(WaitFor([&] { return Log("C:\\ZELKONYV.217").count("LOCK") != 0; }));

    const auto running = m_mark.Marked();
    EXPECT_EQ(ClickAnsweringMessage(button),
              QString::fromUtf8("Az egyszeres könyvviteli program a kiválasztott helyen már fut!"));
    EXPECT_EQ(m_mark.Marked(), running);
    EXPECT_EQ(Log("C:\\ZELKONYV.217")["PID"], log["PID"]);
    EXPECT_TRUE(Control("TForm1", "A17")->window()->isEnabled());

    QTest::keyClick(drives, Qt::Key_Down);
    ASSERT_EQ(drives->currentText(), "D:");
    Click(button);
    log = WaitForLog("D:\\ZELKONYV.217");
    EXPECT_EQ(log["ARG1"], "/CEG=MASODIK");
    EXPECT_EQ(fs::path(log["DIR"]), ProgramFolder('D'));
    EXPECT_TRUE(fs::exists(m_world.Native("D:\\ZELKONYV.217\\A2017.PIF")));
    EXPECT_EQ(m_mark.Marked().size(), 2U);

    ExitPanel();
    const auto lines = ConfigLines();
    ASSERT_GE(lines.size(), 2U);
    // Position 22 of the bookkeeping line is the year 2017; nothing else was found.
    EXPECT_EQ(lines[0], "[" + std::string(21, '0') + "D" + std::string(8, '0') + "]");
    EXPECT_EQ(lines[1], "[" + std::string(30, '0') + "]");
}

TEST_F(PanelLaunch, SettingsGiveTheNextStartItsParametersAndTheFileKeepsThem) {
    StartLauncher();
    Click(Control("TForm1", "sa17"));
    auto* dialog = Window("TForm3");
    ASSERT_NE(dialog, nullptr);
    ASSERT_TRUE(dialog->isVisible());
    EXPECT_EQ(Control<QLabel>("TForm3", "phely")->text(), "C:\\ZELKONYV.217\\A2017.EXE");
    auto* edit = Control<QLineEdit>("TForm3", "Edit1");
    EXPECT_EQ(edit->text(), "/CEG=ELSO");
    edit->clear();
    // Typed letter by letter; QTest knows no key for an accented one.
    for (const QChar letter : QString::fromUtf8("/ceg=kft ügy")) {
        QTest::sendKeyEvent(QTest::Click, edit, Qt::Key_unknown, letter, Qt::NoModifier);
    }
    ASSERT_EQ(edit->text(), QString::fromUtf8("/ceg=kft ügy"));
    Click(Control("TForm3", "Button3"));
    EXPECT_FALSE(dialog->isVisible());

    Click(Control("TForm1", "A17"));
    const auto log = WaitForLog("C:\\ZELKONYV.217");
    ASSERT_EQ(log.at("ARGC"), "4");
    EXPECT_EQ(log.at("ARG1"), "/CEG=KFT");
    EXPECT_EQ(log.at("ARG2"), "üGY");
    EXPECT_EQ(log.at("ARG3"), "SERVER");

    ExitPanel();
    const auto lines = ConfigLines();
    EXPECT_NE(std::find(lines.begin(), lines.end(), "[C:\\ZELKONYV.217\\A2017.EXE /CEG=KFT üGY]"),
              lines.end());
    EXPECT_NE(std::find(lines.begin(), lines.end(), "[D:\\ZELKONYV.217\\A2017.EXE /CEG=MASODIK]"),
              lines.end());
}

} // namespace
} // namespace zel::test
