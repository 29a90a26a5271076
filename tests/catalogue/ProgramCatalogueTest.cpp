#include "catalogue/ProgramCatalogue.h"

#include <gtest/gtest.h>

namespace zel {
namespace {

class CatalogueTest : public ::testing::Test {
protected:
    CatalogueTest() { catalogue.Fill(); }
    ProgramCatalogue catalogue;
};

TEST_F(CatalogueTest, TellingRowsHoldTheirFixedValues) {
    struct Row {
        int slot;
        const char* name;
        const char* directory;
        const char* exe;
        const char* marker;
    };
    const Row rows[] = {
        {1, "A96", "0:\\VORMAK.96", "A96.EXE", "VORMAK96.019"},
        {2, "B96", "0:\\BER.96", "B96.EXE", "BER96.019"},
        {3, "A97", "0:\\ZELKONYV.97", "A97.EXE", "ZELKOR97.019"},
        {4, "B97", "0:\\ZELBER.97", "B97.EXE", "BER97.019"},
        {7, "A99", "0:\\ZELKONYV.99", "A99.EXE", "ZELKOR99.019"},
        {9, "A00", "0:\\ZELKONYV.200", "A2000.EXE", "ZEL2000.019"},
        {10, "B00", "0:\\ZELBER.200", "B2000.EXE", "BER2000.019"},
        {16, "B03", "0:\\ZELBER.203", "B2003.EXE", "BER2003.019"},
        {43, "A17", "0:\\ZELKONYV.217", "A2017.EXE", "ZEL2017.019"},
        {59, "A25", "0:\\ZELKONYV.225", "A2025.EXE", "ZEL2025.019"},
        {60, "B25", "0:\\ZELBER.225", "B2025.EXE", "BER2025.019"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        EXPECT_EQ(RowName(row.slot), row.name);
        EXPECT_EQ(SlotOfRowName(row.name), row.slot);
        const ProgramSlot& slot = catalogue.Slot(row.slot);
        EXPECT_EQ(slot.directory, row.directory);
        EXPECT_EQ(slot.exeName, row.exe);
        EXPECT_EQ(slot.markerFile, row.marker);
    }
    EXPECT_EQ(SlotOfRowName("A95"), 0);
    EXPECT_EQ(SlotOfRowName("a17"), 0);
}

TEST_F(CatalogueTest, DerivedNames) {
    EXPECT_EQ(catalogue.ExecutablePath(3), "0:\\ZELKONYV.97\\A97.EXE");
    catalogue.SetDriveLetter(3, 'C');
    EXPECT_EQ(catalogue.ExecutablePath(3), "C:\\ZELKONYV.97\\A97.EXE");
    EXPECT_EQ(catalogue.ProgramInformationPath(3), "C:\\ZELKONYV.97\\A97.PIF");
    EXPECT_EQ(catalogue.DataLockPath(3), "C:\\ZELKONYV.97\\DATA\\ZELKOR97.001");
    catalogue.SetDriveLetter(2, 'D');
    EXPECT_EQ(catalogue.DataLockPath(2), "D:\\BER.96\\DATA\\BER96.004");
    catalogue.SetDriveLetter(9, 'E');
    EXPECT_EQ(catalogue.DataLockPath(9), "E:\\ZELKONYV.200\\DATA\\ZEL2000.001");
    EXPECT_EQ(catalogue.ExecutablePathOn(9, 'F'), "F:\\ZELKONYV.200\\A2000.EXE");
    EXPECT_EQ(catalogue.DriveLetter(9), 'E');
    // A reused string keeps nothing of the longer path it held before.
    std::string path = catalogue.ExecutablePathOn(9, 'F');
    catalogue.ExecutablePathOn(2, 'G', path);
    EXPECT_EQ(path, "G:\\BER.96\\B96.EXE");
}

TEST_F(CatalogueTest, StartParamsAreCutAndNeverIndexedByANonLetter) {
    catalogue.SetStartParams(5, 'C', std::string(61, 'p'));
    EXPECT_EQ(catalogue.StartParams(5, 'C').size(), 60u);
    catalogue.SetStartParams(5, '0', "ignored");
    catalogue.SetStartParams(5, 'c', "ignored");
    catalogue.SetStartParams(5, '[', "ignored");
    EXPECT_EQ(catalogue.StartParams(5, '0'), "");
    EXPECT_EQ(catalogue.StartParams(5, 'c'), "");
    for (char letter = 'A'; letter <= 'Z'; ++letter) {
        if (letter != 'C') {
            EXPECT_EQ(catalogue.StartParams(5, letter), "") << letter;
        }
    }
}

} // namespace
} // namespace zel
