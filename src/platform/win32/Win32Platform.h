#pragma once
// The machine on Windows, through the Win32 calls themselves and their A forms: every text
// is in the process's ANSI code page, 1250 on the Hungarian Windows the programs run on (and
// under Wine with a Hungarian locale).

#include "platform/Platform.h"
#include "platform/win32/ProgramStarter.h"

#include <memory>

namespace zel::win32 {

class Win32Platform final : public Platform {
public:
    Win32Platform() : m_informationFiles(MachineInformationFileRunner()) {}
    // What Wine cannot show, a DOS subsystem running program information files, given by a
    // test.
    explicit Win32Platform(InformationFileRunner informationFiles)
        : m_informationFiles(std::move(informationFiles)) {}

    std::string CurrentDirectory() override;
    bool SetCurrentDirectory(std::string_view dosPath) override;
    std::string ExecutablePath() override;
    PlatformVersion Version() override;
    LocalDateTime Now() override;

    std::vector<char> PresentDrives() override;
    DriveType GetDriveType(char letter) override;
    std::optional<std::string> VolumeLabel(char letter) override;
    std::optional<std::string> FileSystemName(char letter) override;
    std::optional<std::string> RemoteName(char letter) override;

    bool FileExists(std::string_view dosPath) override;
    bool DirectoryExists(std::string_view dosPath) override;
    bool FolderWritable(std::string_view dosPath) override;
    bool CreateDirectory(std::string_view dosPath) override;
    bool RemoveDirectory(std::string_view dosPath) override;
    std::vector<DirEntry> FindFiles(std::string_view folder, std::string_view pattern) override;
    bool RenameFile(std::string_view from, std::string_view to) override;
    bool DeleteFile(std::string_view dosPath) override;
    std::optional<LocalDateTime> LastWriteTime(std::string_view dosPath) override;
    std::optional<FileStamp> Stamp(std::string_view dosPath) override;
    bool SetLastWriteTime(std::string_view dosPath, const LocalDateTime& time) override;
    std::unique_ptr<InputFile> OpenForRead(std::string_view dosPath) override;
    std::unique_ptr<InputFile> OpenExecutableForRead() override;
    std::unique_ptr<InputFile> OpenRegularFileForRead(std::string_view dosPath) override;
    FileClaim ClaimFile(std::string_view folder, std::string_view name,
                        const std::optional<FileStamp>& expected) override;
    std::unique_ptr<OutputFile> CreateForWrite(std::string_view dosPath) override;
    std::unique_ptr<OutputFile> CreateReplacement(std::string_view dosPath) override;

    std::unique_ptr<SharingProbe> MakeSharingProbe() override;
    StartOutcome StartProgram(const StartRequest& request) override;
    bool HasCharacterPrinter(std::string_view printer) override;

    std::string ToNativePath(std::string_view dosPath) override;
    std::optional<std::string> FromNativePath(std::string_view native) override;

    std::string ShortcutFolder(ShortcutFolderKind kind) override;
    ShortcutResult CreateShortcut(const ShortcutPlace& place, std::string_view target,
                                  std::string_view workingDirectory) override;
    bool DeleteShortcut(const ShortcutPlace& place) override;

    // What DOS programs are started in DOSBox with; it outlives the platform.
    void UseDosStart(const DosStartPlanner& planner) { m_dosStart = &planner; }

private:
    InformationFileRunner m_informationFiles;
    const DosStartPlanner* m_dosStart = nullptr;
    // What the spool tick's probe read of a list, for the stamp that follows.
};

} // namespace zel::win32
