#pragma once
// A job list of the spool shown in its string grid, as spool/JobGrid.h lays it out; cells are
// written only when the list has changed.

#include <cstdint>
#include <limits>

namespace zel {

class JobList;
class StringGrid;

class JobGridView final {
public:
    JobGridView(const JobList& jobs, StringGrid& table);

    void Refresh();

private:
    const JobList& m_jobs;
    StringGrid& m_table;
    std::uint64_t m_shownRevision = std::numeric_limits<std::uint64_t>::max();
};

} // namespace zel
