#include "ui/MainWindow.h"

#include "GuiWorld.h"
#include "catalogue/ProgramCatalogue.h"
#include "panel/LauncherPanel.h"
#include "platform/IoError.h"
#include "ui/EditableCombo.h"
#include "ui/MessageDialog.h"
#include "ui/StringGrid.h"

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QTabWidget>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

namespace zel {
namespace {

class MainWindowTest : public ::testing::Test {
protected:
    MainWindowTest() { env.WriteConfig(); }

    std::unique_ptr<MainWindow> Create() {
        return std::make_unique<MainWindow>(env.platform, catalogue,
                                            env.platform.CurrentDirectory(), dialog.Queue());
    }

    test::GuiWorld env;
    ProgramCatalogue catalogue;
    MessageDialog dialog;
};

QWidget* PageOf(const QWidget* control) {
    for (QWidget* w = control->parentWidget(); w != nullptr; w = w->parentWidget()) {
        if (w->objectName().startsWith(QStringLiteral("TabSheet"))) {
            return w;
        }
    }
    return nullptr;
}

TEST_F(MainWindowTest, PagesComeInTheirTabOrder) {
    const auto window = Create();
    const QTabWidget* pages = window->PageControl1();
    ASSERT_EQ(pages->count(), 4);
    const char* names[] = {"TabSheet1", "TabSheet2", "TabSheet4", "TabSheet3"};
    const char* captions[] = {"&Program indítás", "&Korábbi évek", "&Korábbi évek II",
                              "&Nyomtatás vezérlés"};
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(pages->widget(i)->objectName(), QString::fromLatin1(names[i]));
        EXPECT_EQ(pages->tabText(i), QString::fromUtf8(captions[i]));
    }
    EXPECT_EQ(pages->currentIndex(), 0);
    EXPECT_EQ(window->windowTitle(), QString::fromUtf8("  ZELKOR - Indítópult   ver: 27.0"));
}

TEST_F(MainWindowTest, RowsLieWhereTheRulePutsThemAndLaterPagesComeWhenShown) {
    const auto window = Create();
    const QRegularExpression yearButton(QStringLiteral("^[AB]\\d\\d$"));
    EXPECT_EQ(window->findChildren<QPushButton*>(yearButton).size(), 18);
    window->show();
    QTabWidget* pages = window->PageControl1();
    for (const int page : {1, 2}) {
        pages->setCurrentIndex(page);
    }
    EXPECT_EQ(window->findChildren<QPushButton*>(yearButton).size(), 60);
    const struct {
        const char* name;
        const char* page;
        QRect geometry;
    } controls[] = {
        {"A17", "TabSheet1", {24, 68, 81, 22}},       {"A17PATH", "TabSheet1", {120, 68, 97, 21}},
        {"sa17", "TabSheet1", {232, 66, 33, 26}},     {"B25", "TabSheet1", {27, 316, 81, 22}},
        {"B25PATH", "TabSheet1", {123, 316, 97, 21}}, {"sb25", "TabSheet1", {235, 314, 33, 26}},
        {"A06", "TabSheet2", {24, 68, 81, 22}},       {"B16", "TabSheet2", {27, 378, 81, 22}},
        {"A96", "TabSheet4", {24, 68, 81, 22}},       {"sb05", "TabSheet4", {235, 345, 33, 26}},
    };
    for (const auto& expected : controls) {
        const auto* control = window->findChild<QWidget*>(QString::fromLatin1(expected.name));
        ASSERT_NE(control, nullptr) << expected.name;
        EXPECT_EQ(control->geometry(), expected.geometry) << expected.name;
        const QWidget* page = PageOf(control);
        EXPECT_EQ(page->objectName(), QString::fromLatin1(expected.page)) << expected.name;
        EXPECT_FALSE(control->isEnabled()) << expected.name;
        // A page made as it is shown shows its rows.
        EXPECT_EQ(control->isVisible(), page == pages->currentWidget()) << expected.name;
    }
}

TEST_F(MainWindowTest, ARowPageMadeLaterShowsWhatThePanelHolds) {
    const auto window = Create();
    ASSERT_EQ(window->findChild<QWidget*>(QStringLiteral("A96")), nullptr);
    RowStates states{};
    states[0] = {{"C:", "D:"}, 1, true, false};
    states[1] = {{"E:"}, -1, true, true};
    window->Panel().ApplyRowStates(states);
    EXPECT_EQ(window->DriveBoxText(1), "");

    const RowControls row = window->Row(1);
    EXPECT_EQ(row.drive->count(), 2);
    EXPECT_EQ(row.drive->currentText(), QStringLiteral("D:"));
    EXPECT_TRUE(row.year->isEnabled() && row.settings->isEnabled());
    EXPECT_FALSE(row.drive->isEnabled());
    EXPECT_EQ(row.drive->palette().color(QPalette::Base),
              row.drive->palette().color(QPalette::Button));
    EXPECT_EQ(window->DriveBoxText(2), "");
    EXPECT_EQ(window->SlotOfControl(window->findChild<QWidget*>(QStringLiteral("sb96"))), 2);
}

TEST_F(MainWindowTest, RowControlsCarryTheirLooksAndFindTheirSlot) {
    const auto window = Create();
    const RowControls row = window->Row(43);
    ASSERT_NE(row.year, nullptr);
    EXPECT_EQ(row.year->objectName(), QStringLiteral("A17"));
    EXPECT_EQ(row.year->text(), QStringLiteral("2017"));
    EXPECT_TRUE(row.year->font().bold());
    EXPECT_EQ(row.year->font().pixelSize(), 12);
    EXPECT_EQ(row.year->toolTip(), QString::fromUtf8("Program indítása"));
    EXPECT_TRUE(row.year->accessibleDescription().contains(QStringLiteral("2017")));
    EXPECT_TRUE(row.drive->EditField() != nullptr && row.drive->isEditable());
    EXPECT_EQ(row.drive->count(), 0);
    EXPECT_EQ(row.drive->palette().color(QPalette::Base),
              row.drive->palette().color(QPalette::Button));
    EXPECT_EQ(row.settings->objectName(), QStringLiteral("sa17"));
    EXPECT_EQ(row.settings->accessibleName(), QString::fromUtf8("Beállítások"));

    EXPECT_EQ(window->SlotOfControl(row.year), 43);
    EXPECT_EQ(window->SlotOfControl(row.drive->EditField()), 43);
    EXPECT_EQ(window->SlotOfControl(window->Button5()), 0);

    window->SetRowState(43, true, true);
    EXPECT_TRUE(row.year->isEnabled() && row.drive->isEnabled() && row.settings->isEnabled());
    EXPECT_NE(row.drive->palette().color(QPalette::Base),
              row.drive->palette().color(QPalette::Button));
    window->SetRowState(43, true, false);
    EXPECT_TRUE(row.year->isEnabled() && row.settings->isEnabled());
    EXPECT_FALSE(row.drive->isEnabled());
    EXPECT_EQ(row.drive->palette().color(QPalette::Base),
              row.drive->palette().color(QPalette::Button));
}

TEST_F(MainWindowTest, PrintPageStartsInCharacterModeWithPrintingEnabled) {
    const auto window = Create();
    EXPECT_TRUE(window->edNyomDos()->isChecked());
    EXPECT_TRUE(window->btNyomtat()->isChecked());
    window->btNyomtat()->click();
    EXPECT_TRUE(window->btNyomtat()->isChecked());
    window->btMegszakit()->click();
    EXPECT_FALSE(window->btNyomtat()->isChecked());
    EXPECT_TRUE(window->btMegszakit()->isChecked());

    StringGrid* grid = window->StringGrid1();
    EXPECT_EQ(grid->geometry(), QRect(31, 109, 524, 126));
    EXPECT_EQ(grid->columnCount(), 7);
    EXPECT_EQ(grid->rowCount(), 2);
    EXPECT_EQ(grid->rowHeight(1), 16);
    EXPECT_EQ(grid->selectionBehavior(), QAbstractItemView::SelectRows);
    EXPECT_EQ(grid->editTriggers(), QAbstractItemView::NoEditTriggers);
    EXPECT_EQ(window->Timer1()->interval(), 1000);
    EXPECT_TRUE(window->Timer1()->isActive());
}

TEST_F(MainWindowTest, NormalCreationFillsTheCatalogueAndMakesTheSpoolFolder) {
    const auto window = Create();
    EXPECT_TRUE(window->Panel().NormalMode());
    EXPECT_EQ(catalogue.Slot(1).directory, "0:\\VORMAK.96");
    EXPECT_TRUE(std::filesystem::is_directory(env.world.Native("C:\\ZELKOR\\Printing")));
    // The test program lies outside every drive: the spool falls back to the start folder.
    EXPECT_EQ(window->Panel().SpoolDirectory().Text(), "C:\\ZELKOR\\Printing");
    EXPECT_TRUE(window->NDISKA()->isEnabled());
}

TEST_F(MainWindowTest, SpoolFolderLiesBesideTheExecutable) {
    std::filesystem::create_directories(env.world.AddDrive('X') / "ZELKOR");
    // Drives are read when a platform is made.
    test::ForwardingPlatform platform(env.world.MakePlatform());
    platform.executablePath = "X:\\ZELKOR\\ZELPULT.EXE";
    MainWindow window(platform, catalogue, platform.CurrentDirectory(), dialog.Queue());
    EXPECT_EQ(window.Panel().SpoolDirectory().Text(), "X:\\ZELKOR\\Printing");
}

TEST_F(MainWindowTest, UnknownCurrentDriveDisablesTheFloppySource) {
    env.platform.driveTypes['C'] = DriveType::Unknown;
    EXPECT_FALSE(Create()->NDISKA()->isEnabled());
}

TEST_F(MainWindowTest, WithoutConfigurationCreationStopsBeforeTheCatalogue) {
    std::filesystem::remove(env.world.Native("C:\\ZELKOR\\ZELPULT.INI"));
    const auto window = Create();
    EXPECT_FALSE(window->Panel().NormalMode());
    EXPECT_TRUE(catalogue.Slot(1).directory.empty());
    EXPECT_FALSE(std::filesystem::exists(env.world.Native("C:\\ZELKOR\\Printing")));
    EXPECT_EQ(window->Panel().SpoolDirectory().Text(), "C:\\ZELKOR\\Printing");
}

class MainWindowKeysTest : public MainWindowTest {
protected:
    MainWindowKeysTest() : window(Create()), closed(window.get(), &MainWindow::Closed) {
        window->show();
        QApplication::setActiveWindow(window.get());
        window->SetRowState(43, true, true);
    }

