#include "winui/MainWindow.h"

#include "RecordingMessageView.h"
#include "WindowDriving.h"
#include "WindowWaits.h"
#include "catalogue/ProgramCatalogue.h"
#include "dos/DosBoxStartPlan.h"
#include "platform/Platform.h"
#include "support/WineWorld.h"
#include "text/WideText.h"
#include "winui/ProgressWindow.h"

#include <gtest/gtest.h>

namespace zel {
namespace {

constexpr int kSlotA2023 = 55;
constexpr int kSlotB2023 = 56;
constexpr int kSlotA2016 = 41;

// Where a control lies in its parent's client area.
Bounds Placed(HWND control) {
    const RECT placed = test::ClientBoundsOf(control);
    return {placed.left, placed.top, placed.right - placed.left, placed.bottom - placed.top};
}

class MainWindowTest : public ::testing::Test {
protected:
    void SetUp() override {
        ZEL_REQUIRE_WINE_WORLD();
        folder = std::make_unique<test::DriveFolder>();
        test::WriteFileBytes(*folder / "ZELPULT.INI", "[]\r\n");
        platform = MakePlatform(dosStart);
        window = std::make_unique<MainWindow>(*platform, catalogue, folder->Path(), messages.queue,
                                              [this] { ++ended; });
        messages.SetMainWindow(window->Handle());
        window->Show();
        SetForegroundWindow(window->Handle());
    }

    HWND Page(int index) {
        window->ShowPage(index);
        return window->PageControl1();
    }

    std::unique_ptr<test::DriveFolder> folder;
    const DosBoxStartPlanner dosStart;
    std::unique_ptr<Platform> platform;
    ProgramCatalogue catalogue;
    test::RecordingMessageView messages;
    int ended = 0;
    std::unique_ptr<MainWindow> window;
};

TEST_F(MainWindowTest, ControlsStandWhereTheFormsPutThemWithTheirCaptions) {
    RECT outer{};
    GetWindowRect(window->Handle(), &outer);
    EXPECT_EQ(outer.right - outer.left, 600);
    EXPECT_EQ(outer.bottom - outer.top, 512);
    EXPECT_EQ(WindowTextOf(window->Handle()), L"  ZELKOR - Ind\u00EDt\u00F3pult   ver: 27.0");

    // The seventh row of the first page, on the bookkeeping and the payroll side.
    const RowControls a = window->Row(kSlotA2023);
    EXPECT_EQ(WindowTextOf(a.year), L"2023");
    EXPECT_EQ(Placed(a.year), (Bounds{24, 254, 81, 22}));
    EXPECT_EQ(Placed(a.drive).left, 120);
    EXPECT_EQ(Placed(a.settings), (Bounds{232, 252, 33, 26}));
    EXPECT_EQ(Placed(window->Row(kSlotB2023).year), (Bounds{27, 254, 81, 22}));
    EXPECT_FALSE(IsWindowEnabled(a.year)) << "rows wait for the installation search";

    EXPECT_EQ(WindowTextOf(window->Button5()), L"&Kil\u00E9p\u00E9s");
    EXPECT_EQ(Placed(window->Button5()), (Bounds{487, 27, 74, 25}));
    EXPECT_EQ(Placed(window->NPATH()), (Bounds{24 + 126, 6 + 31, 220, 21}));
    EXPECT_EQ(SendMessageW(window->NDISKC(), BM_GETCHECK, 0, 0), BST_CHECKED);
    EXPECT_FALSE(window->FloppyChosen());
    EXPECT_FALSE(window->WindowsPrintMode());
    EXPECT_TRUE(window->PrintingEnabled());
    EXPECT_EQ(SendMessageW(window->PageControl1(), TCM_GETITEMCOUNT, 0, 0), 4);
}

TEST_F(MainWindowTest, TheBrowsePictureIsDrawnOverThePathField) {
    // Siblings clipped by the group box above them would not be drawn at all.
    const HWND picture = GetDlgItem(GetParent(window->NPATH()), kNBROWSEPIC);
    RedrawWindow(window->Handle(), nullptr, nullptr,
                 RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW | RDW_ALLCHILDREN);
    POINT dot{1, 6};
    ClientToScreen(picture, &dot);
    const HDC screen = GetDC(nullptr);
    const COLORREF colour = GetPixel(screen, dot.x, dot.y);
    ReleaseDC(nullptr, screen);
    EXPECT_EQ(colour, RGB(0, 0, 0));
    EXPECT_EQ(WindowFromPoint(dot), picture);
}

TEST_F(MainWindowTest, TabFollowsTheRowsButtonComboBoxSettingsButton) {
    const RowControls row = window->Row(kSlotA2023);
    window->SetRowState(kSlotA2023, true, true);
    window->SetRowState(kSlotA2023 + 2, true, true);
    SetFocus(row.year);
    const HWND panel = GetParent(row.year);
    EXPECT_EQ(GetNextDlgTabItem(GetAncestor(panel, GA_ROOT), row.year, FALSE), row.drive);
    EXPECT_EQ(GetNextDlgTabItem(GetAncestor(panel, GA_ROOT), row.drive, FALSE), row.settings);
    EXPECT_EQ(GetNextDlgTabItem(GetAncestor(panel, GA_ROOT), row.settings, FALSE),
              window->Row(kSlotA2023 + 2).year);
}

TEST_F(MainWindowTest, EscapeClosesFromARowAndWritesTheConfigurationNotFromAPrintSwitch) {
    Page(3);
    SetFocus(GetDlgItem(GetParent(window->btNyomtat()), kEdNyomDos));
    test::PressKey(GetFocus(), VK_ESCAPE);
    EXPECT_EQ(ended, 0);
    EXPECT_TRUE(IsWindowVisible(window->Handle()));

    Page(0);
    window->SetRowState(kSlotA2023, true, true);
    // The edit field inside the row's combo box.
    SetFocus(GetWindow(window->Row(kSlotA2023).drive, GW_CHILD));
    test::PressKey(GetFocus(), VK_ESCAPE);
    EXPECT_EQ(ended, 1);
    EXPECT_FALSE(IsWindowVisible(window->Handle()));
    EXPECT_NE(
        test::ReadFileBytes(*folder / "ZELPULT.INI").find("[NYOMTATAS_ENGEDELYEZVE=TRUE]\r\n"),
        std::string::npos);

    test::PressKey(GetFocus(), VK_ESCAPE);
    EXPECT_EQ(ended, 1) << "a closed window closes no more";
}

TEST_F(MainWindowTest, EnterInThePathFieldInstallsAndEnterOnTheExitButtonEnds) {
    window->SetInstallPath("D:\\VALAMI.EXE");
    SetFocus(window->NPATH());
    test::PressKey(GetFocus(), VK_RETURN);
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.shown[0].text.rfind("Csak \"INSTALL.EXE\"", 0), 0u);
    EXPECT_EQ(ended, 0);

