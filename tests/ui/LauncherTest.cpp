#include "ui/Launcher.h"

#include "GuiWorld.h"
#include "ui/DriveComboBox.h"
#include "ui/EditableCombo.h"
#include "ui/MainWindow.h"
#include "ui/MessageDialog.h"
#include "ui/SelfInstallWindow.h"
#include "ui/SettingsDialog.h"
#include "ui/WindowGeometry.h"

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>
#include <algorithm>
#include <gtest/gtest.h>

namespace zel {
namespace {

class LauncherTest : public ::testing::Test {
protected:
    test::GuiWorld env;
};

TEST_F(LauncherTest, ConfigurationInTheCurrentFolderStartsTheMainWindow) {
    env.WriteConfig();
    Launcher launcher(env.platform);
    ASSERT_EQ(launcher.Start(), StartMode::Normal);
    EXPECT_EQ(launcher.StartDirectory(), "C:\\ZELKOR");
    EXPECT_EQ(QCoreApplication::applicationName(), QString::fromUtf8("  Zelkor Indítópult"));
    ASSERT_NE(launcher.Form1(), nullptr);
    EXPECT_TRUE(launcher.Form1()->isVisible());
    EXPECT_EQ(launcher.Form1()->focusWidget(), launcher.Form1()->Button5());
    EXPECT_EQ(launcher.Catalogue().Slot(60).directory, "0:\\ZELBER.225");
    ASSERT_NE(launcher.Form2(), nullptr);
    EXPECT_FALSE(launcher.Form2()->isVisible());
    ASSERT_NE(launcher.Form4(), nullptr);
    EXPECT_FALSE(launcher.Form4()->isVisible());
    // The settings dialog is made when it is first asked for.
    const auto settingsDialogs = [] {
        const auto windows = QApplication::topLevelWidgets();
        return std::count_if(windows.begin(), windows.end(), [](const QWidget* window) {
            return window->objectName() == QStringLiteral("TForm3");
        });
    };
    EXPECT_EQ(settingsDialogs(), 0);
    ASSERT_NE(launcher.Form3(), nullptr);
    EXPECT_EQ(settingsDialogs(), 1);

    QSignalSpy ended(&launcher, &Launcher::Ended);
    launcher.Form2()->close();
    EXPECT_EQ(ended.count(), 0);
    launcher.Form1()->Button5()->click();
    EXPECT_EQ(ended.count(), 1);
}

TEST_F(LauncherTest, RowsOfferTheDrivesTheirProgramIsOnAndTheSettingsComeBack) {
    env.world.AddDrive('D');
    for (const char* program :
         {"C:\\ZELKONYV.97\\A97.EXE", "D:\\ZELKONYV.97\\A97.EXE", "D:\\ZELBER.217\\B2017.EXE",
          "C:\\ZELKONYV.217\\A2017.EXE", "D:\\ZELKONYV.217\\A2017.EXE"}) {
        env.world.WriteFile(program);
    }
    std::string lineA(30, ' ');
    lineA[1] = 'D';  // A97
    lineA[21] = 'C'; // A17
    std::string lineB(30, ' ');
    lineB[21] = 'C'; // B17, which is on D only
    env.world.WriteFile("C:\\ZELKOR\\ZELPULT.INI", "[" + lineA + "]\r\n[" + lineB +
                                                       "]\r\n[A:\\INSTALL.EXE]\r\n"
                                                       "[NYOMTATAS_MODJA_WINDOWS=TRUE]\r\n");
    test::ForwardingPlatform platform(env.world.MakePlatform());
    Launcher launcher(platform);
    ASSERT_EQ(launcher.Start(), StartMode::Normal);
    MainWindow& window = *launcher.Form1();
    const auto faced = [](const QComboBox* box) {
        return box->palette().color(QPalette::Base) == box->palette().color(QPalette::Button);
    };

    // A choice on the first page reads every row's, those of pages not shown yet too.
    window.Row(43).drive->setCurrentIndex(1);
    EXPECT_EQ(launcher.Catalogue().DriveLetter(43), 'D');
    EXPECT_EQ(launcher.Catalogue().DriveLetter(3), 'D');
    EXPECT_EQ(launcher.Catalogue().DriveLetter(44), 'D');

    const RowControls a97 = window.Row(3);
    EXPECT_EQ(a97.drive->count(), 2);
    EXPECT_EQ(a97.drive->currentText(), QStringLiteral("D:"));
    EXPECT_TRUE(a97.year->isEnabled() && a97.drive->isEnabled() && a97.settings->isEnabled());
    EXPECT_FALSE(faced(a97.drive));
    EXPECT_EQ(launcher.Catalogue().DriveLetter(3), 'D');

    const RowControls b17 = window.Row(44);
    EXPECT_EQ(b17.drive->currentText(), QStringLiteral("D:"));
    EXPECT_TRUE(b17.year->isEnabled() && b17.settings->isEnabled());
    EXPECT_FALSE(b17.drive->isEnabled());
    EXPECT_TRUE(faced(b17.drive));

    const RowControls a96 = window.Row(1);
    EXPECT_FALSE(a96.year->isEnabled() || a96.drive->isEnabled() || a96.settings->isEnabled());
    EXPECT_EQ(a96.drive->count(), 0);
    EXPECT_EQ(launcher.Catalogue().DriveLetter(1), '0');

    EXPECT_EQ(window.NPATH()->text(), QStringLiteral("A:\\INSTALL.EXE"));
    EXPECT_TRUE(window.edNyomWindows()->isChecked());
    EXPECT_TRUE(window.btNyomtat()->isChecked());
    EXPECT_FALSE(launcher.Form4()->isVisible());
}

TEST_F(LauncherTest, WithoutConfigurationTheLauncherInstallsItself) {
    // A folder of that name is no configuration file.
    std::filesystem::create_directories(env.world.Native("C:\\ZELKOR\\ZELPULT.INI"));
    Launcher launcher(env.platform);
    ASSERT_EQ(launcher.Start(), StartMode::Install);
    EXPECT_TRUE(launcher.Form2()->isVisible());
    EXPECT_TRUE(launcher.Form2()->DriveComboBox1()->currentText().startsWith(QStringLiteral("c:")));
    EXPECT_FALSE(launcher.Form1()->isVisible());
    EXPECT_FALSE(launcher.Form1()->Panel().NormalMode());
    EXPECT_TRUE(launcher.Catalogue().Slot(1).directory.empty());
    EXPECT_FALSE(launcher.Form4()->isVisible());

    QSignalSpy ended(&launcher, &Launcher::Ended);
    launcher.Form2()->Button2()->click();
    EXPECT_EQ(ended.count(), 1);
}

TEST_F(LauncherTest, OnlyTheCurrentFolderCounts) {
    env.WriteConfig();
    std::filesystem::create_directories(env.world.Native("C:\\ZELKOR\\MASIK"));
    env.EnterDirectory(env.world.Native("C:\\ZELKOR\\MASIK"));
    Launcher launcher(env.platform);
    EXPECT_EQ(launcher.Start(), StartMode::Install);
}

TEST_F(LauncherTest, AFolderOutsideEveryDriveInstalls) {
    env.EnterDirectory(env.world.Prefix());
    Launcher launcher(env.platform);
    EXPECT_EQ(launcher.Start(), StartMode::Install);
    EXPECT_EQ(launcher.StartDirectory(), "");
}

TEST_F(LauncherTest, AStartDirectoryLongerThanAnyTextKeepsItsConfigurationWhole) {
    // Cut to 255 characters, the path would name another folder: it is kept whole.
    const std::string folder = "C:\\ZELKOR\\" + std::string(120, 'M') + "\\" +
                               std::string(120, 'N') + "\\" + std::string(40, 'O');
    const std::string ini = folder + "\\ZELPULT.INI";
    env.world.WriteFile(ini, "[]\r\n[]\r\n[]\r\n[NYOMTATAS_MODJA_WINDOWS=TRUE]\r\n");
    env.EnterDirectory(env.world.Native(folder));
    Launcher launcher(env.platform);
    ASSERT_EQ(launcher.Start(), StartMode::Normal);
    EXPECT_EQ(launcher.StartDirectory(), folder);
    EXPECT_TRUE(launcher.Form1()->edNyomWindows()->isChecked());
    launcher.Form1()->close();
    const std::string written = test::ReadNativeFile(env.world.Native(ini));
    EXPECT_EQ(written.substr(0, 34), "[" + std::string(30, '0') + "]\r\n");
    EXPECT_NE(written.find("[NYOMTATAS_MODJA_WINDOWS=TRUE]"), std::string::npos);
}

TEST_F(LauncherTest, OldPlatformIsRefusedWithItsOwnMessage) {
    env.WriteConfig();
    env.platform.version = PlatformVersion{3, 10, false};
    Launcher launcher(env.platform);
    ASSERT_EQ(launcher.Start(), StartMode::Refused);
    EXPECT_EQ(launcher.Form1(), nullptr);
    EXPECT_EQ(launcher.Form2(), nullptr);
    MessageDialog* dialog = launcher.Form4();
    ASSERT_NE(dialog, nullptr);
    EXPECT_TRUE(dialog->isVisible());
    EXPECT_EQ(dialog->Label1()->text(),
              QString::fromUtf8("A program a jelen Windows változattal nem futtatható !"));
    EXPECT_EQ(dialog->CurrentOwner(), dialog);
    const QRect box = dialog->frameGeometry();
    EXPECT_EQ(box.left(), ScreenSize().width() / 2 - box.width() / 2);

    QSignalSpy ended(&launcher, &Launcher::Ended);
    dialog->Button1()->click();
    QCoreApplication::processEvents();
    EXPECT_EQ(ended.count(), 1);
}

TEST_F(LauncherTest, LaterVersionsRun) {
    env.WriteConfig();
    for (const PlatformVersion version :
         {PlatformVersion{3, 51, true}, PlatformVersion{4, 0, false},
          PlatformVersion{3, 21, false}}) {
        env.platform.version = version;
        Launcher launcher(env.platform);
        EXPECT_EQ(launcher.Start(), StartMode::Normal) << version.major << "." << version.minor;
    }
    EXPECT_TRUE(IsRefusedVersion({3, 20, false}));
    EXPECT_TRUE(IsRefusedVersion({3, 0, false}));
}

TEST_F(LauncherTest, PrintingStoppedWarnsAndTheExitButtonHasTheFocusAfterwards) {
    env.world.WriteFile("C:\\ZELKOR\\ZELPULT.INI",
                        "[]\r\n[]\r\n[]\r\n[NYOMTATAS_ENGEDELYEZVE=FALSE]\r\n");
    Launcher launcher(env.platform);
    ASSERT_EQ(launcher.Start(), StartMode::Normal);
    MessageDialog* dialog = launcher.Form4();
    ASSERT_TRUE(dialog->isVisible());
    EXPECT_EQ(dialog->CurrentOwner(), launcher.Form1());
    // The panel is blocked while the warning is up, without being greyed.
    EXPECT_EQ(QApplication::activeModalWidget(), dialog);
    EXPECT_TRUE(launcher.Form1()->isEnabled());
    dialog->Button1()->click();
    QCoreApplication::processEvents();
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
    EXPECT_EQ(launcher.Form1()->focusWidget(), launcher.Form1()->Button5());
}

TEST_F(LauncherTest, AReadErrorInTheConfigurationIsShownAndTheFileIsKept) {
    const std::string settings = "[CD]\r\n[]\r\n[]\r\n[C:\\ZELKONYV.97\\A97.EXE /P]\r\n";
    env.world.WriteFile("C:\\ZELKOR\\ZELPULT.INI", settings);
    env.platform.readFails = true;
    Launcher launcher(env.platform);
    {
        test::ModalWatch watch;
        EXPECT_EQ(launcher.Start(), StartMode::Normal);
        EXPECT_EQ(watch.Seen(), QStringLiteral("Disk read error"));
    }
    EXPECT_TRUE(launcher.Form1()->isVisible());
    EXPECT_NE(launcher.Form2(), nullptr);
    launcher.Form1()->close();
    EXPECT_EQ(test::ReadNativeFile(env.world.Native("C:\\ZELKOR\\ZELPULT.INI")), settings);
}

TEST_F(LauncherTest, RunEndsWhenTheMainWindowOfTheModeCloses) {
    env.platform.version = PlatformVersion{3, 10, false};
    Launcher launcher(env.platform);
    QTimer::singleShot(0, [&] { launcher.Form4()->Button1()->click(); });
    EXPECT_EQ(launcher.Run(), 0);
    EXPECT_FALSE(launcher.Form4()->isVisible());
}

// Closing a dialog gives the focus back to the control that opened it, so Escape there
// closes the panel at once, as it did before the dialog was shown.
class DialogFocusTest : public LauncherTest {
protected:
    DialogFocusTest() {
        env.WriteConfig();
        EXPECT_EQ(launcher.Start(), StartMode::Normal);
        launcher.Catalogue().SetDriveLetter(kA17, 'C');
        launcher.Form1()->SetRowState(kA17, true, true);
        QApplication::setActiveWindow(launcher.Form1());
    }

