#include "winui/MessageDialog.h"

#include "WindowDriving.h"
#include "support/ComposedMessages.h"
#include "text/CodePage1250.h"

#include <gtest/gtest.h>

namespace zel {
namespace {

class MessageDialogTest : public ::testing::Test {
protected:
    MessageDialogTest() { dialog.SetWindows(owner.Handle(), selfInstall.Handle()); }

    // Texts in UTF-8 here; the dialog takes code page 1250.
    void Show(MessageOwner whose, const char* text, MessageKind kind, const char* detail = "",
              std::function<void()> afterwards = {}) {
        dialog.Queue().ShowMessageDialog(whose, Utf8ToCp1250(text), kind, Utf8ToCp1250(detail),
                                         std::move(afterwards));
    }
    [[nodiscard]] bool Up() const { return IsWindowVisible(dialog.Handle()) != FALSE; }

    test::OwnerWindow owner;
    test::OwnerWindow selfInstall;
    MessageDialog dialog;
};

TEST_F(MessageDialogTest, KindGivesCaptionAndPictureAndTheLinesSitAsTheFormHadThem) {
    Show(MessageOwner::MainWindow, "Egy sor", MessageKind::Warning);
    EXPECT_EQ(test::TextOf(dialog.Handle()), L"  Figyelem");
    EXPECT_TRUE(IsWindowVisible(dialog.Image(MessageKind::Warning)));
    EXPECT_FALSE(IsWindowVisible(dialog.Image(MessageKind::Error)));
    EXPECT_EQ(test::ClientBoundsOf(dialog.Label1()).top, 27);

    Show(MessageOwner::MainWindow, "Első sor", MessageKind::Information, "Második sor");
    EXPECT_EQ(test::TextOf(dialog.Handle()), L"  Inform\u00E1ci\u00F3");
    EXPECT_TRUE(IsWindowVisible(dialog.Image(MessageKind::Information)));
    EXPECT_FALSE(IsWindowVisible(dialog.Image(MessageKind::Warning)));
    EXPECT_EQ(test::ClientBoundsOf(dialog.Label1()).top, 21);
    EXPECT_EQ(test::ClientBoundsOf(dialog.Label2()).top, 39);
    EXPECT_EQ(test::TextOf(dialog.Label2()), L"M\u00E1sodik sor");
}

TEST_F(MessageDialogTest, WidthFollowsTheFirstLineWithTheButtonCentredOverTheOwner) {
    Show(MessageOwner::MainWindow, "Rövid", MessageKind::Error, "Sokkal hosszabb második sor");
    const RECT shortBox = test::BoundsOf(dialog.Handle());
    const int shortWidth = shortBox.right - shortBox.left;
    const RECT label = test::ClientBoundsOf(dialog.Label1());
    EXPECT_EQ(shortWidth, 56 + (label.right - label.left) + 25);
    EXPECT_EQ(test::ClientBoundsOf(dialog.Button1()).left, (shortWidth - 65) / 2);
    const RECT area = test::BoundsOf(owner.Handle());
    EXPECT_EQ(shortBox.left, area.left + (area.right - area.left) / 2 - shortWidth / 2);

    Show(MessageOwner::MainWindow, "Ez egy jóval hosszabb első sor a dialógusban",
         MessageKind::Error);
    const RECT longBox = test::BoundsOf(dialog.Handle());
    EXPECT_GT(longBox.right - longBox.left, shortWidth);
    EXPECT_EQ(test::ClientBoundsOf(dialog.Button1()).left, (longBox.right - longBox.left - 65) / 2);
}

// The window is as wide as the first line: a wider second line would be cut off at its edge.
TEST_F(MessageDialogTest, EveryMessageTheLauncherComposesShowsItsSecondLineWhole) {
    for (const MessageLines& message : test::ComposedMessages()) {
        dialog.Queue().ShowMessageDialog(MessageOwner::MainWindow, message.text,
                                         MessageKind::Warning, message.detail, {});
        const RECT first = test::ClientBoundsOf(dialog.Label1());
        const RECT second = test::ClientBoundsOf(dialog.Label2());
        RECT client{};
        GetClientRect(dialog.Handle(), &client);
        SCOPED_TRACE(message.text + " / " + message.detail);
        EXPECT_LE(second.right - second.left, first.right - first.left);
        EXPECT_LE(second.right, client.right);
    }
}

TEST_F(MessageDialogTest, TextsAreCutTo255Characters) {
    const std::string longer(300, 'x');
    dialog.Queue().ShowMessageDialog(MessageOwner::MainWindow, longer, MessageKind::Error, longer,
                                     {});
    EXPECT_EQ(test::TextOf(dialog.Label1()), std::wstring(255, L'x'));
    EXPECT_EQ(test::TextOf(dialog.Label2()), std::wstring(255, L'x'));
}

TEST_F(MessageDialogTest, OwnerIsEnabledBeforeTheHideThenFocusReturnsThenWhatFollowsRuns) {
    SetActiveWindow(owner.Handle());
    SetFocus(owner.Edit());
    ASSERT_EQ(GetFocus(), owner.Edit());
    std::vector<std::string> order;
    owner.onEnabled = [&] { order.push_back(Up() ? "enabled while up" : "enabled after hide"); };
    Show(MessageOwner::MainWindow, "Hiba történt", MessageKind::Error, "", [&] {
        order.push_back(GetFocus() == owner.Edit() && !Up() ? "afterwards with focus back"
                                                            : "afterwards too early");
    });
    EXPECT_FALSE(IsWindowEnabled(owner.Handle()));
    // The window manager's activation arrives on its own time.
    EXPECT_TRUE(test::PumpUntil([&] { return GetFocus() == dialog.Button1(); }))
        << GetFocus() << " dialog " << dialog.Handle() << " owner " << owner.Handle();

    test::PressKey(GetFocus(), VK_RETURN);
    ASSERT_TRUE(test::PumpUntil([&] { return order.size() == 2; }));
    EXPECT_EQ(order, (std::vector<std::string>{"enabled while up", "afterwards with focus back"}));
    EXPECT_TRUE(IsWindowEnabled(owner.Handle()));
    EXPECT_EQ(owner.closes, 0);
}

TEST_F(MessageDialogTest, AMessageShownByWhatFollowsStaysUp) {
    bool second = false;
    Show(MessageOwner::MainWindow, "Első", MessageKind::Warning, "", [&] {
        Show(MessageOwner::MainWindow, "Második", MessageKind::Information);
        second = true;
    });
    SendMessageW(dialog.Button1(), BM_CLICK, 0, 0);
    ASSERT_TRUE(test::PumpUntil([&] { return second; }));
    test::PumpPending();
    EXPECT_TRUE(Up());
    EXPECT_EQ(test::TextOf(dialog.Label1()), L"M\u00E1sodik");
    EXPECT_FALSE(IsWindowEnabled(owner.Handle()));

    test::PressKey(GetFocus(), VK_ESCAPE);
    EXPECT_TRUE(test::PumpUntil([&] { return !Up(); }));
    EXPECT_TRUE(IsWindowEnabled(owner.Handle()));
}

TEST_F(MessageDialogTest, WithoutOwnerItIsCentredOnTheScreenAndDisablesNothing) {
    Show(MessageOwner::None, "Nem támogatott rendszer", MessageKind::Error);
    EXPECT_EQ(dialog.CurrentOwner(), nullptr);
    EXPECT_TRUE(IsWindowEnabled(owner.Handle()));
    const RECT box = test::BoundsOf(dialog.Handle());
    EXPECT_EQ(box.left, GetSystemMetrics(SM_CXSCREEN) / 2 - (box.right - box.left) / 2);
    EXPECT_EQ(box.top, GetSystemMetrics(SM_CYSCREEN) / 2 - (box.bottom - box.top) / 2);
    SendMessageW(dialog.Handle(), WM_CLOSE, 0, 0);
    EXPECT_FALSE(Up());
}

TEST_F(MessageDialogTest, OkOfTheSelfInstallationsMessageClosesItButTheCloseBoxDoesNot) {
    Show(MessageOwner::SelfInstallWindow, "A telepítés sikeresen befejeződött !",
         MessageKind::Information);
    EXPECT_FALSE(IsWindowEnabled(selfInstall.Handle()));
    SendMessageW(dialog.Handle(), WM_CLOSE, 0, 0);
    EXPECT_TRUE(IsWindowEnabled(selfInstall.Handle()));
    EXPECT_EQ(selfInstall.closes, 0);

    Show(MessageOwner::SelfInstallWindow, "Ez a meghajtó írásvédett!", MessageKind::Error);
    SendMessageW(dialog.Button1(), BM_CLICK, 0, 0);
    EXPECT_FALSE(Up());
    EXPECT_EQ(selfInstall.closes, 1);
    EXPECT_TRUE(IsWindowEnabled(selfInstall.Handle()));
}

TEST_F(MessageDialogTest, AMessageReplacedByAnotherOwnersLeavesNoWindowDisabled) {
    Show(MessageOwner::MainWindow, "Első", MessageKind::Warning);
    Show(MessageOwner::SelfInstallWindow, "Második", MessageKind::Warning);
    EXPECT_FALSE(IsWindowEnabled(owner.Handle()));
    EXPECT_FALSE(IsWindowEnabled(selfInstall.Handle()));
    test::PressKey(GetFocus(), VK_ESCAPE);
    EXPECT_TRUE(test::PumpUntil([&] { return !Up(); }));
    EXPECT_TRUE(IsWindowEnabled(owner.Handle()));
    EXPECT_TRUE(IsWindowEnabled(selfInstall.Handle()));
}

} // namespace
} // namespace zel