    messages.Answer();
    SetFocus(window->Button5());
    test::PressKey(GetFocus(), VK_RETURN);
    EXPECT_EQ(ended, 1);
}

TEST_F(MainWindowTest, TheControlThatHadTheFocusGetsItBackWhenTheWindowIsActiveAgain) {
    SetFocus(window->Button4());
    const HWND other = CreateWindowExW(0, L"STATIC", L"other", WS_POPUP | WS_VISIBLE, 0, 0, 50, 50,
                                       nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);
    SetActiveWindow(other);
    ASSERT_NE(GetFocus(), window->Button4());
    SetActiveWindow(window->Handle());
    EXPECT_EQ(GetFocus(), window->Button4());
    DestroyWindow(other);
}

TEST_F(MainWindowTest, AnEnabledDriveBoxHasTheWindowColourADisabledOneTheFaceColour) {
    const HWND box = window->Row(kSlotA2023).drive;
    const HWND field = GetWindow(box, GW_CHILD);
    const HDC context = GetDC(field);
    const auto brushFor = [&](UINT message) {
        return reinterpret_cast<HBRUSH>(SendMessageW(
            box, message, reinterpret_cast<WPARAM>(context), reinterpret_cast<LPARAM>(field)));
    };
    EXPECT_EQ(brushFor(WM_CTLCOLORSTATIC), GetSysColorBrush(COLOR_BTNFACE));
    window->SetRowState(kSlotA2023, true, true);
    EXPECT_EQ(brushFor(WM_CTLCOLOREDIT), GetSysColorBrush(COLOR_WINDOW));
    window->SetRowState(kSlotA2023, true, false);
    EXPECT_EQ(brushFor(WM_CTLCOLORSTATIC), GetSysColorBrush(COLOR_BTNFACE));
    ReleaseDC(field, context);
}

TEST_F(MainWindowTest, ATabsMnemonicChoosesItsPageBeforeTheExitButtonsOfTheSameLetter) {
    SetFocus(window->Button4());
    PostMessageW(GetFocus(), WM_SYSCHAR, L'k', 0x20000001);
    test::PumpPending();
    EXPECT_EQ(SendMessageW(window->PageControl1(), TCM_GETCURSEL, 0, 0), 1);
    EXPECT_TRUE(IsWindowVisible(window->Row(kSlotA2016).year));
    EXPECT_FALSE(IsWindowVisible(window->Button5()));
    EXPECT_EQ(ended, 0);
}

TEST_F(MainWindowTest, ThePrintSpeedButtonsKeepExactlyOneDown) {
    Page(3);
    SendMessageW(window->btMegszakit(), BM_CLICK, 0, 0);
    EXPECT_FALSE(window->PrintingEnabled());
    SendMessageW(window->btMegszakit(), BM_CLICK, 0, 0);
    EXPECT_FALSE(window->PrintingEnabled());
    SendMessageW(window->btNyomtat(), BM_CLICK, 0, 0);
    EXPECT_TRUE(window->PrintingEnabled());
}

TEST_F(MainWindowTest, DriveBoxesShowWhatThePanelHoldsAndForwardAChoice) {
    RowStates states{};
    states[kSlotA2023 - 1] = {{"C:", "D: K\xD6NYVEL\xC9S"}, 1, true, true};
    window->Panel().ApplyRowStates(states);
    EXPECT_EQ(SendMessageW(window->Row(kSlotA2023).drive, CB_GETCOUNT, 0, 0), 2);
    EXPECT_EQ(window->DriveBoxText(kSlotA2023), "D: K\xD6NYVEL\xC9S");

    catalogue.SetDriveLetter(kSlotA2023, 'D');
    const HWND box = window->Row(kSlotA2023).drive;
    SendMessageW(box, CB_SETCURSEL, 0, 0);
    SendMessageW(GetParent(box), WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(box), CBN_SELCHANGE),
                 reinterpret_cast<LPARAM>(box));
    EXPECT_EQ(window->DriveBoxText(kSlotA2023), "C:");
    EXPECT_EQ(catalogue.DriveLetter(kSlotA2023), 'C');
}

