#include "ui/JobGridView.h"

#include "spool/JobGrid.h"
#include "ui/QtText.h"

#include <QHeaderView>
#include <QTableWidget>

namespace zel {
namespace {

constexpr int kFirstHiddenColumn = kBandColumn;

void SetText(QTableWidget& table, int row, int column, const QString& text) {
    QTableWidgetItem* item = table.item(row, column);
    if (item == nullptr) {
        item = new QTableWidgetItem();
        // The column titles stand in the fixed first row, which takes no selection.
        item->setFlags(row == 0 ? Qt::ItemIsEnabled : Qt::ItemIsSelectable | Qt::ItemIsEnabled);
        table.setItem(row, column, item);
    }
    if (item->text() != text) {
        item->setText(text);
    }
}

} // namespace

JobGridView::JobGridView(const JobGrid& grid, QTableWidget& table) : m_grid(grid), m_table(table) {}

void JobGridView::Refresh() {
    if (m_shownRevision == m_grid.Revision()) {
        return;
    }
    m_shownRevision = m_grid.Revision();
    if (m_table.columnCount() != kJobColumns) {
        m_table.setColumnCount(kJobColumns);
    }
    m_table.horizontalHeader()->setMinimumSectionSize(0);
    for (int column = kFirstHiddenColumn; column < kJobColumns; ++column) {
        m_table.setColumnWidth(column, 0);
    }
    m_table.setRowCount(m_grid.RowCount());
    for (int row = 0; row < m_grid.RowCount(); ++row) {
        const JobRow& cells = m_grid.Row(row);
        for (int column = 0; column < kJobColumns; ++column) {
            SetText(m_table, row, column, FromCp1250(cells[static_cast<std::size_t>(column)]));
        }
    }
}

} // namespace zel
