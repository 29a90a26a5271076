#include "platform/win32/Win32Platform.h"

#include "platform/IoError.h"
#include "platform/win32/ClaimedFolderFile.h"
#include "platform/win32/DriveLetters.h"
#include "platform/win32/GdiPrinters.h"
#include "platform/win32/HandleFiles.h"
#include "platform/win32/OpenedEntry.h"
#include "platform/win32/ReplacementFile.h"
#include "platform/win32/ShellFolders.h"
#include "platform/win32/ShellLinks.h"
#include "platform/win32/SystemTime.h"
#include "platform/win32/Win32SharingProbe.h"
#include "platform/win32/Windows.h"
#include "text/DosWildcard.h"

#include <winnetwk.h>

namespace zel {

std::unique_ptr<Platform> MakePlatform(const DosStartPlanner& dosStart) {
    auto platform = std::make_unique<win32::Win32Platform>();
    platform->UseDosStart(dosStart);
    return platform;
}

namespace win32 {
namespace {

std::string Text(std::string_view text) {
    return std::string(text);
}

std::string RootOf(char letter) {
    return std::string{letter, ':', '\\'};
}

DWORD AttributesOf(std::string_view dosPath) {
    return GetFileAttributesA(Text(dosPath).c_str());
}

// The buffer's text up to its first zero.
std::string UpToZero(const char* buffer) {
    return std::string(buffer);
}

} // namespace

std::string Win32Platform::CurrentDirectory() {
    char path[MAX_PATH] = {};
    const DWORD length = GetCurrentDirectoryA(MAX_PATH, path);
    return length == 0 || length >= MAX_PATH ? std::string{} : std::string(path, length);
}

bool Win32Platform::SetCurrentDirectory(std::string_view dosPath) {
    return SetCurrentDirectoryA(Text(dosPath).c_str()) != 0;
}

std::string Win32Platform::ExecutablePath() {
    char path[MAX_PATH] = {};
    const DWORD length = GetModuleFileNameA(nullptr, path, MAX_PATH);
    return length == 0 || length >= MAX_PATH ? std::string{} : std::string(path, length);
}

PlatformVersion Win32Platform::Version() {
    // GetVersion's low word holds the major and minor version; its high bit is set outside
    // the NT family (Windows 3.x with Win32s, Windows 95/98/ME).
    const DWORD version = GetVersion();
    return {static_cast<int>(LOBYTE(LOWORD(version))), static_cast<int>(HIBYTE(LOWORD(version))),
            (version & 0x80000000U) == 0};
}

LocalDateTime Win32Platform::Now() {
    SYSTEMTIME time{};
    GetLocalTime(&time);
    return FromSystemTime(time);
}

std::vector<char> Win32Platform::PresentDrives() {
    return PresentDriveLetters();
}

DriveType Win32Platform::GetDriveType(char letter) {
    const UINT type = GetDriveTypeA(RootOf(letter).c_str());
    return type <= DRIVE_RAMDISK ? static_cast<DriveType>(type) : DriveType::Unknown;
}

std::optional<std::string> Win32Platform::VolumeLabel(char letter) {
    char label[MAX_PATH + 1] = {};
    if (!GetVolumeInformationA(RootOf(letter).c_str(), label, sizeof label, nullptr, nullptr,
                               nullptr, nullptr, 0)) {
        return std::nullopt;
    }
    return UpToZero(label);
}

std::optional<std::string> Win32Platform::FileSystemName(char letter) {
    char name[MAX_PATH + 1] = {};
    if (!GetVolumeInformationA(RootOf(letter).c_str(), nullptr, 0, nullptr, nullptr, nullptr, name,
                               sizeof name)) {
        return std::nullopt;
    }
    return UpToZero(name);
}

std::optional<std::string> Win32Platform::RemoteName(char letter) {
    const std::string local{letter, ':'};
    char remote[MAX_PATH + 1] = {};
    DWORD length = sizeof remote;
    if (WNetGetConnectionA(local.c_str(), remote, &length) != NO_ERROR) {
        return std::nullopt;
    }
    return UpToZero(remote);
}

bool Win32Platform::FileExists(std::string_view dosPath) {
    const DWORD attributes = AttributesOf(dosPath);
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) == 0;
}

bool Win32Platform::DirectoryExists(std::string_view dosPath) {
    const DWORD attributes = AttributesOf(dosPath);
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
}

// A Windows user writes in the folders of his own drives: the launcher's spool stays beside
// its executable, as it always has.
bool Win32Platform::FolderWritable(std::string_view dosPath) {
    return DirectoryExists(dosPath);
}

bool Win32Platform::CreateDirectory(std::string_view dosPath) {
    return CreateDirectoryA(Text(dosPath).c_str(), nullptr) != 0;
}

bool Win32Platform::RemoveDirectory(std::string_view dosPath) {
    return RemoveDirectoryA(Text(dosPath).c_str()) != 0;
}

std::vector<DirEntry> Win32Platform::FindFiles(std::string_view folder, std::string_view pattern) {
    std::vector<DirEntry> found;
    std::string search(folder);
    if (!search.empty() && search.back() != '\\' && search.back() != ':') {
        search += '\\';
    }
    search += "*";
    // Every entry, matched here: Windows' own matching would take short names and its own
    // rules for "*.*" into account, where the DOS rule is wanted.
    WIN32_FIND_DATAA entry{};
    const HANDLE handle = FindFirstFileA(search.c_str(), &entry);
    if (handle == INVALID_HANDLE_VALUE) {
        return found;
    }
    do {
        const std::string name = UpToZero(entry.cFileName);
        if (name == "." || name == ".." || !MatchesDosWildcard(name, pattern)) {
            continue;
        }
        found.push_back({name, (entry.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0});
    } while (FindNextFileA(handle, &entry));
    FindClose(handle);
    return found;
}

bool Win32Platform::RenameFile(std::string_view from, std::string_view to) {
    return MoveFileExA(Text(from).c_str(), Text(to).c_str(), MOVEFILE_REPLACE_EXISTING) != 0;
}

bool Win32Platform::DeleteFile(std::string_view dosPath) {
    return DeleteFileA(Text(dosPath).c_str()) != 0;
}

std::optional<LocalDateTime> Win32Platform::LastWriteTime(std::string_view dosPath) {
    WIN32_FILE_ATTRIBUTE_DATA data{};
    SYSTEMTIME universal{};
    SYSTEMTIME local{};
    if (!GetFileAttributesExA(Text(dosPath).c_str(), GetFileExInfoStandard, &data) ||
        !FileTimeToSystemTime(&data.ftLastWriteTime, &universal) ||
        !SystemTimeToTzSpecificLocalTime(nullptr, &universal, &local)) {
        return std::nullopt;
    }
    return FromSystemTime(local);
}

std::optional<FileStamp> Win32Platform::Stamp(std::string_view dosPath) {
    // The entry itself, a link included, read without sharing anything away from its writer.
    const HANDLE file =
        CreateFileA(Text(dosPath).c_str(), FILE_READ_ATTRIBUTES,
                    FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr, OPEN_EXISTING,
                    FILE_FLAG_BACKUP_SEMANTICS | FILE_FLAG_OPEN_REPARSE_POINT, nullptr);
    if (file == INVALID_HANDLE_VALUE) {
        return std::nullopt;
    }
    const auto entry = ReadOpenedEntry(file);
    CloseHandle(file);
    if (!entry) {
        return std::nullopt;
    }
    return entry->stamp;
}

bool Win32Platform::SetLastWriteTime(std::string_view dosPath, const LocalDateTime& time) {
    const SYSTEMTIME local = ToSystemTime(time);
    SYSTEMTIME universal{};
    FILETIME written{};
    if (!TzSpecificLocalTimeToSystemTime(nullptr, &local, &universal) ||
        !SystemTimeToFileTime(&universal, &written)) {
        return false;
    }
    const HANDLE file = CreateFileA(Text(dosPath).c_str(), FILE_WRITE_ATTRIBUTES,
                                    FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING,
                                    FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) {
        return false;
    }
    const bool set = SetFileTime(file, nullptr, nullptr, &written) != 0;
    CloseHandle(file);
    return set;
}

std::unique_ptr<InputFile> Win32Platform::OpenForRead(std::string_view dosPath) {
    return OpenHandleForRead(Text(dosPath));
}

std::unique_ptr<InputFile> Win32Platform::OpenExecutableForRead() {
    const std::string path = ExecutablePath();
    if (path.empty()) {
        throw IoError(IoErrorKind::FileNotFound);
    }
    return OpenForRead(path);
}

std::unique_ptr<InputFile> Win32Platform::OpenRegularFileForRead(std::string_view dosPath) {
    return OpenRegularHandleForRead(Text(dosPath));
}

FileClaim Win32Platform::ClaimFile(std::string_view folder, std::string_view name,
                                   const std::optional<FileStamp>& expected) {
    return ClaimFolderFile(Text(folder), name, expected);
}

std::unique_ptr<OutputFile> Win32Platform::CreateForWrite(std::string_view dosPath) {
    return CreateHandleForWrite(Text(dosPath));
}

std::unique_ptr<OutputFile> Win32Platform::CreateReplacement(std::string_view dosPath) {
    return BeginReplacement(Text(dosPath));
}

std::unique_ptr<SharingProbe> Win32Platform::MakeSharingProbe() {
    return MakeOpeningSharingProbe();
}

StartOutcome Win32Platform::StartProgram(const StartRequest& request) {
    return StartProgramOf(request, m_informationFiles, m_dosStart);
}

bool Win32Platform::HasCharacterPrinter(std::string_view printer) {
    return GdiPrinterExists(printer) || GdiPrinterExists({});
}

std::string Win32Platform::ToNativePath(std::string_view dosPath) {
    return Text(dosPath);
}

std::optional<std::string> Win32Platform::FromNativePath(std::string_view native) {
    return Text(native);
}

std::string Win32Platform::ShortcutFolder(ShortcutFolderKind kind) {
    return ShellFolderOf(kind);
}

ShortcutResult Win32Platform::CreateShortcut(const ShortcutPlace& place, std::string_view target,
                                             std::string_view workingDirectory) {
    return CreateShellLink(place, target, workingDirectory);
}

bool Win32Platform::DeleteShortcut(const ShortcutPlace& place) {
    return DeleteShellLink(place);
}

} // namespace win32
} // namespace zel
