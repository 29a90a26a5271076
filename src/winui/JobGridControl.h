#pragma once
// A job list of the spool shown as a native string grid, as spool/JobGrid.h lays it out: a
// list view in report mode whose header is the grid's fixed row 0 and whose items are rows 1
// to n, whole rows selected, the hidden columns zero wide. Cells are written only where the
// list has changed, so a tick over a long queue costs little.

#include "spool/JobGrid.h"
#include "winui/Controls.h"

#include <array>
#include <cstdint>
#include <limits>
#include <string>
#include <string_view>
#include <vector>

namespace zel {

class JobGridControl final {
public:
    // name is the grid's form name, its window text ("StringGrid1").
    JobGridControl(const JobList& jobs, HWND parent, Bounds bounds, int id, std::wstring_view name);
    ~JobGridControl();
    JobGridControl(const JobGridControl&) = delete;
    JobGridControl& operator=(const JobGridControl&) = delete;

    [[nodiscard]] HWND Handle() const { return m_list; }
    void Refresh();

private:
    using ShownRow = std::array<std::string, kJobColumns>;

    void ShowHeaders();
    // The shown rows from the given row on are the grid's from its given row on, as far as
    // both reach, and there is at least one such row.
    [[nodiscard]] bool ShowsRowsFrom(std::size_t shownRow, int gridRow) const;
    void FollowShift();
    void InsertItem(int item);
    void SetItemText(int item, int column, const std::string& cp1250);

    const JobList& m_jobs;
    HWND m_list = nullptr;
    HIMAGELIST m_rowHeight = nullptr;
    // What the control shows: row 0 the header, then one row per item.
    std::vector<ShownRow> m_shown;
    std::uint64_t m_shownRevision = std::numeric_limits<std::uint64_t>::max();
};

} // namespace zel
