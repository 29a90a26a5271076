#pragma once
// Who holds a spool folder's files open, learnt from inotify's open and close events, so
// that a spool tick in which nothing changed need not walk /proc. Events say neither who
// opened a file nor how, nothing about opens made before the watch began, and inotify
// merges an open with an identical one still unread, so opens cannot be counted: the watch
// answers "nobody holds it" only for a file /proc found free and that nothing has opened
// since, and "held for writing" only for a file /proc found so held and that nothing has
// closed since. Everything else is left to /proc.

#include <cstdint>
#include <filesystem>
#include <map>
#include <set>
#include <string>
#include <sys/types.h>
#include <vector>

namespace zel::posix {

class OpenFileWatch final {
public:
    enum class Holders {
        None,    // nobody holds the file open
        Writing, // somebody holds it open for writing
        Unknown, // the watch cannot tell
    };

    OpenFileWatch() = default;
    ~OpenFileWatch();
    OpenFileWatch(const OpenFileWatch&) = delete;
    OpenFileWatch& operator=(const OpenFileWatch&) = delete;

    // Takes in the events so far, and drops the watch of a folder that its path no longer
    // leads to.
    void CatchUp();
    // Call just before a look at /proc; Settle takes what it returns.
    [[nodiscard]] std::uint64_t BeginLook() { return ++m_round; }
    // What the events tell about name in folder (a native, resolved path); starts watching
    // the folder when it is not watched yet.
    [[nodiscard]] Holders HoldersOf(const std::filesystem::path& folder, const std::string& name);
    // The look at /proc begun at look found nobody holding the file. It stays free until it is
    // opened, provided the folder was watched before the look and the one CatchUp made since
    // saw no event of the file: then nothing opened or closed it while /proc was read.
    void Settle(const std::filesystem::path& folder, const std::string& name, std::uint64_t look);
    // The look at /proc begun at look found writers holding the file for writing, on the same
    // terms. It stays so until the file is closed: a close of one descriptor says nothing of
    // the others, so any close makes its state unknown again.
    void SettleWriting(const std::filesystem::path& folder, const std::string& name,
                       std::uint64_t look, std::vector<pid_t> writers);
    // The processes that held for writing the files whose close the last CatchUp saw: where
    // a new look at those files finds their writers first, when they still write.
    [[nodiscard]] std::vector<pid_t> WritersOfClosed() const;
    // This process has just opened and closed the file: the next CatchUp drops what it knows
    // of the file, whatever events of it are merged into this open's.
    void OwnOpen(const std::filesystem::path& folder, const std::string& name);

private:
    // Free, or held for writing by these and not closed since.
    struct FileState {
        bool writing = false;
        std::vector<pid_t> writers;
    };
    struct Folder {
        std::filesystem::path path;
        dev_t device = 0;
        ino_t inode = 0;
        std::uint64_t watchedSince = 0; // m_round when the watch began
        std::uint64_t lastUse = 0;
        // Files of unknown state are not here.
        std::map<std::string, FileState, std::less<>> files;
        // Names that had an event in the last CatchUp; all of them after an overflow.
        std::set<std::string, std::less<>> touched;
        bool allTouched = false;
        // Names this process opened since the last CatchUp.
        std::set<std::string, std::less<>> ownOpens;
        // The writers of the files held for writing that the last CatchUp saw closed.
        std::vector<pid_t> closedWriters;
    };

    [[nodiscard]] bool Open();
    Folder* Find(const std::filesystem::path& folder);
    Folder* Watch(const std::filesystem::path& folder);
    [[nodiscard]] Folder* Settleable(const std::filesystem::path& folder, const std::string& name,
                                     std::uint64_t look);
    void Forget(int wd);
    void ReadEvents();
    static void Apply(Folder& folder, std::uint32_t mask, const std::string& name);

    int m_fd = -1;
    bool m_failed = false;
    std::uint64_t m_round = 0;
    std::uint64_t m_uses = 0;
    std::map<int, Folder> m_folders; // by watch descriptor
    std::vector<char> m_buffer;
};

} // namespace zel::posix
