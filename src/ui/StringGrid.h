#pragma once
// A read-only text grid addressed as the print lists were written: cell (column, row), row 0
// the fixed header row, the rows below it the lines of the list.

#include <QTableWidget>

namespace zel {

class StringGrid final : public QTableWidget {
    Q_OBJECT

public:
    static constexpr int kRowHeight = 16;

    StringGrid(int columns, int rows, QWidget* parent = nullptr);

    [[nodiscard]] QString Cell(int column, int row) const;
    void SetCell(int column, int row, const QString& text);
    // Keeps the fixed row; new rows are empty.
    void SetRowCount(int rows);
};

} // namespace zel
