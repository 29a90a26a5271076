// ZELPULT.EXE as a user meets it: started in its folder on D:, a year button clicked twice,
// a row's settings changed, Escape pressed; its windows are found and driven from this process.

#include "LauncherProcess.h"
#include "WindowDriving.h"
#include "WindowWaits.h"
#include "support/WindowsStandIns.h"
#include "support/WineWorld.h"
#include "text/WideText.h"
#include "winui/Controls.h"
#include "winui/MainWindow.h"

#include <gtest/gtest.h>

namespace zel {
namespace {

constexpr const char* kProgramFolder = "D:\\ZELKONYV.223";
constexpr int kLimit = test::kProcessLimit;

// Year 2023 of the bookkeeping program on D:, started with the stand-in's word; the
// launcher's own settings otherwise as a first start leaves them.
std::string Configuration() {
    std::string bookkeepingDrives(30, '0');
    bookkeepingDrives[2023 - 1996] = 'D';
    return "[" + bookkeepingDrives + "]\r\n[" + std::string(30, '0') + "]\r\n[]\r\n" +
           "[D:\\ZELKONYV.223\\A2023.EXE " + test::kLockHoldingWord + "]\r\n" +
           "[NYOMTATAS_MODJA_WINDOWS=TRUE]\r\n[NYOMTATAS_ENGEDELYEZVE=TRUE]\r\n";
}

bool Held(const std::string& path) {
    const HANDLE file = CreateFileA(path.c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr,
                                    OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) {
        return GetLastError() == ERROR_SHARING_VIOLATION;
    }
    CloseHandle(file);
    return false;
}

// What a run leaves in the program's folder, the folder itself last; an aborted run's too.
void RemoveProgramFolder() {
    const std::string programFolder = kProgramFolder;
    test::WaitUntil([&] { return !Held(programFolder + "\\DATA\\ZEL2023.001"); }, kLimit);
    for (const char* file : {"A2023.EXE", "A2023.PIF", test::kStandInLog, "DATA\\ZEL2023.001"}) {
        DeleteFileA((programFolder + "\\" + file).c_str());
    }
    RemoveDirectoryA((programFolder + "\\DATA").c_str());
    RemoveDirectoryA(programFolder.c_str());
}

class LauncherEndToEnd : public ::testing::Test {
protected:
    void SetUp() override {
        ZEL_REQUIRE_WINE_WORLD();
        m_release = CreateEventA(nullptr, TRUE, FALSE, test::kStandInRelease);
        folder = std::make_unique<test::DriveFolder>();
        ASSERT_TRUE(
            CopyFileA(test::BuiltLauncher().c_str(), (*folder / "ZELPULT.EXE").c_str(), FALSE));
        test::WriteFileBytes(*folder / "ZELPULT.INI", Configuration());
        RemoveProgramFolder();
        ASSERT_TRUE(CreateDirectoryA(kProgramFolder, nullptr));
        char own[MAX_PATH] = {};
        GetModuleFileNameA(nullptr, own, MAX_PATH);
        ASSERT_TRUE(CopyFileA(own, (std::string(kProgramFolder) + "\\A2023.EXE").c_str(), FALSE));
    }

    void TearDown() override {
        if (m_release != nullptr) {
            SetEvent(m_release);
        }
        launcher.reset();
        RemoveProgramFolder();
        if (m_release != nullptr) {
            CloseHandle(m_release);
        }
    }

    // The panel of a launcher started in its folder, once its search found the 2023
    // bookkeeping program on D:; the row's controls in year and settings.
    HWND StartLauncher() {
        launcher = std::make_unique<test::LauncherProcess>(*folder / "ZELPULT.EXE", folder->Path());
        const HWND panel = launcher->WaitForWindow(L"TForm1");
        if (panel == nullptr) {
            return nullptr;
        }
        const HWND rows =
            GetParent(test::ChildWithText(panel, L"Egyszeres k\u00F6nyvviteli program"));
        year = test::ChildWithText(rows, L"2023");
        // The row's drive box follows its year button, and its settings button the box.
        settings = GetWindow(GetWindow(year, GW_HWNDNEXT), GW_HWNDNEXT);
        const bool found = year != nullptr && settings != nullptr &&
                           test::WaitUntil([&] { return IsWindowEnabled(year) != FALSE; }, kLimit);
        return found ? panel : nullptr;
    }

    // Escape where the focus is, as the user ends a session; whether the panel ended well.
    [[nodiscard]] bool CloseWithEscape(HWND panel) const {
        const HWND focus = launcher->Focus();
        launcher->PressKey(focus != nullptr ? focus : panel, VK_ESCAPE);
        return launcher->EndsCleanly();
    }

