#include "platform/IoError.h"
#include "platform/WholeFile.h"
#include "support/WineWorld.h"

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

TEST(PosixFiles, FailuresCarryTheRunTimeLibraryTexts) {
    test::WineWorld world;
    const fs::path c = world.AddDrive('C');
    auto platform = world.MakePlatform();
    auto expectText = [&](auto action, const char* text) {
        try {
            action();
            ADD_FAILURE() << "no error, expected " << text;
        } catch (const IoError& error) {
            EXPECT_STREQ(error.what(), text);
        }
    };
    expectText([&] { (void)platform->OpenForRead("C:\\MISSING.TXT"); }, io_text::kFileNotFound);
    expectText([&] { (void)platform->OpenForRead("Q:\\X.TXT"); }, io_text::kInvalidDrive);
    fs::create_directories(c / "DIR");
    expectText([&] { (void)platform->OpenForRead("C:\\DIR"); }, io_text::kAccessDenied);
    if (::geteuid() != 0) {
        fs::permissions(c / "DIR", fs::perms::owner_read | fs::perms::owner_exec);
        expectText([&] { (void)platform->CreateForWrite("C:\\DIR\\NEW.TXT"); },
                   io_text::kAccessDenied);
    }
}

TEST(PosixFiles, ReplacingAFileIsAllOrNothing) {
    test::WineWorld world;
    const fs::path c = world.AddDrive('C');
    auto platform = world.MakePlatform();
    ASSERT_TRUE(ReplaceWholeFile(*platform, "C:\\A.INI", "first"));
    ASSERT_TRUE(ReplaceWholeFile(*platform, "C:\\A.INI", "second"));
    EXPECT_EQ(ReadWholeFile(*platform, "C:\\A.INI"), "second");
    EXPECT_FALSE(fs::exists(c / "~A.INI"));
    // A folder in the way of the target: the old content stays and nothing is left beside it.
    fs::create_directories(c / "B.INI" / "x");
    EXPECT_FALSE(ReplaceWholeFile(*platform, "C:\\B.INI", "data"));
    EXPECT_TRUE(fs::is_directory(c / "B.INI"));
    EXPECT_FALSE(fs::exists(c / "~B.INI"));
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

TEST(PosixFiles, LastWriteTimeIsLocalTime) {
    test::WineWorld world;
    world.AddDrive('C');
    world.WriteFile("C:\\T.EXE", "x");
    auto platform = world.MakePlatform();
    const LocalDateTime stamp{2025, 1, 1, 12, 0, 0};
    ASSERT_TRUE(platform->SetLastWriteTime("C:\\T.EXE", stamp));
    EXPECT_EQ(platform->LastWriteTime("C:\\T.EXE"), stamp);
}

} // namespace
} // namespace zel
