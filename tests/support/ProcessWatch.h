#pragma once
// Looking at the processes a test started, which the launcher never sees again: they are
// found by a mark in their environment, which every descendant inherits.

#include <filesystem>
#include <functional>
#include <string>
#include <sys/types.h>
#include <vector>

namespace zel::test {

class ProcessMark final {
public:
    // Sets a fresh mark in this process's environment for everything started from now on.
    ProcessMark();
    // Ends every marked process.
    ~ProcessMark();
    ProcessMark(const ProcessMark&) = delete;
    ProcessMark& operator=(const ProcessMark&) = delete;

    [[nodiscard]] std::vector<pid_t> Marked() const;
    void KillAll() const;

private:
    std::string m_entry;
};

// Processes that hold the file open, by device and inode.
std::vector<pid_t> Holders(const std::filesystem::path& file);
std::vector<pid_t> ChildrenOf(pid_t parent);

// Polls until the condition holds or the time is up; the answer is the condition's last.
bool WaitUntil(const std::function<bool()>& condition, int seconds);

} // namespace zel::test
