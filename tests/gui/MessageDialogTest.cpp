#include "ui/MessageDialog.h"

#include "text/CodePage1250.h"
#include "ui/DialogMessageSink.h"
#include "ui/WindowGeometry.h"

#include <QLabel>
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
    }

    MessageDialog dialog;
    QWidget owner;
};

TEST_F(MessageDialogTest, OneLineSitsLowerAndTwoLinesStackFromTwentyOne) {
    dialog.ShowMessageDialog(&owner, QStringLiteral("Egy sor"), MessageKind::Warning, {});
    EXPECT_EQ(dialog.Label1()->y(), 27);

    dialog.ShowMessageDialog(&owner, QStringLiteral("Első sor"), MessageKind::Warning,
                             QStringLiteral("Második sor"));
    EXPECT_EQ(dialog.Label1()->y(), 21);
    EXPECT_EQ(dialog.Label2()->y(), 39);
    EXPECT_EQ(dialog.Label2()->text(), QStringLiteral("Második sor"));
}

TEST_F(MessageDialogTest, WidthFollowsTheFirstLineAndTheButtonStaysCentred) {
    const QString shortText = QStringLiteral("Rövid");
    dialog.ShowMessageDialog(&owner, shortText, MessageKind::Error,
                             QStringLiteral("Sokkal hosszabb második sor, amely nem számít"));
    const int shortWidth = dialog.frameGeometry().width();
    EXPECT_EQ(shortWidth, 56 + dialog.Label1()->width() + 25);
    EXPECT_GE(dialog.Label1()->width(),
              dialog.Label1()->fontMetrics().horizontalAdvance(shortText));
    EXPECT_EQ(dialog.Button1()->x(), (shortWidth - 65) / 2);
    EXPECT_EQ(dialog.height(), MessageDialog::kClientHeight);

    dialog.ShowMessageDialog(&owner, QStringLiteral("Ez egy jóval hosszabb első sor a dialógusban"),
                             MessageKind::Error, {});
    EXPECT_GT(dialog.frameGeometry().width(), shortWidth);
    EXPECT_EQ(dialog.Button1()->x(), (dialog.frameGeometry().width() - 65) / 2);
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
        dialog.ShowMessageDialog(&owner, QStringLiteral("x"), kind.kind, {});
        EXPECT_EQ(dialog.windowTitle(), QString::fromUtf8(kind.caption));
        for (const char* picture : {"Image1", "Image2", "Image3"}) {
            const auto* image = dialog.findChild<QLabel*>(QString::fromLatin1(picture));
            ASSERT_NE(image, nullptr);
            EXPECT_EQ(image->isVisibleTo(&dialog), std::string(picture) == kind.picture) << picture;
        }
    }
}

TEST_F(MessageDialogTest, OwnerIsDisabledWhileShownAndCentredUnder) {
    dialog.ShowMessageDialog(&owner, QStringLiteral("Üzenet"), MessageKind::Information, {});
    EXPECT_TRUE(dialog.isVisible());
    EXPECT_FALSE(owner.isEnabled());
    EXPECT_TRUE(dialog.isEnabled());
    const QRect area = owner.frameGeometry();
    const QRect box = dialog.frameGeometry();
    EXPECT_EQ(box.left(), area.left() + area.width() / 2 - box.width() / 2);
    EXPECT_EQ(box.top(), area.top() + area.height() / 2 - box.height() / 2);

    QTest::mouseClick(dialog.Button1(), Qt::LeftButton);
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_TRUE(owner.isEnabled());
    EXPECT_TRUE(owner.isVisible());
}

TEST_F(MessageDialogTest, CloseBoxAndEscapeEnableTheOwnerAsOkDoes) {
    dialog.ShowMessageDialog(&owner, QStringLiteral("a"), MessageKind::Error, {});
    dialog.close();
    EXPECT_TRUE(owner.isEnabled());

    dialog.ShowMessageDialog(&owner, QStringLiteral("b"), MessageKind::Error, {});
    QTest::keyClick(dialog.Button1(), Qt::Key_Escape);
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_TRUE(owner.isEnabled());
}

TEST_F(MessageDialogTest, OwnMessageIsCentredOnTheScreenAndTouchesNoWindow) {
    dialog.ShowMessageDialog(&dialog, QStringLiteral("Saját"), MessageKind::Error, {});
    EXPECT_TRUE(owner.isEnabled());
    EXPECT_EQ(dialog.CurrentOwner(), &dialog);
    const QSize screen = ScreenSize();
    const QRect box = dialog.frameGeometry();
    EXPECT_EQ(box.left(), screen.width() / 2 - box.width() / 2);
    EXPECT_EQ(box.top(), screen.height() / 2 - box.height() / 2);
    QTest::mouseClick(dialog.Button1(), Qt::LeftButton);
    EXPECT_FALSE(dialog.isVisible());
}

TEST_F(MessageDialogTest, OkOfTheSelfInstallWindowsMessageClosesThatWindowToo) {
    QWidget selfInstall;
    selfInstall.show();
    dialog.SetSelfInstallWindow(&selfInstall);

    dialog.ShowMessageDialog(&selfInstall, QStringLiteral("Kész"), MessageKind::Information, {});
    dialog.close();
    EXPECT_TRUE(selfInstall.isVisible());
    EXPECT_TRUE(selfInstall.isEnabled());

    dialog.ShowMessageDialog(&selfInstall, QStringLiteral("Kész"), MessageKind::Information, {});
    QTest::mouseClick(dialog.Button1(), Qt::LeftButton);
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_FALSE(selfInstall.isVisible());

    // Any other owner stays open.
    dialog.ShowMessageDialog(&owner, QStringLiteral("Más"), MessageKind::Information, {});
    QTest::mouseClick(dialog.Button1(), Qt::LeftButton);
    EXPECT_TRUE(owner.isVisible());
}

TEST_F(MessageDialogTest, AReplacedOwnerIsNotLeftDisabled) {
    QWidget second;
    second.show();
    dialog.ShowMessageDialog(&owner, QStringLiteral("Első"), MessageKind::Warning, {});
    dialog.ShowMessageDialog(&second, QStringLiteral("Második"), MessageKind::Warning, {});
    EXPECT_TRUE(owner.isEnabled());
    EXPECT_FALSE(second.isEnabled());
    dialog.close();
    EXPECT_TRUE(second.isEnabled());
}

TEST_F(MessageDialogTest, SinkShowsCodePageTextAndWaitsForTheAnswer) {
    DialogMessageSink sink(dialog, &owner);
    sink.ShowMessage(Utf8ToCp1250("Hibás állomány"), MessageKind::Error, Utf8ToCp1250("Őrző"));
    EXPECT_EQ(dialog.Label1()->text(), QStringLiteral("Hibás állomány"));
    EXPECT_EQ(dialog.Label2()->text(), QStringLiteral("Őrző"));
    EXPECT_FALSE(owner.isEnabled());

    bool answered = false;
    QTimer::singleShot(0, [&] {
        answered = true;
        dialog.Button1()->click();
    });
    sink.WaitForMessage();
    EXPECT_TRUE(answered);
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_TRUE(owner.isEnabled());
}

} // namespace
} // namespace zel
