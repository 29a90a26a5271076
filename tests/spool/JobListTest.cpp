#include "spool/JobList.h"

#include <gtest/gtest.h>
#include <stdexcept>
#include <string>

namespace zel {
namespace {

JobRecord Named(const std::string& name) {
    return {.fileName = name + ".A17",
            .listName = name,
            .program = "",
            .printTime = "",
            .page = "",
            .band = ""};
}

// The windows redraw a list only when its revision moved: a change must move it, and setting
// what is already there must not.
TEST(JobList, OnlyAChangeMovesTheRevision) {
    JobList jobs;
    jobs.Resize(1);
    jobs.Set(0, Named("egy"));
    const std::uint64_t revision = jobs.Revision();
    jobs.Set(0, Named("egy"));
    jobs.Resize(1);
    EXPECT_EQ(jobs.Revision(), revision);

    JobRecord paged = Named("egy");
    paged.page = "3";
    jobs.Set(0, paged);
    EXPECT_GT(jobs.Revision(), revision);
    const std::uint64_t afterSet = jobs.Revision();
    jobs.Resize(2);
    EXPECT_GT(jobs.Revision(), afterSet);
    EXPECT_EQ(jobs.Jobs()[1], JobRecord{});
    const std::uint64_t afterResize = jobs.Revision();
    (void)jobs.Remove(1);
    EXPECT_GT(jobs.Revision(), afterResize);
    const std::uint64_t afterRemove = jobs.Revision();
    jobs.Insert(0, Named("ketto"));
    EXPECT_GT(jobs.Revision(), afterRemove);
}

TEST(JobList, JobsInsertedAndRemovedMoveTheOthers) {
    JobList jobs;
    jobs.Insert(0, Named("egy"));
    jobs.Insert(0, Named("ketto"));
    jobs.Insert(2, Named("harom"));
    ASSERT_EQ(jobs.Count(), 3u);
    EXPECT_EQ(jobs.Jobs()[0].listName, "ketto");
    EXPECT_EQ(jobs.Jobs()[1].listName, "egy");
    EXPECT_EQ(jobs.Jobs()[2].listName, "harom");

    EXPECT_EQ(jobs.Remove(0), Named("ketto"));
    ASSERT_EQ(jobs.Count(), 2u);
    EXPECT_EQ(jobs.Jobs()[0].listName, "egy");
    EXPECT_EQ(jobs.Jobs()[1].listName, "harom");

    const std::uint64_t revision = jobs.Revision();
    EXPECT_THROW(jobs.Insert(3, Named("x")), std::out_of_range);
    EXPECT_THROW((void)jobs.Remove(2), std::out_of_range);
    EXPECT_THROW(jobs.Set(2, Named("x")), std::out_of_range);
    EXPECT_EQ(jobs.Revision(), revision);
    EXPECT_EQ(jobs.Count(), 2u);
}

} // namespace
} // namespace zel
