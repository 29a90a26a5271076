#include "platform/posix/OpenFileWatch.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <sys/inotify.h>
#include <sys/stat.h>
#include <unistd.h>
#include <utility>

namespace fs = std::filesystem;

namespace zel::posix {
namespace {

// A spool folder and the odd program folder; more are dropped, least recently asked first.
constexpr std::size_t kMaxFolders = 8;
constexpr std::size_t kBufferSize = std::size_t{64} * 1024;

// Closes of files unlinked meanwhile are left out, so that they cannot be taken for closes
// of a new file of the same name.
constexpr std::uint32_t kWatchMask = IN_OPEN | IN_CLOSE_WRITE | IN_CLOSE_NOWRITE | IN_CREATE |
                                     IN_DELETE | IN_MOVED_FROM | IN_MOVED_TO | IN_DELETE_SELF |
                                     IN_MOVE_SELF | IN_EXCL_UNLINK | IN_ONLYDIR;

} // namespace

OpenFileWatch::~OpenFileWatch() {
    if (m_fd >= 0) {
        ::close(m_fd);
    }
}

bool OpenFileWatch::Open() {
    if (m_fd < 0 && !m_failed) {
        m_fd = ::inotify_init1(IN_NONBLOCK | IN_CLOEXEC);
        m_failed = m_fd < 0;
    }
    return m_fd >= 0;
}

void OpenFileWatch::CatchUp() {
    ++m_round;
    for (auto& [wd, folder] : m_folders) {
        folder.touched.clear();
        folder.allTouched = false;
        folder.closedWriters.clear();
    }
    if (m_fd < 0) {
        return;
    }
    ReadEvents();
    for (auto& [wd, folder] : m_folders) {
        for (const auto& name : folder.ownOpens) {
            folder.files.erase(name);
            folder.touched.insert(name);
        }
        folder.ownOpens.clear();
    }
    // A folder moved away, or another one put in its place, is no longer the one asked about.
    std::vector<int> gone;
    for (const auto& [wd, folder] : m_folders) {
        struct stat st {};
        if (::stat(folder.path.c_str(), &st) != 0 || st.st_dev != folder.device ||
            st.st_ino != folder.inode) {
            gone.push_back(wd);
        }
    }
    for (const int wd : gone) {
        ::inotify_rm_watch(m_fd, wd);
        Forget(wd);
    }
}

void OpenFileWatch::ReadEvents() {
    m_buffer.resize(kBufferSize);
    for (;;) {
        const ssize_t n = ::read(m_fd, m_buffer.data(), m_buffer.size());
        if (n < 0 && errno == EINTR) {
            continue;
        }
        if (n <= 0) {
            return;
        }
        for (std::size_t at = 0; at + sizeof(inotify_event) <= static_cast<std::size_t>(n);) {
            inotify_event event{};
            std::memcpy(&event, m_buffer.data() + at, sizeof event);
            const char* nameStart = m_buffer.data() + at + sizeof event;
            at += sizeof event + event.len;
            if ((event.mask & IN_Q_OVERFLOW) != 0) {
                for (auto& [wd, folder] : m_folders) {
                    folder.files.clear();
                    folder.allTouched = true;
                }
                continue;
            }
            if ((event.mask & IN_IGNORED) != 0) {
                Forget(event.wd);
                continue;
            }
            const auto found = m_folders.find(event.wd);
            if (found == m_folders.end()) {
                continue;
            }
            if ((event.mask & (IN_DELETE_SELF | IN_MOVE_SELF | IN_UNMOUNT)) != 0) {
                ::inotify_rm_watch(m_fd, event.wd);
                Forget(event.wd);
                continue;
            }
            if ((event.mask & IN_ISDIR) != 0 || event.len == 0) {
                continue;
            }
            Apply(found->second, event.mask,
                  std::string(nameStart, ::strnlen(nameStart, event.len)));
        }
    }
}

void OpenFileWatch::Apply(Folder& folder, std::uint32_t mask, const std::string& name) {
    folder.touched.insert(name);
    const auto file = folder.files.find(name);
    if (file == folder.files.end()) {
        return;
    }
    if (file->second.writing) {
        if ((mask & IN_OPEN) != 0) {
            return;
        }
        if ((mask & (IN_CLOSE_WRITE | IN_CLOSE_NOWRITE)) != 0) {
            folder.closedWriters.insert(folder.closedWriters.end(), file->second.writers.begin(),
                                        file->second.writers.end());
        }
    }
    // A file moved in may have been open all along, and one created is being written.
    folder.files.erase(file);
}

void OpenFileWatch::Forget(int wd) {
    m_folders.erase(wd);
}

OpenFileWatch::Folder* OpenFileWatch::Find(const fs::path& folder) {
    for (auto& [wd, watched] : m_folders) {
        // The same text first: comparing paths name by name costs more than a tick's look.
        if (watched.path.native() == folder.native() || watched.path == folder) {
            watched.lastUse = ++m_uses;
            return &watched;
        }
    }
    return nullptr;
}

OpenFileWatch::Folder* OpenFileWatch::Watch(const fs::path& folder) {
    if (Folder* watched = Find(folder)) {
        return watched;
    }
    if (!Open()) {
        return nullptr;
    }
    // The folder's identity is taken first: should another take its place before the watch
    // is set, the next CatchUp finds them different.
    struct stat st {};
    if (::stat(folder.c_str(), &st) != 0 || !S_ISDIR(st.st_mode)) {
        return nullptr;
    }
    if (m_folders.size() >= kMaxFolders) {
        const auto oldest =
            std::min_element(m_folders.begin(), m_folders.end(), [](const auto& a, const auto& b) {
                return a.second.lastUse < b.second.lastUse;
            });
        ::inotify_rm_watch(m_fd, oldest->first);
        m_folders.erase(oldest);
    }
    const int wd = ::inotify_add_watch(m_fd, folder.c_str(), kWatchMask);
    if (wd < 0) {
        return nullptr;
    }
    // Two paths to one folder share its watch: the state stays with the first.
    const auto [entry, added] = m_folders.try_emplace(wd);
    if (added) {
        entry->second.path = folder;
        entry->second.device = st.st_dev;
        entry->second.inode = st.st_ino;
        entry->second.watchedSince = m_round;
    }
    entry->second.lastUse = ++m_uses;
    return &entry->second;
}

OpenFileWatch::Holders OpenFileWatch::HoldersOf(const fs::path& folder, const std::string& name) {
    const Folder* watched = Watch(folder);
    if (watched == nullptr) {
        return Holders::Unknown;
    }
    const auto file = watched->files.find(name);
    if (file == watched->files.end() || watched->ownOpens.contains(name)) {
        return Holders::Unknown;
    }
    return file->second.writing ? Holders::Writing : Holders::None;
}

OpenFileWatch::Folder* OpenFileWatch::Settleable(const fs::path& folder, const std::string& name,
                                                 std::uint64_t look) {
    Folder* watched = Find(folder);
    if (watched == nullptr || m_round != look + 1 || watched->watchedSince >= look ||
        watched->allTouched || watched->touched.contains(name)) {
        return nullptr;
    }
    return watched;
}

void OpenFileWatch::Settle(const fs::path& folder, const std::string& name, std::uint64_t look) {
    if (Folder* watched = Settleable(folder, name, look)) {
        watched->files[name] = FileState{};
    }
}

void OpenFileWatch::SettleWriting(const fs::path& folder, const std::string& name,
                                  std::uint64_t look, std::vector<pid_t> writers) {
    if (Folder* watched = Settleable(folder, name, look)) {
        FileState& state = watched->files[name];
        state = FileState{};
        state.writing = true;
        state.writers = std::move(writers);
    }
}

std::vector<pid_t> OpenFileWatch::WritersOfClosed() const {
    std::vector<pid_t> writers;
    for (const auto& [wd, folder] : m_folders) {
        writers.insert(writers.end(), folder.closedWriters.begin(), folder.closedWriters.end());
    }
    std::sort(writers.begin(), writers.end());
    writers.erase(std::unique(writers.begin(), writers.end()), writers.end());
    return writers;
}

void OpenFileWatch::OwnOpen(const fs::path& folder, const std::string& name) {
    if (Folder* watched = Find(folder)) {
        watched->ownOpens.insert(name);
    }
}

} // namespace zel::posix
