#include "ui/SettingsDialog.h"

#include "catalogue/ProgramCatalogue.h"
#include "text/CodePage1250.h"

#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

namespace zel {
namespace {

constexpr int kB03 = 16;
constexpr int kA17 = 43;

class SettingsDialogTest : public ::testing::Test {
protected:
    SettingsDialogTest() : dialog(catalogue, &owner, QSize(1024, 768), {}) {
        catalogue.Fill();
        catalogue.SetDriveLetter(kB03, 'D');
        for (char drive : {'C', 'D', 'E'}) {
            catalogue.SetStartParams(kB03, drive, std::string("OLD ") + drive);
        }
        owner.show();
    }

    template <typename T> T* Find(const char* name) {
        T* child = dialog.findChild<T*>(QString::fromLatin1(name));
        EXPECT_NE(child, nullptr) << name;
        return child;
    }

    QString Text(const char* label) { return Find<QLabel>(label)->text(); }
    QLineEdit* Edit() { return Find<QLineEdit>("Edit1"); }
    QCheckBox* Box() { return Find<QCheckBox>("CheckBox1"); }

    void OpenB03() { dialog.Panel().Open(kB03, {"C: [SYSTEM]", "D:"}); }

    void ExpectClosed() {
        EXPECT_FALSE(dialog.isVisible());
        EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
        EXPECT_FALSE(Box()->isChecked());
    }

