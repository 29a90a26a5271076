#pragma once
// A job list of the spool shown in its string grid, row for row: row 0 is the grid's fixed
// header row, the hidden columns are zero wide, and cells are copied only when the list has
// changed.

#include <cstdint>
#include <limits>

namespace zel {

class JobGrid;
class StringGrid;

class JobGridView final {
public:
    JobGridView(const JobGrid& grid, StringGrid& table);

    void Refresh();

private:
    const JobGrid& m_grid;
    StringGrid& m_table;
    std::uint64_t m_shownRevision = std::numeric_limits<std::uint64_t>::max();
};

} // namespace zel
