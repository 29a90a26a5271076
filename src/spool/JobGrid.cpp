#include "spool/JobGrid.h"

#include "text/CodePage1250.h"

#include <algorithm>
#include <stdexcept>
#include <utility>

namespace zel {

const JobRow& JobColumnHeaders() {
    static const JobRow headers = {
        Utf8ToCp1250("Lista neve"), Utf8ToCp1250("Program"), Utf8ToCp1250("Nyomtatás időpontja"),
        Utf8ToCp1250("Oldal"),      Utf8ToCp1250("Sáv"),     Utf8ToCp1250("Lap"),
        Utf8ToCp1250("File név"),
    };
    return headers;
}

JobGrid::JobGrid(int rowCount) : m_rows(static_cast<std::size_t>(std::max(rowCount, 1))) {}

void JobGrid::SetRowCount(int rowCount) {
    const auto count = static_cast<std::size_t>(std::max(rowCount, 1));
    if (count != m_rows.size()) {
        m_rows.resize(count);
        ++m_revision;
    }
}

void JobGrid::SetRow(int row, const JobRow& cells) {
    JobRow& shown = m_rows.at(static_cast<std::size_t>(row));
    if (shown != cells) {
        shown = cells;
        ++m_revision;
    }
}

void JobGrid::SetRow(int row, JobRow&& cells) {
    JobRow& shown = m_rows.at(static_cast<std::size_t>(row));
    if (shown != cells) {
        shown = std::move(cells);
        ++m_revision;
    }
}

void JobGrid::SetCell(int row, int column, std::string text) {
    std::string& shown =
        m_rows.at(static_cast<std::size_t>(row)).at(static_cast<std::size_t>(column));
    if (shown != text) {
        shown = std::move(text);
        ++m_revision;
    }
}

void JobGrid::ClearCells(int row, int firstColumn, int lastColumn) {
    JobRow& cells = m_rows.at(static_cast<std::size_t>(row));
    for (int column = firstColumn; column <= lastColumn; ++column) {
        std::string& cell = cells.at(static_cast<std::size_t>(column));
        if (!cell.empty()) {
            cell.clear();
            ++m_revision;
        }
    }
}

void JobGrid::SwapRows(int a, int b) {
    std::swap(m_rows.at(static_cast<std::size_t>(a)), m_rows.at(static_cast<std::size_t>(b)));
    ++m_revision;
}

void JobGrid::InsertRow(int row, JobRow cells) {
    if (row < 0 || row > RowCount()) {
        throw std::out_of_range("JobGrid::InsertRow");
    }
    m_rows.insert(m_rows.begin() + row, std::move(cells));
    ++m_revision;
}

void JobGrid::RemoveRow(int row) {
    if (row < 0 || row >= RowCount()) {
        throw std::out_of_range("JobGrid::RemoveRow");
    }
    // A grid keeps one row, as SetRowCount keeps it.
    if (m_rows.size() > 1) {
        m_rows.erase(m_rows.begin() + row);
        ++m_revision;
    }
}

} // namespace zel