    // Escape where the focus is now must end the program. The window system activates the
    // window again; offscreen, the test does.
    void ExpectEscapeClosesThePanelFrom(QWidget* control) {
        ASSERT_EQ(launcher.Form1()->focusWidget(), control);
        QApplication::setActiveWindow(launcher.Form1());
        ASSERT_EQ(QApplication::focusWidget(), control);
        EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
        QSignalSpy ended(&launcher, &Launcher::Ended);
        QTest::keyClick(control, Qt::Key_Escape);
        EXPECT_EQ(ended.count(), 1);
        EXPECT_FALSE(launcher.Form1()->isVisible());
    }

    static constexpr int kA17 = 43;
    Launcher launcher{env.platform};
};

TEST_F(DialogFocusTest, AfterTheSettingsDialog) {
    QPushButton* settings = launcher.Form1()->Row(kA17).settings;
    settings->setFocus();
    QTest::mouseClick(settings, Qt::LeftButton);
    ASSERT_TRUE(launcher.Form3()->isVisible());
    QTest::keyClick(launcher.Form3()->focusWidget(), Qt::Key_Escape);
    EXPECT_FALSE(launcher.Form3()->isVisible());
    ExpectEscapeClosesThePanelFrom(settings);
}

TEST_F(DialogFocusTest, AfterAMessage) {
    QPushButton* year = launcher.Form1()->Row(kA17).year;
    year->setFocus();
    launcher.Form4()->Queue().ShowMessageDialog(MessageOwner::MainWindow, "x", MessageKind::Error,
                                                {}, {});
    ASSERT_TRUE(launcher.Form4()->isVisible());
    QTest::keyClick(launcher.Form4()->Button1(), Qt::Key_Escape);
    EXPECT_FALSE(launcher.Form4()->isVisible());
    ExpectEscapeClosesThePanelFrom(year);
}

TEST_F(DialogFocusTest, AfterThePrinterSetup) {
    QPushButton* setup = launcher.Form1()->Button2();
    launcher.Form1()->PageControl1()->setCurrentIndex(3);
    setup->setFocus();
    QTimer::singleShot(0, [] {
        if (auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget())) {
            dialog->reject();
        }
    });
    setup->click();
    ExpectEscapeClosesThePanelFrom(setup);
}

} // namespace
} // namespace zel
