// What the panel shows on the main window's controls.

#include "panel/MainWindowDescription.h"
#include "text/WideText.h"
#include "winui/MainWindow.h"

#include <commdlg.h>

namespace zel {

void MainWindow::FillDriveBox(int slot, const std::vector<std::string>& entries, int chosen) {
    const HWND box = MadeRow(slot).drive;
    if (box == nullptr) {
        return;
    }
    // Neither message below notifies: filling the box is no choice of the user's.
    SendMessageW(box, CB_RESETCONTENT, 0, 0);
    for (const std::string& entry : entries) {
        const std::wstring text = WideFromCp1250(entry);
        SendMessageW(box, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text.c_str()));
    }
    SendMessageW(box, CB_SETCURSEL, static_cast<WPARAM>(chosen), 0);
}

std::string MainWindow::DriveBoxText(int slot) const {
    const HWND box = MadeRow(slot).drive;
    return box == nullptr ? std::string{} : ControlText(box);
}

void MainWindow::SetRowState(int slot, bool rowEnabled, bool driveBoxEnabled) {
    const RowControls& row = MadeRow(slot);
    if (row.year == nullptr) {
        return;
    }
    EnableWindow(row.year, rowEnabled);
    EnableWindow(row.settings, rowEnabled);
    EnableWindow(row.drive, driveBoxEnabled);
    // Its colour follows: WM_CTLCOLOR* asks whether it is enabled.
    InvalidateRect(row.drive, nullptr, TRUE);
}

bool MainWindow::FloppyChosen() const {
    return SendMessageW(NDISKA(), BM_GETCHECK, 0, 0) == BST_CHECKED;
}

void MainWindow::SetInstallSource(bool floppy) {
    SendMessageW(NDISKA(), BM_SETCHECK, floppy ? BST_CHECKED : BST_UNCHECKED, 0);
    SendMessageW(NDISKC(), BM_SETCHECK, floppy ? BST_UNCHECKED : BST_CHECKED, 0);
}

void MainWindow::SetFloppyEnabled(bool enabled) {
    EnableWindow(NDISKA(), enabled);
}

void MainWindow::SetOtherPathEnabled(bool enabled) {
    for (const std::string_view name : kOtherPathControls) {
        EnableWindow(m_installBox[name], enabled);
    }
}

void MainWindow::SetInstallPath(std::string_view path) {
    SetControlText(NPATH(), path);
}

std::string MainWindow::BrowseForInstaller(std::string_view nativeFolder, std::string_view fileName,
                                           std::string_view filter) {
    const std::wstring description = WideFromCp1250(filter);
    std::wstring pattern = L"*.*";
    const auto open = description.rfind(L'(');
    const auto close = description.rfind(L')');
    if (open != std::wstring::npos && close != std::wstring::npos && close > open + 1) {
        pattern = description.substr(open + 1, close - open - 1);
    }
    const std::wstring filters = description + L'\0' + pattern + L'\0';
    const std::wstring folder = WideFromCp1250(nativeFolder);
    std::wstring chosen = WideFromCp1250(fileName);
    chosen.resize(MAX_PATH * 4, L'\0');

    OPENFILENAMEW dialog{};
    dialog.lStructSize = sizeof dialog;
    dialog.hwndOwner = Handle();
    dialog.lpstrFilter = filters.c_str();
    dialog.nFilterIndex = 1;
    dialog.lpstrFile = chosen.data();
    dialog.nMaxFile = static_cast<DWORD>(chosen.size());
    dialog.lpstrInitialDir = folder.empty() ? nullptr : folder.c_str();
    dialog.Flags = OFN_FILEMUSTEXIST | OFN_PATHMUSTEXIST | OFN_HIDEREADONLY | OFN_NOCHANGEDIR;
    if (!GetOpenFileNameW(&dialog)) {
        return {};
    }
    chosen.resize(chosen.find(L'\0'));
    return Cp1250FromWide(chosen);
}

bool MainWindow::WindowsPrintMode() const {
    return SendMessageW(m_printPage["edNyomWindows"], BM_GETCHECK, 0, 0) == BST_CHECKED;
}

void MainWindow::SetWindowsPrintMode(bool windows) {
    SendMessageW(m_printPage["edNyomWindows"], BM_SETCHECK, windows ? BST_CHECKED : BST_UNCHECKED,
                 0);
    SendMessageW(m_printPage["edNyomDos"], BM_SETCHECK, windows ? BST_UNCHECKED : BST_CHECKED, 0);
}

void MainWindow::SetPrintingEnabled(bool enabled) {
    m_printingEnabled = enabled;
    InvalidateRect(btNyomtat(), nullptr, TRUE);
    InvalidateRect(btMegszakit(), nullptr, TRUE);
}

ScreenArea MainWindow::Screen() {
    return {GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
}

void MainWindow::MoveWindow(int left, int top) {
    SetWindowPos(Handle(), nullptr, left, top, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void MainWindow::Repaint() {
    RedrawWindow(Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN);
}

void MainWindow::CloseWindow() {
    // Closing twice would write the configuration twice.
    if (m_closing) {
        return;
    }
    m_closing = true;
    KillTimer(Handle(), kTimer1);
    ShowWindow(Handle(), SW_HIDE);
    m_panel.Closed();
}

void MainWindow::EndProgram() {
    if (m_closed) {
        m_closed();
    }
}

} // namespace zel
