#include "RemoteGrid.h"

#include "LauncherProcess.h"

namespace zel::test {
namespace {

constexpr int kTextLength = 256;

struct CellBuffer {
    LVITEMW cell;
    wchar_t text[kTextLength];
};

} // namespace

RemoteGrid::RemoteGrid(HWND grid) : m_grid(grid) {
    DWORD processId = 0;
    GetWindowThreadProcessId(grid, &processId);
    m_process =
        OpenProcess(PROCESS_VM_OPERATION | PROCESS_VM_READ | PROCESS_VM_WRITE, FALSE, processId);
    if (m_process != nullptr) {
        m_buffer = VirtualAllocEx(m_process, nullptr, sizeof(CellBuffer), MEM_COMMIT | MEM_RESERVE,
                                  PAGE_READWRITE);
    }
}

RemoteGrid::~RemoteGrid() {
    if (m_buffer != nullptr) {
        VirtualFreeEx(m_process, m_buffer, 0, MEM_RELEASE);
    }
    if (m_process != nullptr) {
        CloseHandle(m_process);
    }
}

std::wstring RemoteGrid::Cell(int column, int row) const {
    if (m_buffer == nullptr) {
        return {};
    }
    auto* remote = static_cast<CellBuffer*>(m_buffer);
    CellBuffer local{};
    local.cell.iSubItem = column;
    local.cell.pszText = remote->text;
    local.cell.cchTextMax = kTextLength;
    DWORD_PTR length = 0;
    if (!WriteProcessMemory(m_process, remote, &local, sizeof local, nullptr) ||
        !SendMessageTimeoutW(m_grid, LVM_GETITEMTEXTW, static_cast<WPARAM>(row - 1),
                             reinterpret_cast<LPARAM>(&remote->cell), SMTO_ABORTIFHUNG,
                             kProcessLimit, &length) ||
        !ReadProcessMemory(m_process, remote->text, local.text, sizeof local.text, nullptr)) {
        return {};
    }
    return {local.text, length < kTextLength ? length : kTextLength - 1};
}

int RemoteGrid::RowCount() const {
    DWORD_PTR items = 0;
    SendMessageTimeoutW(m_grid, LVM_GETITEMCOUNT, 0, 0, SMTO_ABORTIFHUNG, kProcessLimit, &items);
    return static_cast<int>(items) + 1;
}

} // namespace zel::test
