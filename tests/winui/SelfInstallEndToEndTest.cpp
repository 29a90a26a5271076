// ZELPULT.EXE installing itself as a user does it: started from a folder on D: without its
// settings, told to install onto C: with both shortcuts; then started from the desktop link,
// as Explorer starts it, it comes up as the panel from its new home.

#include "LauncherProcess.h"
#include "WindowDriving.h"
#include "WindowWaits.h"
#include "dos/DosBoxStartPlan.h"
#include "platform/Platform.h"
#include "platform/win32/ShellLinks.h"
#include "support/WineWorld.h"
#include "text/WideText.h"
#include "winui/Controls.h"

#include <filesystem>
#include <gtest/gtest.h>
#include <shellapi.h>
#include <tuple>

namespace zel {
namespace {

const DosBoxStartPlanner kDosStart;

namespace fs = std::filesystem;

constexpr int kLimit = test::kProcessLimit;
constexpr const char* kInstalled = "C:\\ZELKOR";

// The folder the installation puts a shortcut into: the common one where the machine names
// one, else the user's.
std::string ShortcutFolder(ShortcutFolderKind common, ShortcutFolderKind user) {
    const auto platform = MakePlatform(kDosStart);
    const std::string folder = platform->ShortcutFolder(common);
    return folder.empty() ? platform->ShortcutFolder(user) : folder;
}

// The letter of the drive the list shows chosen.
wchar_t ShownDrive(HWND drives) {
    const std::wstring text = test::TextOf(drives);
    return text.empty() ? L'\0' : towupper(text.front());
}

bool Exists(const std::string& path) {
    return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

// The file's last-write time as the local clock shows it.
SYSTEMTIME LocalWriteTime(const std::string& path) {
    SYSTEMTIME local{};
    const HANDLE file = CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr,
                                    OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) {
        return local;
    }
    FILETIME written{};
    FILETIME localWritten{};
    if (GetFileTime(file, nullptr, nullptr, &written) &&
        FileTimeToLocalFileTime(&written, &localWritten)) {
        FileTimeToSystemTime(&localWritten, &local);
    }
    CloseHandle(file);
    return local;
}

bool SamePath(const std::string& a, const std::string& b) {
    return CompareStringA(LOCALE_INVARIANT, NORM_IGNORECASE, a.c_str(), -1, b.c_str(), -1) ==
           CSTR_EQUAL;
}

class SelfInstallEndToEnd : public ::testing::Test {
protected:
    void SetUp() override {
        ZEL_REQUIRE_WINE_WORLD();
        const std::string programs =
            ShortcutFolder(ShortcutFolderKind::CommonPrograms, ShortcutFolderKind::UserPrograms);
        const std::string desktop =
            ShortcutFolder(ShortcutFolderKind::CommonDesktop, ShortcutFolderKind::UserDesktop);
        ASSERT_FALSE(programs.empty() || desktop.empty()) << "Wine names its shell folders";
        programGroup = programs + "\\ZELKOR";
        desktopLink = desktop + "\\Zelkor.lnk";
        const std::string userDesktop =
            MakePlatform(kDosStart)->ShortcutFolder(ShortcutFolderKind::UserDesktop);
        if (!userDesktop.empty() && !SamePath(userDesktop + "\\Zelkor.lnk", desktopLink)) {
            userDesktopLink = userDesktop + "\\Zelkor.lnk";
        }
        RemoveInstallation();
        folder = std::make_unique<test::DriveFolder>();
        ASSERT_TRUE(
            CopyFileA(test::BuiltLauncher().c_str(), (*folder / "ZELPULT.EXE").c_str(), FALSE));
    }

    void TearDown() override { RemoveInstallation(); }

    void RemoveInstallation() const {
        if (programGroup.empty()) {
            return;
        }
        std::error_code ec;
        fs::remove_all(kInstalled, ec);
        fs::remove_all(programGroup, ec);
        fs::remove(desktopLink, ec);
        if (!userDesktopLink.empty()) {
            fs::remove(userDesktopLink, ec);
        }
    }

