#pragma once
// How a list of jobs shows in a string grid of the print tab, one rule for both systems:
// seven columns whose fixed row 0 holds the headers, a row per job below it in the list's
// order, and one empty row when the list is empty. The last three columns are hidden.

#include "spool/JobList.h"

#include <string>

namespace zel {

inline constexpr int kJobColumns = 7;

enum JobColumn : int {
    kListNameColumn = 0,
    kProgramColumn = 1,
    kTimeColumn = 2,
    kPageColumn = 3,
    kBandColumn = 4,
    kSheetColumn = 5,
    kFileNameColumn = 6,
};

// From this column on the columns are zero wide.
inline constexpr int kFirstHiddenJobColumn = kBandColumn;

// Code page 1250.
[[nodiscard]] const std::string& JobColumnHeader(int column);
// The rows of the grid, its header row included.
[[nodiscard]] int JobGridRowCount(const JobList& jobs);
// A cell below the header row, code page 1250: row 1 shows the first job.
[[nodiscard]] const std::string& JobGridCell(const JobList& jobs, int row, int column);

} // namespace zel
