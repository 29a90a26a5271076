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
        for (char drive : {'C', 'D', 'E'}) {
            catalogue.SetStartParams(kSlot, drive, "OLD");
        }
    }

    std::string Store(std::string_view text, bool everyDrive) {
        return StoreStartParams(
            catalogue, {kSlot, 'D', std::string(text), everyDrive, {"C: [SYSTEM]", "D: [ADAT]"}});
    }

    std::string Params(char drive) { return std::string(catalogue.StartParams(kSlot, drive)); }

    ProgramCatalogue catalogue;
};

TEST_F(StartParamStoreTest, PastedLineBreaksAreNotStored) {
    EXPECT_EQ(Store("/r\r\n/x\tb", true), "/R/XB");
    EXPECT_EQ(Params('C'), "/R/XB");
    EXPECT_EQ(Params('D'), "/R/XB");
}

TEST_F(StartParamStoreTest, ShownDriveAloneOrEveryListedDrive) {
    EXPECT_EQ(Store("/r ab", false), "/R AB");
    EXPECT_EQ(Params('D'), "/R AB");
    EXPECT_EQ(Params('C'), "OLD");

    Store("/x", true);
    EXPECT_EQ(Params('C'), "/X");
    EXPECT_EQ(Params('D'), "/X");
    EXPECT_EQ(Params('E'), "OLD");

    Store("", true);
    EXPECT_EQ(Params('C'), "");
    EXPECT_EQ(Params('D'), "");
    EXPECT_EQ(Params('E'), "OLD");
}

TEST_F(StartParamStoreTest, OnlyAToZChangeCaseAndTheTableKeepsSixty) {
    EXPECT_EQ(Store(Utf8ToCp1250("/á ő ß z{} 9"), false), Utf8ToCp1250("/á ő ß Z{} 9"));
    EXPECT_EQ(Params('D'), Utf8ToCp1250("/á ő ß Z{} 9"));

    EXPECT_EQ(Store(std::string(70, 'p') + "12345", true), std::string(70, 'P') + "12345");
    EXPECT_EQ(Params('D'), std::string(60, 'P'));
    EXPECT_EQ(Params('C'), std::string(60, 'P'));
}

TEST(StartParamStoreNoDriveTest, CharacterThatIsNoDriveLetterStoresNothing) {
    ProgramCatalogue catalogue;
    catalogue.Fill();
    for (char shown : {kNoDrive, 'd', '\0', '['}) {
        StoreStartParams(catalogue, {kSlot, shown, "x", true, {"", "c: [SYSTEM]", "@"}});
    }
    for (char drive = 'A'; drive <= 'Z'; ++drive) {
        EXPECT_EQ(catalogue.StartParams(kSlot, drive), "") << drive;
    }
}

} // namespace
} // namespace zel
