#include "spool/JobGrid.h"

#include "text/CodePage1250.h"

#include <algorithm>
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
    m_rows.resize(static_cast<std::size_t>(std::max(rowCount, 1)));
    ++m_revision;
}

void JobGrid::SetRow(int row, JobRow cells) {
    m_rows.at(static_cast<std::size_t>(row)) = std::move(cells);
    ++m_revision;
}

void JobGrid::SetCell(int row, int column, std::string text) {
    m_rows.at(static_cast<std::size_t>(row)).at(static_cast<std::size_t>(column)) = std::move(text);
    ++m_revision;
}

void JobGrid::ClearCells(int row, int firstColumn, int lastColumn) {
    JobRow& cells = m_rows.at(static_cast<std::size_t>(row));
    for (int column = firstColumn; column <= lastColumn; ++column) {
        cells.at(static_cast<std::size_t>(column)).clear();
    }
    ++m_revision;
}

void JobGrid::SwapRows(int a, int b) {
    std::swap(m_rows.at(static_cast<std::size_t>(a)), m_rows.at(static_cast<std::size_t>(b)));
    ++m_revision;
}

} // namespace zel
