#include "winui/JobGridControl.h"

#include "panel/MainWindowDescription.h"
#include "text/WideText.h"

#include <algorithm>

namespace zel {
namespace {

constexpr int kRowHeight = 16;

LRESULT CALLBACK GridKeys(HWND window, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR /*id*/,
                          DWORD_PTR /*data*/) {
    if (message == WM_GETDLGCODE && lParam != 0) {
        // Escape in a grid does nothing: the main window must not see it as its cancel key.
        const auto* key = reinterpret_cast<const MSG*>(lParam);
        if (key->message == WM_KEYDOWN && key->wParam == VK_ESCAPE) {
            return DLGC_WANTMESSAGE | DefSubclassProc(window, message, wParam, lParam);
        }
    }
    if (message == WM_NOTIFY) {
        // The hidden columns stay hidden: their dividers cannot be dragged open.
        const auto* header = reinterpret_cast<const NMHEADERW*>(lParam);
        if ((header->hdr.code == HDN_BEGINTRACKW || header->hdr.code == HDN_DIVIDERDBLCLICKW) &&
            header->iItem >= kFirstHiddenJobColumn) {
            return TRUE;
        }
    }
    return DefSubclassProc(window, message, wParam, lParam);
}

} // namespace

JobGridControl::JobGridControl(const JobList& jobs, HWND parent, Bounds bounds, int id,
                               std::wstring_view name)
    : m_jobs(jobs), m_shown(1) {
    m_list =
        MakeControl(parent, WC_LISTVIEWW, name,
                    WS_TABSTOP | LVS_REPORT | LVS_SINGLESEL | LVS_SHOWSELALWAYS | LVS_NOSORTHEADER,
                    bounds, id, WS_EX_CLIENTEDGE);
    SendMessageW(m_list, LVM_SETEXTENDEDLISTVIEWSTYLE, 0, LVS_EX_FULLROWSELECT | LVS_EX_GRIDLINES);
    // Rows are as high as the small images are.
    m_rowHeight = ImageList_Create(1, kRowHeight - 1, ILC_COLOR, 1, 0);
    SendMessageW(m_list, LVM_SETIMAGELIST, LVSIL_SMALL, reinterpret_cast<LPARAM>(m_rowHeight));
    SetWindowSubclass(m_list, GridKeys, 0, 0);
    // The design widths; the hidden columns become zero wide with the first refresh.
    const auto widths = DescribedControl(JobListsDescription(), "StringGrid1").columnWidths;
    for (int column = 0; column < kJobColumns; ++column) {
        LVCOLUMNW header{};
        header.mask = LVCF_WIDTH | LVCF_TEXT;
        header.cx = widths[static_cast<std::size_t>(column)];
        header.pszText = const_cast<wchar_t*>(L"");
        SendMessageW(m_list, LVM_INSERTCOLUMNW, static_cast<WPARAM>(column),
                     reinterpret_cast<LPARAM>(&header));
    }
    // The designed second row, empty.
    InsertItem(0);
}

JobGridControl::~JobGridControl() {
    RemoveWindowSubclass(m_list, GridKeys, 0);
    DestroyWindow(m_list);
    ImageList_Destroy(m_rowHeight);
}

void JobGridControl::InsertItem(int item) {
    LVITEMW row{};
    row.mask = LVIF_TEXT;
    row.iItem = item;
    row.pszText = const_cast<wchar_t*>(L"");
    SendMessageW(m_list, LVM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(&row));
    m_shown.insert(m_shown.begin() + item + 1, ShownRow{});
}

void JobGridControl::SetItemText(int item, int column, const std::string& cp1250) {
    const std::wstring text = WideFromCp1250(cp1250);
    LVITEMW cell{};
    cell.iSubItem = column;
    cell.pszText = const_cast<wchar_t*>(text.c_str());
    SendMessageW(m_list, LVM_SETITEMTEXTW, static_cast<WPARAM>(item),
                 reinterpret_cast<LPARAM>(&cell));
}

bool JobGridControl::ShowsRowsFrom(std::size_t shownRow, int gridRow) const {
    const int gridRows = JobGridRowCount(m_jobs);
    if (shownRow >= m_shown.size() || gridRow >= gridRows) {
        return false;
    }
    const std::size_t count =
        std::min(m_shown.size() - shownRow, static_cast<std::size_t>(gridRows - gridRow));
    for (std::size_t i = 0; i < count; ++i) {
        for (int column = 0; column < kJobColumns; ++column) {
            if (m_shown[shownRow + i][static_cast<std::size_t>(column)] !=
                JobGridCell(m_jobs, gridRow + static_cast<int>(i), column)) {
                return false;
            }
        }
    }
    return true;
}

void JobGridControl::ShowHeaders() {
    for (int column = 0; column < kJobColumns; ++column) {
        const auto at = static_cast<std::size_t>(column);
        const std::string& caption = JobColumnHeader(column);
        const bool hidden = column >= kFirstHiddenJobColumn;
        if (m_shown[0][at] == caption && !hidden) {
            continue;
        }
        const std::wstring text = WideFromCp1250(caption);
        LVCOLUMNW header{};
        header.mask = LVCF_TEXT | (hidden ? LVCF_WIDTH : 0U);
        header.pszText = const_cast<wchar_t*>(text.c_str());
        header.cx = 0;
        SendMessageW(m_list, LVM_SETCOLUMNW, static_cast<WPARAM>(column),
                     reinterpret_cast<LPARAM>(&header));
        m_shown[0][at] = caption;
    }
}

void JobGridControl::FollowShift() {
    // A printed job leaves the top of the waiting list and enters the top of the finished
    // one: one item removed or added instead of every row rewritten.
    if (ShowsRowsFrom(2, 1) && !ShowsRowsFrom(1, 1)) {
        SendMessageW(m_list, LVM_DELETEITEM, 0, 0);
        m_shown.erase(m_shown.begin() + 1);
    } else if (ShowsRowsFrom(1, 2) && !ShowsRowsFrom(1, 1)) {
        InsertItem(0);
    }
}

void JobGridControl::Refresh() {
    if (m_shownRevision == m_jobs.Revision()) {
        return;
    }
    m_shownRevision = m_jobs.Revision();
    SendMessageW(m_list, WM_SETREDRAW, FALSE, 0);
    ShowHeaders();
    FollowShift();
    const auto rows = static_cast<std::size_t>(JobGridRowCount(m_jobs));
    while (m_shown.size() > rows) {
        SendMessageW(m_list, LVM_DELETEITEM, m_shown.size() - 2, 0);
        m_shown.pop_back();
    }
    while (m_shown.size() < rows) {
        InsertItem(static_cast<int>(m_shown.size()) - 1);
    }
    for (std::size_t row = 1; row < rows; ++row) {
        for (int column = 0; column < kJobColumns; ++column) {
            const std::string& cell = JobGridCell(m_jobs, static_cast<int>(row), column);
            std::string& shown = m_shown[row][static_cast<std::size_t>(column)];
            if (shown != cell) {
                SetItemText(static_cast<int>(row) - 1, column, cell);
                shown = cell;
            }
        }
    }
    SendMessageW(m_list, WM_SETREDRAW, TRUE, 0);
    InvalidateRect(m_list, nullptr, TRUE);
}

} // namespace zel
