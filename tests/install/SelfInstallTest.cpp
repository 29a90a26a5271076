#include "install/SelfInstall.h"

#include "platform/IoError.h"
#include "support/ForwardingPlatform.h"
#include "support/RecordingMessageSink.h"
#include "support/WineWorld.h"
#include "text/CodePage1250.h"

#include <gtest/gtest.h>
#include <map>

namespace fs = std::filesystem;

namespace zel {
namespace {

struct MadeShortcut {
    std::string link;
    std::string target;
    std::string workingDirectory;
    friend bool operator==(const MadeShortcut&, const MadeShortcut&) = default;
};

// Gives up after a number of bytes, as a medium does that fills up or is pulled out.
class FailingOutput final : public OutputFile {
public:
    FailingOutput(std::unique_ptr<OutputFile> inner, std::size_t allowed)
        : m_inner(std::move(inner)), m_allowed(allowed) {}
    void Write(std::string_view bytes) override {
        if (bytes.size() > m_allowed) {
            throw IoError(IoErrorKind::DiskFull);
        }
        m_allowed -= bytes.size();
        m_inner->Write(bytes);
    }
    void Close() override { m_inner->Close(); }

private:
    std::unique_ptr<OutputFile> m_inner;
    std::size_t m_allowed;
};

// The machine of an installation: its own executable, shortcut folders inside the world, and
// shortcuts kept as plain files so that their removal can be seen.
class InstallPlatform final : public test::ForwardingPlatform {
public:
    using ForwardingPlatform::ForwardingPlatform;

    std::string ExecutablePath() override { return executable; }
    std::unique_ptr<InputFile> OpenExecutableForRead() override {
        return Inner().OpenForRead(executable);
    }
    std::string ShortcutFolder(ShortcutFolderKind kind) override { return folders[kind]; }
    // Folders here are DOS paths of the test world, where the real ones are the desktop's.
    ShortcutResult CreateShortcut(const ShortcutPlace& place, std::string_view target,
                                  std::string_view workingDirectory) override {
        if (!Inner().DirectoryExists(place.folder)) {
            return ShortcutResult::NoFolder;
        }
        if (!place.group.empty() && !Inner().DirectoryExists(place.folder + "\\" + place.group) &&
            !Inner().CreateDirectory(place.folder + "\\" + place.group)) {
            return ShortcutResult::GroupFailed;
        }
        const std::string link = LinkOf(place);
        made.push_back({link, std::string(target), std::string(workingDirectory)});
        try {
            Inner().CreateForWrite(link)->Close();
        } catch (const IoError&) {
            return ShortcutResult::LinkFailed;
        }
        return ShortcutResult::Made;
    }
    bool DeleteShortcut(const ShortcutPlace& place) override {
        return Inner().DeleteFile(LinkOf(place));
    }
    bool CreateDirectory(std::string_view path) override {
        return !path.starts_with(readOnlyDrive) && Inner().CreateDirectory(path);
    }
    std::unique_ptr<OutputFile> CreateReplacement(std::string_view path) override {
        if (path.starts_with(deniedPrefix)) {
            throw IoError(IoErrorKind::AccessDenied);
        }
        auto file = Inner().CreateReplacement(path);
        if (writeLimit) {
            return std::make_unique<FailingOutput>(std::move(file), *writeLimit);
        }
        return file;
    }
    std::unique_ptr<OutputFile> CreateForWrite(std::string_view path) override {
        if (path.starts_with(deniedPrefix)) {
            throw IoError(IoErrorKind::AccessDenied);
        }
        auto file = Inner().CreateForWrite(path);
        if (writeLimit) {
            return std::make_unique<FailingOutput>(std::move(file), *writeLimit);
        }
        return file;
    }

    static std::string LinkOf(const ShortcutPlace& place) {
        return place.folder + (place.group.empty() ? "" : "\\" + place.group) + "\\" +
               place.linkName;
    }