    std::unique_ptr<test::DriveFolder> folder;
    std::string programGroup;
    std::string desktopLink;
    // Where the machine has a common desktop too: the user's own link, which gives way to it.
    std::string userDesktopLink;
};

TEST_F(SelfInstallEndToEnd, InstallsOntoAnotherDriveAndItsDesktopLinkStartsThePanel) {
    if (!userDesktopLink.empty()) {
        test::WriteFileBytes(userDesktopLink, "an earlier link");
    }
    {
        test::LauncherProcess installer(*folder / "ZELPULT.EXE", folder->Path());
        const HWND window = installer.WaitForWindow(L"TForm2");
        ASSERT_NE(window, nullptr) << "no ZELPULT.INI: the installation window";
        const HWND drives = FindWindowExW(window, nullptr, L"ComboBox", nullptr);
        ASSERT_NE(drives, nullptr);
        EXPECT_EQ(ShownDrive(drives), L'D') << "the current drive";
        ASSERT_TRUE(test::WaitUntil([&] { return installer.Focus() == drives; }, kLimit));
        // A letter typed into the list chooses the drive that starts with it.
        installer.Type(drives, L"c");
        ASSERT_TRUE(test::WaitUntil([&] { return ShownDrive(drives) == L'C'; }, kLimit))
            << test::TextOf(drives);
        for (const char* box :
             {" Program&csoport létrehozása", " Parancs&ikon létrehozása az asztalon"}) {
            const HWND check = test::ChildWithText(window, WideFromUtf8(box));
            ASSERT_NE(check, nullptr) << box;
            if (SendMessageW(check, BM_GETCHECK, 0, 0) != BST_CHECKED) {
                SendMessageTimeoutW(check, BM_CLICK, 0, 0, SMTO_ABORTIFHUNG, kLimit, nullptr);
            }
            EXPECT_EQ(SendMessageW(check, BM_GETCHECK, 0, 0), BST_CHECKED) << box;
        }
        SendMessageTimeoutW(test::ChildWithText(window, L"&Start"), BM_CLICK, 0, 0,
                            SMTO_ABORTIFHUNG, kLimit, nullptr);
        const HWND done =
            installer.WaitForMessage(WideFromUtf8("A telepítés sikeresen befejeződött !"));
        ASSERT_NE(done, nullptr);
        const HWND gauge = FindWindowExW(window, nullptr, PROGRESS_CLASSW, nullptr);
        ASSERT_NE(gauge, nullptr);
        EXPECT_EQ(SendMessageW(gauge, PBM_GETPOS, 0, 0), 100) << "the whole copy shown";
        ASSERT_TRUE(installer.AnswerMessage(done));
        EXPECT_TRUE(installer.EndsCleanly()) << "the message's OK ends the installation";
    }

    const std::string installed = std::string(kInstalled) + "\\ZELPULT.EXE";
    EXPECT_TRUE(test::ReadFileBytes(installed) == test::ReadFileBytes(test::BuiltLauncher()));
    const SYSTEMTIME stamped = LocalWriteTime(installed);
    EXPECT_EQ(std::tuple(stamped.wYear, stamped.wMonth, stamped.wDay, stamped.wHour,
                         stamped.wMinute, stamped.wSecond),
              std::tuple(2025, 1, 1, 12, 0, 0));
    const std::string settings = std::string(kInstalled) + "\\ZELPULT.INI";
    ASSERT_TRUE(Exists(settings));
    EXPECT_EQ(test::ReadFileBytes(settings), "");
    for (const std::string& link : {programGroup + "\\Zelkor.lnk", desktopLink}) {
        const auto target = win32::ReadShellLink(link);
        ASSERT_TRUE(target.has_value()) << link;
        EXPECT_TRUE(SamePath(target->path, std::string(kInstalled) + "\\Zelpult.exe"))
            << target->path;
        EXPECT_TRUE(SamePath(target->workingDirectory, kInstalled)) << target->workingDirectory;
    }

    if (!userDesktopLink.empty()) {
        EXPECT_FALSE(Exists(userDesktopLink)) << "only the common desktop's link stays";
    }

    const std::wstring link = WideFromCp1250(desktopLink);
    SHELLEXECUTEINFOW open{};
    open.cbSize = sizeof open;
    open.fMask = SEE_MASK_NOCLOSEPROCESS | SEE_MASK_FLAG_NO_UI;
    open.lpVerb = L"open";
    open.lpFile = link.c_str();
    open.nShow = SW_SHOWNORMAL;
    ASSERT_TRUE(ShellExecuteExW(&open)) << GetLastError();
    if (open.hProcess != nullptr) {
        CloseHandle(open.hProcess);
    }
    HWND panel = nullptr;
    ASSERT_TRUE(test::WaitUntil(
        [&] { return (panel = test::VisibleWindowOf(0, L"TForm1")) != nullptr; }, kLimit))
        << "the desktop link starts the panel in normal mode";
    const test::LauncherProcess started(panel);
    EXPECT_TRUE(SamePath(Cp1250FromWide(started.ImagePath()), installed))
        << Cp1250FromWide(started.ImagePath());
    // Ready once its start-up has put the focus on the exit button.
    const HWND exitButton = test::ChildWithText(panel, L"&Kil\u00E9p\u00E9s");
    ASSERT_TRUE(test::WaitUntil([&] { return started.Focus() == exitButton; }, kLimit));
    started.PressKey(exitButton, VK_ESCAPE);
    ASSERT_TRUE(started.EndsCleanly());
    // Its settings and its print folder are where the link's working folder put it.
    EXPECT_NE(test::ReadFileBytes(settings).find("[NYOMTATAS_ENGEDELYEZVE=TRUE]"),
              std::string::npos);
    EXPECT_TRUE(fs::is_directory(std::string(kInstalled) + "\\Printing"));
}

} // namespace
} // namespace zel
