#include "dos/DosBoxStartPlan.h"

#include "dos/DosStart.h"
#include "dos/PrinterCapture.h"

#include <gtest/gtest.h>

namespace zel {
namespace {

DosBoxStartFacts Facts(std::string program, std::string parameters) {
    DosBoxStartFacts facts;
    facts.drives = {{'C', "/prefix/drive_c", false, ""}, {'D', "/media/cd", true, "ZELKOR_CD"}};
    facts.usedLetters = {'C', 'D', 'N', 'Z'};
    facts.program = std::move(program);
    facts.workingDrive = 'd';
    facts.workingFolder = "\\ADAT";
    facts.parameters = std::move(parameters);
    return facts;
}

std::string Field(const std::string& data, std::size_t offset) {
    return data.substr(offset, data.find('\0', offset) - offset);
}

// What the loader reads: the working drive, the folder, the program and the counted tail.
TEST(DosBoxStartPlan, TheLoaderGetsTheProgramAndItsTailAndTheFolderGetsEveryFile) {
    auto plan = PlanDosBoxStart(Facts("C:\\ZELKONYV.97\\A97.EXE", "SERVER <x>|y"));
    ASSERT_TRUE(plan);
    EXPECT_EQ(plan->startData[0], 3) << "D:, upper-cased";
    EXPECT_EQ(Field(plan->startData, 1), "\\ADAT");
    EXPECT_EQ(Field(plan->startData, 128), "C:\\ZELKONYV.97\\A97.EXE");
    EXPECT_EQ(plan->startData.substr(256, 15), "\x0D SERVER <x>|y\r")
        << "a program's tail is whole";

    const auto files = DosBoxStartFiles(*plan, "/tmp/zelstart-1");
    ASSERT_EQ(files.size(), 3u);
    EXPECT_EQ(files[0].name, "dosbox.conf");
    const std::string& config = files[0].bytes;
    EXPECT_NE(config.find("mount -z Y\n"), std::string::npos) << config;
    EXPECT_NE(config.find("mount D \"/media/cd\" -t cdrom -label ZELKOR_CD\n"), std::string::npos);
    EXPECT_NE(config.find("mount X \"/tmp/zelstart-1\"\nX:\\ZELSTART.COM X:\\ZELSTART.DAT\n"),
              std::string::npos)
        << config;
    EXPECT_EQ(files[1].name, kDosStartLoaderName);
    EXPECT_EQ(files[1].bytes, DosStartLoader());
    EXPECT_EQ(files[2].name, kDosStartDataName);
    EXPECT_EQ(files[2].bytes, plan->startData);

    auto facts = Facts("C:\\ZELKONYV.97\\A97.EXE", "");
    facts.capturePrinter = true;
    const auto printing = DosBoxStartFiles(*PlanDosBoxStart(facts), "/tmp/zelstart-2");
    ASSERT_EQ(printing.size(), 4u);
    EXPECT_EQ(printing[3].name, kPrinterCaptureName);
    EXPECT_EQ(printing[3].bytes, PrinterCaptureProgram());
    EXPECT_NE(printing[0].bytes.find("X:\\ZELPRN.COM\n"), std::string::npos) << printing[0].bytes;
}

// DOSBox's shell runs a batch file, and would take redirections in its tail for its own.
TEST(DosBoxStartPlan, ABatchFileRunsInDosBoxsShellWithoutRedirections) {
    auto plan = PlanDosBoxStart(Facts("c:\\kit\\setup.bat", "A<B>C|D"));
    ASSERT_TRUE(plan);
    EXPECT_EQ(Field(plan->startData, 128), "Y:\\COMMAND.COM") << "on DOSBox's own drive";
    const std::string tail = " /C c:\\kit\\setup.bat ABCD";
    EXPECT_EQ(plan->startData.substr(257, tail.size() + 1), tail + "\r");

    const auto cut = PlanDosBoxStart(Facts("C:\\SETUP.BAT", std::string(200, 'x')));
    ASSERT_TRUE(cut);
    EXPECT_EQ(static_cast<unsigned char>(cut->startData[256]), kDosTailCapacity);
}

TEST(DosBoxStartPlan, NothingIsPlannedWithoutTwoFreeLettersOrForOverlongPaths) {
    auto crowded = Facts("C:\\A.EXE", "");
    crowded.usedLetters.clear();
    for (char letter = 'A'; letter <= 'Y'; ++letter) {
        crowded.usedLetters.push_back(letter);
    }
    EXPECT_FALSE(PlanDosBoxStart(crowded));

    auto deep = Facts("C:\\A.EXE", "");
    deep.workingFolder = "\\" + std::string(130, 'F');
    EXPECT_FALSE(PlanDosBoxStart(deep));
    EXPECT_FALSE(PlanDosBoxStart(Facts("C:\\" + std::string(130, 'P') + ".EXE", "")));
}

} // namespace
} // namespace zel