    std::unique_ptr<test::DriveFolder> folder;
    std::unique_ptr<test::LauncherProcess> launcher;
    HWND year = nullptr;
    HWND settings = nullptr;

private:
    HANDLE m_release = nullptr;
};

TEST_F(LauncherEndToEnd, StartsAProgramRefusesItsSecondStartAndKeepsTheSettingsOnEscape) {
    const HWND panel = StartLauncher();
    ASSERT_NE(panel, nullptr) << "the installation search found the program on D:";
    EXPECT_EQ(WindowTextOf(year), L"2023");

    SendMessageTimeoutW(year, BM_CLICK, 0, 0, SMTO_ABORTIFHUNG, kLimit, nullptr);
    // D: is NTFS in the Wine world: the warning comes first, and the start follows OK.
    ASSERT_TRUE(launcher->AnswerMessage(launcher->WaitForMessage(L"NTFS")));
    const std::string log = std::string(kProgramFolder) + "\\" + test::kStandInLog;
    ASSERT_TRUE(test::WaitForFile(log, 30));
    EXPECT_TRUE(Held(std::string(kProgramFolder) + "\\DATA\\ZEL2023.001"));

    SendMessageTimeoutW(year, BM_CLICK, 0, 0, SMTO_ABORTIFHUNG, kLimit, nullptr);
    const HWND refusal = launcher->WaitForMessage(
        WideFromUtf8("Az egyszeres könyvviteli program a kiválasztott helyen már fut!"));
    ASSERT_NE(refusal, nullptr);
    ASSERT_TRUE(launcher->AnswerMessage(refusal));

    const HWND path =
        GetDlgItem(GetParent(test::ChildWithText(panel, L"&Kil\u00E9p\u00E9s")), kNPATH);
    ASSERT_NE(path, nullptr);
    SendMessageTimeoutW(path, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(L"D:\\KESZLET\\INSTALL.EXE"),
                        SMTO_ABORTIFHUNG, kLimit, nullptr);
    ASSERT_TRUE(CloseWithEscape(panel));

    const std::string written = test::ReadFileBytes(*folder / "ZELPULT.INI");
    EXPECT_NE(written.find("\r\n[D:\\KESZLET\\INSTALL.EXE]\r\n"), std::string::npos) << written;
    EXPECT_NE(written.find(std::string("[D:\\ZELKONYV.223\\A2023.EXE ") + test::kLockHoldingWord),
              std::string::npos)
        << written;
}

// The row's settings opened with its button, new parameters typed over the shown ones and
// confirmed with Enter; the panel takes the keys again and keeps them for that drive.
TEST_F(LauncherEndToEnd, TypedSettingsAreKeptForTheRowAndItsDrive) {
    const HWND panel = StartLauncher();
    ASSERT_NE(panel, nullptr) << "the installation search found the program on D:";

    SendMessageTimeoutW(settings, BM_CLICK, 0, 0, SMTO_ABORTIFHUNG, kLimit, nullptr);
    const HWND dialog = launcher->WaitForWindow(L"TForm3");
    ASSERT_NE(dialog, nullptr);
    EXPECT_FALSE(IsWindowEnabled(panel));
    const std::wstring shown = test::AllTexts(dialog);
    EXPECT_NE(shown.find(L"\n2023\n"), std::wstring::npos) << shown;
    EXPECT_NE(shown.find(L"\nD:\\ZELKONYV.223\\A2023.EXE\n"), std::wstring::npos) << shown;
    const HWND edit = FindWindowExW(dialog, nullptr, L"Edit", nullptr);
    ASSERT_NE(edit, nullptr);
    EXPECT_TRUE(test::WaitUntil([&] { return launcher->Focus() == edit; }, kLimit));
    EXPECT_EQ(test::TextOf(edit), WideFromUtf8(test::kLockHoldingWord));
    const HWND allDrives =
        test::ChildWithText(dialog, WideFromUtf8("Minden meghajtón ez legyen a &paraméter"));
    ASSERT_NE(allDrives, nullptr);
    EXPECT_FALSE(IsWindowEnabled(allDrives)) << "the program is on one drive only";

    // The shown parameters are selected: what is typed replaces them.
    launcher->Type(edit, L"/ev=2023 \u00E9les [k]");
    ASSERT_TRUE(
        test::WaitUntil([&] { return test::TextOf(edit) == L"/ev=2023 \u00E9les [k]"; }, kLimit));
    launcher->PressKey(edit, VK_RETURN);
    ASSERT_TRUE(test::WaitUntil([&] { return !IsWindowVisible(dialog); }, kLimit));
    EXPECT_TRUE(IsWindowEnabled(panel));
    EXPECT_TRUE(test::WaitUntil([&] { return launcher->Focus() == settings; }, kLimit));
    ASSERT_TRUE(CloseWithEscape(panel));

    // Only a..z are raised for the accounting programs; the accented letter stays.
    const std::string written = test::ReadFileBytes(*folder / "ZELPULT.INI");
    EXPECT_NE(written.find("\r\n[D:\\ZELKONYV.223\\A2023.EXE /EV=2023 \xE9LES [K]]\r\n"),
              std::string::npos)
        << written;
    EXPECT_EQ(written.find(test::kLockHoldingWord), std::string::npos) << written;
}

} // namespace
} // namespace zel
