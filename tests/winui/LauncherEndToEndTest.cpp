// ZELPULT.EXE as a user meets it: started in its folder on D:, a year button clicked twice,
// Escape pressed; its windows are found and driven from this process.

#include "StandIn.h"
#include "WindowWaits.h"
#include "WineWorld.h"
#include "winui/Controls.h"
#include "winui/MainWindow.h"
#include "winui/WideText.h"

#include <gtest/gtest.h>

namespace zel {
namespace {

constexpr int kSlotA2023 = 55;
constexpr const char* kProgramFolder = "D:\\ZELKONYV.223";
constexpr int kLimit = 30000;

std::string OwnFolder() {
    char own[MAX_PATH] = {};
    GetModuleFileNameA(nullptr, own, MAX_PATH);
    const std::string path = own;
    return path.substr(0, path.rfind('\\'));
}

// Year 2023 of the bookkeeping program on D:, started with the stand-in's word; the
// launcher's own settings otherwise as a first start leaves them.
std::string Configuration() {
    std::string bookkeepingDrives(30, '0');
    bookkeepingDrives[2023 - 1996] = 'D';
    return "[" + bookkeepingDrives + "]\r\n[" + std::string(30, '0') + "]\r\n[]\r\n" +
           "[D:\\ZELKONYV.223\\A2023.EXE " + test::kWinuiStandInWord + "]\r\n" +
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
    for (const char* file :
         {"A2023.EXE", "A2023.PIF", test::kWinuiStandInLog, "DATA\\ZEL2023.001"}) {
        DeleteFileA((programFolder + "\\" + file).c_str());
    }
    RemoveDirectoryA((programFolder + "\\DATA").c_str());
    RemoveDirectoryA(programFolder.c_str());
}

class LauncherEndToEnd : public ::testing::Test {
protected:
    void SetUp() override {
        ZEL_REQUIRE_WINE_WORLD();
        m_release = CreateEventA(nullptr, TRUE, FALSE, test::kWinuiStandInRelease);
        folder = std::make_unique<test::DriveFolder>();
        ASSERT_TRUE(CopyFileA((OwnFolder() + "\\ZELPULT.EXE").c_str(),
                              (*folder / "ZELPULT.EXE").c_str(), FALSE));
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
        if (launcher.hProcess != nullptr) {
            if (WaitForSingleObject(launcher.hProcess, 0) == WAIT_TIMEOUT) {
                TerminateProcess(launcher.hProcess, 1);
            }
            CloseHandle(launcher.hProcess);
            CloseHandle(launcher.hThread);
        }
        RemoveProgramFolder();
        if (m_release != nullptr) {
            CloseHandle(m_release);
        }
    }

    void StartLauncher() {
        STARTUPINFOA startup{};
        startup.cb = sizeof startup;
        std::string commandLine = "\"" + (*folder / "ZELPULT.EXE") + "\"";
        ASSERT_TRUE(CreateProcessA(nullptr, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                                   folder->Path().c_str(), &startup, &launcher));
    }

    // The launcher's message window while it shows a text.
    HWND WaitForMessage(std::wstring_view text) {
        HWND message = nullptr;
        test::WaitUntil(
            [&] {
                return (message = test::VisibleWindowShowing(launcher.dwProcessId, text)) !=
                       nullptr;
            },
            kLimit);
        return message;
    }

    void AnswerMessage(HWND message) {
        const HWND ok = test::ChildWithText(message, L"&OK");
        ASSERT_NE(ok, nullptr);
        SendMessageTimeoutW(ok, BM_CLICK, 0, 0, SMTO_ABORTIFHUNG, kLimit, nullptr);
        ASSERT_TRUE(test::WaitUntil([&] { return !IsWindowVisible(message); }, kLimit));
    }

    std::unique_ptr<test::DriveFolder> folder;
    PROCESS_INFORMATION launcher{};

private:
    HANDLE m_release = nullptr;
};

TEST_F(LauncherEndToEnd, StartsAProgramRefusesItsSecondStartAndKeepsTheSettingsOnEscape) {
    StartLauncher();
    HWND panel = nullptr;
    ASSERT_TRUE(test::WaitUntil(
        [&] { return (panel = test::VisibleWindowOf(launcher.dwProcessId, L"TForm1")) != nullptr; },
        kLimit));
    const HWND year =
        GetDlgItem(GetParent(test::ChildWithText(panel, L"Egyszeres k\u00F6nyvviteli program")),
                   kRowIds + 3 * (kSlotA2023 - 1));
    ASSERT_NE(year, nullptr);
    EXPECT_EQ(WindowTextOf(year), L"2023");
    ASSERT_TRUE(test::WaitUntil([&] { return IsWindowEnabled(year) != FALSE; }, kLimit))
        << "the installation search found the program on D:";

    SendMessageTimeoutW(year, BM_CLICK, 0, 0, SMTO_ABORTIFHUNG, kLimit, nullptr);
    // D: is NTFS in the Wine world: the warning comes first, and the start follows OK.
    AnswerMessage(WaitForMessage(L"NTFS"));
    const std::string log = std::string(kProgramFolder) + "\\" + test::kWinuiStandInLog;
    ASSERT_TRUE(test::WaitForFile(log, 30));
    EXPECT_TRUE(Held(std::string(kProgramFolder) + "\\DATA\\ZEL2023.001"));

    SendMessageTimeoutW(year, BM_CLICK, 0, 0, SMTO_ABORTIFHUNG, kLimit, nullptr);
    const HWND refusal = WaitForMessage(
        WideFromUtf8("Az egyszeres könyvviteli program a kiválasztott helyen már fut!"));
    ASSERT_NE(refusal, nullptr);
    AnswerMessage(refusal);

    const HWND path =
        GetDlgItem(GetParent(test::ChildWithText(panel, L"&Kil\u00E9p\u00E9s")), kNPATH);
    ASSERT_NE(path, nullptr);
    SendMessageTimeoutW(path, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(L"D:\\KESZLET\\INSTALL.EXE"),
                        SMTO_ABORTIFHUNG, kLimit, nullptr);
    GUITHREADINFO focus{};
    focus.cbSize = sizeof focus;
    ASSERT_TRUE(GetGUIThreadInfo(launcher.dwThreadId, &focus));
    PostMessageW(focus.hwndFocus != nullptr ? focus.hwndFocus : panel, WM_KEYDOWN, VK_ESCAPE,
                 0x00010001);
    ASSERT_EQ(WaitForSingleObject(launcher.hProcess, kLimit), WAIT_OBJECT_0);
    DWORD exitCode = 1;
    GetExitCodeProcess(launcher.hProcess, &exitCode);
    EXPECT_EQ(exitCode, 0u);

    const std::string written = test::ReadFileBytes(*folder / "ZELPULT.INI");
    EXPECT_NE(written.find("\r\n[D:\\KESZLET\\INSTALL.EXE]\r\n"), std::string::npos) << written;
    EXPECT_NE(written.find(std::string("[D:\\ZELKONYV.223\\A2023.EXE ") + test::kWinuiStandInWord),
              std::string::npos)
        << written;
}

} // namespace
} // namespace zel