TEST_F(MainWindowTest, ARowPageMadeLaterShowsWhatThePanelHolds) {
    EXPECT_EQ(test::ChildWithText(window->Handle(), L"1996"), nullptr);
    RowStates states{};
    states[0] = {{"C:", "D:"}, 1, true, false};
    window->Panel().ApplyRowStates(states);
    EXPECT_EQ(window->DriveBoxText(1), "");

    Page(2);
    const RowControls row = window->Row(1);
    EXPECT_TRUE(IsWindowVisible(row.year));
    EXPECT_EQ(SendMessageW(row.drive, CB_GETCOUNT, 0, 0), 2);
    EXPECT_EQ(window->DriveBoxText(1), "D:");
    EXPECT_TRUE(IsWindowEnabled(row.year) && IsWindowEnabled(row.settings));
    EXPECT_FALSE(IsWindowEnabled(row.drive));
}

TEST_F(MainWindowTest, TheProgressWindowCountsOverTheMainWindowAndHides) {
    ProgressWindow progress(window->Handle());
    progress.ShowOverMainWindow();
    EXPECT_TRUE(IsWindowVisible(progress.Handle()));
    RECT main{};
    RECT over{};
    GetWindowRect(window->Handle(), &main);
    GetWindowRect(progress.Handle(), &over);
    EXPECT_EQ(over.right - over.left, 338);
    EXPECT_EQ((over.left + over.right) / 2, (main.left + main.right) / 2);

    progress.SetGauge(23);
    progress.SetLabel("Z: meghajt\xF3 keres\xE9se...");
    EXPECT_EQ(SendMessageW(GetDlgItem(progress.Handle(), 1), PBM_GETPOS, 0, 0), 23);
    EXPECT_EQ(ControlText(GetDlgItem(progress.Handle(), 2)), "Z: meghajt\xF3 keres\xE9se...");
    progress.Close();
    EXPECT_FALSE(IsWindowVisible(progress.Handle()));
}

} // namespace
} // namespace zel
