#include "platform/win32/ShellFolders.h"
#include "platform/win32/ShellLinks.h"
#include "platform/win32/Win32Platform.h"
#include "platform/win32/Windows.h"
#include "support/WineWorld.h"

#include <gtest/gtest.h>

namespace zel::test {
namespace {

// One "Shell Folders" value changed for a test and put back as it was.
class ShellFolderValue final {
public:
    ShellFolderValue(HKEY root, const char* name) : m_root(root), m_name(name) {
        RegCreateKeyExA(m_root, win32::kShellFoldersKey, 0, nullptr, 0, KEY_ALL_ACCESS, nullptr,
                        &m_key, nullptr);
        DWORD size = sizeof m_saved;
        m_hadValue = RegQueryValueExA(m_key, m_name, nullptr, &m_savedType,
                                      reinterpret_cast<BYTE*>(m_saved), &size) == ERROR_SUCCESS;
        m_savedSize = size;
    }
    ~ShellFolderValue() {
        if (m_hadValue) {
            RegSetValueExA(m_key, m_name, 0, m_savedType, reinterpret_cast<const BYTE*>(m_saved),
                           m_savedSize);
        } else {
            RegDeleteValueA(m_key, m_name);
        }
        RegCloseKey(m_key);
    }
    ShellFolderValue(const ShellFolderValue&) = delete;
    ShellFolderValue& operator=(const ShellFolderValue&) = delete;

    void Set(const std::string& text, DWORD type = REG_SZ) {
        RegSetValueExA(m_key, m_name, 0, type, reinterpret_cast<const BYTE*>(text.c_str()),
                       static_cast<DWORD>(text.size() + 1));
    }
    void SetNumber(DWORD number) {
        RegSetValueExA(m_key, m_name, 0, REG_DWORD, reinterpret_cast<const BYTE*>(&number),
                       sizeof number);
    }
    void Remove() { RegDeleteValueA(m_key, m_name); }

private:
    HKEY m_root;
    const char* m_name;
    HKEY m_key = nullptr;
    char m_saved[2048] = {};
    DWORD m_savedType = 0;
    DWORD m_savedSize = 0;
    bool m_hadValue = false;
};

TEST(Win32ShortcutFolders, ComeFromTheShellFoldersValues) {
    win32::Win32Platform platform;
    const std::pair<ShortcutFolderKind, std::pair<HKEY, const char*>> kinds[] = {
        {ShortcutFolderKind::CommonPrograms, {HKEY_LOCAL_MACHINE, "Common Programs"}},
        {ShortcutFolderKind::UserPrograms, {HKEY_CURRENT_USER, "Programs"}},
        {ShortcutFolderKind::CommonDesktop, {HKEY_LOCAL_MACHINE, "Common Desktop"}},
        {ShortcutFolderKind::UserDesktop, {HKEY_CURRENT_USER, "Desktop"}},
    };
    for (const auto& [kind, value] : kinds) {
        ShellFolderValue folder(value.first, value.second);
        folder.Set(std::string("C:\\Start Men\xFC\\") + value.second);
        EXPECT_EQ(platform.ShortcutFolder(kind), std::string("C:\\Start Men\xFC\\") + value.second);
    }
}

TEST(Win32ShortcutFolders, MissingOddOrTooLongValuesGiveNone) {
    win32::Win32Platform platform;
    ShellFolderValue folder(HKEY_CURRENT_USER, "Desktop");
    folder.Remove();
    EXPECT_EQ(platform.ShortcutFolder(ShortcutFolderKind::UserDesktop), "");
    folder.SetNumber(7);
    EXPECT_EQ(platform.ShortcutFolder(ShortcutFolderKind::UserDesktop), "");
    folder.Set("C:\\" + std::string(MAX_PATH, 'x'));
    EXPECT_EQ(platform.ShortcutFolder(ShortcutFolderKind::UserDesktop), "");
    folder.Set("C:\\" + std::string(MAX_PATH * 8, 'x'));
    EXPECT_EQ(platform.ShortcutFolder(ShortcutFolderKind::UserDesktop), "");
    folder.Set("");
    EXPECT_EQ(platform.ShortcutFolder(ShortcutFolderKind::UserDesktop), "");
}

TEST(Win32ShortcutFolders, ExpandableValuesAreExpanded) {
    win32::Win32Platform platform;
    ShellFolderValue folder(HKEY_CURRENT_USER, "Programs");
    SetEnvironmentVariableA("ZELTEST_ROOT", "D:\\Profil");
    folder.Set("%ZELTEST_ROOT%\\Programs", REG_EXPAND_SZ);
    EXPECT_EQ(platform.ShortcutFolder(ShortcutFolderKind::UserPrograms), "D:\\Profil\\Programs");
}

TEST(Win32Shortcuts, AreShellLinksThatStartTheTargetInItsFolder) {
    ZEL_REQUIRE_WINE_WORLD();
    win32::Win32Platform platform;
    const DriveFolder folder;
    ASSERT_TRUE(platform.CreateDirectory(folder / "Programs"));
    const ShortcutPlace place{folder / "Programs", "Zelkor K\xF6nyvel\xE9s", "Zelkor.lnk"};
    ASSERT_EQ(platform.CreateShortcut(place, "D:\\ZELKOR\\ZELPULT.EXE", "D:\\ZELKOR"),
              ShortcutResult::Made);

    const std::string link = folder / "Programs\\Zelkor K\xF6nyvel\xE9s\\Zelkor.lnk";
    const auto target = win32::ReadShellLink(link);
    ASSERT_TRUE(target);
    EXPECT_EQ(target->path, "D:\\ZELKOR\\ZELPULT.EXE");
    EXPECT_EQ(target->workingDirectory, "D:\\ZELKOR");

    EXPECT_TRUE(platform.DeleteShortcut(place));
    EXPECT_FALSE(platform.FileExists(link));
    EXPECT_FALSE(platform.DeleteShortcut(place));
}

TEST(Win32Shortcuts, WithoutAGroupTheyLieInTheFolder) {
    ZEL_REQUIRE_WINE_WORLD();
    win32::Win32Platform platform;
    const DriveFolder folder;
    const ShortcutPlace place{folder.Path(), "", "Zelkor.lnk"};
    ASSERT_EQ(platform.CreateShortcut(place, "D:\\ZELKOR\\ZELPULT.EXE", "D:\\ZELKOR"),
              ShortcutResult::Made);
    EXPECT_TRUE(platform.FileExists(folder / "Zelkor.lnk"));
}

TEST(Win32Shortcuts, AMissingFolderOrAnImpossibleGroupMakesNothing) {
    ZEL_REQUIRE_WINE_WORLD();
    win32::Win32Platform platform;
    const DriveFolder folder;
    EXPECT_EQ(platform.CreateShortcut({folder / "NONE", "", "Zelkor.lnk"}, "D:\\A.EXE", "D:\\"),
              ShortcutResult::NoFolder);
    EXPECT_EQ(platform.CreateShortcut({"", "", "Zelkor.lnk"}, "D:\\A.EXE", "D:\\"),
              ShortcutResult::NoFolder);
    EXPECT_EQ(platform.CreateShortcut({folder.Path(), "a?b", "Zelkor.lnk"}, "D:\\A.EXE", "D:\\"),
              ShortcutResult::GroupFailed);
}

} // namespace
} // namespace zel::test
