#include "winui/SettingsDialog.h"

#include "WindowDriving.h"
#include "catalogue/ProgramCatalogue.h"
#include "config/ConfigFile.h"
#include "platform/Platform.h"
#include "support/WineWorld.h"
#include "text/CodePage1250.h"

#include <cstdlib>
#include <gtest/gtest.h>

namespace zel {
namespace {

constexpr int kB03 = 16;

class SettingsDialogTest : public ::testing::Test {
protected:
    SettingsDialogTest() : dialog(catalogue, owner.Handle(), {}) {
        catalogue.Fill();
        catalogue.SetDriveLetter(kB03, 'D');
        for (char drive : {'C', 'D', 'E'}) {
            catalogue.SetStartParams(kB03, drive, std::string("OLD ") + drive);
        }
        SetActiveWindow(owner.Handle());
        SetFocus(owner.Edit());
    }

    void OpenB03() { dialog.Panel().Open(kB03, {"C: [SYSTEM]", "D: [K\xD6NYVEL\xC9S]"}); }
    [[nodiscard]] bool Up() const { return IsWindowVisible(dialog.Handle()) != FALSE; }
    void Type(const std::wstring& text) {
        for (const wchar_t c : text) {
            PostMessageW(dialog.Edit1(), WM_CHAR, c, 1);
        }
        test::PumpPending();
    }
    void ExpectClosedWithFocusBack() {
        EXPECT_TRUE(test::PumpUntil([&] { return !Up(); }));
        EXPECT_TRUE(IsWindowEnabled(owner.Handle()));
        EXPECT_EQ(SendMessageW(dialog.CheckBox1(), BM_GETCHECK, 0, 0), BST_UNCHECKED);
        EXPECT_TRUE(test::PumpUntil([&] { return GetFocus() == owner.Edit(); }));
    }

    test::OwnerWindow owner;
    ProgramCatalogue catalogue;
    SettingsDialog dialog;
};

TEST_F(SettingsDialogTest, ShowsTheRowOverTheDisabledMainWindowWithTheFocusInTheEditField) {
    OpenB03();
    EXPECT_TRUE(Up());
    EXPECT_EQ(test::TextOf(dialog.Handle()), L"  Program be\u00E1ll\u00EDt\u00E1s");
    EXPECT_FALSE(IsWindowEnabled(owner.Handle()));
    EXPECT_EQ(test::TextOf(dialog.Pnev()), L"B\u00E9rsz\u00E1mfejt\u0151 program");
    EXPECT_EQ(test::TextOf(dialog.Pev()), L"2003");
    EXPECT_EQ(test::TextOf(dialog.Phely()), L"D:\\ZELBER.203\\B2003.EXE");
    EXPECT_EQ(test::TextOf(dialog.Edit1()), L"OLD D");
    EXPECT_TRUE(IsWindowEnabled(dialog.CheckBox1()));
    EXPECT_TRUE(test::PumpUntil([&] { return GetFocus() == dialog.Edit1(); }));

    // The user cannot change its size.
    const RECT before = test::BoundsOf(dialog.Handle());
    SetWindowPos(dialog.Handle(), nullptr, 0, 0, 700, 500, SWP_NOMOVE | SWP_NOZORDER);
    const RECT after = test::BoundsOf(dialog.Handle());
    EXPECT_EQ(after.right - after.left, before.right - before.left);
    EXPECT_EQ(after.bottom - after.top, before.bottom - before.top);

    SendMessageW(dialog.Button1(), BM_CLICK, 0, 0);
    ExpectClosedWithFocusBack();
    EXPECT_EQ(catalogue.StartParams(kB03, 'D'), "OLD D");
}

TEST_F(SettingsDialogTest, EnterInTheEditFieldStoresForEveryListedDrive) {
    OpenB03();
    ASSERT_TRUE(test::PumpUntil([&] { return GetFocus() == dialog.Edit1(); }));
    SendMessageW(dialog.Edit1(), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(L""));
    Type(L"/r \u00E1b");
    SendMessageW(dialog.CheckBox1(), BM_CLICK, 0, 0);
    SetFocus(dialog.Edit1());
    test::PressKey(dialog.Edit1(), VK_RETURN);
    ExpectClosedWithFocusBack();
    EXPECT_EQ(catalogue.StartParams(kB03, 'C'), Utf8ToCp1250("/R áB"));
    EXPECT_EQ(catalogue.StartParams(kB03, 'D'), Utf8ToCp1250("/R áB"));
    EXPECT_EQ(catalogue.StartParams(kB03, 'E'), "OLD E");
}

TEST_F(SettingsDialogTest, EscapeFromTheCheckBoxStoresNothingAndUnchecksIt) {
    OpenB03();
    SendMessageW(dialog.Edit1(), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(L"NEW"));
    SendMessageW(dialog.CheckBox1(), BM_CLICK, 0, 0);
    EXPECT_EQ(GetFocus(), dialog.CheckBox1());
    test::PressKey(dialog.CheckBox1(), VK_ESCAPE);
    ExpectClosedWithFocusBack();
    EXPECT_EQ(catalogue.StartParams(kB03, 'D'), "OLD D");

    dialog.Panel().Open(kB03, {"d:"});
    EXPECT_FALSE(IsWindowEnabled(dialog.CheckBox1()));
    SendMessageW(dialog.Handle(), WM_CLOSE, 0, 0);
    ExpectClosedWithFocusBack();
}

TEST_F(SettingsDialogTest, OkStoresWhatTheNextStartReadsFromTheConfigurationFile) {
    if (std::getenv("ZEL_WINE_WORLD") == nullptr) {
        GTEST_SKIP() << "needs the Wine world of scripts/wine-world";
    }
    test::WineWorld world;
    const std::string ini = "D:\\ZTSET\\ZELPULT.INI";
    world.WriteFile(ini);
    OpenB03();
    SendMessageW(dialog.Edit1(), WM_SETTEXT, 0,
                 reinterpret_cast<LPARAM>(std::wstring(75, L'p').c_str()));
    SendMessageW(dialog.Button3(), BM_CLICK, 0, 0);
    ExpectClosedWithFocusBack();

    auto platform = world.MakePlatform();
    ASSERT_NE(WriteConfigFile(*platform, ini, catalogue, {}).outcome,
              ConfigWriteResult::Outcome::Failed);
    ProgramCatalogue next;
    next.Fill();
    LauncherConfig config;
    ReadConfigFile(*platform, ini, next, config);
    EXPECT_EQ(next.StartParams(kB03, 'D'), std::string(60, 'P'));
    EXPECT_EQ(next.StartParams(kB03, 'E'), "OLD E");
}

} // namespace
} // namespace zel
