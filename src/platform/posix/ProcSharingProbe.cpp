#include "platform/posix/ProcSharingProbe.h"

#include "platform/posix/Descriptor.h"
#include "platform/posix/ProgramLock.h"
#include "platform/posix/StatusStamp.h"

#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <dirent.h>
#include <fcntl.h>
#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <sys/stat.h>
#include <unistd.h>
#include <unordered_map>
#include <utility>

namespace zel::posix {
namespace {

struct FileId {
    dev_t device;
    ino_t inode;
    friend bool operator==(const FileId&, const FileId&) = default;
};

struct FileIdHash {
    std::size_t operator()(const FileId& id) const noexcept {
        return std::hash<std::uint64_t>{}(static_cast<std::uint64_t>(id.inode) * 31 +
                                          static_cast<std::uint64_t>(id.device));
    }
};

enum class Access { Path, Read, Write };

// The open flags from /proc/PID/fdinfo/N. When they cannot be read the descriptor counts as
// writing: a print file then waits one more tick rather than being printed half written.
Access AccessFromFlags(int fdinfoDir, const char* name) {
    if (fdinfoDir < 0) {
        return Access::Write;
    }
    const Descriptor info(::openat(fdinfoDir, name, O_RDONLY | O_CLOEXEC));
    if (info.Get() < 0) {
        return Access::Write;
    }
    char text[256];
    const ssize_t n = ::read(info.Get(), text, sizeof text - 1);
    if (n <= 0) {
        return Access::Write;
    }
    text[n] = '\0';
    const char* flags = std::strstr(text, "flags:");
    if (flags == nullptr) {
        return Access::Write;
    }
    const long value = std::strtol(flags + 6, nullptr, 8);
    if ((value & O_PATH) != 0) {
        return Access::Path;
    }
    return (value & O_ACCMODE) == O_RDONLY ? Access::Read : Access::Write;
}

// Linux gives an fd link the permission bits of its access mode (none for O_PATH), which
// spares reading fdinfo for the many descriptors that cannot write; the flags decide the rest.
Access AccessOf(int fdDir, int fdinfoDir, const char* name) {
    struct stat link {};
    if (::fstatat(fdDir, name, &link, AT_SYMLINK_NOFOLLOW) == 0 && S_ISLNK(link.st_mode) &&
        (link.st_mode & S_IWUSR) == 0) {
        return (link.st_mode & S_IRUSR) != 0 ? Access::Read : Access::Path;
    }
    return AccessFromFlags(fdinfoDir, name);
}

bool IsProcessId(const char* name) {
    if (*name == '\0') {
        return false;
    }
    for (const char* c = name; *c != '\0'; ++c) {
        if (*c < '0' || *c > '9') {
            return false;
        }
    }
    return true;
}

// Every regular file some process holds open, and whether any holds it for writing.
class OpenFiles final {
public:
    OpenFiles() {
        DIR* processes = ::opendir("/proc");
        if (processes == nullptr) {
            return;
        }
        while (const dirent* entry = ::readdir(processes)) {
            if (IsProcessId(entry->d_name)) {
                AddProcess(::dirfd(processes), entry->d_name);
            }
        }
        ::closedir(processes);
    }

