#pragma once
// A machine of one file held in memory: what the fuzzed readers and writers ask of a
// platform, without a disk between iterations.

#include "platform/IoError.h"
#include "platform/Platform.h"
#include "support/MemoryFile.h"

#include <string>

namespace zel::fuzz {

using test::MemoryFile;

class MemoryOutput final : public OutputFile {
public:
    explicit MemoryOutput(std::string& target) : m_target(target) { m_target.clear(); }
    void Write(std::string_view bytes) override { m_target += bytes; }
    void Close() override {}

private:
    std::string& m_target;
};

class MemoryPlatform final : public Platform {
public:
    std::string file; // the one file, whatever its name

    std::string CurrentDirectory() override { return "C:\\"; }
    bool SetCurrentDirectory(std::string_view) override { return false; }
    std::string ExecutablePath() override { return "C:\\ZELKOR\\ZELPULT.EXE"; }
    PlatformVersion Version() override { return {}; }
    LocalDateTime Now() override { return {}; }
    std::vector<char> PresentDrives() override { return {'C'}; }
    DriveType GetDriveType(char) override { return DriveType::Fixed; }
    std::optional<std::string> VolumeLabel(char) override { return std::nullopt; }
    std::optional<std::string> FileSystemName(char) override { return std::nullopt; }
    std::optional<std::string> RemoteName(char) override { return std::nullopt; }
    bool FileExists(std::string_view) override { return true; }
    bool DirectoryExists(std::string_view) override { return true; }
    bool FolderWritable(std::string_view) override { return true; }
    bool CreateDirectory(std::string_view) override { return false; }
    bool RemoveDirectory(std::string_view) override { return false; }
    std::vector<DirEntry> FindFiles(std::string_view, std::string_view) override { return {}; }
    bool RenameFile(std::string_view, std::string_view) override { return true; }
    bool DeleteFile(std::string_view) override { return true; }
    std::optional<LocalDateTime> LastWriteTime(std::string_view) override { return std::nullopt; }
    std::optional<FileStamp> Stamp(std::string_view) override { return std::nullopt; }
    bool SetLastWriteTime(std::string_view, const LocalDateTime&) override { return false; }
    std::unique_ptr<InputFile> OpenForRead(std::string_view) override {
        return std::make_unique<MemoryFile>(file);
    }
    std::unique_ptr<InputFile> OpenExecutableForRead() override {
        return std::make_unique<MemoryFile>(file);
    }
    std::unique_ptr<InputFile> OpenRegularFileForRead(std::string_view) override {
        return std::make_unique<MemoryFile>(file);
    }
    FileClaim ClaimFile(std::string_view, std::string_view,
                        const std::optional<FileStamp>&) override {
        return {ClaimOutcome::Refused, nullptr};
    }
    std::unique_ptr<OutputFile> CreateForWrite(std::string_view) override {
        return std::make_unique<MemoryOutput>(file);
    }
    std::unique_ptr<OutputFile> CreateReplacement(std::string_view) override {
        return std::make_unique<MemoryOutput>(file);
    }
    std::unique_ptr<SharingProbe> MakeSharingProbe() override { return nullptr; }
    StartOutcome StartProgram(const StartRequest&) override { return StartOutcome::Failure(); }
    bool HasCharacterPrinter(std::string_view) override { return false; }
    std::string ToNativePath(std::string_view) override { return {}; }
    std::optional<std::string> FromNativePath(std::string_view) override { return std::nullopt; }
    std::string ShortcutFolder(ShortcutFolderKind) override { return {}; }
    ShortcutResult CreateShortcut(const ShortcutPlace&, std::string_view,
                                  std::string_view) override {
        return ShortcutResult::NoFolder;
    }
    bool DeleteShortcut(const ShortcutPlace&) override { return false; }
};

} // namespace zel::fuzz
