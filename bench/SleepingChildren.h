#pragma once
// A busy machine for the benchmarks: processes asleep on one pipe, each holding a few files
// open, as the office's other programs do. They end when the pipe's writing end closes,
// which happens too when the benchmark dies.

#include <cstdint>
#include <filesystem>
#include <sys/types.h>
#include <vector>

namespace zel::bench {

class SleepingChildren final {
public:
    SleepingChildren(std::filesystem::path busyFile, int filesPerChild);
    ~SleepingChildren();
    SleepingChildren(const SleepingChildren&) = delete;
    SleepingChildren& operator=(const SleepingChildren&) = delete;

    // False when the machine would not give that many.
    [[nodiscard]] bool Resize(std::int64_t count);

private:
    [[noreturn]] void Sleep();

    std::filesystem::path m_busyFile;
    int m_filesPerChild;
    int m_pipe[2] = {-1, -1};
    std::vector<pid_t> m_children;
};

} // namespace zel::bench
