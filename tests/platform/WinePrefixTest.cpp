#include "platform/IoError.h"
#include "platform/WholeFile.h"
#include "support/WineWorld.h"

#include <cerrno>
#include <filesystem>
#include <gtest/gtest.h>
#include <unistd.h>

namespace fs = std::filesystem;

namespace zel {
namespace {

TEST(WinePrefix, DosPathsFindNamesInAnyCaseAndKeepMissingOnes) {
    test::WineWorld world;
    const fs::path c = world.AddDrive('C');
    fs::create_directories(c / "Zelkonyv.97");
    test::WriteNativeFile(c / "Zelkonyv.97" / "a97.exe", "x");
    auto platform = world.MakePlatform();
    EXPECT_EQ(platform->Prefix().ToNative("C:\\ZELKONYV.97\\A97.EXE"),
              c / "Zelkonyv.97" / "a97.exe");
    EXPECT_EQ(platform->Prefix().ToNative("c:\\ZELKONYV.97\\NEW.PIF"),
              c / "Zelkonyv.97" / "NEW.PIF");
    EXPECT_FALSE(platform->Prefix().ToNative("Q:\\X"));
    EXPECT_TRUE(platform->FileExists("C:\\ZELKONYV.97\\A97.EXE"));
    EXPECT_FALSE(platform->FileExists("C:\\ZELKONYV.97"));
    EXPECT_TRUE(platform->DirectoryExists("C:\\zelkonyv.97"));
    EXPECT_EQ(platform->Prefix().ToDos(c / "Zelkonyv.97" / "a97.exe"), "C:\\Zelkonyv.97\\a97.exe");
    EXPECT_EQ(platform->Prefix().ToDos(c), "C:\\");
}

// A name planted in a shared folder ("ws.B17\..\..\home\x") is joined onto a DOS path:
// however many ".." it holds, and with either slash, it stays on its drive, as in DOS.
TEST(WinePrefix, DotDotNeverLeadsAboveTheDriveRoot) {
    test::WineWorld world;
    const fs::path c = world.AddDrive('C');
    fs::create_directories(c / "ZELKOR" / "Printing");
    test::WriteNativeFile(c.parent_path() / "private.B17", "titok");
    const posix::WinePrefix prefix(world.Prefix());
    const fs::path root = fs::canonical(c);
    EXPECT_EQ(prefix.ToNative("C:\\ZELKOR\\Printing\\..\\..\\..\\..\\private.B17"),
              root / "private.B17");
    EXPECT_EQ(prefix.ToNative("C:\\ZELKOR\\Printing\\ws.B17/../../../../private.B17"),
              root / "private.B17");
    EXPECT_EQ(prefix.ToNative("C:\\..\\drive_c\\ZELKOR"), root / "drive_c" / "ZELKOR");
    EXPECT_EQ(prefix.ToNative("C:\\ZELKOR\\..\\ZELKOR\\Printing"), root / "ZELKOR" / "Printing");
    EXPECT_EQ(prefix.ToNative("C:\\ZELKOR/Printing"), root / "ZELKOR" / "Printing");
    EXPECT_FALSE(prefix.Spelt("C:\\ZELKOR\\a/../../x"));
    auto platform = world.MakePlatform();
    EXPECT_FALSE(platform->FileExists("C:\\..\\private.B17"));
    EXPECT_FALSE(platform->FileExists("C:\\ZELKOR/../../private.B17"));
    EXPECT_THROW(
        (void)platform->OpenRegularFileForRead("C:\\ZELKOR\\Printing\\..\\..\\..\\private.B17"),
        IoError);
}

TEST(WinePrefix, DanglingLinksAreNoDrivesAndAFreshPrefixHasCAndZ) {
    test::WineWorld world;
    world.AddDrive('D');
    world.AddDanglingDrive('E');
    EXPECT_EQ(world.MakePlatform()->PresentDrives(), (std::vector<char>{'D'}));

    test::TempDir fresh;
    fs::create_directories(fresh.Path() / "drive_c");
    posix::WinePrefix prefix(fresh.Path());
    EXPECT_EQ(prefix.Letters(), (std::vector<char>{'C', 'Z'}));
    EXPECT_EQ(prefix.ToDos("/"), "Z:\\");
    EXPECT_EQ(prefix.ToDos(fresh.Path() / "drive_c" / "x"), "C:\\x");
}

// Each drive is its link's real folder, however the link gets there; a loop is no drive.
TEST(WinePrefix, DrivesAreTheRealFoldersTheirLinksLeadTo) {
    test::WineWorld world;
    const fs::path d = world.AddDrive('D');
    const fs::path devices = world.Prefix() / "dosdevices";
    fs::create_directory_symlink("../../drive_d", devices / "e:");
    fs::create_directory_symlink(devices / "e:", devices / "f:");
    fs::create_directories(d / "SUB");
    fs::create_directory_symlink(devices / "d:" / "SUB", devices / "g:");
    fs::create_directory_symlink(devices / "i:", devices / "h:");
    fs::create_directory_symlink(devices / "h:", devices / "i:");
    const posix::WinePrefix prefix(world.Prefix());
    EXPECT_EQ(prefix.Letters(), (std::vector<char>{'D', 'E', 'F', 'G'}));
    const fs::path real = fs::canonical(d);
    EXPECT_EQ(prefix.ToNative("E:\\"), real);
    EXPECT_EQ(prefix.ToNative("F:\\"), real);
    EXPECT_EQ(prefix.ToNative("G:\\"), real / "SUB");
    EXPECT_EQ(prefix.ToDos(real / "SUB" / "X"), "G:\\X");
}

TEST(WinePrefix, CurrentDirectoryAndAccentedNames) {
    test::WineWorld world;
    const fs::path c = world.AddDrive('C');
    fs::create_directories(c / "Számla");
    const fs::path before = fs::current_path();
    fs::current_path(c / "Számla");
    auto platform = world.MakePlatform();
    EXPECT_EQ(platform->CurrentDirectory(), "C:\\Sz\xE1mla");
    EXPECT_TRUE(platform->SetCurrentDirectory("C:\\"));
    EXPECT_EQ(platform->CurrentDirectory(), "C:\\");
    fs::current_path(before);
}

// The text is the run-time library's; beside it the path and the system's own error.
TEST(PosixFiles, FailuresCarryTheRunTimeLibraryTextsThePathAndTheSystemsError) {
    test::WineWorld world;
    const fs::path c = world.AddDrive('C');
    auto platform = world.MakePlatform();
    auto expectKind = [&](auto action, IoErrorKind kind, std::string_view path, int system) {
        try {
            action();
            ADD_FAILURE() << "no error, expected " << IoErrorText(kind);
        } catch (const IoError& error) {
            EXPECT_EQ(error.Kind(), kind);
            EXPECT_STREQ(error.what(), IoErrorText(kind));
            EXPECT_EQ(error.Path(), path);
            EXPECT_EQ(error.SystemError(), system);
        }
    };
    expectKind([&] { (void)platform->OpenForRead("C:\\MISSING.TXT"); }, IoErrorKind::FileNotFound,
               "C:\\MISSING.TXT", ENOENT);
    expectKind([&] { (void)platform->OpenForRead("Q:\\X.TXT"); }, IoErrorKind::InvalidDrive,
               "Q:\\X.TXT", 0);
    expectKind([&] { (void)platform->CreateReplacement("Q:\\X.TXT"); }, IoErrorKind::InvalidDrive,
               "Q:\\X.TXT", 0);
    fs::create_directories(c / "DIR");
    expectKind([&] { (void)platform->OpenForRead("C:\\DIR"); }, IoErrorKind::AccessDenied,
               "C:\\DIR", EISDIR);
    if (::geteuid() != 0) {
        fs::permissions(c / "DIR", fs::perms::owner_read | fs::perms::owner_exec);
        expectKind([&] { (void)platform->CreateForWrite("C:\\DIR\\NEW.TXT"); },
                   IoErrorKind::AccessDenied, "C:\\DIR\\NEW.TXT", EACCES);
    }
}

TEST(PosixFiles, ReplacingAFileIsAllOrNothing) {
    test::WineWorld world;
    const fs::path c = world.AddDrive('C');
    auto platform = world.MakePlatform();
    const auto entries = [&] {
        return std::distance(fs::directory_iterator(c), fs::directory_iterator());
    };
    ASSERT_FALSE(ReplaceWholeFile(*platform, "C:\\A.INI", "first"));
    fs::permissions(c / "A.INI", fs::perms::owner_read | fs::perms::owner_write |
                                     fs::perms::group_read | fs::perms::group_write);
    ASSERT_FALSE(ReplaceWholeFile(*platform, "C:\\A.INI", "second"));
    EXPECT_EQ(ReadWholeFile(*platform, "C:\\A.INI"), "second");
    // The replacement keeps the permission bits its user gave the file.
    EXPECT_EQ(fs::status(c / "A.INI").permissions(),
              fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read |
                  fs::perms::group_write);
    EXPECT_EQ(entries(), 1);
    // A folder in the way of the target: the old content stays and nothing is left beside it.
    fs::create_directories(c / "B.INI" / "x");
    EXPECT_EQ(ReplaceWholeFile(*platform, "C:\\B.INI", "data"), IoErrorKind::AccessDenied);
    EXPECT_TRUE(fs::is_directory(c / "B.INI"));
    EXPECT_EQ(entries(), 2);
}

TEST(PosixFiles, AReplacementNeverGoesThroughAPlantedName) {
    test::WineWorld world;
    const fs::path c = world.AddDrive('C');
    auto platform = world.MakePlatform();
    test::WriteNativeFile(c / "private.txt", "mine");
    // The old fixed temporary name, planted as a link to another file of the user's.
    fs::create_symlink(c / "private.txt", c / "~ZELPULT.INI");
    ASSERT_FALSE(ReplaceWholeFile(*platform, "C:\\ZELPULT.INI", "[C]\r\n"));
    EXPECT_EQ(test::ReadNativeFile(c / "private.txt"), "mine");
    EXPECT_EQ(test::ReadNativeFile(c / "ZELPULT.INI"), "[C]\r\n");

    // A link its user made in the file's place is written through; the link stays.
    fs::remove(c / "ZELPULT.INI");
    fs::create_symlink(c / "private.txt", c / "ZELPULT.INI");
    ASSERT_FALSE(ReplaceWholeFile(*platform, "C:\\ZELPULT.INI", "[D]\r\n"));
    EXPECT_TRUE(fs::is_symlink(c / "ZELPULT.INI"));
    EXPECT_EQ(test::ReadNativeFile(c / "private.txt"), "[D]\r\n");

    // One planted by someone else is refused, and its target is left alone.
    if (::geteuid() == 0) {
        ASSERT_EQ(::lchown((c / "ZELPULT.INI").c_str(), 65534, 65534), 0);
        EXPECT_EQ(ReplaceWholeFile(*platform, "C:\\ZELPULT.INI", "[E]\r\n"),
                  IoErrorKind::AccessDenied);
        EXPECT_EQ(test::ReadNativeFile(c / "private.txt"), "[D]\r\n");
    }
}

TEST(PosixFiles, FolderSearchIsCaseInsensitiveAndSeesFolders) {
    test::WineWorld world;
    const fs::path c = world.AddDrive('C');
    test::WriteNativeFile(c / "P" / "WS0001.A17", "");
    test::WriteNativeFile(c / "P" / "ws0002", "");
    test::WriteNativeFile(c / "P" / "other.txt", "");
    fs::create_directories(c / "P" / "ws0003.A17");
    auto found = world.MakePlatform()->FindFiles("C:\\p", "ws*.*");
    std::sort(found.begin(), found.end(), [](auto& a, auto& b) { return a.name < b.name; });
    ASSERT_EQ(found.size(), 3u);
    EXPECT_EQ(found[0].name, "WS0001.A17");
    EXPECT_EQ(found[1].name, "ws0002");
    EXPECT_TRUE(found[2].isDirectory);
    EXPECT_TRUE(world.MakePlatform()->FindFiles("C:\\NOPE", "*.*").empty());
}

TEST(PosixFiles, AStampTellsVersionsOfAFileApartWhateverTheSpelling) {
    test::WineWorld world;
    const fs::path c = world.AddDrive('C');
    fs::create_directories(c / "Printing");
    test::WriteNativeFile(c / "Printing" / "ws0001.A17", "first");
    test::WriteNativeFile(c / "elsewhere.txt", "other");
    fs::create_symlink(c / "elsewhere.txt", c / "Printing" / "ws0002.A17");
    auto platform = world.MakePlatform();

    const auto stamp = platform->Stamp("C:\\Printing\\ws0001.A17");
    ASSERT_TRUE(stamp);
    EXPECT_EQ(stamp->size, 5u);
    EXPECT_EQ(platform->Stamp("c:\\PRINTING\\WS0001.a17"), stamp);
    EXPECT_FALSE(platform->Stamp("C:\\Printing\\ws0003.A17"));
    EXPECT_FALSE(platform->Stamp("C:\\Printing\\..\\Printing\\ws0003.A17"));

    // A link is stamped as itself, not as the file it leads to.
    const auto link = platform->Stamp("C:\\Printing\\ws0002.A17");
    ASSERT_TRUE(link);
    EXPECT_NE(link->inode, platform->Stamp("C:\\elsewhere.txt")->inode);

    fs::rename(c / "elsewhere.txt", c / "Printing" / "ws0001.A17");
    const auto replaced = platform->Stamp("C:\\Printing\\ws0001.A17");
    ASSERT_TRUE(replaced);
    EXPECT_NE(replaced, stamp);
    EXPECT_EQ(replaced->size, 5u);
}

TEST(PosixFiles, LastWriteTimeIsLocalTime) {
    test::WineWorld world;
    world.AddDrive('C');
    world.WriteFile("C:\\T.EXE", "x");
    auto platform = world.MakePlatform();
    const LocalDateTime stamp{2025, 1, 1, 12, 0, 0};
    ASSERT_TRUE(platform->SetLastWriteTime("C:\\T.EXE", stamp));
    EXPECT_EQ(platform->LastWriteTime("C:\\T.EXE"), stamp);
}

// A system folder such as /usr/bin: the launcher makes no spool beside its executable there.
TEST(WinePrefix, AFolderWithoutAWriteBitIsWrittenByNobodyEvenRoot) {
    test::WineWorld world;
    const fs::path c = world.AddDrive('C');
    fs::create_directories(c / "usr" / "bin");
    auto platform = world.MakePlatform();
    EXPECT_TRUE(platform->FolderWritable("C:\\USR\\BIN"));
    fs::permissions(c / "usr" / "bin",
                    fs::perms::owner_write | fs::perms::group_write | fs::perms::others_write,
                    fs::perm_options::remove);
    EXPECT_FALSE(platform->FolderWritable("C:\\USR\\BIN"));
    EXPECT_FALSE(platform->FolderWritable("C:\\USR\\NONE"));
    test::WriteNativeFile(c / "usr" / "file", "x");
    EXPECT_FALSE(platform->FolderWritable("C:\\USR\\FILE"));
}

} // namespace
} // namespace zel
