#pragma once
// The print grids of another process read as a user reads them. A list view answers only
// through memory of its own process, so the questions and answers travel through a buffer
// made there.

#include "winui/Win32Ui.h"

#include <string>

namespace zel::test {

class RemoteGrid final {
public:
    explicit RemoteGrid(HWND grid);
    ~RemoteGrid();
    RemoteGrid(const RemoteGrid&) = delete;
    RemoteGrid& operator=(const RemoteGrid&) = delete;

    [[nodiscard]] bool Readable() const { return m_buffer != nullptr; }
    // Rows as the string grid counts them: row 0 is the header, row 1 the first item.
    [[nodiscard]] std::wstring Cell(int column, int row) const;
    [[nodiscard]] int RowCount() const;

private:
    HWND m_grid;
    HANDLE m_process = nullptr;
    void* m_buffer = nullptr;
};

} // namespace zel::test
