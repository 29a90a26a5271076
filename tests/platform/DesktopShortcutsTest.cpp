#include "platform/posix/DesktopShortcuts.h"

#include "support/WineWorld.h"

#include <cstdlib>
#include <gtest/gtest.h>
#include <map>
#include <sys/stat.h>

namespace fs = std::filesystem;

namespace zel {
namespace {

using posix::DesktopExecArgument;

// Sets environment variables for one test and puts the old values back afterwards.
class ScopedEnvironment final {
public:
    ScopedEnvironment() = default;
    ~ScopedEnvironment() {
        for (const auto& [name, old] : m_old) {
            if (old) {
                ::setenv(name.c_str(), old->c_str(), 1);
            } else {
                ::unsetenv(name.c_str());
            }
        }
    }
    ScopedEnvironment(const ScopedEnvironment&) = delete;
    ScopedEnvironment& operator=(const ScopedEnvironment&) = delete;

    void Set(const std::string& name, const std::optional<std::string>& value) {
        if (!m_old.contains(name)) {
            const char* old = std::getenv(name.c_str());
            m_old[name] = old != nullptr ? std::optional<std::string>(old) : std::nullopt;
        }
        if (value) {
            ::setenv(name.c_str(), value->c_str(), 1);
        } else {
            ::unsetenv(name.c_str());
        }
    }

private:
    std::map<std::string, std::optional<std::string>> m_old;
};

class DesktopShortcutsTest : public ::testing::Test {
protected:
    DesktopShortcutsTest() : m_c(m_world.AddDrive('C')), m_home(m_c / "home") {
        fs::create_directories(m_home);
        m_env.Set("HOME", m_home.string());
        m_env.Set("XDG_DATA_HOME", std::nullopt);
        m_env.Set("XDG_CONFIG_HOME", std::nullopt);
    }

    static std::string Folder(ShortcutFolderKind kind) { return posix::ShortcutFolderOf(kind); }

