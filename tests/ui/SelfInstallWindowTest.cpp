#include "ui/SelfInstallWindow.h"

#include "GuiWorld.h"
#include "ui/DriveComboBox.h"
#include "ui/MessageDialog.h"

#include <QCheckBox>
#include <QProgressBar>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <gtest/gtest.h>

namespace zel {
namespace {

class SelfInstallWindowTest : public ::testing::Test {
protected:
    SelfInstallWindowTest() {
        env.world.AddDrive('D');
        std::filesystem::create_directories(env.world.Native("D:\\MUNKA"));
        env.EnterDirectory(env.world.Native("D:\\MUNKA"));
    }

    test::GuiWorld env;
    MessageDialog messages;
};

TEST_F(SelfInstallWindowTest, StartsAtTheCurrentDriveWithBothShortcutsChosen) {
    auto platform = env.world.MakePlatform();
    SelfInstallWindow window(*platform, messages.Queue(), {});
    EXPECT_EQ(window.windowTitle(), QString::fromUtf8("  ZELKOR Indítópult telepítése"));
    // Its controls and its icon, made as it shows, show with it.
    EXPECT_TRUE(window.findChildren<QWidget*>().isEmpty());
    window.show();
    EXPECT_FALSE(window.windowIcon().isNull());
    const QList<QWidget*> controls = window.findChildren<QWidget*>();
    EXPECT_FALSE(controls.isEmpty());
    for (const QWidget* control : controls) {
        EXPECT_TRUE(control->isVisible()) << control->objectName().toStdString();
    }
    EXPECT_EQ(window.DriveComboBox1()->count(), 2);
    EXPECT_TRUE(window.DriveComboBox1()->currentText().startsWith(QStringLiteral("d:")));
    EXPECT_TRUE(window.CheckBox1()->isChecked());
    EXPECT_TRUE(window.CheckBox2()->isChecked());
    EXPECT_EQ(window.Gauge1()->minimum(), 0);
    EXPECT_EQ(window.Gauge1()->maximum(), 100);
    EXPECT_EQ(window.Button1()->text(), QStringLiteral("&Start"));
}

// Shown again, the list keeps its drives and the user's choice.
TEST_F(SelfInstallWindowTest, ShownAgainKeepsTheListAndTheChoice) {
    env.world.AddDrive('E');
    auto platform = env.world.MakePlatform();
    SelfInstallWindow window(*platform, messages.Queue(), {});

    window.show();
    EXPECT_EQ(window.DriveComboBox1()->count(), 3);
    window.DriveComboBox1()->setCurrentIndex(
        window.DriveComboBox1()->findText(QStringLiteral("e:"), Qt::MatchStartsWith));
    window.hide();
    window.show();
    EXPECT_EQ(window.DriveComboBox1()->count(), 3);
    EXPECT_TRUE(window.DriveComboBox1()->currentText().startsWith(QStringLiteral("e:")));
}

TEST_F(SelfInstallWindowTest, KeepsThePanelsSizeWithItsMargins) {
    auto platform = env.world.MakePlatform();
    SelfInstallWindow window(*platform, messages.Queue(), {});
    window.show();
    EXPECT_EQ(window.size(), QSize(426, 273));
    window.resize(700, 500);
    EXPECT_EQ(window.size(), QSize(426, 273));
}

TEST_F(SelfInstallWindowTest, EscapeAnywhereAndCancelClose) {
    auto platform = env.world.MakePlatform();
    SelfInstallWindow window(*platform, messages.Queue(), {});
    QSignalSpy closed(&window, &SelfInstallWindow::Closed);
    window.show();
    window.CheckBox2()->setFocus();
    QTest::keyClick(window.CheckBox2(), Qt::Key_Escape);
    EXPECT_EQ(closed.count(), 1);
    EXPECT_FALSE(window.isVisible());

    window.show();
    window.Button2()->click();
    EXPECT_EQ(closed.count(), 2);
}

} // namespace
} // namespace zel
