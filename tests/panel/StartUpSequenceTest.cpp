#include "panel/StartUpSequence.h"

#include "RecordingFace.h"
#include "panel/LauncherPanel.h"
#include "panel/SettingsPanel.h"
#include "platform/IoError.h"
#include "support/ForwardingPlatform.h"
#include "support/WineWorld.h"
#include "text/CodePage1250.h"

#include <gtest/gtest.h>
#include <memory>
#include <optional>

namespace zel {
namespace {

// Windows made as the sequence asks, each step written down; the main window's panel is the
// real one over a recording face.
class RecordingWindows final : public StartUpWindows, public ProgressView {
public:
    explicit RecordingWindows(Platform& platform) : m_platform(platform) {}

    MessageQueue& Messages() override { return face.queue; }
    void NameApplication() override { steps.emplace_back("name"); }
    void CreateMainWindow() override {
        steps.emplace_back("main window");
        panel = std::make_unique<LauncherPanel>(m_platform, catalogue, sequence->StartDirectory(),
                                                face, face.queue);
        panel->FormCreate();
    }
    void CreateSelfInstallWindow() override { steps.emplace_back("self-installation window"); }
    void CreateSettingsDialog() override {
        steps.emplace_back("settings dialog");
        settings = std::make_unique<SettingsPanel>(catalogue, face, panel->Errors(), [](int) {});
    }
    LauncherPanel& MainPanel() override { return *panel; }
    SettingsPanel& SettingsDialogPanel() override { return *settings; }
    ProgressView& OpenProgressWindow() override {
        steps.emplace_back("progress");
        return *this;
    }
    void CloseProgressWindow() override { steps.emplace_back("progress closed"); }
    void ShowMainWindow() override { steps.emplace_back("show main window"); }
    void ShowSelfInstallWindow() override { steps.emplace_back("show self-installation window"); }
    void End() override { steps.emplace_back("end"); }

    // ProgressView.
    void ShowOverMainWindow() override {}
    void SetGauge(int) override { ++gaugeSteps; }
    void SetLabel(std::string_view) override {}

    test::RecordingFace face;
    ProgramCatalogue catalogue;
    std::unique_ptr<LauncherPanel> panel;
    std::unique_ptr<SettingsPanel> settings;
    std::vector<std::string> steps;
    int gaugeSteps = 0;
    const StartUpSequence* sequence = nullptr;

private:
    Platform& m_platform;
};

class StartUpSequenceTest : public ::testing::Test {
protected:
    StartUpSequenceTest() {
        world.AddDrive('C');
        world.WriteFile("C:\\ZELKOR\\ZELPULT.EXE", "MZ");
        platform = std::make_unique<test::ForwardingPlatform>(world.MakePlatform());
        platform->currentDirectory = "C:\\ZELKOR";
        windows = std::make_unique<RecordingWindows>(*platform);
        sequence = std::make_unique<StartUpSequence>(*platform, *windows);
        windows->sequence = sequence.get();
    }

    test::WineWorld world;
    std::unique_ptr<test::ForwardingPlatform> platform;
    std::unique_ptr<RecordingWindows> windows;
    std::unique_ptr<StartUpSequence> sequence;
};

TEST_F(StartUpSequenceTest, TheNormalPanelScansUnderTheProgressWindowBeforeItShows) {
    world.WriteFile("C:\\ZELKOR\\ZELPULT.INI", "");
    ASSERT_EQ(sequence->Start(), StartMode::Normal);
    EXPECT_EQ(sequence->StartDirectory(), "C:\\ZELKOR");
    EXPECT_EQ(windows->steps, (std::vector<std::string>{"name", "main window", "progress",
                                                        "self-installation window",
                                                        "progress closed", "show main window"}));
    EXPECT_GT(windows->gaugeSteps, 0) << "the scan reported its progress";
    EXPECT_TRUE(windows->panel->NormalMode());

    // The settings dialog is made once, when a row first asks for it.
    windows->steps.clear();
    windows->panel->OpenSettings(3);
    windows->panel->OpenSettings(3);
    EXPECT_TRUE(sequence->NeedSettingsDialog());
    EXPECT_EQ(windows->steps, std::vector<std::string>{"settings dialog"});

    // Only the main window's close ends the program.
    windows->steps.clear();
    sequence->SelfInstallWindowClosed();
    EXPECT_TRUE(windows->steps.empty());
    sequence->MainWindowClosed();
    EXPECT_EQ(windows->steps, std::vector<std::string>{"end"});
}

TEST_F(StartUpSequenceTest, TheSelfInstallationMakesItsWindowFirstAndKeepsTheMainWindowHidden) {
    ASSERT_EQ(sequence->Start(), StartMode::Install);
    EXPECT_EQ(windows->steps, (std::vector<std::string>{"self-installation window", "main window",
                                                        "show self-installation window"}));
    EXPECT_FALSE(sequence->NeedSettingsDialog());

    windows->steps.clear();
    sequence->MainWindowClosed();
    EXPECT_TRUE(windows->steps.empty());
    sequence->SelfInstallWindowClosed();
    EXPECT_EQ(windows->steps, std::vector<std::string>{"end"});
}

// An error that escapes a handler before the main window exists has no panel to judge it:
// it is shown as it is. Afterwards the panel's rules answer it.
TEST_F(StartUpSequenceTest, EscapedErrorsGoToTheMainPanelOnceItIsMade) {
    const IoError writeProtected(IoErrorKind::AccessDenied);
    sequence->AppException(writeProtected);
    EXPECT_EQ(windows->face.standardErrors.size(), 1u);
    EXPECT_TRUE(windows->face.messages.empty());

    world.WriteFile("C:\\ZELKOR\\ZELPULT.INI", "");
    ASSERT_EQ(sequence->Start(), StartMode::Normal);
    sequence->AppException(writeProtected);
    EXPECT_EQ(windows->face.standardErrors.size(), 1u);
    ASSERT_EQ(windows->face.messages.size(), 1u);
    EXPECT_EQ(windows->face.messages[0].text, Utf8ToCp1250("Ez a meghajtó írásvédett!"));
}

TEST_F(StartUpSequenceTest, OutsideEveryDriveTheLauncherInstallsItself) {
    world.WriteFile("C:\\ZELKOR\\ZELPULT.INI", "");
    platform->currentDirectory = "";
    EXPECT_EQ(sequence->Start(), StartMode::Install);
    EXPECT_EQ(sequence->StartDirectory(), "");
}

TEST_F(StartUpSequenceTest, AnOldPlatformIsRefusedAndEndsOnceTheMessageIsAnswered) {
    world.WriteFile("C:\\ZELKOR\\ZELPULT.INI", "");
    platform->version = PlatformVersion{3, 10, false};
    ASSERT_EQ(sequence->Start(), StartMode::Refused);
    EXPECT_TRUE(windows->steps.empty()) << "no window is made";
    ASSERT_EQ(windows->face.messages.size(), 1u);
    EXPECT_EQ(windows->face.messages[0].owner, MessageOwner::None);
    EXPECT_EQ(windows->face.messages[0].kind, MessageKind::Error);
    EXPECT_EQ(windows->face.messages[0].text,
              Utf8ToCp1250("A program a jelen Windows változattal nem futtatható !"));
    EXPECT_FALSE(sequence->NeedSettingsDialog());

    windows->face.Acknowledge();
    EXPECT_EQ(windows->steps, std::vector<std::string>{"end"});
    sequence->MainWindowClosed();
    EXPECT_EQ(windows->steps.size(), 1u);
}

} // namespace
} // namespace zel