    test::WineWorld m_world;
    fs::path m_c;
    fs::path m_home;
    ScopedEnvironment m_env;
};

TEST_F(DesktopShortcutsTest, TheUsersProgramFolderFollowsXdgDataHomeAndIsMade) {
    EXPECT_EQ(Folder(ShortcutFolderKind::UserPrograms),
              (m_home / ".local/share/applications").string());
    EXPECT_TRUE(fs::is_directory(m_home / ".local/share/applications"));

    m_env.Set("XDG_DATA_HOME", (m_c / "data").string());
    EXPECT_EQ(Folder(ShortcutFolderKind::UserPrograms), (m_c / "data/applications").string());
    m_env.Set("XDG_DATA_HOME", "relative/ignored");
    EXPECT_EQ(Folder(ShortcutFolderKind::UserPrograms),
              (m_home / ".local/share/applications").string());
}

TEST_F(DesktopShortcutsTest, TheDesktopIsTheUsersDesktopFolderWhereOneExists) {
    EXPECT_EQ(Folder(ShortcutFolderKind::UserDesktop), "");
    fs::create_directories(m_home / "Desktop");
    EXPECT_EQ(Folder(ShortcutFolderKind::UserDesktop), (m_home / "Desktop").string());

    fs::create_directories(m_home / "Íróasztal");
    test::WriteNativeFile(m_home / ".config/user-dirs.dirs",
                          "# written by xdg-user-dirs-update\n"
                          "XDG_DOWNLOAD_DIR=\"$HOME/Letöltések\"\n"
                          "XDG_DESKTOP_DIR=\"$HOME/Íróasztal\"\n");
    EXPECT_EQ(Folder(ShortcutFolderKind::UserDesktop), (m_home / "Íróasztal").string());

    m_env.Set("XDG_CONFIG_HOME", (m_c / "config").string());
    test::WriteNativeFile(m_c / "config/user-dirs.dirs",
                          "XDG_DESKTOP_DIR=\"" + (m_c / "elsewhere").string() + "\"\n");
    EXPECT_EQ(Folder(ShortcutFolderKind::UserDesktop), "");
    fs::create_directories(m_c / "elsewhere");
    EXPECT_EQ(Folder(ShortcutFolderKind::UserDesktop), (m_c / "elsewhere").string());

    test::WriteNativeFile(m_c / "config/user-dirs.dirs", "XDG_DESKTOP_DIR=\"$HOME/\"\n");
    EXPECT_EQ(Folder(ShortcutFolderKind::UserDesktop), "");
}

TEST_F(DesktopShortcutsTest, FoldersNeedNoDriveAndThereIsNoCommonDesktop) {
    EXPECT_EQ(Folder(ShortcutFolderKind::CommonDesktop), "");
    // A home that no drive of the prefix holds, as when the user removed Wine's Z:.
    test::TempDir outside;
    fs::create_directories(outside.Path() / "Desktop");
    m_env.Set("HOME", outside.Path().string());
    EXPECT_EQ(Folder(ShortcutFolderKind::UserDesktop), (outside.Path() / "Desktop").string());
    EXPECT_EQ(Folder(ShortcutFolderKind::UserPrograms),
              (outside.Path() / ".local/share/applications").string());
}

TEST(DesktopExecArgument, QuotesWhatTheFormatReservesAndDoublesPercentSigns) {
    EXPECT_EQ(DesktopExecArgument("/opt/zelkor/ZELPULT.EXE"), "/opt/zelkor/ZELPULT.EXE");
    EXPECT_EQ(DesktopExecArgument("/mnt/Zel Kor/a.exe"), "\"/mnt/Zel Kor/a.exe\"");
    EXPECT_EQ(DesktopExecArgument("/a$b\\c\"d`e"), "\"/a\\$b\\\\c\\\"d\\`e\"");
    EXPECT_EQ(DesktopExecArgument("/100%"), "/100%%");
    EXPECT_EQ(DesktopExecArgument(""), "\"\"");
}

// What the desktops' own checker says of an entry we wrote.
bool DesktopsAccept(const fs::path& entry) {
    return std::system(("desktop-file-validate '" + entry.string() + "' >&2").c_str()) == 0;
}

class DesktopEntryTest : public DesktopShortcutsTest {
protected:
    DesktopEntryTest() {
        m_exe = m_world.WriteFile("D:\\Zel Kor\\ZELPULT.EXE", "\x7f"
                                                              "ELF-ish launcher");
        m_d = m_world.AddDrive('D');
        fs::create_directories(m_home / ".local/share/applications/ZELKOR");
        fs::create_directories(m_home / "Desktop");
    }

    ShortcutResult Create(const ShortcutPlace& place) {
        return posix::CreateDesktopEntry(m_world.MakePlatform()->Prefix(), place,
                                         "D:\\ZEL KOR\\Zelpult.exe", "D:\\ZEL KOR");
    }
    ShortcutPlace Group(const char* name = "Zelkor.lnk") {
        return {(m_home / ".local/share/applications").string(), "ZELKOR", name};
    }
    ShortcutPlace Desktop() { return {(m_home / "Desktop").string(), "", "Zelkor.lnk"}; }