    void Press(QWidget* control, Qt::Key key) {
        control->setFocus();
        QTest::keyClick(control, key);
    }

    std::unique_ptr<MainWindow> window;
    QSignalSpy closed;
};

TEST_F(MainWindowKeysTest, EscapeOnARowControlClosesTheWindow) {
    Press(window->Row(43).drive, Qt::Key_Escape);
    EXPECT_EQ(closed.count(), 1);
    EXPECT_FALSE(window->isVisible());
}

TEST_F(MainWindowKeysTest, EscapeOnTheExitButtonClosesTheWindow) {
    Press(window->Button5(), Qt::Key_Escape);
    EXPECT_EQ(closed.count(), 1);
}

TEST_F(MainWindowKeysTest, EscapeInAPrintGridOrOnThePrintModeDoesNothing) {
    window->PageControl1()->setCurrentIndex(3);
    Press(window->StringGrid1(), Qt::Key_Escape);
    Press(window->edNyomWindows(), Qt::Key_Escape);
    EXPECT_EQ(closed.count(), 0);
    EXPECT_TRUE(window->isVisible());
}

TEST_F(MainWindowKeysTest, TheJobTablesComeWithThePrintPageAndTakeTheirTabPlace) {
    EXPECT_EQ(window->findChild<StringGrid*>(QStringLiteral("StringGrid1")), nullptr);
    window->PageControl1()->setCurrentIndex(3);
    auto* running = window->findChild<StringGrid*>(QStringLiteral("StringGrid1"));
    auto* finished = window->findChild<StringGrid*>(QStringLiteral("StringGrid2"));
    ASSERT_NE(running, nullptr);
    ASSERT_NE(finished, nullptr);
    EXPECT_TRUE(running->isVisible() && finished->isVisible());
    EXPECT_EQ(window->StringGrid1(), running);
    EXPECT_EQ(window->StringGrid2(), finished);
    EXPECT_EQ(finished->geometry(), QRect(31, 268, 524, 126));
    EXPECT_EQ(finished->columnWidth(0), 304);
    const auto* heading = window->findChild<QLabel*>(QStringLiteral("Label3"));
    ASSERT_NE(heading, nullptr);
    EXPECT_TRUE(heading->isVisible() && heading->font().bold());
    EXPECT_EQ(heading->text(), QString::fromUtf8("Elvégzett nyomtatások"));

    QStringList order;
    const QWidget* page = window->PageControl1()->currentWidget();
    for (QWidget* w = window->nextInFocusChain(); w != window.get(); w = w->nextInFocusChain()) {
        if (page->isAncestorOf(w) && (w->focusPolicy() & Qt::TabFocus) != 0) {
            order << w->objectName();
        }
    }
    EXPECT_EQ(order.join(u' '), QStringLiteral("edNyomDos edNyomWindows Button2 StringGrid1 "
                                               "StringGrid2 btNyomtat btMegszakit"));
}

TEST_F(MainWindowKeysTest, EnterInTheSourceFieldsInstallsAsTheButtonDoes) {
    // A name the install box refuses: the refusal shows that the installation ran.
    window->NPATH()->setText(QStringLiteral("valami.exe"));
    for (QWidget* control :
         {static_cast<QWidget*>(window->NPATH()), static_cast<QWidget*>(window->NDISKC())}) {
        Press(control, Qt::Key_Return);
        EXPECT_TRUE(dialog.isVisible());
        EXPECT_TRUE(dialog.Label1()->text().startsWith(QStringLiteral("Csak"))) << control;
        dialog.close();
    }
    EXPECT_EQ(closed.count(), 0);
}

TEST_F(MainWindowKeysTest, TheSourceChosenByMouseOrKeysEnablesThePathItNeeds) {
    const auto pathEnabled = [this] {
        const bool path = window->NPATH()->isEnabled();
        EXPECT_EQ(window->NBROWSE()->isEnabled(), path);
        EXPECT_EQ(window->NBROWSEPIC()->isEnabled(), path);
        return path;
    };
    EXPECT_TRUE(window->NDISKC()->isChecked());
    EXPECT_TRUE(pathEnabled());
    QTest::mouseClick(window->NDISKA(), Qt::LeftButton);
    EXPECT_FALSE(pathEnabled());
    Press(window->NDISKA(), Qt::Key_Down);
    EXPECT_TRUE(window->NDISKC()->isChecked());
    EXPECT_TRUE(pathEnabled());
    Press(window->NDISKC(), Qt::Key_Up);
    EXPECT_TRUE(window->NDISKA()->isChecked());
    EXPECT_FALSE(pathEnabled());
    QTest::mouseClick(window->NDISKC(), Qt::LeftButton);
    window->NDISKA()->setChecked(true);
    window->NPATH()->setFocus();
    EXPECT_TRUE(window->NDISKC()->isChecked());
}

class AppExceptionTest : public MainWindowTest {
protected:
    AppExceptionTest() : window(Create()) {
        dialog.SetWindows(window.get(), &selfInstall);
        selfInstall.show();
    }

