#pragma once
// The machine on Linux and other POSIX systems, drive letters through a Wine-style prefix.

#include "platform/Platform.h"
#include "platform/posix/OpenFileWatch.h"
#include "platform/posix/WinePrefix.h"

#include <memory>

namespace zel::posix {

class PosixPlatform final : public Platform {
public:
    PosixPlatform() = default;
    explicit PosixPlatform(WinePrefix prefix) : m_prefix(std::move(prefix)) {}

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

    [[nodiscard]] const WinePrefix& Prefix() const { return m_prefix; }
    // The executable that runs the print relay: this one, unless a test names another.
    void SetPrintRelay(std::string executable) { m_printRelay = std::move(executable); }
    // What DOS programs are started in DOSBox with; it outlives the platform.
    void UseDosStart(const DosStartPlanner& planner) { m_dosStart = &planner; }

private:
    // Relative DOS paths are taken against the current directory, as DOS does.
    [[nodiscard]] std::optional<std::filesystem::path> Native(std::string_view dosPath);

    WinePrefix m_prefix;
    // Kept from probe to probe: what it has seen spares later ticks the look at /proc.
    std::shared_ptr<OpenFileWatch> m_openFiles = std::make_shared<OpenFileWatch>();
    // What the probe of a spool tick read of a list, for the stamp that follows.
    std::string m_printRelay = "/proc/self/exe";
    const DosStartPlanner* m_dosStart = nullptr;
};

} // namespace zel::posix
