#include "panel/SelfInstallPanel.h"

#include "RecordingFace.h"
#include "support/ForwardingPlatform.h"
#include "support/WineWorld.h"
#include "text/CodePage1250.h"

#include <filesystem>
#include <gtest/gtest.h>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace fs = std::filesystem;

namespace zel {
namespace {

// The window as the panel sees it: what it was last shown, and how often.
class RecordingSelfInstallView final : public SelfInstallView {
public:
    void ShowDrives(const std::vector<std::string>& shown, std::size_t chosenEntry) override {
        entries = shown;
        chosen = chosenEntry;
        ++listings;
    }
    // The copy's progress is the installation's own, tested with it.
    void SetGauge(int /*progress*/) override {}

    std::vector<std::string> entries;
    std::size_t chosen = 0;
    int listings = 0;
};

class SelfInstallPanelTest : public ::testing::Test {
protected:
    SelfInstallPanelTest() {
        for (const char drive : {'C', 'D', 'E'}) {
            world.AddDrive(drive);
        }
        world.WriteFile("C:\\BUILD\\ZELPULT.EXE", "MZ launcher");
        // On Windows the world is the machine's own drives: what the installations make
        // there goes again with the test, and what was there before stays.
        for (const char* tree : {"C:\\ZELKOR", "D:\\ZELKOR", "E:\\ZELKOR", "C:\\ALL"}) {
            std::error_code ec;
            if (!fs::exists(world.Native(tree), ec)) {
                made.push_back(world.Native(tree));
            }
        }
        platform = std::make_unique<test::ForwardingPlatform>(world.MakePlatform());
        platform->presentDrives = {'C', 'D'};
        platform->executablePath = "C:\\BUILD\\ZELPULT.EXE";
        platform->currentDirectory = "D:\\MUNKA";
        platform->shortcutsAsFiles = true;
        for (const auto& [kind, folder] :
             {std::pair{ShortcutFolderKind::CommonPrograms, "C:\\ALL\\PROGRAMS"},
              std::pair{ShortcutFolderKind::CommonDesktop, "C:\\ALL\\DESKTOP"}}) {
            fs::create_directories(world.Native(folder));
            platform->shortcutFolders[kind] = folder;
        }
        panel = std::make_unique<SelfInstallPanel>(
            *platform, view, face.queue,
            [this](const std::exception& error) { errors.emplace_back(error.what()); });
    }

    ~SelfInstallPanelTest() override {
        std::error_code ec;
        for (const fs::path& tree : made) {
            fs::remove_all(tree, ec);
        }
    }

    [[nodiscard]] std::size_t EntryOf(char letter) const {
        for (std::size_t i = 0; i < view.entries.size(); ++i) {
            if (!view.entries[i].empty() && (view.entries[i].front() & ~0x20) == letter) {
                return i;
            }
        }
        return view.entries.size();
    }

