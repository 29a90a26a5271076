#include "ui/MessageDialog.h"

#include "panel/MessageDialogLayout.h"
#include "support/ComposedMessages.h"
#include "text/CodePage1250.h"
#include "ui/WindowGeometry.h"

#include <QApplication>
#include <QCoreApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

namespace zel {
namespace {

class MessageDialogTest : public ::testing::Test {
protected:
    MessageDialogTest() {
        owner.setGeometry(100, 80, 400, 300);
        owner.show();
        dialog.SetWindows(&owner, &selfInstall);
    }

    // Texts in UTF-8 here; the dialog takes code page 1250.
    void Show(MessageOwner whose, const char* text, MessageKind kind, const char* detail = "",
              std::function<void()> afterwards = {}) {
        dialog.Queue().ShowMessageDialog(whose, Utf8ToCp1250(text), kind, Utf8ToCp1250(detail),
                                         std::move(afterwards));
    }

    MessageDialog dialog;
    QWidget owner;
    QWidget selfInstall;
};

TEST_F(MessageDialogTest, OneLineSitsLowerAndTwoLinesStackFromTwentyOne) {
    Show(MessageOwner::MainWindow, "Egy sor", MessageKind::Warning);
    EXPECT_EQ(dialog.Label1()->y(), 27);

    Show(MessageOwner::MainWindow, "Első sor", MessageKind::Warning, "Második sor");
    EXPECT_EQ(dialog.Label1()->y(), 21);
    EXPECT_EQ(dialog.Label2()->y(), 39);
    EXPECT_EQ(dialog.Label2()->text(), QStringLiteral("Második sor"));
}

TEST_F(MessageDialogTest, WidthFollowsTheFirstLineAndTheButtonStaysCentred) {
    const QString shortText = QStringLiteral("Rövid");
    Show(MessageOwner::MainWindow, "Rövid", MessageKind::Error,
         "Sokkal hosszabb második sor, amely nem számít");
    const int shortWidth = dialog.frameGeometry().width();
    EXPECT_EQ(shortWidth, 56 + dialog.Label1()->width() + 25);
    EXPECT_GE(dialog.Label1()->width(),
              dialog.Label1()->fontMetrics().horizontalAdvance(shortText));
    EXPECT_EQ(dialog.Button1()->x(), (shortWidth - 65) / 2);
    EXPECT_EQ(dialog.height(), kMessageClientHeight);

    Show(MessageOwner::MainWindow, "Ez egy jóval hosszabb első sor a dialógusban",
         MessageKind::Error);
    EXPECT_GT(dialog.frameGeometry().width(), shortWidth);
    EXPECT_EQ(dialog.Button1()->x(), (dialog.frameGeometry().width() - 65) / 2);
}

// The window is as wide as the first line: a wider second line would be cut off at its edge.
TEST_F(MessageDialogTest, EveryMessageTheLauncherComposesShowsItsSecondLineWhole) {
    for (const MessageLines& message : test::ComposedMessages()) {
        dialog.Queue().ShowMessageDialog(MessageOwner::MainWindow, message.text,
                                         MessageKind::Warning, message.detail, {});
        const QLabel* first = dialog.Label1();
        const QLabel* second = dialog.Label2();
        const int firstWidth = first->fontMetrics().horizontalAdvance(first->text());
        const int secondWidth = second->fontMetrics().horizontalAdvance(second->text());
        SCOPED_TRACE(first->text().toStdString() + " / " + second->text().toStdString());
        EXPECT_LE(secondWidth, firstWidth);
        EXPECT_LE(second->x() + secondWidth, dialog.width());
    }
}

TEST_F(MessageDialogTest, KindChoosesPictureAndCaption) {
    const struct {
        MessageKind kind;
        const char* picture;
        const char* caption;
    } kinds[] = {
        {MessageKind::Error, "Image1", "  Hiba"},
        {MessageKind::Warning, "Image2", "  Figyelem"},
        {MessageKind::Information, "Image3", "  Információ"},
    };
    for (const auto& kind : kinds) {
        Show(MessageOwner::MainWindow, "x", kind.kind);
        EXPECT_EQ(dialog.windowTitle(), QString::fromUtf8(kind.caption));
        for (const char* picture : {"Image1", "Image2", "Image3"}) {
            const auto* image = dialog.findChild<QLabel*>(QString::fromLatin1(picture));
            ASSERT_NE(image, nullptr);
            EXPECT_EQ(image->isVisibleTo(&dialog), std::string(picture) == kind.picture) << picture;
        }
    }
}

TEST_F(MessageDialogTest, OwnerIsBlockedNotGreyedWhileShownAndCentredUnder) {
    Show(MessageOwner::MainWindow, "Üzenet", MessageKind::Information);
    EXPECT_TRUE(dialog.isVisible());
    EXPECT_EQ(QApplication::activeModalWidget(), &dialog);
    EXPECT_TRUE(owner.isEnabled());
    const QRect area = owner.frameGeometry();
    const QRect box = dialog.frameGeometry();
    EXPECT_EQ(box.left(), area.left() + area.width() / 2 - box.width() / 2);
    EXPECT_EQ(box.top(), area.top() + area.height() / 2 - box.height() / 2);

    QTest::mouseClick(dialog.Button1(), Qt::LeftButton);
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
    EXPECT_TRUE(owner.isVisible());
}

TEST_F(MessageDialogTest, TheFocusGoesBackAndWhatFollowsRunsOnceHoweverItCloses) {
    auto* field = new QLineEdit(&owner);
    field->show();
    QApplication::setActiveWindow(&owner);
    int followed = 0;
    int closings = 0;
    for (const auto& close : std::vector<std::function<void()>>{
             [&] { QTest::mouseClick(dialog.Button1(), Qt::LeftButton); },
             [&] { QTest::keyClick(dialog.Button1(), Qt::Key_Escape); }, [&] { dialog.close(); }}) {
        field->setFocus();
        Show(MessageOwner::MainWindow, "a", MessageKind::Error, "", [&] { ++followed; });
        EXPECT_EQ(followed, closings);
        close();
        QCoreApplication::processEvents();
        ++closings;
        EXPECT_FALSE(dialog.isVisible());
        EXPECT_EQ(QApplication::focusWidget(), field);
    }
    EXPECT_EQ(followed, 3);
}

TEST_F(MessageDialogTest, OwnMessageIsCentredOnTheScreen) {
    Show(MessageOwner::None, "Saját", MessageKind::Error);
    EXPECT_EQ(dialog.CurrentOwner(), &dialog);
    const QSize screen = ScreenSize();
    const QRect box = dialog.frameGeometry();
    EXPECT_EQ(box.left(), screen.width() / 2 - box.width() / 2);
    EXPECT_EQ(box.top(), screen.height() / 2 - box.height() / 2);
    QTest::mouseClick(dialog.Button1(), Qt::LeftButton);
    EXPECT_FALSE(dialog.isVisible());
}

TEST_F(MessageDialogTest, OkOfTheSelfInstallWindowsMessageClosesThatWindowToo) {
    selfInstall.show();
    Show(MessageOwner::SelfInstallWindow, "Kész", MessageKind::Information);
    dialog.close();
    EXPECT_TRUE(selfInstall.isVisible());

    Show(MessageOwner::SelfInstallWindow, "Kész", MessageKind::Information);
    QTest::mouseClick(dialog.Button1(), Qt::LeftButton);
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_FALSE(selfInstall.isVisible());

    // Any other owner stays open.
    Show(MessageOwner::MainWindow, "Más", MessageKind::Information);
    QTest::mouseClick(dialog.Button1(), Qt::LeftButton);
    EXPECT_TRUE(owner.isVisible());
}

} // namespace
} // namespace zel