    fs::path m_exe;
    fs::path m_d;
};

TEST_F(DesktopEntryTest, AProgramGroupEntryStartsTheTargetThroughThisPrefix) {
    ASSERT_EQ(Create(Group()), ShortcutResult::Made);
    const fs::path entry = m_home / ".local/share/applications/ZELKOR/Zelkor.desktop";
    const std::string text = test::ReadNativeFile(entry);
    EXPECT_TRUE(text.starts_with("[Desktop Entry]\nType=Application\n")) << text;
    EXPECT_NE(text.find("\nName=ZELKOR Indítópult\n"), std::string::npos) << text;
    EXPECT_NE(text.find("\nExec=env WINEPREFIX=" + m_world.Prefix().string() + " \"" +
                        (m_d / "Zel Kor" / "ZELPULT.EXE").string() + "\"\n"),
              std::string::npos)
        << text;
    EXPECT_NE(text.find("\nPath=" + (m_d / "Zel Kor").string() + "\n"), std::string::npos) << text;
    EXPECT_NE(text.find("\nTerminal=false\n"), std::string::npos) << text;
    EXPECT_EQ(fs::status(entry).permissions() & fs::perms::all,
              fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read |
                  fs::perms::others_read);

    const std::string menu =
        test::ReadNativeFile(m_home / ".config/menus/applications-merged/zelkor.menu");
    EXPECT_NE(menu.find("<Name>ZELKOR</Name>"), std::string::npos) << menu;
    EXPECT_NE(menu.find("<Directory>zelkor.directory</Directory>"), std::string::npos) << menu;
    EXPECT_NE(menu.find("<Filename>ZELKOR-Zelkor.desktop</Filename>"), std::string::npos) << menu;
    const fs::path directory = m_home / ".local/share/desktop-directories/zelkor.directory";
    EXPECT_NE(test::ReadNativeFile(directory).find("Type=Directory\n"), std::string::npos);
    EXPECT_TRUE(DesktopsAccept(entry));
    EXPECT_TRUE(DesktopsAccept(directory));
}

TEST_F(DesktopEntryTest, ADesktopShortcutIsExecutableAndReplacesTheOldOneWhole) {
    const fs::path entry = m_home / "Desktop" / "Zelkor.desktop";
    test::WriteNativeFile(entry, std::string(5000, 'x'));
    ASSERT_EQ(Create(Desktop()), ShortcutResult::Made);
    const std::string text = test::ReadNativeFile(entry);
    EXPECT_TRUE(text.starts_with("[Desktop Entry]\n"));
    EXPECT_EQ(text.find('x' + std::string(10, 'x')), std::string::npos);
    EXPECT_NE(fs::status(entry).permissions() & fs::perms::owner_exec, fs::perms::none);
    EXPECT_EQ(std::distance(fs::directory_iterator(m_home / "Desktop"), fs::directory_iterator()),
              1);
    EXPECT_FALSE(fs::exists(m_home / ".config/menus"));
}

TEST_F(DesktopEntryTest, TheDefaultPrefixNeedsNoEnvironment) {
    fs::create_directory_symlink(m_world.Prefix(), m_home / ".wine");
    ASSERT_EQ(Create(Desktop()), ShortcutResult::Made);
    EXPECT_NE(test::ReadNativeFile(m_home / "Desktop/Zelkor.desktop")
                  .find("\nExec=\"" + m_exe.string() + "\"\n"),
              std::string::npos);
}

TEST_F(DesktopEntryTest, DeletingTheLastGroupEntryTakesTheMenuAlong) {
    ASSERT_EQ(Create(Group()), ShortcutResult::Made);
    ASSERT_EQ(Create(Group("Second.lnk")), ShortcutResult::Made);
    const fs::path menu = m_home / ".config/menus/applications-merged/zelkor.menu";

    EXPECT_TRUE(posix::DeleteDesktopEntry(Group()));
    EXPECT_FALSE(fs::exists(m_home / ".local/share/applications/ZELKOR/Zelkor.desktop"));
    EXPECT_EQ(test::ReadNativeFile(menu).find("ZELKOR-Zelkor.desktop"), std::string::npos);
    EXPECT_NE(test::ReadNativeFile(menu).find("ZELKOR-Second.desktop"), std::string::npos);

    EXPECT_TRUE(posix::DeleteDesktopEntry(Group("Second.lnk")));
    EXPECT_FALSE(fs::exists(menu));
    EXPECT_FALSE(fs::exists(m_home / ".local/share/desktop-directories/zelkor.directory"));
    EXPECT_FALSE(posix::DeleteDesktopEntry(Group()));
}

TEST_F(DesktopEntryTest, NothingIsWrittenWhereTheFolderOrTheDriveIsMissing) {
    EXPECT_EQ(Create({(m_home / "NoSuchFolder").string(), "", "Zelkor.lnk"}),
              ShortcutResult::NoFolder);
    EXPECT_EQ(Create({"", "", "Zelkor.lnk"}), ShortcutResult::NoFolder);
    EXPECT_EQ(
        posix::CreateDesktopEntry(m_world.MakePlatform()->Prefix(), Desktop(), "Q:\\X.EXE", "Q:\\"),
        ShortcutResult::LinkFailed);
    EXPECT_FALSE(fs::exists(m_home / "Desktop/Zelkor.desktop"));
}

} // namespace
} // namespace zel
