#include "launch/DriveChoice.h"

#include <gtest/gtest.h>
#include <vector>

namespace zel {
namespace {

constexpr int kSlotA17 = 43;

TEST(DriveChoice, EveryRowWithEntriesTakesTheFirstCharacterOfItsText) {
    ProgramCatalogue catalogue;
    catalogue.Fill();
    catalogue.SetDriveLetter(1, 'C');
    std::vector<DriveBoxState> rows(kSlotCount + 1, DriveBoxState{0, "F:"});
    rows[kSlotA17 - 1] = {2, "D: [DATA]"};
    rows[2 - 1] = {1, "[:"};
    rows[kSlotCount] = {1, "Q:"}; // no such slot

    TakeDriveChoices(catalogue, rows);
    EXPECT_EQ(catalogue.ExecutablePath(kSlotA17), "D:\\ZELKONYV.217\\A2017.EXE");
    EXPECT_EQ(catalogue.DriveLetter(2), '[');
    EXPECT_EQ(catalogue.DriveLetter(1), 'C');
    EXPECT_EQ(catalogue.DriveLetter(60), '0');

    // Typing changes the letter at once, unchanged in case; clearing the text keeps it.
    rows[kSlotA17 - 1] = {2, "x"};
    TakeDriveChoices(catalogue, rows);
    EXPECT_EQ(catalogue.DriveLetter(kSlotA17), 'x');
    rows[kSlotA17 - 1] = {2, ""};
    TakeDriveChoices(catalogue, rows);
    EXPECT_EQ(catalogue.DriveLetter(kSlotA17), 'x');
}

} // namespace
} // namespace zel
