#include "settings/StartParamStore.h"

#include "text/CodePage1250.h"

#include <gtest/gtest.h>

namespace zel {
namespace {

constexpr int kSlot = 16;

class StartParamStoreTest : public ::testing::Test {
protected:
    StartParamStoreTest() {
        catalogue.Fill();
        catalogue.SetDriveLetter(kSlot, 'D');
        for (char drive : {'C', 'D', 'E'}) {
            catalogue.SetStartParams(kSlot, drive, "OLD");
        }
    }

    std::string Store(std::string_view text, bool everyDrive) {
        return StoreStartParams(
            catalogue, {kSlot, 'D', std::string(text), everyDrive, {"C: [SYSTEM]", "D: [ADAT]"}});
    }

    ProgramCatalogue catalogue;
};

TEST_F(StartParamStoreTest, OnlyTheShownDriveWithoutTheCheckBox) {
    EXPECT_EQ(Store("/r ab", false), "/R AB");
    EXPECT_EQ(catalogue.StartParams(kSlot, 'D'), "/R AB");
    EXPECT_EQ(catalogue.StartParams(kSlot, 'C'), "OLD");
    EXPECT_EQ(catalogue.StartParams(kSlot, 'E'), "OLD");
}

TEST_F(StartParamStoreTest, EveryListedDriveWithTheCheckBoxAndNoOther) {
    Store("/r ab", true);
    EXPECT_EQ(catalogue.StartParams(kSlot, 'C'), "/R AB");
    EXPECT_EQ(catalogue.StartParams(kSlot, 'D'), "/R AB");
    EXPECT_EQ(catalogue.StartParams(kSlot, 'E'), "OLD");
    EXPECT_EQ(catalogue.StartParams(kSlot - 1, 'C'), "");

    Store("", true);
    EXPECT_EQ(catalogue.StartParams(kSlot, 'C'), "");
    EXPECT_EQ(catalogue.StartParams(kSlot, 'D'), "");
    EXPECT_EQ(catalogue.StartParams(kSlot, 'E'), "OLD");
}

TEST_F(StartParamStoreTest, OnlyAToZChangeCase) {
    const std::string typed = Utf8ToCp1250("/á ő ß z{} 9");
    EXPECT_EQ(Store(typed, false), Utf8ToCp1250("/á ő ß Z{} 9"));
    EXPECT_EQ(catalogue.StartParams(kSlot, 'D'), Utf8ToCp1250("/á ő ß Z{} 9"));
}

TEST_F(StartParamStoreTest, LongTextKeepsItsFirstSixtyCharactersInTheTable) {
    const std::string typed = std::string(70, 'p') + "12345";
    const std::string shown = Store(typed, true);
    EXPECT_EQ(shown, std::string(70, 'P') + "12345");
    EXPECT_EQ(catalogue.StartParams(kSlot, 'D'), std::string(60, 'P'));
    EXPECT_EQ(catalogue.StartParams(kSlot, 'C'), std::string(60, 'P'));
}

TEST_F(StartParamStoreTest, NoDriveLetterStoresNothing) {
    ProgramCatalogue fresh;
    fresh.Fill();
    for (char shown : {kNoDrive, 'd', '\0', '['}) {
        EXPECT_EQ(StoreStartParams(fresh, {kSlot, shown, "x", true, {"", "c: [SYSTEM]", "@"}}),
                  "X");
    }
    for (char drive = 'A'; drive <= 'Z'; ++drive) {
        EXPECT_EQ(fresh.StartParams(kSlot, drive), "") << drive;
    }
}

} // namespace
} // namespace zel
