// Kept jobs on POSIX: a relay holds each of its job files with an open file description lock,
// which a relay that dies gives up with its descriptors, and which no other relay of the
// same user can take while it lasts.

#include "platform/KeptJobFile.h"
#include "platform/KeptJobs.h"
#include "platform/posix/WriteAll.h"

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <dirent.h>
#include <fcntl.h>
#include <map>
#include <sys/stat.h>
#include <unistd.h>

namespace zel {
namespace {

bool Hold(int fd) {
    struct flock lock {};
    lock.l_type = F_WRLCK;
    lock.l_whence = SEEK_SET;
    return ::fcntl(fd, F_OFD_SETLK, &lock) == 0;
}

std::optional<std::string> ReadAll(int fd) {
    std::string bytes;
    char buffer[65536];
    for (;;) {
        const ssize_t got = ::read(fd, buffer, sizeof buffer);
        if (got == 0) {
            return bytes;
        }
        if (got < 0) {
            return std::nullopt;
        }
        bytes.append(buffer, static_cast<std::size_t>(got));
    }
}

std::vector<std::string> Names(int folder) {
    std::vector<std::string> names;
    const int listing = ::openat(folder, ".", O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    DIR* dir = listing < 0 ? nullptr : ::fdopendir(listing);
    if (dir == nullptr) {
        if (listing >= 0) {
            ::close(listing);
        }
        return names;
    }
    while (const dirent* entry = ::readdir(dir)) {
        names.emplace_back(entry->d_name);
    }
    ::closedir(dir);
    std::sort(names.begin(), names.end());
    return names;
}

// A regular file still in the folder, held by this relay; -1 where another holds it.
int OpenAndHold(int folder, const std::string& name) {
    const int fd = ::openat(folder, name.c_str(), O_RDWR | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) {
        return -1;
    }
    struct stat file {};
    // Checked once held: the relay that held it may have printed and removed it meanwhile.
    if (!Hold(fd) || ::fstat(fd, &file) != 0 || !S_ISREG(file.st_mode) || file.st_nlink == 0) {
        ::close(fd);
        return -1;
    }
    return fd;
}

class KeptJobFolder final : public KeptJobs {
public:
    explicit KeptJobFolder(int folder) : m_folder(folder) {}
    ~KeptJobFolder() override {
        // The files stay: closing gives them up to the next relay.
        for (const auto& [name, fd] : m_held) {
            ::close(fd);
        }
        if (m_folder >= 0) {
            ::close(m_folder);
        }
    }
    KeptJobFolder(const KeptJobFolder&) = delete;
    KeptJobFolder& operator=(const KeptJobFolder&) = delete;

    std::optional<Key> Keep(const RawJob& job) override {
        const auto file = EncodeKeptJob(job);
        if (m_folder < 0 || !file) {
            return std::nullopt;
        }
        const std::string name =
            KeptJobName(m_started, static_cast<std::uint64_t>(::getpid()), ++m_sequence);
        const std::string temporary = TemporaryKeptJobName(name);
        const int fd =
            ::openat(m_folder, temporary.c_str(),
                     O_RDWR | O_CREAT | O_EXCL | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC, 0600);
        if (fd < 0) {
            return std::nullopt;
        }
        // Held before it has a name another relay would take.
        if (!Hold(fd) || posix::WriteAll(fd, *file) != 0 || ::fsync(fd) != 0 ||
            ::renameat(m_folder, temporary.c_str(), m_folder, name.c_str()) != 0) {
            ::unlinkat(m_folder, temporary.c_str(), 0);
            ::close(fd);
            return std::nullopt;
        }
        ::fsync(m_folder);
        m_held.emplace(name, fd);
        return name;
    }

    std::vector<Kept> TakeLeftovers() override {
        std::vector<Kept> taken;
        if (m_folder < 0) {
            return taken;
        }
        for (const std::string& name : Names(m_folder)) {
            const bool temporary = IsTemporaryKeptJobName(name);
            if ((!temporary && !IsKeptJobName(name)) || m_held.contains(name)) {
                continue;
            }
            const int fd = OpenAndHold(m_folder, name);
            if (fd < 0) {
                continue;
            }
            if (temporary) {
                // Its writer died before the job was whole; the relay that received it never
                // counted on it.
                ::unlinkat(m_folder, name.c_str(), 0);
                ::close(fd);
                continue;
            }
            auto job = ReadAll(fd);
            auto decoded = job ? DecodeKeptJob(*job) : std::nullopt;
            if (!decoded) {
                ::close(fd);
                continue;
            }
            m_held.emplace(name, fd);
            taken.push_back({name, std::move(*decoded)});
        }
        return taken;
    }

    void Forget(const Key& key) override {
        const auto held = m_held.find(key);
        if (held == m_held.end()) {
            return;
        }
        // Removed while still held, so that no relay takes it in between.
        ::unlinkat(m_folder, key.c_str(), 0);
        ::close(held->second);
        m_held.erase(held);
    }

private:
    int m_folder;
    std::map<std::string, int> m_held;
    const std::chrono::system_clock::time_point m_started = std::chrono::system_clock::now();
    std::uint64_t m_sequence = 0;
};

// The folder, its missing parts made for the user alone; -1 unless it is a folder of the
// user's that nobody else may enter.
int OpenPrivateFolder(const std::string& path) {
    if (path.empty() || path.front() != '/') {
        return -1;
    }
    for (auto slash = path.find('/', 1); slash != std::string::npos;
         slash = path.find('/', slash + 1)) {
        ::mkdir(path.substr(0, slash).c_str(), 0700);
    }
    ::mkdir(path.c_str(), 0700);
    const int fd = ::open(path.c_str(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
    struct stat folder {};
    if (fd >= 0 && (::fstat(fd, &folder) != 0 || folder.st_uid != ::geteuid() ||
                    (folder.st_mode & 077) != 0)) {
        ::close(fd);
        return -1;
    }
    return fd;
}

} // namespace

std::string KeptJobsFolder() {
    const char* state = std::getenv("XDG_STATE_HOME");
    std::string base;
    if (state != nullptr && state[0] == '/') {
        base = state;
    } else if (const char* home = std::getenv("HOME"); home != nullptr && home[0] == '/') {
        base = std::string(home) + "/.local/state";
    } else {
        return {};
    }
    return base + "/zelkor/relay-jobs";
}

std::unique_ptr<KeptJobs> OpenKeptJobs(const std::string& folder) {
    return std::make_unique<KeptJobFolder>(OpenPrivateFolder(folder));
}

} // namespace zel
