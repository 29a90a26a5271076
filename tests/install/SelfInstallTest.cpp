#include "install/SelfInstall.h"

#include "platform/IoError.h"
#include "support/ForwardingPlatform.h"
#include "support/RecordingMessageSink.h"
#include "support/WineWorld.h"
#include "text/CodePage1250.h"

#include <gtest/gtest.h>

namespace fs = std::filesystem;

namespace zel {
namespace {

std::string Bytes(std::size_t count) {
    std::string bytes(count, '\0');
    for (std::size_t i = 0; i < count; ++i) {
        bytes[i] = static_cast<char>(i * 7 + 3);
    }
    return bytes;
}

class SelfInstallTest : public ::testing::Test {
protected:
    SelfInstallTest() {
        world.AddDrive('C');
        world.AddDrive('D');
        world.WriteFile("C:\\BUILD\\ZELPULT.EXE", launcher);
        // The machine of an installation: its own executable, and shortcut folders inside the
        // world.
        platform = std::make_unique<test::ForwardingPlatform>(world.MakePlatform());
        platform->executablePath = "C:\\BUILD\\ZELPULT.EXE";
        platform->shortcutsAsFiles = true;
    }

    void Install(bool group, bool desktop) {
        InstallLauncher(*platform, messages, {drive, group, desktop},
                        {[this](int value) { progress.push_back(value); }, [this] { ++pauses; }});
    }

    void UseFolders(bool common, bool user) {
        const auto folder = [this](ShortcutFolderKind kind, const char* path) {
            fs::create_directories(world.Native(path));
            platform->shortcutFolders[kind] = path;
        };
        if (common) {
            folder(ShortcutFolderKind::CommonPrograms, "C:\\ALL\\PROGRAMS");
            folder(ShortcutFolderKind::CommonDesktop, "C:\\ALL\\DESKTOP");
        }
        if (user) {
            folder(ShortcutFolderKind::UserPrograms, "C:\\ME\\PROGRAMS");
            folder(ShortcutFolderKind::UserDesktop, "C:\\ME\\DESKTOP");
        }
    }

    std::string Installed(std::string_view dosPath) {
        return test::ReadNativeFile(world.Native(dosPath));
    }

    void ExpectSuccessMessage() {
        ASSERT_EQ(messages.shown.size(), 1u);
        EXPECT_EQ(messages.shown[0].text, Utf8ToCp1250("A telepítés sikeresen befejeződött !"));
        EXPECT_EQ(messages.shown[0].kind, MessageKind::Information);
        EXPECT_EQ(messages.shown[0].detail, "");
    }

    void ExpectInstallFails(IoErrorKind kind) {
        try {
            Install(true, true);
            ADD_FAILURE() << "no IoError";
        } catch (const IoError& error) {
            EXPECT_EQ(error.Kind(), kind);
        }
        EXPECT_TRUE(messages.shown.empty());
        EXPECT_TRUE(platform->madeShortcuts.empty());
    }

    void InstallEarlier() {
        world.WriteFile("D:\\ZELKOR\\ZELPULT.EXE", "earlier launcher");
        world.WriteFile("D:\\ZELKOR\\ZELPULT.INI", "[A96]\n");
    }

    void ExpectEarlierWhole() {
        EXPECT_EQ(Installed("D:\\ZELKOR\\ZELPULT.EXE"), "earlier launcher");
        EXPECT_EQ(Installed("D:\\ZELKOR\\ZELPULT.INI"), "[A96]\n");
        ExpectNoTemporaryLeft();
    }

    void ExpectNoTemporaryLeft() {
        std::error_code ec;
        for (fs::directory_iterator it(world.Native("D:\\ZELKOR"), ec), end; !ec && it != end;
             it.increment(ec)) {
            EXPECT_NE(it->path().filename().string().front(), '~') << it->path();
        }
    }

