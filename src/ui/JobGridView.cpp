#include "ui/JobGridView.h"

#include "spool/JobGrid.h"
#include "ui/QtText.h"
#include "ui/StringGrid.h"

#include <QHeaderView>

namespace zel {
namespace {

constexpr int kFirstHiddenColumn = kBandColumn;

} // namespace

JobGridView::JobGridView(const JobGrid& grid, StringGrid& table) : m_grid(grid), m_table(table) {}

void JobGridView::Refresh() {
    if (m_shownRevision == m_grid.Revision()) {
        return;
    }
    m_shownRevision = m_grid.Revision();
    m_table.horizontalHeader()->setMinimumSectionSize(0);
    for (int column = kFirstHiddenColumn; column < kJobColumns; ++column) {
        m_table.setColumnWidth(column, 0);
    }
    m_table.SetRowCount(m_grid.RowCount());
    for (int row = 0; row < m_grid.RowCount(); ++row) {
        const JobRow& cells = m_grid.Row(row);
        for (int column = 0; column < kJobColumns; ++column) {
            const QString text = FromCp1250(cells[static_cast<std::size_t>(column)]);
            if (m_table.Cell(column, row) != text) {
                m_table.SetCell(column, row, text);
            }
        }
    }
}

} // namespace zel
