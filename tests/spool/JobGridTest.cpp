#include "spool/JobGrid.h"

#include <gtest/gtest.h>
#include <stdexcept>

namespace zel {
namespace {

JobRow Named(const std::string& name) {
    JobRow row;
    row[kListNameColumn] = name;
    row[kFileNameColumn] = name + ".A17";
    return row;
}

// The window copies a grid again only when its revision moved: a change must move it, and
// setting what is already there must not.
TEST(JobGrid, OnlyAChangeMovesTheRevision) {
    JobGrid grid(2);
    grid.SetRow(1, Named("egy"));
    const std::uint64_t revision = grid.Revision();
    grid.SetRow(1, Named("egy"));
    grid.SetRowCount(2);
    grid.SetCell(1, kListNameColumn, "egy");
    grid.ClearCells(1, kPageColumn, kSheetColumn);
    EXPECT_EQ(grid.Revision(), revision);

    grid.SetCell(1, kPageColumn, "3");
    EXPECT_GT(grid.Revision(), revision);
    const std::uint64_t afterCell = grid.Revision();
    grid.ClearCells(1, kPageColumn, kSheetColumn);
    EXPECT_GT(grid.Revision(), afterCell);
    EXPECT_EQ(grid.Row(1)[kPageColumn], "");
    const std::uint64_t afterClear = grid.Revision();
    grid.SetRowCount(3);
    EXPECT_GT(grid.Revision(), afterClear);
}

TEST(JobGrid, RowsInsertedAndRemovedMoveTheOthers) {
    JobGrid grid(1);
    grid.InsertRow(1, Named("egy"));
    grid.InsertRow(1, Named("ketto"));
    grid.InsertRow(3, Named("harom"));
    ASSERT_EQ(grid.RowCount(), 4);
    EXPECT_EQ(grid.Row(1)[kListNameColumn], "ketto");
    EXPECT_EQ(grid.Row(2)[kListNameColumn], "egy");
    EXPECT_EQ(grid.Row(3)[kListNameColumn], "harom");

    grid.RemoveRow(1);
    ASSERT_EQ(grid.RowCount(), 3);
    EXPECT_EQ(grid.Row(1)[kListNameColumn], "egy");
    EXPECT_EQ(grid.Row(2)[kListNameColumn], "harom");

    EXPECT_THROW(grid.InsertRow(5, Named("x")), std::out_of_range);
    EXPECT_THROW(grid.RemoveRow(3), std::out_of_range);
    EXPECT_THROW(grid.RemoveRow(-1), std::out_of_range);
    JobGrid single(1);
    single.RemoveRow(0);
    EXPECT_EQ(single.RowCount(), 1);
}

} // namespace
} // namespace zel
