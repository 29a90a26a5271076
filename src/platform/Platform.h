#pragma once
// The machine as the core sees it, in DOS terms: drive letters, backslashes, code page 1250.
// The core never touches the operating system itself, so that it runs the same on every
// platform and in tests against a prefix of temporary folders.
//
// Operations whose failure the callers ignore return a result; the rest throw IoError.

#include "platform/ClaimedFile.h"
#include "platform/DosStartPlanner.h"
#include "platform/DosTypes.h"
#include "platform/FileStreams.h"
#include "platform/SharingProbe.h"
#include "platform/ShortcutPlace.h"
#include "platform/StartOutcome.h"
#include "platform/StartRequest.h"

#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace zel {

class Platform {
public:
    virtual ~Platform() = default;

    // Process.
    [[nodiscard]] virtual std::string CurrentDirectory() = 0;
    [[nodiscard]] virtual bool SetCurrentDirectory(std::string_view dosPath) = 0;
    [[nodiscard]] virtual std::string ExecutablePath() = 0;
    [[nodiscard]] virtual PlatformVersion Version() = 0;
    [[nodiscard]] virtual LocalDateTime Now() = 0;

    // Drives, by upper-case letter.
    [[nodiscard]] virtual std::vector<char> PresentDrives() = 0;
    [[nodiscard]] virtual DriveType GetDriveType(char letter) = 0;
    [[nodiscard]] virtual std::optional<std::string> VolumeLabel(char letter) = 0;
    [[nodiscard]] virtual std::optional<std::string> FileSystemName(char letter) = 0;
    [[nodiscard]] virtual std::optional<std::string> RemoteName(char letter) = 0;

    // Files. FileExists is true for regular files only.
    [[nodiscard]] virtual bool FileExists(std::string_view dosPath) = 0;
    [[nodiscard]] virtual bool DirectoryExists(std::string_view dosPath) = 0;
    // Whether the user may make files in the folder; a question only, nothing is made there.
    [[nodiscard]] virtual bool FolderWritable(std::string_view dosPath) = 0;
    [[nodiscard]] virtual bool CreateDirectory(std::string_view dosPath) = 0;
    // An empty folder only.
    [[nodiscard]] virtual bool RemoveDirectory(std::string_view dosPath) = 0;
    // Entries of folder whose names match the wildcard pattern ("*.*", "ws*.*"), in ASCII
    // case-insensitive comparison, folders included; a missing folder yields nothing.
    [[nodiscard]] virtual std::vector<DirEntry> FindFiles(std::string_view folder,
                                                          std::string_view pattern) = 0;
    // Replaces an existing target, so a file written under a temporary name can take the
    // place of the old one in one step.
    [[nodiscard]] virtual bool RenameFile(std::string_view from, std::string_view to) = 0;
    [[nodiscard]] virtual bool DeleteFile(std::string_view dosPath) = 0;
    [[nodiscard]] virtual std::optional<LocalDateTime> LastWriteTime(std::string_view dosPath) = 0;
    // The stamp of the entry at dosPath itself, a link not followed; nothing when there is none.
    [[nodiscard]] virtual std::optional<FileStamp> Stamp(std::string_view dosPath) = 0;
    [[nodiscard]] virtual bool SetLastWriteTime(std::string_view dosPath,
                                                const LocalDateTime& time) = 0;
    virtual std::unique_ptr<InputFile> OpenForRead(std::string_view dosPath) = 0;
    // The running executable, also where no drive letter reaches it.
    virtual std::unique_ptr<InputFile> OpenExecutableForRead() = 0;
    // Only a regular file of one name that is itself at dosPath, never one a link leads to,
    // nor a FIFO or device: what others may plant in a shared folder must not name a file
    // elsewhere.
    virtual std::unique_ptr<InputFile> OpenRegularFileForRead(std::string_view dosPath) = 0;
    // Takes name, one plain name (IsPlainFileName) of folder, for this launcher: only a
    // regular file of that one name, reached through the folder itself, while no launcher
    // here or on another PC holds it and no writer has it open; with expected, only while it
    // is still that version.
    [[nodiscard]] virtual FileClaim ClaimFile(std::string_view folder, std::string_view name,
                                              const std::optional<FileStamp>& expected) = 0;
    // Creates or truncates.
    virtual std::unique_ptr<OutputFile> CreateForWrite(std::string_view dosPath) = 0;
    // The one way a file is replaced: the bytes go to a new, exclusively created file beside
    // it, which takes the old one's place, permission bits and group only when Close
    // succeeds; destroyed before that, it is gone and the old file is untouched. A link in
    // the file's place that its user made is written through; one planted by another user
    // is refused.
    virtual std::unique_ptr<OutputFile> CreateReplacement(std::string_view dosPath) = 0;

    // A fresh look at who holds which file open.
    virtual std::unique_ptr<SharingProbe> MakeSharingProbe() = 0;

    // Starts a program in a normal window, without waiting.
    [[nodiscard]] virtual StartOutcome StartProgram(const StartRequest& request) = 0;
    // Whether a desktop printer (an empty name: the default one) or else the default is there
    // to take what a DOS program sends to its own printer port.
    [[nodiscard]] virtual bool HasCharacterPrinter(std::string_view printer) = 0;

    // The same file as the machine's own file dialogs name it (UTF-8 on POSIX), and back;
    // empty, or nothing, where a path has no counterpart.
    [[nodiscard]] virtual std::string ToNativePath(std::string_view dosPath) = 0;
    [[nodiscard]] virtual std::optional<std::string> FromNativePath(std::string_view native) = 0;

    // Shortcuts: a folder of the desktop, or an empty text where the machine names none.
    // The shortcut starts target (a DOS path) in workingDirectory.
    [[nodiscard]] virtual std::string ShortcutFolder(ShortcutFolderKind kind) = 0;
    [[nodiscard]] virtual ShortcutResult CreateShortcut(const ShortcutPlace& place,
                                                        std::string_view target,
                                                        std::string_view workingDirectory) = 0;
    [[nodiscard]] virtual bool DeleteShortcut(const ShortcutPlace& place) = 0;
};

// The platform of the machine this binary was built for, starting DOS programs in DOSBox
// as dosStart plans, which outlives it.
std::unique_ptr<Platform> MakePlatform(const DosStartPlanner& dosStart);

} // namespace zel
