#include "spool/JobGrid.h"

#include "text/CodePage1250.h"

#include <gtest/gtest.h>
#include <stdexcept>

namespace zel {
namespace {

JobRecord Full(const std::string& name) {
    return {.fileName = name + ".A17",
            .listName = name,
            .program = "2017. \xE9v",
            .printTime = "2017.03.09.",
            .page = "4",
            .band = "2"};
}

TEST(JobGrid, AnEmptyListShowsTheHeadersAndOneEmptyRow) {
    const JobList jobs;
    ASSERT_EQ(JobGridRowCount(jobs), 2);
    for (int column = 0; column < kJobColumns; ++column) {
        EXPECT_EQ(JobGridCell(jobs, 1, column), "") << column;
    }
    EXPECT_EQ(JobColumnHeader(kListNameColumn), "Lista neve");
    EXPECT_EQ(JobColumnHeader(kTimeColumn), Utf8ToCp1250("Nyomtatás időpontja"));
    EXPECT_EQ(JobColumnHeader(kFileNameColumn), Utf8ToCp1250("File név"));
    EXPECT_THROW((void)JobGridCell(jobs, 2, 0), std::out_of_range);
    EXPECT_THROW((void)JobGridCell(jobs, 0, 0), std::out_of_range);
    EXPECT_THROW((void)JobGridCell(jobs, 1, kJobColumns), std::out_of_range);
}

TEST(JobGrid, EachJobIsARowInTheListsOrder) {
    JobList jobs;
    jobs.Insert(0, Full("masodik"));
    jobs.Insert(0, Full("elso"));
    ASSERT_EQ(JobGridRowCount(jobs), 3);
    const std::vector<std::string> row = {"elso", "2017. \xE9v", "2017.03.09.", "4", "2",
                                          "",     "elso.A17"};
    for (int column = 0; column < kJobColumns; ++column) {
        EXPECT_EQ(JobGridCell(jobs, 1, column), row[static_cast<std::size_t>(column)]) << column;
    }
    EXPECT_EQ(JobGridCell(jobs, 2, kFileNameColumn), "masodik.A17");
    EXPECT_THROW((void)JobGridCell(jobs, 3, 0), std::out_of_range);
    EXPECT_THROW((void)JobGridCell(jobs, 1, -1), std::out_of_range);
}

} // namespace
} // namespace zel
