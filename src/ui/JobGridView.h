#pragma once
// A job list of the spool shown in its string grid, row for row: row 0 holds the column
// titles as the grid's fixed row, the hidden columns are zero wide, and cells are copied only
// when the list has changed.

#include <cstdint>
#include <limits>

class QTableWidget;

namespace zel {

class JobGrid;

class JobGridView final {
public:
    JobGridView(const JobGrid& grid, QTableWidget& table);

    void Refresh();

private:
    const JobGrid& m_grid;
    QTableWidget& m_table;
    std::uint64_t m_shownRevision = std::numeric_limits<std::uint64_t>::max();
};

} // namespace zel
