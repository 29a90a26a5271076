#include "platform/posix/ProcSharingProbe.h"

#include <cstdlib>
#include <dirent.h>
#include <fcntl.h>
#include <map>
#include <optional>
#include <string>
#include <sys/stat.h>
#include <unistd.h>
#include <utility>
#include <vector>

namespace zel::posix {
namespace {

struct FileId {
    dev_t device;
    ino_t inode;
    friend auto operator<=>(const FileId&, const FileId&) = default;
};

struct Holder {
    std::string pid;
    std::string fd;
};

bool IsNumber(const char* name) {
    if (*name == '\0') {
        return false;
    }
    for (; *name != '\0'; ++name) {
        if (*name < '0' || *name > '9') {
            return false;
        }
    }
    return true;
}

// Whether the open file behind /proc/PID/fd/FD may write, from the "flags:" line of its
// fdinfo; an entry that has gone away in between holds nothing.
bool HolderWrites(const Holder& holder) {
    const std::string path = "/proc/" + holder.pid + "/fdinfo/" + holder.fd;
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) {
        return false;
    }
    char text[512];
    const ssize_t got = ::read(fd, text, sizeof(text) - 1);
    ::close(fd);
    if (got <= 0) {
        return false;
    }
    text[got] = '\0';
    const std::string info(text);
    const auto at = info.find("flags:");
    if (at == std::string::npos) {
        return false;
    }
    const unsigned long flags = std::strtoul(info.c_str() + at + 6, nullptr, 8);
    const unsigned long mode = flags & O_ACCMODE;
    return mode == O_WRONLY || mode == O_RDWR;
}

class ProcProbe final : public SharingProbe {
public:
    explicit ProcProbe(const WinePrefix& prefix) : m_prefix(prefix) { ReadOpenFiles(); }

    bool CanOpenExclusive(std::string_view dosPath) override {
        const auto id = OpenableFile(dosPath);
        return id && !m_holders.contains(*id);
    }

    bool CanOpenDenyWrite(std::string_view dosPath) override {
        const auto id = OpenableFile(dosPath);
        if (!id) {
            return false;
        }
        const auto held = m_holders.find(*id);
        if (held == m_holders.end()) {
            return true;
        }
        for (const Holder& holder : held->second) {
            if (HolderWrites(holder)) {
                return false;
            }
        }
        return true;
    }

private:
    // The one pass over /proc: every open descriptor of every process we may look at, by
    // the file it leads to. DOSBox shows fully resolved paths, so names would not match.
    void ReadOpenFiles() {
        DIR* proc = ::opendir("/proc");
        if (proc == nullptr) {
            return;
        }
        while (const dirent* process = ::readdir(proc)) {
            if (!IsNumber(process->d_name)) {
                continue;
            }
            const std::string pid = process->d_name;
            const std::string fdFolder = "/proc/" + pid + "/fd";
            DIR* fds = ::opendir(fdFolder.c_str());
            if (fds == nullptr) {
                continue;
            }
            const int folderFd = ::dirfd(fds);
            while (const dirent* fd = ::readdir(fds)) {
                struct stat st {};
                if (!IsNumber(fd->d_name) || ::fstatat(folderFd, fd->d_name, &st, 0) != 0 ||
                    !S_ISREG(st.st_mode)) {
                    continue;
                }
                m_holders[FileId{st.st_dev, st.st_ino}].push_back({pid, fd->d_name});
            }
            ::closedir(fds);
        }
        ::closedir(proc);
    }

    // A regular file that may be opened for reading and writing: a file without a write bit
    // is read-only for root too, as on a DOS file system.
    std::optional<FileId> OpenableFile(std::string_view dosPath) const {
        const auto native = m_prefix.ToNative(dosPath);
        if (!native) {
            return std::nullopt;
        }
        struct stat st {};
        if (::stat(native->c_str(), &st) != 0 || !S_ISREG(st.st_mode) ||
            (st.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH)) == 0) {
            return std::nullopt;
        }
        const int fd = ::open(native->c_str(), O_RDWR | O_CLOEXEC | O_NONBLOCK);
        if (fd < 0) {
            return std::nullopt;
        }
        ::close(fd);
        return FileId{st.st_dev, st.st_ino};
    }

    const WinePrefix& m_prefix;
    std::map<FileId, std::vector<Holder>> m_holders;
};

} // namespace

std::unique_ptr<SharingProbe> MakeProcSharingProbe(const WinePrefix& prefix) {
    return std::make_unique<ProcProbe>(prefix);
}

} // namespace zel::posix
