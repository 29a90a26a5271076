#include "platform/posix/ClaimedFolderFile.h"

#include "platform/IoError.h"
#include "platform/posix/Descriptor.h"
#include "platform/posix/ProgramLock.h"
#include "platform/posix/ReadUpTo.h"
#include "platform/posix/StatusStamp.h"
#include "platform/posix/WinePrefix.h"
#include "text/DosPath.h"

#include <cerrno>
#include <cstdio>
#include <fcntl.h>
#include <string>
#include <sys/stat.h>
#include <unistd.h>

namespace zel::posix {
namespace {

bool SameFile(const struct stat& a, const struct stat& b) {
    return a.st_dev == b.st_dev && a.st_ino == b.st_ino;
}

class HeldReader final : public InputFile {
public:
    explicit HeldReader(int fd) : m_fd(fd) {}

    std::uint64_t Size() override {
        struct stat st {};
        if (::fstat(m_fd, &st) != 0) {
            throw IoError(IoErrorKind::ReadError);
        }
        return static_cast<std::uint64_t>(st.st_size);
    }

    std::string Read(std::size_t maxBytes) override { return ReadUpTo(m_fd, maxBytes); }

private:
    int m_fd;
};

class PosixClaimedFile final : public ClaimedFile {
public:
    PosixClaimedFile(int folder, int file, std::string name)
        : m_folder(folder), m_file(file), m_name(std::move(name)), m_reader(file) {}
    // Closing the one descriptor of the open file description lets go of its lock.
    ~PosixClaimedFile() override = default;
    PosixClaimedFile(const PosixClaimedFile&) = delete;
    PosixClaimedFile& operator=(const PosixClaimedFile&) = delete;

    InputFile& Content() override { return m_reader; }

    std::optional<FileStamp> Stamp() override {
        struct stat st {};
        if (::fstat(m_file.Get(), &st) != 0) {
            return std::nullopt;
        }
        return StampOfStatus(st);
    }

    bool Rename(std::string_view name) override {
        if (!IsPlainFileName(name) || !NameLeadsHere()) {
            return false;
        }
        const std::string target = DosNameToNative(name);
        if (::renameat2(m_folder.Get(), m_name.c_str(), m_folder.Get(), target.c_str(),
                        RENAME_NOREPLACE) != 0) {
            if (errno != EINVAL && errno != ENOSYS && errno != EOPNOTSUPP) {
                return false;
            }
            // A file system without the no-replace rename (NFS): the name is looked at first.
            // Printing names carry their launcher's own mark, so only a stranger could slip
            // an entry in between.
            struct stat taken {};
            if (::fstatat(m_folder.Get(), target.c_str(), &taken, AT_SYMLINK_NOFOLLOW) == 0 ||
                errno != ENOENT ||
                ::renameat(m_folder.Get(), m_name.c_str(), m_folder.Get(), target.c_str()) != 0) {
                return false;
            }
        }
        m_name = target;
        return true;
    }

    bool Delete() override {
        return NameLeadsHere() && ::unlinkat(m_folder.Get(), m_name.c_str(), 0) == 0;
    }

private:
    [[nodiscard]] bool NameLeadsHere() const {
        struct stat held {};
        struct stat named {};
        return ::fstat(m_file.Get(), &held) == 0 &&
               ::fstatat(m_folder.Get(), m_name.c_str(), &named, AT_SYMLINK_NOFOLLOW) == 0 &&
               SameFile(held, named);
    }

    Descriptor m_folder;
    Descriptor m_file;
    std::string m_name; // native
    HeldReader m_reader;
};

ClaimOutcome OutcomeOfOpenError(int error) {
    switch (error) {
    case ENOENT:
    case ENOTDIR:
        return ClaimOutcome::Gone;
    case ETXTBSY:
    case EAGAIN:
    case EINTR:
        return ClaimOutcome::Busy;
    default:
        // ELOOP: a link; EISDIR, ENXIO: no file; EACCES, EPERM, EROFS: not ours to take.
        return ClaimOutcome::Refused;
    }
}

} // namespace

FileClaim ClaimFolderFile(const std::filesystem::path& folder, std::string_view name,
                          const std::optional<FileStamp>& expected) {
    if (!IsPlainFileName(name)) {
        return {ClaimOutcome::Refused, nullptr};
    }
    Descriptor folderFd(::open(folder.c_str(), O_PATH | O_DIRECTORY | O_CLOEXEC));
    if (folderFd.Get() < 0) {
        return {ClaimOutcome::Gone, nullptr};
    }
    const std::string native = DosNameToNative(name);
    // Non-blocking, so that a FIFO cannot hold the open until a writer comes; for writing,
    // as the write lock asks and as a DOS program's exclusive open does.
    Descriptor file(::openat(folderFd.Get(), native.c_str(),
                             O_RDWR | O_NOFOLLOW | O_NONBLOCK | O_NOCTTY | O_CLOEXEC));
    if (file.Get() < 0) {
        return {OutcomeOfOpenError(errno), nullptr};
    }
    struct stat opened {};
    // A file with a second name lives elsewhere too: what it holds is not only a list's.
    if (::fstat(file.Get(), &opened) != 0 || !S_ISREG(opened.st_mode) || opened.st_nlink != 1) {
        return {ClaimOutcome::Refused, nullptr};
    }
    // Still non-blocking where this fails: a read only returns sooner.
    (void)::fcntl(file.Get(), F_SETFL, 0);
    // A file system without locks (an NFS mount with nolock) leaves only this PC's look at
    // /proc, as before there were claims; the list is still printed.
    if (TakeLockOnOpenFile(file.Get()) == EAGAIN) {
        return {ClaimOutcome::Busy, nullptr};
    }
    // Another launcher may have taken the list away between the open and the lock.
    struct stat named {};
    if (::fstatat(folderFd.Get(), native.c_str(), &named, AT_SYMLINK_NOFOLLOW) != 0 ||
        !SameFile(named, opened)) {
        return {ClaimOutcome::Gone, nullptr};
    }
    if (expected && (::fstat(file.Get(), &opened) != 0 || StampOfStatus(opened) != *expected)) {
        return {ClaimOutcome::Changed, nullptr};
    }
    return {ClaimOutcome::Claimed,
            std::make_unique<PosixClaimedFile>(folderFd.Release(), file.Release(), native)};
}

} // namespace zel::posix
