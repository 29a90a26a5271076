#include "launch/LaunchProcedure.h"

#include "GoldenFile.h"
#include "LaunchMachine.h"
#include "launch/ProgramInformationFile.h"
#include "platform/IoError.h"
#include "support/RecordingMessageSink.h"
#include "support/WineWorld.h"
#include "text/CodePage1250.h"

#include <filesystem>
#include <gtest/gtest.h>

namespace zel {
namespace {

constexpr int kSlotA97 = 3;
constexpr int kSlotB97 = 4;
constexpr const char* kSpool = "X:\\ZELKOR\\Printing";

class LaunchTest : public ::testing::Test {
protected:
    LaunchTest() {
        world.AddDrive('C');
        world.AddDrive('D');
        platform = test::MakeLaunchMachine(world, log);
        catalogue.Fill();
        Install(kSlotA97, 'C');
        Install(kSlotB97, 'C');
    }

    void Install(int slot, char drive) {
        catalogue.SetDriveLetter(slot, drive);
        world.WriteFile(catalogue.ExecutablePath(slot), "MZ");
    }

    LaunchResult Launch(int slot, bool printMode = false, std::string_view printer = "") {
        return LaunchProgram(*platform, catalogue, slot, printMode, kSpool, printer, sink);
    }

    // The 386 section's parameters of the file the last launch of slot wrote.
    std::string WrittenParameters(int slot) {
        const std::string file =
            test::ReadNativeFile(world.Native(catalogue.ProgramInformationPath(slot)));
        if (file.size() != kProgramInformationSize) {
            return "<no file>";
        }
        return file.substr(kPifParameters.offset,
                           file.find('\0', kPifParameters.offset) - kPifParameters.offset);
    }

