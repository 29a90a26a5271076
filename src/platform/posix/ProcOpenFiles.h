#pragma once
// What the processes of this machine hold open, read from /proc/PID/fd: the regular files,
// each with whether any process holds it for writing and which ones do. Linux has no share
// modes; this is what stands in for them.

#include <cstdint>
#include <functional>
#include <span>
#include <sys/types.h>
#include <unordered_map>
#include <vector>

namespace zel::posix {

struct FileId {
    dev_t device = 0;
    ino_t inode = 0;
    friend bool operator==(const FileId&, const FileId&) = default;
};

class ProcOpenFiles final {
public:
    // Every process.
    ProcOpenFiles();
    // Only these: a file found held among them is held, one not found may still be.
    explicit ProcOpenFiles(std::span<const pid_t> processes);

    [[nodiscard]] bool HeldOpen(const FileId& id) const { return m_held.contains(id); }
    [[nodiscard]] bool HeldForWriting(const FileId& id) const;
    // The processes found holding the file for writing.
    [[nodiscard]] std::vector<pid_t> WritersOf(const FileId& id) const;

private:
    struct FileIdHash {
        std::size_t operator()(const FileId& id) const noexcept {
            return std::hash<std::uint64_t>{}(static_cast<std::uint64_t>(id.inode) * 31 +
                                              static_cast<std::uint64_t>(id.device));
        }
    };
    struct Holders {
        bool writing = false;
        std::vector<pid_t> writers;
    };

    void AddProcess(int proc, const char* pid);

    std::unordered_map<FileId, Holders, FileIdHash> m_held;
};

} // namespace zel::posix
