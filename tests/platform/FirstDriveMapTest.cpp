#include "platform/posix/FirstDriveMap.h"

#include "platform/posix/WinePrefix.h"
#include "support/ScopedEnvironment.h"
#include "support/TempDir.h"
#include "support/TreeSnapshot.h"

#include <cerrno>
#include <fcntl.h>
#include <filesystem>
#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

namespace fs = std::filesystem;

namespace zel {
namespace {

using Outcome = posix::FirstDriveMap::Outcome;

mode_t ModeOf(const fs::path& path) {
    struct stat st {};
    ::lstat(path.c_str(), &st);
    return st.st_mode & 07777;
}

TEST(FirstDriveMap, AnAccountWithoutAMapGetsDriveCPrivateToItsUser) {
    test::TempDir home;
    ASSERT_EQ(posix::MakeFirstDriveMapIn(home.Path()).outcome, Outcome::Made);
    const fs::path prefix = home.Path() / ".wine";
    EXPECT_EQ(fs::read_symlink(prefix / "dosdevices" / "c:"), "../drive_c");
    for (const fs::path& folder : {prefix, prefix / "drive_c", prefix / "dosdevices"}) {
        EXPECT_EQ(ModeOf(folder), 0700u) << folder;
    }
    const posix::WinePrefix drives(prefix);
    EXPECT_EQ(drives.Letters(), (std::vector<char>{'C'}));
    EXPECT_EQ(drives.ToNative("C:\\ZELKOR"), fs::canonical(prefix / "drive_c") / "ZELKOR");

    // Made once: the second start finds it and leaves it be.
    const std::string made = test::Snapshot(prefix);
    EXPECT_EQ(posix::MakeFirstDriveMapIn(home.Path()).outcome, Outcome::Found);
    EXPECT_EQ(test::Snapshot(prefix), made);
}

TEST(FirstDriveMap, AMapThatExistsIsLeftByteForByte) {
    test::TempDir home;
    const fs::path prefix = home.Path() / ".wine";
    fs::create_directories(prefix / "drive_c" / "windows");
    fs::create_directories(prefix / "dosdevices");
    fs::create_directory_symlink("../drive_c", prefix / "dosdevices" / "c:");
    fs::create_directory_symlink("/", prefix / "dosdevices" / "z:");
    fs::create_directory_symlink("/nowhere", prefix / "dosdevices" / "e:");
    test::WriteNativeFile(prefix / "system.reg", "WINE REGISTRY Version 2\n[Software\\\\Wine]\n");
    fs::permissions(prefix, fs::perms::owner_all | fs::perms::group_read | fs::perms::group_exec);
    const std::string before = test::Snapshot(home.Path());
    EXPECT_EQ(posix::MakeFirstDriveMapIn(home.Path()).outcome, Outcome::Found);
    EXPECT_EQ(test::Snapshot(home.Path()), before);

    // A prefix without its drive links is one Wine has not started yet: a map all the same.
    fs::remove_all(prefix / "dosdevices");
    const std::string unstarted = test::Snapshot(home.Path());
    EXPECT_EQ(posix::MakeFirstDriveMapIn(home.Path()).outcome, Outcome::Found);
    EXPECT_EQ(test::Snapshot(home.Path()), unstarted);
}

TEST(FirstDriveMap, APlantedLinkIsNeverFollowed) {
    test::TempDir home;
    test::TempDir elsewhere;
    fs::create_directory_symlink(elsewhere.Path() / "map", home.Path() / ".wine");
    EXPECT_EQ(posix::MakeFirstDriveMapIn(home.Path()).outcome, Outcome::Found);
    EXPECT_FALSE(fs::exists(elsewhere.Path() / "map"));

    fs::create_directories(elsewhere.Path() / "map");
    EXPECT_EQ(posix::MakeFirstDriveMapIn(home.Path()).outcome, Outcome::Found);
    EXPECT_TRUE(fs::is_empty(elsewhere.Path() / "map"));
}

TEST(FirstDriveMap, AChosenPrefixIsTheUsersEvenWhereItIsMissing) {
    test::TempDir home;
    test::ScopedEnvironment environment;
    environment.Set("HOME", home.Path().string());
    environment.Set("WINEPREFIX", (home.Path() / "elsewhere").string());
    EXPECT_EQ(posix::MakeFirstDriveMap().outcome, Outcome::Found);
    EXPECT_TRUE(fs::is_empty(home.Path()));

    environment.Unset("WINEPREFIX");
    EXPECT_EQ(posix::MakeFirstDriveMap().outcome, Outcome::Made);
    EXPECT_TRUE(fs::is_symlink(home.Path() / ".wine" / "dosdevices" / "c:"));
}

TEST(FirstDriveMap, AMapThatCannotBeMadeWholeLeavesNothingAndSaysWhy) {
    test::TempDir home;
    test::WriteNativeFile(home.Path() / "file", "");
    const posix::FirstDriveMap notAFolder = posix::MakeFirstDriveMapIn(home.Path() / "file");
    EXPECT_EQ(notAFolder.outcome, Outcome::NotMade);
    EXPECT_EQ(notAFolder.error, ENOTDIR);

    // Two descriptors to spare: the home and the prefix open, drive_c is made but cannot be
    // opened. What was made goes again, so that the next start does not find a map
    // without drives and keep it.
    const pid_t child = ::fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        const int spare = ::open("/", O_RDONLY);
        ::close(spare);
        const rlimit limit{static_cast<rlim_t>(spare + 2), static_cast<rlim_t>(spare + 2)};
        ::setrlimit(RLIMIT_NOFILE, &limit);
        const posix::FirstDriveMap map = posix::MakeFirstDriveMapIn(home.Path());
        ::_exit(map.outcome == Outcome::NotMade && map.error == EMFILE ? 0 : 1);
    }
    int status = 0;
    ASSERT_EQ(::waitpid(child, &status, 0), child);
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << status;
    EXPECT_FALSE(fs::exists(home.Path() / ".wine"));

    EXPECT_EQ(posix::MakeFirstDriveMapIn(home.Path()).outcome, Outcome::Made);
}

} // namespace
} // namespace zel
