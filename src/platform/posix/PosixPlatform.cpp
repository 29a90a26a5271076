#include "platform/posix/PosixPlatform.h"

#include "platform/posix/ClaimedFolderFile.h"
#include "platform/posix/CupsRawPrinter.h"
#include "platform/posix/DesktopShortcuts.h"
#include "platform/posix/DriveFacts.h"
#include "platform/posix/ErrnoText.h"
#include "platform/posix/FirstDriveMap.h"
#include "platform/posix/ProcSharingProbe.h"
#include "platform/posix/ProgramStarter.h"
#include "platform/posix/ReadUpTo.h"
#include "platform/posix/ReplacementFile.h"
#include "platform/posix/StatusStamp.h"
#include "platform/posix/WriteAll.h"
#include "text/AsciiUpper.h"
#include "text/DosPath.h"
#include "text/DosWildcard.h"

#include <cerrno>
#include <chrono>
#include <ctime>
#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace fs = std::filesystem;

namespace zel {

std::unique_ptr<Platform> MakePlatform(const DosStartPlanner& dosStart) {
    posix::MakeFirstDriveMapOrSayWhy();
    auto platform = std::make_unique<posix::PosixPlatform>();
    platform->UseDosStart(dosStart);
    return platform;
}

namespace posix {
namespace {

LocalDateTime FromTimeT(std::time_t t) {
    std::tm tm{};
    localtime_r(&t, &tm);
    return {tm.tm_year + 1900, tm.tm_mon + 1, tm.tm_mday, tm.tm_hour, tm.tm_min, tm.tm_sec};
}

// As Wine does, a file made under a program's name can be run by whoever may read it: a
// launcher copied as bytes must start from its shortcut.
mode_t CreationMode(const fs::path& native) {
    const std::string extension = AsciiUpper(native.extension().string());
    return extension == ".EXE" || extension == ".COM" ? 0777 : 0666;
}

class PosixInputFile final : public InputFile {
public:
    explicit PosixInputFile(int fd) : m_fd(fd) {}
    ~PosixInputFile() override { ::close(m_fd); }
    PosixInputFile(const PosixInputFile&) = delete;
    PosixInputFile& operator=(const PosixInputFile&) = delete;

    std::uint64_t Size() override {
        struct stat st {};
        if (::fstat(m_fd, &st) != 0) {
            ThrowErrno(errno);
        }
        return static_cast<std::uint64_t>(st.st_size);
    }

    std::string Read(std::size_t maxBytes) override { return ReadUpTo(m_fd, maxBytes); }

private:
    int m_fd;
};

class PosixOutputFile final : public OutputFile {
public:
    explicit PosixOutputFile(int fd) : m_fd(fd) {}
    ~PosixOutputFile() override {
        if (m_fd >= 0) {
            ::close(m_fd);
        }
    }
    PosixOutputFile(const PosixOutputFile&) = delete;
    PosixOutputFile& operator=(const PosixOutputFile&) = delete;

    void Write(std::string_view bytes) override {
        if (const int error = WriteAll(m_fd, bytes)) {
            ThrowErrno(error);
        }
    }

