#include "launch/ProgramInformationFile.h"

#include "GoldenFile.h"

#include <gtest/gtest.h>

namespace zel {
namespace {

TEST(ProgramInformationFile, FieldsWrittenIntoTheTemplateGiveTheGoldenBytes) {
    const std::string golden = test::ReadGoldenHex("A97.PIF.hex");
    ASSERT_EQ(golden.size(), kProgramInformationSize);
    EXPECT_EQ(ComposeProgramInformation(
                  {"A97.EXE", "C:\\ZELKONYV.97\\A97.EXE", "C:\\ZELKONYV.97", "/N SERVER"}),
              golden);
}

TEST(ProgramInformationFile, OverlongTextsAreCutInsideTheirFields) {
    struct Field {
        std::size_t offset;
        std::size_t size;
    };
    const Field fields[] = {{0x002, 30}, {0x024, 63}, {0x065, 64}, {0x1E1, 64}};
    const std::string empty = ComposeProgramInformation({});
    const std::string longText(255, 'x');
    const std::string full = ComposeProgramInformation({longText, longText, longText, longText});
    ASSERT_EQ(full.size(), kProgramInformationSize);

    std::string expected = empty;
    for (const Field& field : fields) {
        // The text's first characters, then its zero as the field's last byte.
        expected.replace(field.offset, field.size - 1, field.size - 1, 'x');
        expected[field.offset + field.size - 1] = '\0';
    }
    EXPECT_EQ(full, expected);
    // The basic section's parameters stay empty whatever the 386 section gets.
    EXPECT_EQ(full.substr(0x0A5, 64), std::string(64, '\0'));
}

} // namespace
} // namespace zel
