#pragma once
// The one test platform: every call goes to a real one underneath, except what a test sets.
// A test sets only what this machine cannot give (an NTFS or CD-ROM volume, a network share,
// an old version, a clock, a launcher installed elsewhere), failures it cannot be made to
// have (a file that cannot be opened or read, a full disk, a folder that takes nothing, a
// rename refused), and starts recorded instead of carried out. Counters show how often the
// code under test asked.

#include "platform/Platform.h"

#include <cstddef>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <set>
#include <string>
#include <vector>

namespace zel::test {

// A shortcut made as a plain file.
struct MadeShortcut {
    std::string link;
    std::string target;
    std::string workingDirectory;
    friend bool operator==(const MadeShortcut&, const MadeShortcut&) = default;
};

class ForwardingPlatform final : public Platform {
public:
    explicit ForwardingPlatform(std::unique_ptr<Platform> inner) : m_inner(std::move(inner)) {}

    // What the machine says, unless set.
    std::optional<std::string> currentDirectory;
    std::optional<PlatformVersion> version;
    std::optional<LocalDateTime> now;
    // The launcher's own executable, which OpenExecutableForRead then opens.
    std::optional<std::string> executablePath;
    std::optional<std::vector<char>> presentDrives;
    std::map<char, DriveType> driveTypes;
    std::map<char, std::optional<std::string>> volumeLabels;
    std::map<char, std::optional<std::string>> fileSystems;
    std::map<char, std::optional<std::string>> remoteNames;
    std::optional<bool> hasCharacterPrinter;
    // Whether a folder may be written: the answer for these folders, false for any other.
    std::optional<std::set<std::string>> writableFolders;
    // DOS paths of files another program holds open, as the sharing probe sees them.
    std::set<std::string> heldFiles;
    // A probe that sees no process at all, as a launcher on another PC sees this one's: every
    // regular file seems free.
    bool blindProbe = false;

    // Failures. Root reads whatever the permission bits say: a file it may not open is made
    // here.
    bool openFails = false;
    // A file that opens but fails at its first read.
    bool readFails = false;
    // A full disk: no replacement can be made.
    bool replaceFails = false;
    // Files written below this path are refused, as in a folder the user may not write.
    std::optional<std::string> deniedBelow;
    // Takes no new folder below this path, as a write-protected medium does.
    std::optional<std::string> readOnlyBelow;
    // A file being written gives up after this many bytes, as a medium that fills up.
    std::optional<std::size_t> writeLimit;
    // A claimed file's renames fail: every one, or those of the file of this name.
    bool refuseRenames = false;
    std::string refuseRenamesOf;
    std::function<void()> beforeClaim;
    std::function<void()> beforeRename;

    // Starts: carried out when false; else recorded and answered with startOutcome.
    bool recordStarts = false;
    StartOutcome startOutcome = StartOutcome::Success();
    std::vector<StartRequest> started;
    std::function<void(const StartRequest&)> onStart;

    // Shortcuts as plain files in shortcutFolders (DOS paths of the test world, none where
    // unset), so that their removal can be seen, and recorded.
    bool shortcutsAsFiles = false;
    std::map<ShortcutFolderKind, std::string> shortcutFolders;
    std::vector<MadeShortcut> madeShortcuts;

    // How often the code asked.
    int fileChecks = 0;
    std::vector<std::string> listedFolders;
    int regularReads = 0;
    int claims = 0;

    [[nodiscard]] Platform& Inner() { return *m_inner; }

    std::string CurrentDirectory() override {
        return currentDirectory ? *currentDirectory : m_inner->CurrentDirectory();
    }
    bool SetCurrentDirectory(std::string_view p) override {
        return m_inner->SetCurrentDirectory(p);
    }
    std::string ExecutablePath() override;
    PlatformVersion Version() override { return version ? *version : m_inner->Version(); }
    LocalDateTime Now() override { return now ? *now : m_inner->Now(); }

    std::vector<char> PresentDrives() override;
    DriveType GetDriveType(char letter) override;
    std::optional<std::string> VolumeLabel(char letter) override;
    std::optional<std::string> FileSystemName(char letter) override;
    std::optional<std::string> RemoteName(char letter) override;

    bool FileExists(std::string_view p) override;
    bool DirectoryExists(std::string_view p) override { return m_inner->DirectoryExists(p); }
    bool FolderWritable(std::string_view p) override;
    bool CreateDirectory(std::string_view p) override;
    bool RemoveDirectory(std::string_view p) override { return m_inner->RemoveDirectory(p); }
    std::vector<DirEntry> FindFiles(std::string_view folder, std::string_view pattern) override;
    bool RenameFile(std::string_view f, std::string_view t) override {
        return m_inner->RenameFile(f, t);
    }
    bool DeleteFile(std::string_view p) override { return m_inner->DeleteFile(p); }
    std::optional<LocalDateTime> LastWriteTime(std::string_view p) override {
        return m_inner->LastWriteTime(p);
    }
    std::optional<FileStamp> Stamp(std::string_view p) override { return m_inner->Stamp(p); }
    bool SetLastWriteTime(std::string_view p, const LocalDateTime& t) override {
        return m_inner->SetLastWriteTime(p, t);
    }
    std::unique_ptr<InputFile> OpenForRead(std::string_view p) override;
    std::unique_ptr<InputFile> OpenExecutableForRead() override;
    std::unique_ptr<InputFile> OpenRegularFileForRead(std::string_view p) override;
    FileClaim ClaimFile(std::string_view folder, std::string_view name,
                        const std::optional<FileStamp>& expected) override;
    std::unique_ptr<OutputFile> CreateForWrite(std::string_view p) override;
    std::unique_ptr<OutputFile> CreateReplacement(std::string_view p) override;
    std::unique_ptr<SharingProbe> MakeSharingProbe() override;
    StartOutcome StartProgram(const StartRequest& request) override;
    bool HasCharacterPrinter(std::string_view p) override {
        return hasCharacterPrinter ? *hasCharacterPrinter : m_inner->HasCharacterPrinter(p);
    }
    std::string ToNativePath(std::string_view p) override { return m_inner->ToNativePath(p); }
    std::optional<std::string> FromNativePath(std::string_view n) override {
        return m_inner->FromNativePath(n);
    }
    std::string ShortcutFolder(ShortcutFolderKind kind) override;
    ShortcutResult CreateShortcut(const ShortcutPlace& place, std::string_view target,
                                  std::string_view workingDirectory) override;
    bool DeleteShortcut(const ShortcutPlace& place) override;

private:
    [[nodiscard]] std::unique_ptr<OutputFile> Limited(std::unique_ptr<OutputFile> file) const;

    std::unique_ptr<Platform> m_inner;
};

} // namespace zel::test