    void Close() override {
        const int fd = m_fd;
        m_fd = -1;
        if (::fsync(fd) != 0 && errno != EINVAL) {
            const int error = errno;
            ::close(fd);
            ThrowErrno(error);
        }
        if (::close(fd) != 0) {
            ThrowErrno(errno);
        }
    }

private:
    int m_fd;
};

} // namespace

std::optional<fs::path> PosixPlatform::Native(std::string_view dosPath) {
    if (dosPath.size() >= 2 && dosPath[1] == ':') {
        return m_prefix.ToNative(dosPath);
    }
    std::string absolute = CurrentDirectory();
    if (absolute.empty()) {
        return std::nullopt;
    }
    if (!dosPath.empty() && dosPath.front() == '\\') {
        absolute.resize(2);
    } else if (absolute.back() != '\\') {
        absolute += '\\';
    }
    absolute += dosPath;
    return m_prefix.ToNative(absolute);
}

std::string PosixPlatform::CurrentDirectory() {
    std::error_code ec;
    const fs::path cwd = fs::current_path(ec);
    if (ec) {
        return {};
    }
    return m_prefix.ToDos(cwd).value_or(std::string{});
}

bool PosixPlatform::SetCurrentDirectory(std::string_view dosPath) {
    const auto native = Native(dosPath);
    std::error_code ec;
    if (!native) {
        return false;
    }
    fs::current_path(*native, ec);
    return !ec;
}

std::string PosixPlatform::ExecutablePath() {
    std::error_code ec;
    const fs::path self = fs::read_symlink("/proc/self/exe", ec);
    if (ec) {
        return {};
    }
    return m_prefix.ToDos(self).value_or(std::string{});
}

PlatformVersion PosixPlatform::Version() {
    return {10, 0, true};
}

LocalDateTime PosixPlatform::Now() {
    return FromTimeT(std::time(nullptr));
}

std::vector<char> PosixPlatform::PresentDrives() {
    return m_prefix.Letters();
}

DriveType PosixPlatform::GetDriveType(char letter) {
    return DriveTypeOf(m_prefix, letter);
}

std::optional<std::string> PosixPlatform::VolumeLabel(char letter) {
    return VolumeLabelOf(m_prefix, letter);
}

std::optional<std::string> PosixPlatform::FileSystemName(char letter) {
    return FileSystemNameOf(m_prefix, letter);
}

std::optional<std::string> PosixPlatform::RemoteName(char letter) {
    return RemoteNameOf(m_prefix, letter);
}

bool PosixPlatform::FileExists(std::string_view dosPath) {
    const auto native = Native(dosPath);
    std::error_code ec;
    return native && fs::is_regular_file(*native, ec);
}

bool PosixPlatform::DirectoryExists(std::string_view dosPath) {
    const auto native = Native(dosPath);
    std::error_code ec;
    return native && fs::is_directory(*native, ec);
}

// A folder without a write bit is read-only even for root, as a file is: the system's
// folders, where a spool beside the package's executable must never be made.
bool PosixPlatform::FolderWritable(std::string_view dosPath) {
    const auto native = Native(dosPath);
    struct stat st {};
    return native && ::stat(native->c_str(), &st) == 0 && S_ISDIR(st.st_mode) &&
           (st.st_mode & 0222) != 0 && ::access(native->c_str(), W_OK | X_OK) == 0;
}

bool PosixPlatform::CreateDirectory(std::string_view dosPath) {
    const auto native = Native(dosPath);
    return native && ::mkdir(native->c_str(), 0777) == 0;
}

bool PosixPlatform::RemoveDirectory(std::string_view dosPath) {
    const auto native = Native(dosPath);
    return native && ::rmdir(native->c_str()) == 0;
}

std::vector<DirEntry> PosixPlatform::FindFiles(std::string_view folder, std::string_view pattern) {
    std::vector<DirEntry> found;
    const auto native = Native(folder);
    if (!native) {
        return found;
    }
    DIR* entries = ::opendir(native->c_str());
    if (entries == nullptr) {
        return found;
    }
    while (const dirent* entry = ::readdir(entries)) {
        const std::string_view nativeName = entry->d_name;
        if (nativeName == "." || nativeName == "..") {
            continue;
        }
        std::string name = NativeNameToDos(nativeName);
        if (!MatchesDosWildcard(name, pattern)) {
            continue;
        }
        // A link counts as what it leads to.
        bool isDirectory = entry->d_type == DT_DIR;
        if (entry->d_type == DT_LNK || entry->d_type == DT_UNKNOWN) {
            struct stat st {};
            isDirectory =
                ::fstatat(::dirfd(entries), entry->d_name, &st, 0) == 0 && S_ISDIR(st.st_mode);
        }
        found.push_back({std::move(name), isDirectory});
    }
    ::closedir(entries);
    return found;
}

bool PosixPlatform::RenameFile(std::string_view from, std::string_view to) {
    const auto source = Native(from);
    const auto target = Native(to);
    return source && target && ::rename(source->c_str(), target->c_str()) == 0;
}

bool PosixPlatform::DeleteFile(std::string_view dosPath) {
    const auto native = Native(dosPath);
    std::error_code ec;
    return native && !fs::is_directory(*native, ec) && ::unlink(native->c_str()) == 0;
}

std::optional<LocalDateTime> PosixPlatform::LastWriteTime(std::string_view dosPath) {
    const auto native = Native(dosPath);
    struct stat st {};
    if (!native || ::stat(native->c_str(), &st) != 0) {
        return std::nullopt;
    }
    return FromTimeT(st.st_mtim.tv_sec);
}

std::optional<FileStamp> PosixPlatform::Stamp(std::string_view dosPath) {
    struct stat st {};
    // The path as spelt first: the usual one names its entry exactly, and one call answers.
    const auto spelt = m_prefix.Spelt(dosPath);
    if (!spelt || ::lstat(spelt->c_str(), &st) != 0) {
        const auto native = Native(dosPath);
        if (!native || (spelt && native->native() == *spelt) ||
            ::lstat(native->c_str(), &st) != 0) {
            return std::nullopt;
        }
    }
    return StampOfStatus(st);
}

bool PosixPlatform::SetLastWriteTime(std::string_view dosPath, const LocalDateTime& time) {
    const auto native = Native(dosPath);
    if (!native) {
        return false;
    }
    std::tm tm{};
    tm.tm_year = time.year - 1900;
    tm.tm_mon = time.month - 1;
    tm.tm_mday = time.day;
    tm.tm_hour = time.hour;
    tm.tm_min = time.minute;
    tm.tm_sec = time.second;
    tm.tm_isdst = -1;
    const std::time_t t = std::mktime(&tm);
    const struct timespec times[2] = {{0, UTIME_OMIT}, {t, 0}};
    return ::utimensat(AT_FDCWD, native->c_str(), times, 0) == 0;
}

std::unique_ptr<InputFile> PosixPlatform::OpenForRead(std::string_view dosPath) {
    const auto native = Native(dosPath);
    if (!native) {
        throw IoError(IoErrorKind::InvalidDrive, dosPath);
    }
    const int fd = ::open(native->c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) {
        ThrowErrno(errno, dosPath);
    }
    struct stat st {};
    if (::fstat(fd, &st) == 0 && S_ISDIR(st.st_mode)) {
        ::close(fd);
        throw IoError(IoErrorKind::AccessDenied, dosPath, EISDIR);
    }
    return std::make_unique<PosixInputFile>(fd);
}

// Through the process's own link, which leads to the file even where no drive does.
std::unique_ptr<InputFile> PosixPlatform::OpenExecutableForRead() {
    const int fd = ::open("/proc/self/exe", O_RDONLY | O_CLOEXEC);
    if (fd < 0) {
        ThrowErrno(errno, ExecutablePath());
    }
    return std::make_unique<PosixInputFile>(fd);
}

std::unique_ptr<InputFile> PosixPlatform::OpenRegularFileForRead(std::string_view dosPath) {
    const auto native = Native(dosPath);
    if (!native) {
        throw IoError(IoErrorKind::InvalidDrive, dosPath);
    }
    // Non-blocking, so that a FIFO cannot hold the open until a writer comes.
    const int fd = ::open(native->c_str(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) {
        ThrowErrno(errno == ELOOP ? EACCES : errno, dosPath);
    }
    struct stat st {};
    // A second name would be the same file elsewhere, where the name given does not lead.
    if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode) || st.st_nlink != 1) {
        ::close(fd);
        throw IoError(IoErrorKind::AccessDenied, dosPath);
    }
    return std::make_unique<PosixInputFile>(fd);
}

FileClaim PosixPlatform::ClaimFile(std::string_view folder, std::string_view name,
                                   const std::optional<FileStamp>& expected) {
    const auto native = Native(folder);
    if (!native) {
        return {ClaimOutcome::Gone, nullptr};
    }
    FileClaim claim = ClaimFolderFile(*native, name, expected);
    if (claim.outcome != ClaimOutcome::Gone && IsPlainFileName(name)) {
        // The claim's own open must not count as a holder's in what the watch knows.
        m_openFiles->OwnOpen(*native, DosNameToNative(name));
    }
    return claim;
}

std::unique_ptr<OutputFile> PosixPlatform::CreateForWrite(std::string_view dosPath) {
    const auto native = Native(dosPath);
    if (!native) {
        throw IoError(IoErrorKind::InvalidDrive, dosPath);
    }
    const int fd =
        ::open(native->c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, CreationMode(*native));
    if (fd < 0) {
        ThrowErrno(errno, dosPath);
    }
    return std::make_unique<PosixOutputFile>(fd);
}

std::unique_ptr<OutputFile> PosixPlatform::CreateReplacement(std::string_view dosPath) {
    const auto native = Native(dosPath);
    if (!native) {
        throw IoError(IoErrorKind::InvalidDrive, dosPath);
    }
    return BeginReplacement(*native, CreationMode(*native));
}

std::unique_ptr<SharingProbe> PosixPlatform::MakeSharingProbe() {
    return MakeProcSharingProbe(m_prefix, m_openFiles);
}

StartOutcome PosixPlatform::StartProgram(const StartRequest& request) {
    return StartProgramOf(m_prefix, request, m_printRelay, m_dosStart);
}

bool PosixPlatform::HasCharacterPrinter(std::string_view printer) {
    return CupsHasPrinter(std::string(printer)) || CupsHasPrinter(std::string{});
}

std::string PosixPlatform::ToNativePath(std::string_view dosPath) {
    const auto native = Native(dosPath);
    return native ? native->string() : std::string{};
}

std::optional<std::string> PosixPlatform::FromNativePath(std::string_view native) {
    return m_prefix.ToDos(fs::path(native));
}

std::string PosixPlatform::ShortcutFolder(ShortcutFolderKind kind) {
    return ShortcutFolderOf(kind);
}

ShortcutResult PosixPlatform::CreateShortcut(const ShortcutPlace& place, std::string_view target,
                                             std::string_view workingDirectory) {
    return CreateDesktopEntry(m_prefix, place, target, workingDirectory);
}

bool PosixPlatform::DeleteShortcut(const ShortcutPlace& place) {
    return DeleteDesktopEntry(place);
}

} // namespace posix
} // namespace zel