    test::WineWorld world;
    char drive = 'd';
    std::string launcher = Bytes(1300);
    std::unique_ptr<test::ForwardingPlatform> platform;
    test::RecordingMessageSink messages;
    std::vector<int> progress;
    int pauses = 0;
};

TEST_F(SelfInstallTest, CommonFoldersGetTheLinksAndTheUsersCopiesGo) {
    UseFolders(true, true);
    world.WriteFile("C:\\ME\\PROGRAMS\\ZELKOR\\Zelkor.lnk");
    world.WriteFile("C:\\ME\\DESKTOP\\Zelkor.lnk");
    Install(true, true);

    EXPECT_EQ(Installed("D:\\ZELKOR\\ZELPULT.EXE"), launcher);
    EXPECT_EQ(platform->LastWriteTime("D:\\ZELKOR\\ZELPULT.EXE"), kLauncherStamp);
    EXPECT_TRUE(fs::is_regular_file(world.Native("D:\\ZELKOR\\ZELPULT.INI")));
    EXPECT_EQ(Installed("D:\\ZELKOR\\ZELPULT.INI"), "");
    ExpectNoTemporaryLeft();

    const std::vector<test::MadeShortcut> expected{
        {"C:\\ALL\\PROGRAMS\\ZELKOR\\Zelkor.lnk", "D:\\ZELKOR\\Zelpult.exe", "D:\\ZELKOR"},
        {"C:\\ALL\\DESKTOP\\Zelkor.lnk", "D:\\ZELKOR\\Zelpult.exe", "D:\\ZELKOR"}};
    EXPECT_EQ(platform->madeShortcuts, expected);
    EXPECT_TRUE(fs::exists(world.Native("C:\\ALL\\PROGRAMS\\ZELKOR\\Zelkor.lnk")));
    EXPECT_FALSE(fs::exists(world.Native("C:\\ME\\PROGRAMS\\ZELKOR\\Zelkor.lnk")));
    EXPECT_FALSE(fs::exists(world.Native("C:\\ME\\DESKTOP\\Zelkor.lnk")));
    ExpectSuccessMessage();
}

TEST_F(SelfInstallTest, UserFoldersServeWhereThereAreNoCommonOnes) {
    UseFolders(false, true);
    Install(true, true);
    EXPECT_EQ(platform->madeShortcuts.size(), 2u);
    EXPECT_TRUE(fs::exists(world.Native("C:\\ME\\PROGRAMS\\ZELKOR\\Zelkor.lnk")));
    EXPECT_TRUE(fs::exists(world.Native("C:\\ME\\DESKTOP\\Zelkor.lnk")));
    ExpectSuccessMessage();
}

TEST_F(SelfInstallTest, CommonFolderThatIsMissingMakesNoLinkAndOneNamedAsBothKeepsIt) {
    UseFolders(false, true);
    platform->shortcutFolders[ShortcutFolderKind::CommonPrograms] = "C:\\NOWHERE";
    platform->shortcutFolders[ShortcutFolderKind::CommonDesktop] = "c:\\me\\desktop";
    Install(true, true);
    EXPECT_FALSE(fs::exists(world.Native("C:\\ME\\PROGRAMS\\ZELKOR")));
    EXPECT_TRUE(fs::exists(world.Native("C:\\ME\\DESKTOP\\Zelkor.lnk")));
    EXPECT_EQ(platform->madeShortcuts.size(), 1u);
    ExpectSuccessMessage();
}

TEST_F(SelfInstallTest, AgainOverAnEarlierInstallationKeepsItsConfiguration) {
    InstallEarlier();
    UseFolders(true, true);
    Install(false, false);
    EXPECT_EQ(Installed("D:\\ZELKOR\\ZELPULT.EXE"), launcher);
    EXPECT_EQ(Installed("D:\\ZELKOR\\ZELPULT.INI"), "[A96]\n");
    EXPECT_TRUE(platform->madeShortcuts.empty());
    ExpectSuccessMessage();
}

TEST_F(SelfInstallTest, BarMovesOncePerWholeBlock) {
    struct Case {
        std::size_t size;
        std::vector<int> progress;
    };
    for (const Case& c :
         {Case{1000, {100}}, Case{511, {}}, Case{1536, {33, 67, 100}}, Case{0, {}}}) {
        SCOPED_TRACE(c.size);
        launcher = Bytes(c.size);
        world.WriteFile("C:\\BUILD\\ZELPULT.EXE", launcher);
        progress.clear();
        pauses = 0;
        Install(false, false);
        EXPECT_EQ(progress, c.progress);
        EXPECT_EQ(pauses, static_cast<int>(c.progress.size()));
        EXPECT_EQ(Installed("D:\\ZELKOR\\ZELPULT.EXE"), launcher);
    }
}

TEST_F(SelfInstallTest, LauncherDeepInALongPathIsCopiedWhole) {
    std::string deep = "C:";
    for (int i = 0; i < 6; ++i) {
        deep += "\\" + std::string(48, static_cast<char>('A' + i));
    }
    deep += "\\ZELPULT.EXE";
    ASSERT_GT(deep.size(), 300u);
    world.WriteFile(deep, launcher);
    platform->executablePath = deep;
    Install(false, false);
    EXPECT_EQ(Installed("D:\\ZELKOR\\ZELPULT.EXE"), launcher);
}

TEST_F(SelfInstallTest, FailedCopyLeavesTheEarlierInstallationWhole) {
    InstallEarlier();
    platform->deniedBelow = "D:\\ZELKOR\\";
    ExpectInstallFails(IoErrorKind::AccessDenied);
    ExpectEarlierWhole();

    platform->deniedBelow.reset();
    platform->writeLimit = 600;
    ExpectInstallFails(IoErrorKind::DiskFull);
    ExpectEarlierWhole();
}

TEST_F(SelfInstallTest, AFailedFirstInstallationLeavesNothing) {
    platform->writeLimit = 600;
    ExpectInstallFails(IoErrorKind::DiskFull);
    EXPECT_FALSE(fs::exists(world.Native("D:\\ZELKOR")));

    // A copy without its configuration file would offer to install itself at every start.
    platform->writeLimit.reset();
    platform->deniedBelow = "D:\\ZELKOR\\ZELPULT.INI";
    ExpectInstallFails(IoErrorKind::AccessDenied);
    EXPECT_FALSE(fs::exists(world.Native("D:\\ZELKOR")));
}

TEST_F(SelfInstallTest, TheCopyRunsWithoutAShortcutAndTheRestDoesNot) {
    Install(false, false);
    const auto runnable = fs::perms::owner_exec | fs::perms::group_exec | fs::perms::others_exec;
    EXPECT_EQ(fs::status(world.Native("D:\\ZELKOR\\ZELPULT.EXE")).permissions() &
                  fs::perms::owner_exec,
              fs::perms::owner_exec);
    EXPECT_EQ(fs::status(world.Native("D:\\ZELKOR\\ZELPULT.INI")).permissions() & runnable,
              fs::perms::none);
}

TEST_F(SelfInstallTest, ReadOnlyDriveIsTold) {
    platform->readOnlyBelow = "D:\\";
    ExpectInstallFails(IoErrorKind::AccessDenied);
    EXPECT_FALSE(fs::exists(world.Native("D:\\ZELKOR")));
}

TEST_F(SelfInstallTest, VanishedDriveMakesNothing) {
    world.AddDanglingDrive('E');
    drive = 'E';
    ExpectInstallFails(IoErrorKind::InvalidDrive);
}

// The package's launcher on an account whose map has C: but no Z:: no drive letter reaches
// it, and it is copied all the same.
TEST(SelfInstallFromOutsideEveryDrive, CopiesTheRunningExecutable) {
    test::WineWorld world;
    world.AddDrive('C');
    const auto platform = world.MakePlatform();
    ASSERT_EQ(platform->ExecutablePath(), "") << "the test program lies outside every drive";
    test::RecordingMessageSink messages;
    InstallLauncher(*platform, messages, {'C', false, false}, {});
    EXPECT_EQ(test::ReadNativeFile(world.Native("C:\\ZELKOR\\ZELPULT.EXE")),
              test::ReadNativeFile(fs::read_symlink("/proc/self/exe")));
    EXPECT_TRUE(fs::exists(world.Native("C:\\ZELKOR\\ZELPULT.INI")));
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.shown[0].kind, MessageKind::Information);
}

} // namespace
} // namespace zel
