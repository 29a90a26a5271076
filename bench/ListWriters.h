#pragma once
// Accounting programs at work for the benchmarks: processes that each create a share of the
// spool folder's lists, write a first page and keep them open for writing until they are let
// go, or until the benchmark dies.

#include <filesystem>
#include <string>
#include <sys/types.h>
#include <vector>

namespace zel::bench {

class ListWriters final {
public:
    // One process for each listsPerWriter of the names, all in folder.
    ListWriters(const std::filesystem::path& folder, const std::vector<std::string>& names,
                const std::string& firstPage, int listsPerWriter);
    ~ListWriters();
    ListWriters(const ListWriters&) = delete;
    ListWriters& operator=(const ListWriters&) = delete;

    // False when a writer could not be started or could not open its lists.
    [[nodiscard]] bool Writing() const { return m_writing; }

private:
    int m_release = -1;
    bool m_writing = true;
    std::vector<pid_t> m_writers;
};

} // namespace zel::bench
