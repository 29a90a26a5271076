#include "platform/IoError.h"
#include "platform/win32/Win32Platform.h"
#include "platform/win32/Windows.h"
#include "support/WineWorld.h"

#include <algorithm>
#include <functional>
#include <gtest/gtest.h>

namespace zel::test {
namespace {

std::vector<std::string> Names(std::vector<DirEntry> entries) {
    std::vector<std::string> names;
    for (const auto& entry : entries) {
        names.push_back(entry.name + (entry.isDirectory ? "\\" : ""));
    }
    std::sort(names.begin(), names.end());
    return names;
}

bool IsIoError(const std::function<void()>& action, IoErrorKind kind) {
    try {
        action();
    } catch (const IoError& error) {
        return error.Kind() == kind;
    }
    return false;
}

TEST(Win32Files, FindFilesMatchesTheDosWildcardInAnyCase) {
    ZEL_REQUIRE_WINE_WORLD();
    win32::Win32Platform platform;
    const DriveFolder folder;
    WriteFileBytes(folder / "WS001.TXT", "");
    WriteFileBytes(folder / "ws002.lst", "");
    WriteFileBytes(folder / "OTHER.TXT", "");
    WriteFileBytes(folder / "\xC1RV\xCDZ.TXT", ""); // ÁRVÍZ.TXT
    ASSERT_TRUE(platform.CreateDirectory(folder / "WSDIR"));

    EXPECT_EQ(Names(platform.FindFiles(folder.Path(), "ws*.*")),
              (std::vector<std::string>{"WS001.TXT", "WSDIR\\", "ws002.lst"}));
    EXPECT_EQ(Names(platform.FindFiles(folder.Path() + "\\", "*.TXT")),
              (std::vector<std::string>{"OTHER.TXT", "WS001.TXT", "\xC1RV\xCDZ.TXT"}));
    EXPECT_TRUE(platform.FindFiles(folder / "NONE", "*.*").empty());
}

TEST(Win32Files, FilesAndFoldersAreToldApart) {
    ZEL_REQUIRE_WINE_WORLD();
    win32::Win32Platform platform;
    const DriveFolder folder;
    WriteFileBytes(folder / "A.TXT", "a");
    EXPECT_TRUE(platform.FileExists(folder / "A.TXT"));
    EXPECT_FALSE(platform.DirectoryExists(folder / "A.TXT"));
    EXPECT_TRUE(platform.DirectoryExists(folder.Path()));
    EXPECT_FALSE(platform.FileExists(folder.Path()));

    EXPECT_TRUE(platform.CreateDirectory(folder / "SUB"));
    EXPECT_FALSE(platform.CreateDirectory(folder / "SUB"));
    WriteFileBytes(folder / "SUB\\B.TXT", "b");
    EXPECT_FALSE(platform.RemoveDirectory(folder / "SUB"));
    EXPECT_FALSE(platform.DeleteFile(folder / "SUB"));
    EXPECT_TRUE(platform.DeleteFile(folder / "SUB\\B.TXT"));
    EXPECT_FALSE(platform.DeleteFile(folder / "SUB\\B.TXT"));
    EXPECT_TRUE(platform.RemoveDirectory(folder / "SUB"));
}

TEST(Win32Files, RenamingReplacesTheTarget) {
    ZEL_REQUIRE_WINE_WORLD();
    win32::Win32Platform platform;
    const DriveFolder folder;
    WriteFileBytes(folder / "NEW.TMP", "new");
    WriteFileBytes(folder / "OLD.INI", "old");
    EXPECT_TRUE(platform.RenameFile(folder / "NEW.TMP", folder / "OLD.INI"));
    EXPECT_EQ(ReadFileBytes(folder / "OLD.INI"), "new");
    EXPECT_FALSE(platform.FileExists(folder / "NEW.TMP"));
    EXPECT_FALSE(platform.RenameFile(folder / "NEW.TMP", folder / "OLD.INI"));
}

TEST(Win32Files, TheLastWriteTimeIsLocalTime) {
    ZEL_REQUIRE_WINE_WORLD();
    win32::Win32Platform platform;
    const DriveFolder folder;
    WriteFileBytes(folder / "A97.EXE", "MZ");
    const LocalDateTime time{1997, 7, 14, 9, 30, 12};
    ASSERT_TRUE(platform.SetLastWriteTime(folder / "A97.EXE", time));
    EXPECT_EQ(platform.LastWriteTime(folder / "A97.EXE"), time);
    EXPECT_EQ(platform.LastWriteTime(folder / "NONE.EXE"), std::nullopt);
    EXPECT_FALSE(platform.SetLastWriteTime(folder / "NONE.EXE", time));
}

TEST(Win32Files, ReadingGivesTheBytesAndTheSize) {
    ZEL_REQUIRE_WINE_WORLD();
    win32::Win32Platform platform;
    const DriveFolder folder;
    WriteFileBytes(folder / "DATA.BIN", std::string("\x00\x01\r\n\x1A end", 9));
    auto file = platform.OpenForRead(folder / "DATA.BIN");
    EXPECT_EQ(file->Size(), 9U);
    EXPECT_EQ(file->Read(4), std::string("\x00\x01\r\n", 4));
    EXPECT_EQ(file->Read(100), "\x1A end");
    EXPECT_EQ(file->Read(100), "");

    EXPECT_TRUE(
        IsIoError([&] { platform.OpenForRead(folder / "NONE"); }, IoErrorKind::FileNotFound));
    EXPECT_TRUE(
        IsIoError([&] { platform.OpenForRead(folder / "NONE\\X"); }, IoErrorKind::PathNotFound));
    EXPECT_TRUE(IsIoError([&] { platform.OpenForRead(folder.Path()); }, IoErrorKind::AccessDenied));
}

TEST(Win32Files, OnlyARegularFileIsReadAsOne) {
    ZEL_REQUIRE_WINE_WORLD();
    win32::Win32Platform platform;
    const DriveFolder folder;
    WriteFileBytes(folder / "WS001.TXT", "list");
    EXPECT_EQ(platform.OpenRegularFileForRead(folder / "WS001.TXT")->Read(10), "list");
    EXPECT_TRUE(IsIoError([&] { platform.OpenRegularFileForRead(folder.Path()); },
                          IoErrorKind::AccessDenied));
    EXPECT_TRUE(IsIoError([&] { platform.OpenRegularFileForRead(folder / "NUL"); },
                          IoErrorKind::AccessDenied));
}

TEST(Win32Files, WritingCreatesOrTruncates) {
    ZEL_REQUIRE_WINE_WORLD();
    win32::Win32Platform platform;
    const DriveFolder folder;
    WriteFileBytes(folder / "A97.PIF", std::string(600, 'x'));
    auto file = platform.CreateForWrite(folder / "A97.PIF");
    file->Write("pif");
    file->Close();
    EXPECT_EQ(ReadFileBytes(folder / "A97.PIF"), "pif");
    EXPECT_TRUE(IsIoError([&] { platform.CreateForWrite(folder / "NONE\\A.PIF"); },
                          IoErrorKind::PathNotFound));
}

// Any file of the folder but the ones named: a replacement leaves nothing behind.
std::vector<std::string> Leftovers(Platform& platform, const DriveFolder& folder) {
    return Names(platform.FindFiles(folder.Path(), "*.*"));
}

TEST(Win32Replacement, TakesThePlaceOnlyWhenClosedAndKeepsTheAttributes) {
    ZEL_REQUIRE_WINE_WORLD();
    win32::Win32Platform platform;
    const DriveFolder folder;
    WriteFileBytes(folder / "ZELPULT.INI", "old");
    SetFileAttributesA((folder / "ZELPULT.INI").c_str(), FILE_ATTRIBUTE_HIDDEN);
    auto file = platform.CreateReplacement(folder / "ZELPULT.INI");
    file->Write("new ");
    file->Write("text");
    EXPECT_EQ(ReadFileBytes(folder / "ZELPULT.INI"), "old");
    file->Close();
    EXPECT_EQ(ReadFileBytes(folder / "ZELPULT.INI"), "new text");
    EXPECT_NE(GetFileAttributesA((folder / "ZELPULT.INI").c_str()) & FILE_ATTRIBUTE_HIDDEN, 0U);
    file.reset();
    EXPECT_EQ(Leftovers(platform, folder), std::vector<std::string>{"ZELPULT.INI"});
}

TEST(Win32Replacement, MakesAFileThatWasNotThere) {
    ZEL_REQUIRE_WINE_WORLD();
    win32::Win32Platform platform;
    const DriveFolder folder;
    auto file = platform.CreateReplacement(folder / "ZELPULT.INI");
    file->Write("first");
    file->Close();
    EXPECT_EQ(ReadFileBytes(folder / "ZELPULT.INI"), "first");
}

TEST(Win32Replacement, DroppedBeforeCloseLeavesTheOldFile) {
    ZEL_REQUIRE_WINE_WORLD();
    win32::Win32Platform platform;
    const DriveFolder folder;
    WriteFileBytes(folder / "ZELPULT.INI", "old");
    {
        auto file = platform.CreateReplacement(folder / "ZELPULT.INI");
        file->Write("half");
    }
    EXPECT_EQ(ReadFileBytes(folder / "ZELPULT.INI"), "old");
    EXPECT_EQ(Leftovers(platform, folder), std::vector<std::string>{"ZELPULT.INI"});
}

TEST(Win32Replacement, AReadOnlyFileIsNotReplaced) {
    ZEL_REQUIRE_WINE_WORLD();
    win32::Win32Platform platform;
    const DriveFolder folder;
    WriteFileBytes(folder / "ZELPULT.INI", "old");
    SetFileAttributesA((folder / "ZELPULT.INI").c_str(), FILE_ATTRIBUTE_READONLY);
    auto file = platform.CreateReplacement(folder / "ZELPULT.INI");
    file->Write("new");
    EXPECT_TRUE(IsIoError([&] { file->Close(); }, IoErrorKind::AccessDenied));
    file.reset();
    EXPECT_EQ(ReadFileBytes(folder / "ZELPULT.INI"), "old");
    EXPECT_EQ(Leftovers(platform, folder), std::vector<std::string>{"ZELPULT.INI"});
}

TEST(Win32Replacement, AMissingFolderIsTheOpensError) {
    ZEL_REQUIRE_WINE_WORLD();
    win32::Win32Platform platform;
    const DriveFolder folder;
    EXPECT_TRUE(IsIoError([&] { platform.CreateReplacement(folder / "NONE\\ZELPULT.INI"); },
                          IoErrorKind::PathNotFound));
}

} // namespace
} // namespace zel::test