    [[nodiscard]] bool HeldOpen(const FileId& id) const { return m_held.contains(id); }
    [[nodiscard]] bool HeldForWriting(const FileId& id) const {
        const auto found = m_held.find(id);
        return found != m_held.end() && found->second;
    }

private:
    // A process that ends meanwhile, or whose descriptors are not ours to see, is skipped.
    void AddProcess(int proc, const char* pid) {
        const std::string base(pid);
        const int fdDirFd =
            ::openat(proc, (base + "/fd").c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
        if (fdDirFd < 0) {
            return;
        }
        DIR* descriptors = ::fdopendir(fdDirFd);
        if (descriptors == nullptr) {
            ::close(fdDirFd);
            return;
        }
        const Descriptor fdinfoDir(
            ::openat(proc, (base + "/fdinfo").c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
        while (const dirent* entry = ::readdir(descriptors)) {
            struct stat st {};
            if (entry->d_name[0] == '.' || ::fstatat(fdDirFd, entry->d_name, &st, 0) != 0 ||
                !S_ISREG(st.st_mode)) {
                continue;
            }
            const auto [held, added] = m_held.try_emplace(FileId{st.st_dev, st.st_ino}, false);
            if (held->second) {
                continue;
            }
            switch (AccessOf(fdDirFd, fdinfoDir.Get(), entry->d_name)) {
            case Access::Path:
                if (added) {
                    m_held.erase(held);
                }
                break;
            case Access::Read:
                break;
            case Access::Write:
                held->second = true;
                break;
            }
        }
        ::closedir(descriptors);
    }

    std::unordered_map<FileId, bool, FileIdHash> m_held;
};

class ProcSharingProbe final : public SharingProbe {
public:
    ProcSharingProbe(WinePrefix prefix, std::shared_ptr<OpenFileWatch> watch)
        : m_prefix(std::move(prefix)), m_watch(std::move(watch)) {}
    ~ProcSharingProbe() override = default;
    ProcSharingProbe(const ProcSharingProbe&) = delete;
    ProcSharingProbe& operator=(const ProcSharingProbe&) = delete;

    // A running lock may be held on another PC, where neither the watch nor /proc can see.
    SharingAnswer CanOpenExclusive(std::string_view dosPath) override {
        std::optional<FileStamp> stamp;
        const auto file = OpenableForReadingAndWriting(dosPath, stamp);
        if (!file) {
            return {false, stamp};
        }
        const bool locked = ProgramLockHeld(file->native);
        if (m_watch) {
            const std::filesystem::path native(file->native);
            m_watch->OwnOpen(native.parent_path(), native.filename().string());
        }
        return {!locked && !Held(*file, &OpenFiles::HeldOpen), stamp};
    }

    SharingAnswer CanOpenDenyWrite(std::string_view dosPath) override {
        std::optional<FileStamp> stamp;
        const auto file = OpenableForReadingAndWriting(dosPath, stamp);
        return {file && !Held(*file, &OpenFiles::HeldForWriting), stamp};
    }

private:
    struct ProbedFile {
        FileId id;
        std::string native;
        // A file of several names can be opened through one the watch does not see.
        bool oneName = false;
    };

    // A file without any write bit is read-only to DOS even where root could write it.
    // stamp: the entry's own, where it is no link.
    std::optional<ProbedFile> OpenableForReadingAndWriting(std::string_view dosPath,
                                                           std::optional<FileStamp>& stamp) {
        struct stat st {};
        // The path as spelt first: the usual one names its file exactly, and one call answers.
        auto native = m_prefix.Spelt(dosPath);
        if (!native || !StatusOf(*native, st, stamp)) {
            const auto found = m_prefix.ToNative(dosPath);
            if (!found || (native && found->native() == *native) ||
                !StatusOf(found->native(), st, stamp)) {
                return std::nullopt;
            }
            native = found->native();
        }
        if (!S_ISREG(st.st_mode) || (st.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH)) == 0 ||
            ::access(native->c_str(), R_OK | W_OK) != 0) {
            return std::nullopt;
        }
        return ProbedFile{{st.st_dev, st.st_ino}, std::move(*native), st.st_nlink == 1};
    }

    // The status of the file a path leads to; the entry's own stamp when it is no link.
    static bool StatusOf(const std::string& native, struct stat& st,
                         std::optional<FileStamp>& stamp) {
        if (::lstat(native.c_str(), &st) != 0) {
            return false;
        }
        if (S_ISLNK(st.st_mode)) {
            return ::stat(native.c_str(), &st) == 0;
        }
        stamp = StampOfStatus(st);
        return true;
    }

    // The watch answers when it knows nobody holds the file; else the pass over /proc does,
    // and a file it finds free is one the watch can count from then on.
    bool Held(const ProbedFile& file, bool (OpenFiles::*heldAs)(const FileId&) const) {
        const bool watched = m_watch && file.oneName;
        const std::size_t slash = file.native.rfind('/');
        const std::filesystem::path& folder = FolderOf(file.native.substr(0, slash));
        const std::string name = file.native.substr(slash + 1);
        if (watched) {
            if (!m_caughtUp) {
                m_watch->CatchUp();
                m_caughtUp = true;
            }
            if (m_watch->HoldersOf(folder, name) == OpenFileWatch::Holders::None) {
                return false;
            }
        }
        const OpenFiles& open = Processes();
        if (watched && !open.HeldOpen(file.id)) {
            m_watch->Settle(folder, name, m_look);
        }
        return (open.*heldAs)(file.id);
    }

    // The files of a tick share their folder: its path is made once, not for each of them.
    const std::filesystem::path& FolderOf(const std::string& folder) {
        if (m_folder.native() != folder) {
            m_folder = folder.empty() ? std::filesystem::path("/") : std::filesystem::path(folder);
        }
        return m_folder;
    }

    const OpenFiles& Processes() {
        if (!m_held) {
            if (m_watch) {
                m_look = m_watch->BeginLook();
            }
            m_held.emplace();
            if (m_watch) {
                m_watch->CatchUp();
                m_caughtUp = true;
            }
        }
        return *m_held;
    }

    WinePrefix m_prefix;
    std::shared_ptr<OpenFileWatch> m_watch;
    bool m_caughtUp = false;
    std::uint64_t m_look = 0;
    std::optional<OpenFiles> m_held;
    std::filesystem::path m_folder;
};

} // namespace

std::unique_ptr<SharingProbe> MakeProcSharingProbe(const WinePrefix& prefix,
                                                   std::shared_ptr<OpenFileWatch> watch) {
    return std::make_unique<ProcSharingProbe>(prefix, std::move(watch));
}

} // namespace zel::posix
