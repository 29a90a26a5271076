#include "winui/SelfInstallWindow.h"

#include "WindowDriving.h"
#include "panel/ErrorResponse.h"
#include "platform/Platform.h"
#include "support/TempDir.h"
#include "support/WineWorld.h"
#include "text/CodePage1250.h"
#include "winui/MessageDialog.h"

#include <cstdlib>
#include <filesystem>
#include <gtest/gtest.h>

namespace zel {
namespace {

namespace fs = std::filesystem;

// The folder the installation puts a shortcut into: the common one where the machine names
// one, else the user's.
fs::path ShortcutFolder(Platform& platform, ShortcutFolderKind common, ShortcutFolderKind user) {
    const std::string folder = platform.ShortcutFolder(common);
    return folder.empty() ? fs::path(platform.ShortcutFolder(user)) : fs::path(folder);
}

class SelfInstallWindowTest : public ::testing::Test {
protected:
    SelfInstallWindowTest() {
        if (std::getenv("ZEL_WINE_WORLD") == nullptr) {
            return;
        }
        platform = world.MakePlatform();
        SetCurrentDirectoryW(L"C:\\");
        window = std::make_unique<SelfInstallWindow>(
            *platform, messages.Queue(),
            [this](const std::exception& error) {
                // As the application's handler answers an error of the installation.
                if (ClassifyError(error) == ErrorResponse::WriteProtected) {
                    messages.Queue().ShowMessageDialog(MessageOwner::SelfInstallWindow,
                                                       Utf8ToCp1250("Ez a meghajtó írásvédett!"),
                                                       MessageKind::Error, {}, {});
                } else {
                    errors.emplace_back(error.what());
                }
            },
            [this] { ++closes; });
        messages.SetWindows(nullptr, window->Handle());
        programGroup = ShortcutFolder(*platform, ShortcutFolderKind::CommonPrograms,
                                      ShortcutFolderKind::UserPrograms) /
                       "ZELKOR" / "Zelkor.lnk";
        desktop = ShortcutFolder(*platform, ShortcutFolderKind::CommonDesktop,
                                 ShortcutFolderKind::UserDesktop) /
                  "Zelkor.lnk";
    }
    ~SelfInstallWindowTest() override {
        std::error_code ec;
        fs::remove_all("D:\\ZELKOR", ec);
        fs::remove_all(programGroup.parent_path(), ec);
        fs::remove(desktop, ec);
    }

    // As the user picks it: the list tells its window of the choice.
    void ChooseDrive(char letter) {
        const HWND list = window->DriveComboBox1();
        const LRESULT count = SendMessageW(list, CB_GETCOUNT, 0, 0);
        for (LRESULT i = 0; i < count; ++i) {
            wchar_t entry[256] = {};
            SendMessageW(list, CB_GETLBTEXT, static_cast<WPARAM>(i),
                         reinterpret_cast<LPARAM>(entry));
            if (towupper(entry[0]) == static_cast<wchar_t>(letter)) {
                SendMessageW(list, CB_SETCURSEL, static_cast<WPARAM>(i), 0);
                SendMessageW(GetAncestor(list, GA_ROOT), WM_COMMAND,
                             MAKEWPARAM(GetDlgCtrlID(list), CBN_SELCHANGE),
                             reinterpret_cast<LPARAM>(list));
            }
        }
    }
    // The first letter of the entry the list shows as chosen.
    [[nodiscard]] wchar_t ShownDrive() const {
        const std::wstring shown = test::TextOf(window->DriveComboBox1());
        return shown.empty() ? L'\0' : towupper(shown.front());
    }
    [[nodiscard]] bool MessageUp() const { return IsWindowVisible(messages.Handle()) != FALSE; }