    void Fail(IoErrorKind kind) { window->Panel().AppException(IoError(kind)); }

    std::unique_ptr<MainWindow> window;
    QWidget selfInstall;
};

TEST_F(AppExceptionTest, InvalidNamesAndDrivesShowNothing) {
    for (const IoErrorKind kind : {IoErrorKind::InvalidDrive, IoErrorKind::InvalidFilename}) {
        test::ModalWatch watch;
        Fail(kind);
        QCoreApplication::processEvents();
        EXPECT_TRUE(watch.Seen().isEmpty()) << IoErrorText(kind);
        EXPECT_FALSE(dialog.isVisible()) << IoErrorText(kind);
    }
}

TEST_F(AppExceptionTest, DeniedAccessIsAWriteProtectedDriveOfTheSelfInstallWindow) {
    Fail(IoErrorKind::AccessDenied);
    EXPECT_TRUE(dialog.isVisible());
    EXPECT_EQ(dialog.Label1()->text(), QString::fromUtf8("Ez a meghajtó írásvédett!"));
    EXPECT_TRUE(dialog.Label2()->text().isEmpty());
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("  Hiba"));
    EXPECT_EQ(dialog.CurrentOwner(), &selfInstall);
    // Blocked while the message is up, but not greyed.
    EXPECT_EQ(QApplication::activeModalWidget(), &dialog);
    EXPECT_TRUE(selfInstall.isEnabled());
}

TEST_F(AppExceptionTest, AnyOtherErrorGoesToTheStandardErrorBox) {
    test::ModalWatch watch;
    Fail(IoErrorKind::DiskFull);
    EXPECT_EQ(watch.Seen(), QStringLiteral("Disk full"));
    EXPECT_FALSE(dialog.isVisible());
}

} // namespace
} // namespace zel