    test::WineWorld world;
    std::vector<std::string> log;
    std::unique_ptr<test::ForwardingPlatform> platform;
    test::RecordingMessageSink sink{log};
    ProgramCatalogue catalogue;
};

TEST_F(LaunchTest, WritesTheGoldenFileBesideTheProgramAndStartsIt) {
    test::AnswerNtFamily(*platform, true);
    catalogue.SetStartParams(kSlotA97, 'C', "/N");

    EXPECT_EQ(Launch(kSlotA97), LaunchResult::Started);

    EXPECT_EQ(test::ReadNativeFile(world.Native("C:\\ZELKONYV.97\\A97.PIF")),
              test::ReadGoldenHex("A97.PIF.hex"));
    ASSERT_EQ(platform->started.size(), 1u);
    const StartRequest& request = platform->started[0];
    EXPECT_EQ(request.program, "C:\\ZELKONYV.97\\A97.EXE");
    EXPECT_EQ(request.workingDirectory, "C:\\ZELKONYV.97");
    EXPECT_EQ(request.parameters, "/N SERVER");
    EXPECT_EQ(request.title, "A97.EXE");
    EXPECT_EQ(request.informationFile, "C:\\ZELKONYV.97\\A97.PIF");
    EXPECT_EQ(request.dataLockFile, catalogue.DataLockPath(kSlotA97));
    EXPECT_EQ(catalogue.currentSlot, kSlotA97);
    EXPECT_TRUE(sink.shown.empty());
}

TEST_F(LaunchTest, AStartThatNeedsNoFileGetsTheWholeParameterText) {
    // 60 stored characters and the print addition pass the file's 63; the program still
    // learns where to write its lists.
    const std::string stored(60, 'P');
    catalogue.SetStartParams(kSlotA97, 'C', stored);
    ASSERT_EQ(Launch(kSlotA97, true), LaunchResult::Started);
    ASSERT_EQ(platform->started.size(), 1u);
    EXPECT_EQ(platform->started[0].parameters, stored + " PRN:X:\\ZELKOR\\Printing");
    EXPECT_EQ(WrittenParameters(kSlotA97), stored + " PR");
}

TEST_F(LaunchTest, ParameterAdditions) {
    Install(kSlotA00, 'D');
    struct Case {
        int slot;
        bool nt;
        const char* stored;
        bool printMode;
        const char* expected;
    };
    const Case cases[] = {
        {kSlotA97, false, "", false, ""},
        {kSlotA97, true, "", false, " SERVER"},
        {kSlotA97, true, "/N", false, "/N SERVER"},
        {kSlotA97, true, "/N SERVER", false, "/N SERVER"},
        {kSlotA97, true, "server", false, "server SERVER"},
        {kSlotA00, true, "", false, " NT2000"},
        {kSlotA00, true, "/NT2000", false, "/NT2000"},
        {kSlotA00, true, "SERVER", false, "SERVER NT2000"},
        {kSlotA97, true, "", true, " SERVER PRN:X:\\ZELKOR\\Printing"},
        {kSlotA97, false, "", true, " PRN:X:\\ZELKOR\\Printing"},
        {kSlotA00, true, "/N", true, "/N NT2000 PRN:X:\\ZELKOR\\Printing"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.stored) + (c.nt ? " nt" : "") + (c.printMode ? " prn" : ""));
        test::AnswerNtFamily(*platform, c.nt);
        catalogue.SetStartParams(c.slot, catalogue.DriveLetter(c.slot), c.stored);
        ASSERT_EQ(Launch(c.slot, c.printMode), LaunchResult::Started);
        EXPECT_EQ(WrittenParameters(c.slot), c.expected);
    }
}

TEST_F(LaunchTest, ADriveLetterOutsideAToZNeverChoosesStoredParameters) {
    catalogue.SetStartParams(kSlotA97, 'C', "/C");
    catalogue.SetStartParams(kSlotA97, 'Z', "/Z");

    catalogue.SetDriveLetter(kSlotA97, 'c');
    ASSERT_EQ(Launch(kSlotA97), LaunchResult::Started);
    EXPECT_EQ(WrittenParameters(kSlotA97), "");

    for (const char letter : {'[', '0', '@'}) {
        catalogue.SetDriveLetter(kSlotA97, letter);
        EXPECT_EQ(LaunchParameters(catalogue, kSlotA97, false, false, kSpool), "") << letter;
        EXPECT_EQ(LaunchParameters(catalogue, kSlotA97, true, false, kSpool), " SERVER") << letter;
    }
}

TEST_F(LaunchTest, AHeldLockFileRefusesTheLaunchWithTheProductsMessage) {
    test::AnswerFileSystem(*platform, "NTFS");
    struct Case {
        int slot;
        const char* lock;
        const char* text;
    };
    const Case cases[] = {
        {kSlotA97, "C:\\ZELKONYV.97\\DATA\\ZELKOR97.001",
         "Az egyszeres könyvviteli program a kiválasztott helyen már fut!"},
        {kSlotB97, "C:\\ZELBER.97\\DATA\\BER97.004",
         "A bérszámfejtő program a kiválasztott helyen már fut!"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.lock);
        log.clear();
        sink.shown.clear();
        world.WriteFile(c.lock, "data");
        platform->heldFiles = {c.lock};

        EXPECT_EQ(Launch(c.slot), LaunchResult::AlreadyRunning);

        ASSERT_EQ(sink.shown.size(), 1u);
        EXPECT_EQ(sink.shown[0].text, Utf8ToCp1250(c.text));
        EXPECT_EQ(sink.shown[0].kind, MessageKind::Error);
        EXPECT_EQ(sink.shown[0].detail, "");
        EXPECT_EQ(log, (std::vector<std::string>{"show"}));
        EXPECT_FALSE(
            std::filesystem::exists(world.Native(catalogue.ProgramInformationPath(c.slot))));
        EXPECT_EQ(catalogue.currentSlot, c.slot);
    }
    EXPECT_TRUE(platform->started.empty());
}

TEST_F(LaunchTest, AMissingOrFreeLockFileLetsTheLaunchGoOn) {
    EXPECT_EQ(Launch(kSlotA97), LaunchResult::Started);
    world.WriteFile("C:\\ZELKONYV.97\\DATA\\ZELKOR97.001", "data");
    platform->heldFiles = {"C:\\ZELBER.97\\DATA\\BER97.004"};
    EXPECT_EQ(Launch(kSlotA97), LaunchResult::Started);
    EXPECT_TRUE(sink.shown.empty());
}

TEST_F(LaunchTest, NtfsWarningFromMarch2006) {
    struct Case {
        std::optional<std::string> fileSystem;
        LocalDateTime now;
        bool warned;
    };
    const Case cases[] = {
        {"NTFS", {2006, 3, 1, 0, 0, 0}, true},        {"NTFS", {2025, 12, 31, 23, 59, 59}, true},
        {"NTFS", {2006, 2, 28, 23, 59, 59}, false},   {"NTFS", {2005, 12, 1, 8, 0, 0}, false},
        {"FAT", {2025, 1, 1, 0, 0, 0}, false},        {"FAT32", {2025, 1, 1, 0, 0, 0}, false},
        {std::nullopt, {2025, 1, 1, 0, 0, 0}, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.fileSystem.value_or("<no answer>") + " " + std::to_string(c.now.year));
        log.clear();
        sink.shown.clear();
        test::AnswerFileSystem(*platform, c.fileSystem);
        platform->now = c.now;

        EXPECT_EQ(Launch(kSlotA97), c.warned ? LaunchResult::AfterWarning : LaunchResult::Started);

        if (c.warned) {
            ASSERT_EQ(sink.shown.size(), 1u);
            EXPECT_EQ(sink.shown[0].kind, MessageKind::Warning);
            EXPECT_EQ(sink.shown[0].text,
                      Utf8ToCp1250("Az indítandó program jelenleg NTFS partíción van, ami "
                                   "instabilitáshoz vezethet."));
            EXPECT_EQ(sink.shown[0].detail,
                      Utf8ToCp1250(" Telepítse át mielőbb FAT partícióra! Technikai segítségért "
                                   "hívja a forgalmazót!"));
            // The start follows the user's acknowledgement, never before it.
            EXPECT_EQ(log, (std::vector<std::string>{"show", "ok", "start"}));
        } else {
            EXPECT_TRUE(sink.shown.empty());
            EXPECT_EQ(log, std::vector<std::string>{"start"});
        }
    }
}

TEST_F(LaunchTest, CharacterModeSendsThePortToTheChosenPrinterAndWarnsWhenThereIsNone) {
    EXPECT_EQ(Launch(kSlotA97, false, "Matrix"), LaunchResult::Started);
    EXPECT_EQ(platform->started.back().characterPrinter, "Matrix");
    EXPECT_EQ(Launch(kSlotA97, false, ""), LaunchResult::Started);
    EXPECT_EQ(platform->started.back().characterPrinter, "") << "the default printer";
    EXPECT_TRUE(sink.shown.empty());

    EXPECT_EQ(Launch(kSlotA97, true, "Matrix"), LaunchResult::Started);
    EXPECT_EQ(platform->started.back().characterPrinter, std::nullopt)
        << "in desktop mode the port is left be";

    platform->hasCharacterPrinter = false;
    EXPECT_EQ(Launch(kSlotA97, true), LaunchResult::Started);
    EXPECT_TRUE(sink.shown.empty()) << "desktop mode prints its lists, no port";
    log.clear();
    EXPECT_EQ(Launch(kSlotA97), LaunchResult::AfterWarning);
    ASSERT_EQ(sink.shown.size(), 1u);
    EXPECT_EQ(sink.shown[0].kind, MessageKind::Warning);
    EXPECT_EQ(sink.shown[0].text,
              Utf8ToCp1250("Nincs nyomtató, amelyre a program karakteres nyomtatása eljuthatna."));
    EXPECT_EQ(log, (std::vector<std::string>{"show", "ok", "start"}))
        << "told before the program starts, and started all the same";

    // With the NTFS warning as well, each is answered before the next, the start last.
    test::AnswerFileSystem(*platform, "NTFS");
    log.clear();
    sink.shown.clear();
    EXPECT_EQ(Launch(kSlotA97), LaunchResult::AfterWarning);
    ASSERT_EQ(sink.shown.size(), 2u);
    EXPECT_EQ(sink.shown[1].text, Utf8ToCp1250("Nincs nyomtató, amelyre a program karakteres "
                                               "nyomtatása eljuthatna."));
    EXPECT_EQ(log, (std::vector<std::string>{"show", "ok", "show", "ok", "start"}));
}

TEST_F(LaunchTest, AFileThatCannotBeWrittenStopsTheLaunch) {
    // What an older or planted file holds is never started.
    std::filesystem::remove_all(world.Native("C:\\ZELKONYV.97"));
    EXPECT_THROW((void)Launch(kSlotA97), IoError);
    EXPECT_TRUE(platform->started.empty());
    EXPECT_FALSE(std::filesystem::exists(world.Native("C:\\ZELKONYV.97")));
}

TEST_F(LaunchTest, AFailedStartIsToldAndADosProgramWithoutDosBoxSaysSo) {
    platform->startOutcome = StartOutcome::Failure(13);
    EXPECT_EQ(Launch(kSlotA97), LaunchResult::CannotStart);
    ASSERT_EQ(sink.shown.size(), 1u);
    EXPECT_EQ(sink.shown[0].text,
              Utf8ToCp1250("A(z) \"C:\\ZELKONYV.97\\A97.EXE\" program nem indítható el!"));
    EXPECT_TRUE(sink.shown[0].detail.empty());

    platform->startOutcome = {StartOutcomeKind::NoDosBox, 0};
    EXPECT_EQ(Launch(kSlotA97), LaunchResult::NoDosBox);
    ASSERT_EQ(sink.shown.size(), 2u);
    EXPECT_EQ(sink.shown[1].text, Utf8ToCp1250("A DOS-os program indításához DOSBox szükséges, de "
                                               "nincs telepítve."));
    EXPECT_EQ(sink.shown[1].kind, MessageKind::Error);

    // After a warning the start is told too, once the warning is answered.
    platform->hasCharacterPrinter = false;
    EXPECT_EQ(Launch(kSlotA97), LaunchResult::AfterWarning);
    ASSERT_EQ(sink.shown.size(), 4u);
    EXPECT_EQ(sink.shown[2].kind, MessageKind::Warning);
    EXPECT_EQ(sink.shown[3].text, sink.shown[1].text);
}

// Another launcher took the program's lock between the look at its lock file and the start:
// the user hears that it runs, as when the look had found it.
TEST_F(LaunchTest, ALockTakenMeanwhileIsToldAsARunningProgram) {
    platform->startOutcome = {StartOutcomeKind::LockTaken, 11};
    EXPECT_EQ(Launch(kSlotA97), LaunchResult::LockTaken);
    ASSERT_EQ(sink.shown.size(), 1u);
    EXPECT_EQ(sink.shown[0].text,
              Utf8ToCp1250("Az egyszeres könyvviteli program a kiválasztott helyen már fut!"));
    EXPECT_EQ(sink.shown[0].kind, MessageKind::Error);
    EXPECT_EQ(platform->started.size(), 1u);
}

// The handler passes over a bad drive or name in silence; a click on a year button must not.
TEST_F(LaunchTest, AProgramOnADriveThatIsGoneOrWithABadNameIsToldAndNotStarted) {
    catalogue.SetDriveLetter(kSlotB97, 'Q');
    EXPECT_EQ(Launch(kSlotB97), LaunchResult::BadPath);
    ASSERT_EQ(sink.shown.size(), 1u);
    EXPECT_EQ(sink.shown[0].text,
              Utf8ToCp1250("A(z) \"Q:\\ZELBER.97\\B97.EXE\" program nem indítható el!"));
    EXPECT_EQ(sink.shown[0].detail, "Invalid drive");
    EXPECT_EQ(sink.shown[0].kind, MessageKind::Error);

    // Told too when the start waits for a warning's answer first.
    platform->hasCharacterPrinter = false;
    EXPECT_EQ(Launch(kSlotB97), LaunchResult::AfterWarning);
    ASSERT_EQ(sink.shown.size(), 3u);
    EXPECT_EQ(sink.shown[2].detail, "Invalid drive");
    EXPECT_TRUE(platform->started.empty());
}

} // namespace
} // namespace zel
