#pragma once
// Who holds a spool folder's files open, learnt from inotify's open and close events, so
// that a spool tick in which nothing changed need not walk /proc. Events say neither who
// opened a file nor how, and nothing about opens made before the watch began: the watch
// answers only "nobody holds it", and only for a file whose every open and close it has seen
// since a moment when nobody held it. Everything else is left to the /proc pass.

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
        Some,    // somebody does; /proc tells who and how
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
    // The look at /proc begun at look found nobody holding the file. From now on its opens
    // are counted, provided the folder was watched before the look and the one CatchUp made
    // since saw no event of the file: then nothing opened or closed it while /proc was read.
    void Settle(const std::filesystem::path& folder, const std::string& name, std::uint64_t look);
    // This process has just opened and closed the file. inotify merges an open with an
    // identical one still unread, so no count that takes in this open can be trusted: the
    // next CatchUp drops what it knows of the file.
    void OwnOpen(const std::filesystem::path& folder, const std::string& name);

private:
    struct FileState {
        int opens = 0;
        // The opens have been counted from a moment when nobody held the file.
        bool counted = false;
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
    };

    [[nodiscard]] bool Open();
    Folder* Find(const std::filesystem::path& folder);
    Folder* Watch(const std::filesystem::path& folder);
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