    test::WineWorld world;
    std::unique_ptr<Platform> platform;
    MessageDialog messages;
    std::unique_ptr<SelfInstallWindow> window;
    std::vector<std::string> errors;
    int closes = 0;
    fs::path programGroup;
    fs::path desktop;
};

#define REQUIRE_WORLD()                                                                            \
    if (window == nullptr) {                                                                       \
        GTEST_SKIP() << "needs the Wine world of scripts/wine-world";                              \
    }

TEST_F(SelfInstallWindowTest, StartsAtTheCurrentDriveAndEscapeAnywhereCloses) {
    REQUIRE_WORLD();
    EXPECT_EQ(test::TextOf(window->Handle()),
              L"  ZELKOR Ind\u00EDt\u00F3pult telep\u00EDt\u00E9se");
    EXPECT_EQ(SendMessageW(window->CheckBox1(), BM_GETCHECK, 0, 0), BST_CHECKED);
    EXPECT_EQ(SendMessageW(window->CheckBox2(), BM_GETCHECK, 0, 0), BST_CHECKED);
    EXPECT_EQ(SendMessageW(window->Gauge1(), PBM_GETRANGE, FALSE, 0), 100);

    window->Show();
    EXPECT_EQ(ShownDrive(), L'C');
    EXPECT_GE(SendMessageW(window->DriveComboBox1(), CB_GETCOUNT, 0, 0), 4);
    SendMessageW(window->CheckBox2(), BM_CLICK, 0, 0);
    test::PressKey(GetFocus(), VK_ESCAPE);
    EXPECT_TRUE(test::PumpUntil([&] { return closes == 1; }));
    EXPECT_FALSE(IsWindowVisible(window->Handle()));

    window->Show();
    SendMessageW(window->Button2(), BM_CLICK, 0, 0);
    EXPECT_EQ(closes, 2);
}

TEST_F(SelfInstallWindowTest, InstallsOntoAnotherDriveWithBothShortcutsAndOkClosesTheWindow) {
    REQUIRE_WORLD();
    window->Show();
    ChooseDrive('D');
    ASSERT_EQ(ShownDrive(), L'D');
    SendMessageW(window->Button1(), BM_CLICK, 0, 0);

    ASSERT_TRUE(test::PumpUntil([&] { return MessageUp(); }, 60)) << errors.size();
    EXPECT_EQ(test::TextOf(messages.Label1()),
              L"A telep\u00EDt\u00E9s sikeresen befejez\u0151d\u00F6tt !");
    EXPECT_EQ(SendMessageW(window->Gauge1(), PBM_GETPOS, 0, 0), 100);
    EXPECT_TRUE(fs::is_regular_file("D:\\ZELKOR\\ZELPULT.EXE"));
    EXPECT_EQ(fs::file_size("D:\\ZELKOR\\ZELPULT.EXE"),
              fs::file_size(platform->ToNativePath(platform->ExecutablePath())));
    EXPECT_TRUE(fs::is_regular_file("D:\\ZELKOR\\ZELPULT.INI"));
    EXPECT_EQ(fs::file_size("D:\\ZELKOR\\ZELPULT.INI"), 0U);
    EXPECT_TRUE(fs::is_regular_file(programGroup)) << programGroup;
    EXPECT_TRUE(fs::is_regular_file(desktop)) << desktop;
    EXPECT_FALSE(IsWindowEnabled(window->Handle()));

    test::PressKey(GetFocus(), VK_RETURN);
    EXPECT_TRUE(test::PumpUntil([&] { return closes == 1; }));
    EXPECT_FALSE(MessageUp());
    EXPECT_TRUE(errors.empty());
}

TEST_F(SelfInstallWindowTest, AReadOnlyTargetGivesOneMessageAndLeavesNothingNew) {
    REQUIRE_WORLD();
    fs::create_directory("D:\\ZELKOR");
    test::WriteNativeFile("D:\\ZELKOR\\ZELPULT.EXE", "earlier copy");
    SetFileAttributesW(L"D:\\ZELKOR\\ZELPULT.EXE", FILE_ATTRIBUTE_READONLY);
    window->Show();
    ChooseDrive('D');
    SendMessageW(window->Button1(), BM_CLICK, 0, 0);

    ASSERT_TRUE(test::PumpUntil([&] { return MessageUp() || !errors.empty(); }, 60));
    EXPECT_TRUE(errors.empty()) << errors.front();
    EXPECT_EQ(test::TextOf(messages.Label1()), L"Ez a meghajt\u00F3 \u00EDr\u00E1sv\u00E9dett!");
    EXPECT_EQ(test::TextOf(messages.Handle()), L"  Hiba");
    std::vector<fs::path> left;
    for (const auto& entry : fs::directory_iterator("D:\\ZELKOR")) {
        left.push_back(entry.path().filename());
    }
    EXPECT_EQ(left, std::vector<fs::path>{"ZELPULT.EXE"});
    SetFileAttributesW(L"D:\\ZELKOR\\ZELPULT.EXE", FILE_ATTRIBUTE_NORMAL);
    EXPECT_EQ(fs::file_size("D:\\ZELKOR\\ZELPULT.EXE"), 12U);
    EXPECT_FALSE(fs::exists(desktop));

    SendMessageW(messages.Button1(), BM_CLICK, 0, 0);
    EXPECT_EQ(closes, 1);
}

} // namespace
} // namespace zel
