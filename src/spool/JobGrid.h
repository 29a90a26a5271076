#pragma once
// The two job lists of the print tab as the spool cycle keeps them: string grids of seven
// columns whose row 0 holds the headers. The window shows a copy; the cycle works on this
// one, so it runs and is tested without a display.

#include <array>
#include <cstdint>
#include <string>
#include <vector>

namespace zel {

inline constexpr int kJobColumns = 7;
using JobRow = std::array<std::string, kJobColumns>;

enum JobColumn : int {
    kListNameColumn = 0,
    kProgramColumn = 1,
    kTimeColumn = 2,
    kPageColumn = 3,
    kBandColumn = 4,
    kSheetColumn = 5,
    kFileNameColumn = 6,
};

// Code page 1250 header texts, in column order.
const JobRow& JobColumnHeaders();

class JobGrid final {
public:
    explicit JobGrid(int rowCount);

    [[nodiscard]] int RowCount() const { return static_cast<int>(m_rows.size()); }
    // Rows that come back after a shrink come back empty.
    void SetRowCount(int rowCount);
    [[nodiscard]] const JobRow& Row(int row) const {
        return m_rows.at(static_cast<std::size_t>(row));
    }
    void SetRow(int row, const JobRow& cells);
    void SetRow(int row, JobRow&& cells);
    void SetCell(int row, int column, std::string text);
    void ClearCells(int row, int firstColumn, int lastColumn);
    void SwapRows(int a, int b);
    // Later rows move down or up by one.
    void InsertRow(int row, JobRow cells);
    void RemoveRow(int row);

    // Grows with every change, and only then, so that a view copies only what changed.
    [[nodiscard]] std::uint64_t Revision() const { return m_revision; }

private:
    std::vector<JobRow> m_rows;
    std::uint64_t m_revision = 0;
};

} // namespace zel
