#include "platform/posix/ProcOpenFiles.h"

#include "platform/posix/Descriptor.h"

#include <cstdlib>
#include <cstring>
#include <dirent.h>
#include <fcntl.h>
#include <string>
#include <sys/stat.h>
#include <unistd.h>

namespace zel::posix {
namespace {

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

} // namespace

ProcOpenFiles::ProcOpenFiles() {
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

ProcOpenFiles::ProcOpenFiles(std::span<const pid_t> processes) {
    if (processes.empty()) {
        return;
    }
    const Descriptor proc(::open("/proc", O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (proc.Get() < 0) {
        return;
    }
    for (const pid_t pid : processes) {
        AddProcess(proc.Get(), std::to_string(pid).c_str());
    }
}

bool ProcOpenFiles::HeldForWriting(const FileId& id) const {
    const auto found = m_held.find(id);
    return found != m_held.end() && found->second.writing;
}

std::vector<pid_t> ProcOpenFiles::WritersOf(const FileId& id) const {
    const auto found = m_held.find(id);
    return found == m_held.end() ? std::vector<pid_t>{} : found->second.writers;
}

// A process that ends meanwhile, or whose descriptors are not ours to see, is skipped.
void ProcOpenFiles::AddProcess(int proc, const char* pid) {
    const std::string base(pid);
    const int fdDirFd = ::openat(proc, (base + "/fd").c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fdDirFd < 0) {
        return;
    }
    DIR* descriptors = ::fdopendir(fdDirFd);
    if (descriptors == nullptr) {
        ::close(fdDirFd);
        return;
    }
    const pid_t process = static_cast<pid_t>(std::strtol(pid, nullptr, 10));
    const Descriptor fdinfoDir(
        ::openat(proc, (base + "/fdinfo").c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    while (const dirent* entry = ::readdir(descriptors)) {
        struct stat st {};
        if (entry->d_name[0] == '.' || ::fstatat(fdDirFd, entry->d_name, &st, 0) != 0 ||
            !S_ISREG(st.st_mode)) {
            continue;
        }
        const auto [held, added] = m_held.try_emplace(FileId{st.st_dev, st.st_ino});
        Holders& holders = held->second;
        // One writing descriptor of a process is enough to name it.
        if (holders.writing && holders.writers.back() == process) {
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
            holders.writing = true;
            holders.writers.push_back(process);
            break;
        }
    }
    ::closedir(descriptors);
}

} // namespace zel::posix
