#include "panel/RowPages.h"

#include "catalogue/ProgramSlot.h"

#include <gtest/gtest.h>

namespace zel {
namespace {

// Both faces make a row page when a row on it is asked for: every slot has exactly one.
TEST(RowPages, EverySlotIsOnThePageOfItsYearAndNoOtherNumberIsOnAny) {
    EXPECT_EQ(RowPageOf(1), 2u);  // A 1996
    EXPECT_EQ(RowPageOf(20), 2u); // B 2005
    EXPECT_EQ(RowPageOf(21), 1u); // A 2006
    EXPECT_EQ(RowPageOf(42), 1u); // B 2016
    EXPECT_EQ(RowPageOf(43), 0u); // A 2017
    EXPECT_EQ(RowPageOf(kSlotCount), 0u);
    for (const int slot : {0, -1, kSlotCount + 1}) {
        EXPECT_EQ(RowPageOf(slot), kRowPageYears.size()) << slot;
    }
}

} // namespace
} // namespace zel
