#include "panel/MessageQueue.h"

#include "RecordingFace.h"
#include "text/CodePage1250.h"

#include <gtest/gtest.h>

namespace zel {
namespace {

class MessageQueueTest : public ::testing::Test {
protected:
    void Show(MessageOwner owner, const std::string& text, std::function<void()> afterwards = {}) {
        face.queue.ShowMessageDialog(owner, text, MessageKind::Warning, {}, std::move(afterwards));
    }

    test::RecordingFace face;
    std::vector<std::string> followed;
};

TEST_F(MessageQueueTest, TheKindNamesTheWindowAndLongLinesAreCut) {
    face.queue.ShowMessageDialog(MessageOwner::None, std::string(300, 'x'), MessageKind::Error,
                                 std::string(256, 'y'), {});
    face.queue.ShowMessageDialog(MessageOwner::None, "a", MessageKind::Warning, {}, {});
    face.queue.ShowMessageDialog(MessageOwner::None, "a", MessageKind::Information, {}, {});
    EXPECT_EQ(face.titles,
              (std::vector<std::string>{"  Hiba", "  Figyelem", Utf8ToCp1250("  Információ")}));
    EXPECT_EQ(face.messages[0].text, std::string(255, 'x'));
    EXPECT_EQ(face.messages[0].detail, std::string(255, 'y'));
}

TEST_F(MessageQueueTest, AReplacedMessageHandsOnItsFollowUpAndTheFocusItWillGiveBack) {
    Show(MessageOwner::MainWindow, "first", [&] { followed.emplace_back("first"); });
    Show(MessageOwner::None, "second", [&] { followed.emplace_back("second"); });
    EXPECT_EQ(face.focusRemembered, 1) << "the focus before the first message is kept";
    EXPECT_EQ(face.queue.Owner(), MessageOwner::None) << "the second message's owner took over";

    face.queue.Close();
    EXPECT_FALSE(face.messageShown);
    EXPECT_EQ(face.focusGivenBack, 1);
    EXPECT_TRUE(followed.empty()) << "nothing follows before the close is over";
    face.RunEvents();
    EXPECT_EQ(followed, (std::vector<std::string>{"first", "second"}));

    // A second close of the window finds nothing left to do.
    face.queue.Close();
    face.RunEvents();
    EXPECT_EQ(face.focusGivenBack, 1);
    EXPECT_EQ(followed.size(), 2u);
}

TEST_F(MessageQueueTest, AMessageShownByAFollowUpStaysUpUntilItIsAnswered) {
    Show(MessageOwner::MainWindow, "first",
         [&] { Show(MessageOwner::MainWindow, "second", [&] { followed.emplace_back("done"); }); });
    face.Acknowledge();
    EXPECT_TRUE(face.messageShown);
    EXPECT_EQ(face.messages.back().text, "second");
    EXPECT_TRUE(followed.empty());
    EXPECT_EQ(face.focusRemembered, 2) << "the new message remembers the focus anew";
    face.Acknowledge();
    EXPECT_FALSE(face.messageShown);
    EXPECT_EQ(followed, std::vector<std::string>{"done"});
}

TEST_F(MessageQueueTest, OnlyOkOfTheSelfInstallWindowsMessageClosesThatWindow) {
    Show(MessageOwner::SelfInstallWindow, "closed by the close box");
    face.queue.Close();
    Show(MessageOwner::MainWindow, "another owner's");
    face.queue.Ok();
    Show(MessageOwner::SelfInstallWindow, "replaced");
    Show(MessageOwner::MainWindow, "the main window's");
    face.queue.Ok();
    EXPECT_EQ(face.selfInstallCloses, 0);

    Show(MessageOwner::SelfInstallWindow, "done");
    face.queue.Ok();
    EXPECT_EQ(face.selfInstallCloses, 1);
    // OK with nothing on screen does nothing.
    face.queue.Ok();
    EXPECT_EQ(face.selfInstallCloses, 1);
}

} // namespace
} // namespace zel