    test::WineWorld world;
    std::vector<fs::path> made;
    std::unique_ptr<test::ForwardingPlatform> platform;
    RecordingSelfInstallView view;
    test::RecordingFace face;
    std::vector<std::string> errors;
    std::unique_ptr<SelfInstallPanel> panel;
};

// Made at start in normal mode, the window lists the drives as they are when it is first
// needed, at its current drive, and keeps that list and the user's choice from then on.
TEST_F(SelfInstallPanelTest, TheDrivesAreListedOnceWhenFirstNeeded) {
    EXPECT_EQ(view.listings, 0);
    platform->presentDrives = {'C', 'D', 'E'};
    panel->Shown();
    ASSERT_EQ(view.listings, 1);
    EXPECT_EQ(view.entries.size(), 3u);
    EXPECT_EQ(view.chosen, EntryOf('D'));

    panel->ChooseDrive(EntryOf('E'));
    platform->presentDrives = {'C', 'D'};
    panel->Shown();
    panel->Install();
    EXPECT_EQ(view.listings, 1);
    EXPECT_TRUE(fs::exists(world.Native("E:\\ZELKOR\\ZELPULT.EXE")));
    EXPECT_FALSE(fs::exists(world.Native("D:\\ZELKOR")));
}

TEST_F(SelfInstallPanelTest, StartBeforeTheWindowIsShownInstallsOntoTheCurrentDrive) {
    panel->Install();
    EXPECT_EQ(view.listings, 1);
    EXPECT_TRUE(fs::exists(world.Native("D:\\ZELKOR\\ZELPULT.EXE")));
    EXPECT_EQ(platform->madeShortcuts.size(), 2u) << "both boxes start ticked";
}

// A current folder on no listed drive must not leave Start without a target.
TEST_F(SelfInstallPanelTest, WithoutItsCurrentDriveTheListStartsAtTheFirstDrive) {
    platform->currentDirectory = "";
    panel->Shown();
    EXPECT_EQ(view.chosen, 0u);
    panel->Install();
    EXPECT_TRUE(fs::exists(world.Native("C:\\ZELKOR\\ZELPULT.EXE")));
}

TEST_F(SelfInstallPanelTest, ClearedBoxesMakeNoShortcutsAndAChoiceOutOfTheListIsIgnored) {
    panel->Shown();
    panel->ChooseProgramGroup(false);
    panel->ChooseDesktopShortcut(false);
    panel->ChooseDrive(view.entries.size());
    panel->Install();
    EXPECT_TRUE(platform->madeShortcuts.empty());
    EXPECT_TRUE(fs::exists(world.Native("D:\\ZELKOR\\ZELPULT.EXE")));
    EXPECT_TRUE(errors.empty());
    EXPECT_EQ(face.messages.size(), 1u) << "the success message";
}

// The faces forward every event by the control's form name; what a name means is decided
// here alone.
TEST_F(SelfInstallPanelTest, AControlsEventsMeanWhatItsFormNameSays) {
    platform->presentDrives = {'C', 'D', 'E'};
    panel->Shown();
    panel->Chosen("DriveComboBox1", EntryOf('E'));
    panel->Checked("CheckBox1", false);

    // A caption, the gauge, the closing button or another control's event means nothing.
    for (const std::string_view name : {"Label1", "Gauge1", "Button2", "CheckBox1", "CheckBox2",
                                        "DriveComboBox1", "Panel1", ""}) {
        panel->Clicked(name);
        panel->Changed(name, "C:");
        panel->Entered(name);
    }
    for (const std::string_view name : {"Button1", "DriveComboBox1", "CheckBox3", ""}) {
        panel->Checked(name, false);
    }
    for (const std::string_view name : {"CheckBox1", "Button1", "DriveComboBox", ""}) {
        panel->Chosen(name, EntryOf('C'));
    }
    EXPECT_FALSE(fs::exists(world.Native("E:\\ZELKOR")));
    EXPECT_TRUE(face.messages.empty());

    panel->Clicked("Button1");
    EXPECT_TRUE(fs::exists(world.Native("E:\\ZELKOR\\ZELPULT.EXE")));
    EXPECT_FALSE(fs::exists(world.Native("C:\\ZELKOR")));
    ASSERT_EQ(platform->madeShortcuts.size(), 1u);
    EXPECT_TRUE(platform->madeShortcuts[0].link.starts_with("C:\\ALL\\DESKTOP"))
        << platform->madeShortcuts[0].link;

    panel->Checked("CheckBox2", false);
    panel->Checked("CheckBox1", true);
    panel->Chosen("DriveComboBox1", EntryOf('C'));
    panel->Clicked("Button1");
    EXPECT_TRUE(fs::exists(world.Native("C:\\ZELKOR\\ZELPULT.EXE")));
    ASSERT_EQ(platform->madeShortcuts.size(), 2u);
    EXPECT_TRUE(platform->madeShortcuts[1].link.starts_with("C:\\ALL\\PROGRAMS"))
        << platform->madeShortcuts[1].link;
    EXPECT_TRUE(errors.empty());
}

// With no drive to install onto, Start says so instead of doing nothing.
TEST_F(SelfInstallPanelTest, StartWithoutAnyDriveTellsTheUser) {
    platform->presentDrives = std::vector<char>{};
    panel->Install();
    EXPECT_TRUE(view.entries.empty());
    ASSERT_EQ(face.messages.size(), 1u);
    EXPECT_EQ(face.messages[0].kind, MessageKind::Error);
    EXPECT_EQ(face.messages[0].owner, MessageOwner::SelfInstallWindow);
    EXPECT_EQ(face.messages[0].text,
              Utf8ToCp1250("Nincs meghajtó, amelyre a program telepíthető!"));
    EXPECT_TRUE(errors.empty());
}

} // namespace
} // namespace zel
