#pragma once
// The printer behind the raw test queue: an AppSocket printer on this machine's port 9917
// that keeps every job CUPS sends it, one connection a job.

#include <mutex>
#include <string>
#include <thread>
#include <vector>

namespace zel::test {

inline constexpr const char* kRawQueue = "ZelkorRaw";

class SocketPrinter final {
public:
    SocketPrinter();
    ~SocketPrinter();
    SocketPrinter(const SocketPrinter&) = delete;
    SocketPrinter& operator=(const SocketPrinter&) = delete;

    [[nodiscard]] bool Listening() const { return m_listener >= 0; }
    [[nodiscard]] std::vector<std::string> Jobs() const;
    // Waits until that many jobs have come; the answer is whether they did.
    [[nodiscard]] bool WaitForJobs(std::size_t count, int seconds) const;

private:
    void Serve();

    int m_listener = -1;
    int m_stop[2] = {-1, -1};
    mutable std::mutex m_mutex;
    std::vector<std::string> m_jobs;
    std::thread m_thread;
};

// Jobs an earlier run left in the raw queue would reach this run's printer first.
void CancelRawQueueJobs();

} // namespace zel::test
