#include "ui/StringGrid.h"

#include <QHeaderView>

namespace zel {

StringGrid::StringGrid(int columns, int rows, QWidget* parent) : QTableWidget(parent) {
    setColumnCount(columns);
    horizontalHeader()->hide();
    verticalHeader()->hide();
    verticalHeader()->setMinimumSectionSize(1);
    verticalHeader()->setDefaultSectionSize(kRowHeight);
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setWordWrap(false);
    SetRowCount(rows);
}

QString StringGrid::Cell(int column, int row) const {
    const QTableWidgetItem* cell = item(row, column);
    return cell != nullptr ? cell->text() : QString();
}

void StringGrid::SetCell(int column, int row, const QString& text) {
    if (QTableWidgetItem* cell = item(row, column)) {
        cell->setText(text);
    }
}

void StringGrid::SetRowCount(int rows) {
    const int old = rowCount();
    setRowCount(std::max(rows, 1));
    for (int row = old; row < rowCount(); ++row) {
        for (int column = 0; column < columnCount(); ++column) {
            auto* cell = new QTableWidgetItem;
            if (row == 0) {
                // The fixed row looks like a header and takes no selection.
                cell->setFlags(Qt::ItemIsEnabled);
                cell->setBackground(palette().button());
            } else {
                cell->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
            }
            setItem(row, column, cell);
        }
    }
}

} // namespace zel
