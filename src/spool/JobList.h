#pragma once
// A list of job records as the spool keeps its waiting and its printed jobs. Each change
// moves the list's revision, and only a change does, so that a window redraws a list only
// when it changed and a tick that finds the same lists costs the windows nothing.

#include "spool/JobRecord.h"

#include <cstddef>
#include <cstdint>
#include <vector>

namespace zel {

class JobList final {
public:
    [[nodiscard]] const std::vector<JobRecord>& Jobs() const { return m_jobs; }
    [[nodiscard]] std::size_t Count() const { return m_jobs.size(); }
    [[nodiscard]] std::uint64_t Revision() const { return m_revision; }

    // Jobs that come back after a shrink come back empty.
    void Resize(std::size_t count);
    void Set(std::size_t at, const JobRecord& job);
    // Later jobs move down or up by one.
    void Insert(std::size_t at, JobRecord job);
    [[nodiscard]] JobRecord Remove(std::size_t at);

private:
    std::vector<JobRecord> m_jobs;
    std::uint64_t m_revision = 0;
};

} // namespace zel
