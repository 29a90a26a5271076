#include "platform/posix/PifReader.h"

#include "launch/ProgramInformationFile.h"

#include <gtest/gtest.h>

namespace zel::posix {
namespace {

TEST(PifReader, ReadsBackWhatTheLauncherWrites) {
    const auto pif =
        ReadPif(ComposeProgramInformation({"A97.EXE", "C:\\ZELKONYV.97\\A97.EXE", "C:\\ZELKONYV.97",
                                           " SERVER PRN:C:\\ZELKOR\\Printing"}));
    ASSERT_TRUE(pif);
    EXPECT_EQ(pif->title, "A97.EXE");
    EXPECT_EQ(pif->program, "C:\\ZELKONYV.97\\A97.EXE");
    EXPECT_EQ(pif->workingDirectory, "C:\\ZELKONYV.97");
    EXPECT_EQ(pif->parameters, " SERVER PRN:C:\\ZELKOR\\Printing");
}

TEST(PifReader, KeepsTheFieldsAsLongAsTheyWereWritten) {
    const std::string params(100, 'P');
    const std::string folder = "C:\\" + std::string(80, 'F');
    const auto pif = ReadPif(ComposeProgramInformation({"T", "C:\\A.EXE", folder, params}));
    ASSERT_TRUE(pif);
    EXPECT_EQ(pif->parameters, std::string(63, 'P'));
    EXPECT_EQ(pif->workingDirectory, folder.substr(0, 63));
}

TEST(PifReader, BasicParametersServeWhenThe386SectionHasNone) {
    std::string bytes = ComposeProgramInformation({"T", "C:\\A.EXE", "C:\\", ""});
    bytes.replace(0x0A5, 6, std::string("BASIC\0", 6));
    EXPECT_EQ(ReadPif(bytes)->parameters, "BASIC");

    bytes = ComposeProgramInformation({"T", "C:\\A.EXE", "C:\\", "ENHANCED"});
    bytes.replace(0x0A5, 6, std::string("BASIC\0", 6));
    EXPECT_EQ(ReadPif(bytes)->parameters, "ENHANCED");
}

TEST(PifReader, OldBlankPaddedFieldsAreTrimmed) {
    std::string bytes = ComposeProgramInformation({"T", "C:\\A.EXE", "C:\\", ""});
    bytes.resize(0x171); // the basic section alone, as the oldest editors wrote
    bytes.replace(0x024, 63, "C:\\OLD.COM" + std::string(53, ' '));
    bytes.replace(0x0A5, 64, "/X /Y" + std::string(59, ' '));
    const auto pif = ReadPif(bytes);
    ASSERT_TRUE(pif);
    EXPECT_EQ(pif->program, "C:\\OLD.COM");
    EXPECT_EQ(pif->parameters, "/X /Y");
}

TEST(PifReader, RefusesWhatNamesNoProgram) {
    EXPECT_FALSE(ReadPif(""));
    EXPECT_FALSE(ReadPif(std::string(0x170, ' ')));
    EXPECT_FALSE(ReadPif(ComposeProgramInformation({"T", "", "C:\\", "X"})));
}

TEST(PifReader, ABrokenSectionChainFallsBackToTheBasicParameters) {
    std::string bytes = ComposeProgramInformation({"T", "C:\\A.EXE", "C:\\", "ENHANCED"});
    bytes[0x171 + 16] = '\x71'; // the basic section names itself as the next
    bytes[0x171 + 17] = '\x01';
    const auto pif = ReadPif(bytes);
    ASSERT_TRUE(pif);
    EXPECT_EQ(pif->parameters, "");

    bytes.resize(0x1C0); // cut inside the 386 section
    EXPECT_TRUE(ReadPif(bytes));
}

} // namespace
} // namespace zel::posix