    std::string executable = "C:\\BUILD\\ZELPULT.EXE";
    std::map<ShortcutFolderKind, std::string> folders;
    std::vector<MadeShortcut> made;
    std::string deniedPrefix = "\x01";
    // Takes no new folder, as a write-protected medium does.
    std::string readOnlyDrive = "\x01";
    std::optional<std::size_t> writeLimit;
};

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
        platform = std::make_unique<InstallPlatform>(world.MakePlatform());
    }

    void Install(bool group, bool desktop) {
        InstallLauncher(*platform, messages, {drive, group, desktop},
                        {[this](int value) { progress.push_back(value); }, [this] { ++pauses; }});
    }

    void UseFolders(bool common, bool user) {
        const auto folder = [this](ShortcutFolderKind kind, const char* path) {
            fs::create_directories(world.Native(path));
            platform->folders[kind] = path;
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
        EXPECT_TRUE(platform->made.empty());
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
    std::unique_ptr<InstallPlatform> platform;
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

    const std::vector<MadeShortcut> expected{
        {"C:\\ALL\\PROGRAMS\\ZELKOR\\Zelkor.lnk", "D:\\ZELKOR\\Zelpult.exe", "D:\\ZELKOR"},
        {"C:\\ALL\\DESKTOP\\Zelkor.lnk", "D:\\ZELKOR\\Zelpult.exe", "D:\\ZELKOR"}};
    EXPECT_EQ(platform->made, expected);
    EXPECT_TRUE(fs::exists(world.Native("C:\\ALL\\PROGRAMS\\ZELKOR\\Zelkor.lnk")));
    EXPECT_FALSE(fs::exists(world.Native("C:\\ME\\PROGRAMS\\ZELKOR\\Zelkor.lnk")));
    EXPECT_FALSE(fs::exists(world.Native("C:\\ME\\DESKTOP\\Zelkor.lnk")));
    ExpectSuccessMessage();
}

TEST_F(SelfInstallTest, UserFoldersServeWhereThereAreNoCommonOnes) {
    UseFolders(false, true);
    Install(true, true);
    EXPECT_EQ(platform->made.size(), 2u);
    EXPECT_TRUE(fs::exists(world.Native("C:\\ME\\PROGRAMS\\ZELKOR\\Zelkor.lnk")));
    EXPECT_TRUE(fs::exists(world.Native("C:\\ME\\DESKTOP\\Zelkor.lnk")));
    ExpectSuccessMessage();
}

TEST_F(SelfInstallTest, CommonFolderThatIsMissingMakesNoLinkAndOneNamedAsBothKeepsIt) {
    UseFolders(false, true);
    platform->folders[ShortcutFolderKind::CommonPrograms] = "C:\\NOWHERE";
    platform->folders[ShortcutFolderKind::CommonDesktop] = "c:\\me\\desktop";
    Install(true, true);
    EXPECT_FALSE(fs::exists(world.Native("C:\\ME\\PROGRAMS\\ZELKOR")));
    EXPECT_TRUE(fs::exists(world.Native("C:\\ME\\DESKTOP\\Zelkor.lnk")));
    EXPECT_EQ(platform->made.size(), 1u);
    ExpectSuccessMessage();
}

TEST_F(SelfInstallTest, AgainOverAnEarlierInstallationKeepsItsConfiguration) {
    InstallEarlier();
    UseFolders(true, true);
    Install(false, false);
    EXPECT_EQ(Installed("D:\\ZELKOR\\ZELPULT.EXE"), launcher);
    EXPECT_EQ(Installed("D:\\ZELKOR\\ZELPULT.INI"), "[A96]\n");
    EXPECT_TRUE(platform->made.empty());
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
    platform->executable = deep;
    Install(false, false);
    EXPECT_EQ(Installed("D:\\ZELKOR\\ZELPULT.EXE"), launcher);
}

TEST_F(SelfInstallTest, FailedCopyLeavesTheEarlierInstallationWhole) {
    InstallEarlier();
    platform->deniedPrefix = "D:\\ZELKOR\\";
    ExpectInstallFails(IoErrorKind::AccessDenied);
    ExpectEarlierWhole();

    platform->deniedPrefix = "\x01";
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
    platform->deniedPrefix = "D:\\ZELKOR\\ZELPULT.INI";
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
    platform->readOnlyDrive = "D:\\";
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
