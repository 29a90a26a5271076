#include "platform/posix/ProcSharingProbe.h"

#include "platform/posix/Descriptor.h"
#include "platform/posix/ProcOpenFiles.h"
#include "platform/posix/ProgramLock.h"
#include "platform/posix/StatusStamp.h"

#include <cstdint>
#include <fcntl.h>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <sys/stat.h>
#include <unistd.h>
#include <utility>
#include <vector>

namespace zel::posix {
namespace {

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
        const auto file = WritableFile(dosPath, stamp);
        if (!file || !Accessible(*file)) {
            return {false, stamp};
        }
        const bool locked = ProgramLockHeld(file->native);
        if (m_watch) {
            const std::filesystem::path native(file->native);
            m_watch->OwnOpen(native.parent_path(), native.filename().string());
        }
        return {!locked && !Held(*file, &ProcOpenFiles::HeldOpen), stamp};
    }

    // A list its program still writes is answered before its permissions are looked at.
    SharingAnswer CanOpenDenyWrite(std::string_view dosPath) override {
        std::optional<FileStamp> stamp;
        const auto file = WritableFile(dosPath, stamp);
        return {file && !KnownWriting(*file) && Accessible(*file) &&
                    !Held(*file, &ProcOpenFiles::HeldForWriting),
                stamp};
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
    std::optional<ProbedFile> WritableFile(std::string_view dosPath,
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
        if (!S_ISREG(st.st_mode) || (st.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH)) == 0) {
            return std::nullopt;
        }
        return ProbedFile{{st.st_dev, st.st_ino}, std::move(*native), st.st_nlink == 1};
    }

    static bool Accessible(const ProbedFile& file) {
        return ::access(file.native.c_str(), R_OK | W_OK) == 0;
    }

    // The status of the file a path leads to; the entry's own stamp when it is no link.
    bool StatusOf(const std::string& native, struct stat& st, std::optional<FileStamp>& stamp) {
        const std::size_t slash = native.rfind('/');
        const int folder = slash == std::string::npos
                               ? -1
                               : FolderDescriptor(std::string_view(native).substr(0, slash));
        const int at = folder >= 0 ? folder : AT_FDCWD;
        const char* name = folder >= 0 ? native.c_str() + slash + 1 : native.c_str();
        if (::fstatat(at, name, &st, AT_SYMLINK_NOFOLLOW) != 0) {
            return false;
        }
        if (S_ISLNK(st.st_mode)) {
            return ::fstatat(at, name, &st, 0) == 0;
        }
        stamp = StampOfStatus(st);
        return true;
    }

    // The files of a tick share their folder: its path is walked once, and each file is found
    // by its name in it.
    int FolderDescriptor(std::string_view folder) {
        if (!m_folderDescriptor || m_folderPath != folder) {
            m_folderPath = folder;
            m_folderDescriptor.emplace(::open(m_folderPath.empty() ? "/" : m_folderPath.c_str(),
                                              O_PATH | O_DIRECTORY | O_CLOEXEC));
        }
        return m_folderDescriptor->Get();
    }

    // The watch answers when it knows nobody holds the file, or that somebody writes it;
    // else /proc does, and what it finds the watch keeps until the file is opened or closed.
    // After a close, the processes that wrote the file are asked first: one still writing
    // answers without the pass over every process.
    bool Held(const ProbedFile& file, bool (ProcOpenFiles::*heldAs)(const FileId&) const) {
        const bool watched = m_watch && file.oneName;
        const std::size_t slash = file.native.rfind('/');
        const std::filesystem::path& folder = FolderOf(file.native.substr(0, slash));
        const std::string name = file.native.substr(slash + 1);
        if (watched) {
            switch (WatchSays(folder, name)) {
            case OpenFileWatch::Holders::None:
                return false;
            case OpenFileWatch::Holders::Writing:
                return true;
            case OpenFileWatch::Holders::Unknown:
                break;
            }
            if (!m_all) {
                const ProcOpenFiles& writers = FormerWriters();
                if (writers.HeldForWriting(file.id)) {
                    m_watch->SettleWriting(folder, name, m_writersLook, writers.WritersOf(file.id));
                    return true;
                }
            }
        }
        const ProcOpenFiles& open = Processes();
        if (watched && !open.HeldOpen(file.id)) {
            m_watch->Settle(folder, name, m_look);
        } else if (watched && open.HeldForWriting(file.id)) {
            m_watch->SettleWriting(folder, name, m_look, open.WritersOf(file.id));
        }
        return (open.*heldAs)(file.id);
    }

    bool KnownWriting(const ProbedFile& file) {
        if (!m_watch || !file.oneName) {
            return false;
        }
        const std::size_t slash = file.native.rfind('/');
        return WatchSays(FolderOf(file.native.substr(0, slash)), file.native.substr(slash + 1)) ==
               OpenFileWatch::Holders::Writing;
    }

    OpenFileWatch::Holders WatchSays(const std::filesystem::path& folder, const std::string& name) {
        if (!m_caughtUp) {
            m_watch->CatchUp();
            m_caughtUp = true;
        }
        return m_watch->HoldersOf(folder, name);
    }

    // The files of a tick share their folder: its path is made once, not for each of them.
    const std::filesystem::path& FolderOf(const std::string& folder) {
        if (m_folder.native() != folder) {
            m_folder = folder.empty() ? std::filesystem::path("/") : std::filesystem::path(folder);
        }
        return m_folder;
    }

    const ProcOpenFiles& Processes() {
        if (!m_all) {
            if (m_watch) {
                m_look = m_watch->BeginLook();
            }
            m_all.emplace();
            if (m_watch) {
                m_watch->CatchUp();
                m_caughtUp = true;
            }
        }
        return *m_all;
    }

    // Only what the last writers of the files closed since the last tick hold.
    const ProcOpenFiles& FormerWriters() {
        if (!m_writers) {
            const std::vector<pid_t> writers = m_watch->WritersOfClosed();
            if (writers.empty()) {
                m_writers.emplace(writers);
            } else {
                m_writersLook = m_watch->BeginLook();
                m_writers.emplace(writers);
                m_watch->CatchUp();
            }
        }
        return *m_writers;
    }

    WinePrefix m_prefix;
    std::shared_ptr<OpenFileWatch> m_watch;
    bool m_caughtUp = false;
    std::uint64_t m_look = 0;
    std::optional<ProcOpenFiles> m_all;
    std::uint64_t m_writersLook = 0;
    std::optional<ProcOpenFiles> m_writers;
    std::filesystem::path m_folder;
    std::string m_folderPath;
    std::optional<Descriptor> m_folderDescriptor;
};

} // namespace

std::unique_ptr<SharingProbe> MakeProcSharingProbe(const WinePrefix& prefix,
                                                   std::shared_ptr<OpenFileWatch> watch) {
    return std::make_unique<ProcSharingProbe>(prefix, std::move(watch));
}

} // namespace zel::posix