    QWidget owner;
    ProgramCatalogue catalogue;
    SettingsDialog dialog;
};

TEST_F(SettingsDialogTest, ShowsTheRowsProgramAndTheParametersOfItsChosenDrive) {
    OpenB03();
    EXPECT_TRUE(dialog.isVisible());
    // The owner takes no input meanwhile, but is not greyed.
    EXPECT_EQ(QApplication::activeModalWidget(), &dialog);
    EXPECT_TRUE(owner.isEnabled());
    EXPECT_EQ(catalogue.currentSlot, kB03);
    EXPECT_EQ(Text("pnev"), QStringLiteral("Bérszámfejtő program"));
    EXPECT_EQ(Text("pev"), QStringLiteral("2003"));
    EXPECT_EQ(Text("phely"), QStringLiteral("D:\\ZELBER.203\\B2003.EXE"));
    EXPECT_EQ(Edit()->text(), QStringLiteral("OLD D"));
    EXPECT_TRUE(Box()->isEnabled());
    dialog.Panel().Cancel();
    ExpectClosed();

    catalogue.SetDriveLetter(kA17, 'C');
    catalogue.SetStartParams(kA17, 'C', Utf8ToCp1250("/ÁRAM"));
    dialog.Panel().Open(kA17, {"C: [SYSTEM]"});
    EXPECT_EQ(catalogue.currentSlot, kA17);
    EXPECT_EQ(Text("pnev"), QStringLiteral("Egyszeres könyvviteli program"));
    EXPECT_EQ(Text("pev"), QStringLiteral("2017"));
    EXPECT_EQ(Text("phely"), QStringLiteral("C:\\ZELKONYV.217\\A2017.EXE"));
    EXPECT_EQ(Edit()->text(), QStringLiteral("/ÁRAM"));
    EXPECT_FALSE(Box()->isEnabled());
    dialog.close();
    ExpectClosed();

    catalogue.SetDriveLetter(kB03, 'F');
    OpenB03();
    EXPECT_EQ(Text("phely"), QStringLiteral("F:\\ZELBER.203\\B2003.EXE"));
    EXPECT_EQ(Edit()->text(), QString());
}

TEST_F(SettingsDialogTest, OkOrEnterStoresThroughTheDialog) {
    OpenB03();
    Edit()->setText(QStringLiteral("/r áb"));
    QTest::mouseClick(Find<QPushButton>("Button3"), Qt::LeftButton);
    EXPECT_EQ(catalogue.StartParams(kB03, 'D'), Utf8ToCp1250("/R áB"));
    EXPECT_EQ(catalogue.StartParams(kB03, 'C'), "OLD C");
    EXPECT_EQ(Edit()->text(), QStringLiteral("/R áB"));
    ExpectClosed();

    OpenB03();
    Edit()->setText(QStringLiteral("/a"));
    QTest::keyClick(Edit(), Qt::Key_Return);
    EXPECT_EQ(catalogue.StartParams(kB03, 'D'), "/A");
    ExpectClosed();

    OpenB03();
    Edit()->setText(QStringLiteral("/b"));
    Box()->setChecked(true);
    QTest::keyClick(Box(), Qt::Key_Enter);
    EXPECT_EQ(catalogue.StartParams(kB03, 'C'), "/B");
    EXPECT_EQ(catalogue.StartParams(kB03, 'D'), "/B");
    EXPECT_EQ(catalogue.StartParams(kB03, 'E'), "OLD E");
    ExpectClosed();
}

TEST_F(SettingsDialogTest, EscapeStoresNothingAndTheBoxComesBackUnchecked) {
    for (QWidget* from : {static_cast<QWidget*>(Edit()), static_cast<QWidget*>(Box()),
                          static_cast<QWidget*>(Find<QPushButton>("Button3"))}) {
        OpenB03();
        EXPECT_FALSE(Box()->isChecked());
        Edit()->setText(QStringLiteral("/x"));
        Box()->setChecked(true);
        QTest::keyClick(from, Qt::Key_Escape);
        ExpectClosed();
        EXPECT_EQ(catalogue.StartParams(kB03, 'C'), "OLD C");
        EXPECT_EQ(catalogue.StartParams(kB03, 'D'), "OLD D");
    }
}

TEST_F(SettingsDialogTest, SlotWithoutADriveShowsNothingAndStoresNothing) {
    dialog.Panel().Open(1, {});
    EXPECT_EQ(Text("phely"), QStringLiteral("0:\\VORMAK.96\\A96.EXE"));
    EXPECT_EQ(Edit()->text(), QString());
    Edit()->setText(QStringLiteral("/z"));
    dialog.Panel().Store();
    for (char drive = 'A'; drive <= 'Z'; ++drive) {
        EXPECT_EQ(catalogue.StartParams(1, drive), "") << drive;
    }
    ExpectClosed();
}

TEST_F(SettingsDialogTest, FixedSizeCentredAndItsControlsInOrder) {
    EXPECT_EQ(dialog.objectName(), QStringLiteral("TForm3"));
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("  Program beállítás"));
    EXPECT_EQ(dialog.parentWidget(), nullptr);
    OpenB03();
    const QSize frame = dialog.frameGeometry().size() - dialog.size();
    EXPECT_EQ(dialog.size(), QSize(417, 281));
    dialog.resize(600, 500);
    EXPECT_EQ(dialog.size(), QSize(417, 281));
    EXPECT_EQ(dialog.frameGeometry().topLeft(),
              QPoint((1024 - 417 - frame.width()) / 2, (768 - 281 - frame.height()) / 2));
    EXPECT_EQ(Find<QWidget>("Panel1")->geometry(), QRect(8, 8, 401, 265));
    EXPECT_EQ(Edit()->geometry(), QRect(152, 152, 209, 21));
    EXPECT_TRUE(Text("pnev").size() > 0 && Find<QLabel>("pnev")->font().bold());

    QStringList order;
    QWidget* next = Edit();
    do {
        if (next->focusPolicy() & Qt::TabFocus) {
            order << next->objectName();
        }
        next = next->nextInFocusChain();
    } while (next != Edit() && order.size() < 4);
    EXPECT_EQ(order, (QStringList{"Edit1", "CheckBox1", "Button3", "Button1"}));
}

TEST(SettingsDialogSmallScreenTest, NeverLargerThanTheScreen) {
    ProgramCatalogue catalogue;
    catalogue.Fill();
    SettingsDialog dialog(catalogue, nullptr, QSize(400, 240), {});
    EXPECT_LE(dialog.frameGeometry().width(), 400);
    EXPECT_LE(dialog.frameGeometry().height(), 240);
}

} // namespace
} // namespace zel
