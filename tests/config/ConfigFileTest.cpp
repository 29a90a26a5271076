#include "config/ConfigFile.h"

#include "config/ConfigChanges.h"
#include "platform/IoError.h"
#include "support/ForwardingPlatform.h"
#include "support/TempDir.h"
#include "support/WineWorld.h"
#include "text/DosPath.h"

#include <filesystem>
#include <gtest/gtest.h>

namespace fs = std::filesystem;

namespace zel {
namespace {

constexpr const char* kIni = "C:\\ZELKOR\\ZELPULT.INI";

std::string Lines(std::initializer_list<std::string_view> lines) {
    std::string out;
    for (const auto line : lines) {
        out += line;
        out += "\r\n";
    }
    return out;
}

class ConfigFileTest : public ::testing::Test {
protected:
    ConfigFileTest() {
        world.AddDrive('C');
        fs::create_directories(world.Native("C:\\ZELKOR"));
        platform = world.MakePlatform();
        catalogue.Fill();
    }

    void Read(std::string_view bytes) {
        world.WriteFile(kIni, bytes);
        ReadConfigFile(*platform, kIni, catalogue, config);
    }

    test::WineWorld world;
    std::unique_ptr<Platform> platform;
    ProgramCatalogue catalogue;
    LauncherConfig config;
};

TEST_F(ConfigFileTest, EmptyOrMissingFileGivesTheDefaultsAndKeepsFloppyParameters) {
    catalogue.SetStartParams(3, 'A', "/FLOPPY");
    catalogue.SetStartParams(3, 'C', "/OLD");
    catalogue.SetStartParams(60, 'Z', "/OLD");
    config.windowsPrintMode = true;
    config.printingEnabled = false;
    ReadConfigFile(*platform, kIni, catalogue, config);
    EXPECT_EQ(catalogue.StartParams(3, 'A'), "/FLOPPY");
    EXPECT_EQ(catalogue.StartParams(3, 'C'), "");
    EXPECT_EQ(catalogue.StartParams(60, 'Z'), "");
    EXPECT_FALSE(config.windowsPrintMode);
    EXPECT_TRUE(config.printingEnabled);

    config.rememberedDrivesA = std::string(30, 'X');
    config.windowsPrintMode = true;
    Read("");
    EXPECT_FALSE(config.windowsPrintMode);
    EXPECT_TRUE(config.printingEnabled);
    EXPECT_EQ(config.rememberedDrivesA, std::string(30, ' '));
    EXPECT_EQ(config.rememberedDrivesB, std::string(30, ' '));
    EXPECT_EQ(config.installSourcePath, "");
    EXPECT_EQ(catalogue.StartParams(3, 'A'), "/FLOPPY");
}

TEST_F(ConfigFileTest, AFileThatCannotBeOpenedGivesTheDefaultsWithoutAnError) {
    fs::create_directories(world.Native(kIni));
    config.printingEnabled = false;
    EXPECT_NO_THROW(ReadConfigFile(*platform, kIni, catalogue, config));
    EXPECT_TRUE(config.printingEnabled);
}

TEST_F(ConfigFileTest, AReadErrorAfterOpeningReachesTheHandler) {
    world.WriteFile(kIni, "[C]\r\n");
    test::ForwardingPlatform failing(world.MakePlatform());
    failing.readFails = true;
    try {
        ReadConfigFile(failing, kIni, catalogue, config);
        ADD_FAILURE() << "no error";
    } catch (const IoError& error) {
        EXPECT_EQ(error.Kind(), IoErrorKind::ReadError);
    }
}

TEST_F(ConfigFileTest, WriterProducesTheKnownBytes) {
    catalogue.SetDriveLetter(1, 'C');
    catalogue.SetDriveLetter(4, 'D');
    catalogue.SetDriveLetter(59, 'E');
    catalogue.SetStartParams(3, 'D', "/X [Y]");
    catalogue.SetStartParams(3, 'A', "/FLOPPY");
    catalogue.SetStartParams(1, 'Z', "P");
    config.installSourcePath = "A:\\INSTALL.EXE";
    config.windowsPrintMode = true;
    config.printingEnabled = false;
    const std::string expected = Lines({
        "[C" + std::string(28, '0') + "E]",
        "[0D" + std::string(28, '0') + "]",
        "[A:\\INSTALL.EXE]",
        "[Z:\\VORMAK.96\\A96.EXE P]",
        "[A:\\ZELKONYV.97\\A97.EXE /FLOPPY]",
        "[D:\\ZELKONYV.97\\A97.EXE /X [Y]]",
        "[NYOMTATAS_MODJA_WINDOWS=TRUE]",
        "[NYOMTATAS_ENGEDELYEZVE=FALSE]",
    });
    EXPECT_EQ(ComposeConfigFile(catalogue, config), expected);

    config.windowsPrintMode = false;
    config.printingEnabled = true;
    catalogue.Fill();
    config.installSourcePath.clear();
    EXPECT_EQ(ComposeConfigFile(catalogue, config),
              Lines({"[" + std::string(30, '0') + "]", "[" + std::string(30, '0') + "]", "[]",
                     "[NYOMTATAS_MODJA_WINDOWS=FALSE]", "[NYOMTATAS_ENGEDELYEZVE=TRUE]"}));
}

TEST_F(ConfigFileTest, AFullConfigurationReadsBackTheSame) {
    for (int slot = 1; slot <= kSlotCount; ++slot) {
        catalogue.SetDriveLetter(slot, static_cast<char>('C' + slot % 24));
        for (char letter = 'C'; letter <= 'Z'; ++letter) {
            catalogue.SetStartParams(slot, letter,
                                     std::string(1, letter) + " [" + std::to_string(slot) + "] " +
                                         std::string(50, static_cast<char>('a' + slot % 26)));
        }
    }
    catalogue.SetStartParams(17, 'K', std::string(60, '\xE1'));
    config.installSourcePath = std::string(253, 'P');
    config.windowsPrintMode = true;
    config.printingEnabled = false;
    ASSERT_EQ(WriteConfigFile(*platform, kIni, catalogue, config).outcome,
              ConfigWriteResult::Outcome::Written);
    for (const auto& entry : fs::directory_iterator(world.Native("C:\\ZELKOR"))) {
        EXPECT_NE(entry.path().filename().string().front(), '~') << "left behind: " << entry;
    }

    ProgramCatalogue readCatalogue;
    readCatalogue.Fill();
    LauncherConfig read;
    ReadConfigFile(*platform, kIni, readCatalogue, read);
    for (int slot = 1; slot <= kSlotCount; ++slot) {
        SCOPED_TRACE(slot);
        const char letter = catalogue.DriveLetter(slot);
        EXPECT_EQ(RememberedDrive(read, slot), letter);
        for (char d = 'C'; d <= 'Z'; ++d) {
            ASSERT_EQ(readCatalogue.StartParams(slot, d), catalogue.StartParams(slot, d)) << d;
        }
    }
    EXPECT_EQ(read.installSourcePath, config.installSourcePath);
    EXPECT_TRUE(read.windowsPrintMode);
    EXPECT_FALSE(read.printingEnabled);
}

// A pasted text with line breaks once wrote a print line of its own into the file.
TEST_F(ConfigFileTest, StartParametersNeverCarryALineOfTheirOwn) {
    catalogue.SetStartParams(3, 'D', "/A\r\n[NYOMTATAS_ENGEDELYEZVE=FALSE]\r\n/B\t\x1B\x7F");
    EXPECT_EQ(catalogue.StartParams(3, 'D'), "/A[NYOMTATAS_ENGEDELYEZVE=FALSE]/B");
    config.printingEnabled = true;
    ASSERT_EQ(WriteConfigFile(*platform, kIni, catalogue, config).outcome,
              ConfigWriteResult::Outcome::Written);
    Read(test::ReadNativeFile(world.Native(kIni)));
    EXPECT_TRUE(config.printingEnabled);

    Read(Lines({"[]", "[]", "[]", "[D:\\ZELKONYV.97\\A97.EXE /X\t\x01Y]"}));
    EXPECT_EQ(catalogue.StartParams(3, 'D'), "/XY");
}

TEST_F(ConfigFileTest, AShortFirstLineRemembersTheEarlyYearsOnly) {
    Read(Lines({"[CDEFGHIJKLMNOPQRSTUV]", "[D"}));
    EXPECT_EQ(RememberedDrive(config, 1), 'C');
    EXPECT_EQ(RememberedDrive(config, 39), 'V'); // A15, position 20
    EXPECT_EQ(RememberedDrive(config, 41), ']'); // A16: the bracket, which no drive matches
    EXPECT_EQ(RememberedDrive(config, 43), ' ');
    EXPECT_EQ(config.rememberedDrivesB, "D" + std::string(29, ' '));
    EXPECT_EQ(config.installSourcePath, "");
}

TEST_F(ConfigFileTest, PrintLinesAreExactAndTheLastOneCounts) {
    Read(Lines({"[]", "[]", "[]", "[NYOMTATAS_ENGEDELYEZVE=FALSE]",
                "[NYOMTATAS_MODJA_WINDOWS=TRUE]", "[NYOMTATAS_ENGEDELYEZVE=TRUE]"}));
    EXPECT_TRUE(config.printingEnabled);
    EXPECT_TRUE(config.windowsPrintMode);

    Read(Lines({"[]", "[]", "[]", "[NYOMTATAS_MODJA_WINDOWS=true]",
                "[NYOMTATAS_ENGEDELYEZVE=FALSE] ", " [NYOMTATAS_ENGEDELYEZVE=FALSE]"}));
    EXPECT_FALSE(config.windowsPrintMode);
    EXPECT_TRUE(config.printingEnabled);

    // Lines 1 to 3 are positional, whatever they hold.
    Read(Lines({"[NYOMTATAS_ENGEDELYEZVE=FALSE]", "[NYOMTATAS_ENGEDELYEZVE=FALSE]",
                "[NYOMTATAS_ENGEDELYEZVE=FALSE]"}));
    EXPECT_TRUE(config.printingEnabled);
    EXPECT_EQ(config.installSourcePath, "NYOMTATAS_ENGEDELYEZVE=FALSE");
}

TEST_F(ConfigFileTest, ParameterLinesBelongToTheHighestSlotNamed) {
    const std::string header = Lines({"[]", "[]", "[]"});
    Read(header + Lines({
                      "[D:\\ZELKONYV.97\\A97.EXE /F A2025.EXE]",
                      "[E:\\ZELKONYV.97\\A97.EXE " + std::string(70, 'x') + "]",
                      "[F:\\ZELKONYV.97\\A97.EXE]",
                      "[G:\\ZELKONYV.97\\A97.EXE ]",
                      "[H:\\ZELKONYV.97\\A97.EXE first]",
                      "[H:\\ZELKONYV.97\\A97.EXE second]",
                      "[C:\\ANYWHERE\\b97.exe lower case names nothing]",
                      "#O B97.EXE in the middle",
                  }));
    EXPECT_EQ(catalogue.StartParams(59, 'D'), "/F A2025.EXE");
    EXPECT_EQ(catalogue.StartParams(3, 'D'), "");
    EXPECT_EQ(catalogue.StartParams(3, 'E'), std::string(60, 'x'));
    EXPECT_EQ(catalogue.StartParams(3, 'F'), "[F:\\ZELKONYV.97\\A97.EXE");
    EXPECT_EQ(catalogue.StartParams(3, 'G'), "");
    EXPECT_EQ(catalogue.StartParams(3, 'H'), "second");
    EXPECT_EQ(catalogue.StartParams(4, 'C'), "");
    EXPECT_EQ(catalogue.StartParams(4, 'O'), "B97.EXE in the middl");
}

TEST_F(ConfigFileTest, ParameterLinesForLettersOutsideAToZAreIgnored) {
    catalogue.SetStartParams(3, 'A', "/KEEP");
    Read(Lines({"[]", "[]", "[]", "[a:\\ZELKONYV.97\\A97.EXE /LOWER]",
                "[1:\\ZELKONYV.97\\A97.EXE /DIGIT]", "[\xC1:\\ZELKONYV.97\\A97.EXE /ACCENT]",
                "[[:\\ZELKONYV.97\\A97.EXE /BRACKET]", "[C:\\ZELKONYV.97\\A97.EXE /GOOD]"}));
    EXPECT_EQ(catalogue.StartParams(3, 'A'), "/KEEP");
    EXPECT_EQ(catalogue.StartParams(3, 'C'), "/GOOD");
    for (char d = 'D'; d <= 'Z'; ++d) {
        EXPECT_EQ(catalogue.StartParams(3, d), "") << d;
    }
}

TEST_F(ConfigFileTest, ALongInstallPathLosesItsBracketAndReadsBackShorter) {
    config.installSourcePath = std::string(300, 'Q');
    const std::string bytes = ComposeConfigFile(catalogue, config);
    const std::string line3 = bytes.substr(68, bytes.find("\r\n", 68) - 68);
    EXPECT_EQ(line3, "[" + std::string(254, 'Q'));
    ASSERT_EQ(WriteConfigFile(*platform, kIni, catalogue, config).outcome,
              ConfigWriteResult::Outcome::Written);
    LauncherConfig read;
    ReadConfigFile(*platform, kIni, catalogue, read);
    EXPECT_EQ(read.installSourcePath, std::string(253, 'Q'));
}

TEST_F(ConfigFileTest, BadInputKeepsEveryGoodLine) {
    using namespace std::string_literals;
    const std::string huge(1024 * 1024, 'h');
    Read("[C\0D]\n"s + "[\r\n" + huge + "\r\n" + "\0\x01\xFF\x1B[\0]\x7F\r\n"s +
         "[D:\\ZELKONYV.97\\A97.EXE /ONE]\r\n" + huge + "A99.EXE]\r\n" +
         "[E:\\ZELBER.225\\B2025.EXE /TWO]\n" + "[\r\n" + "[F:\\ZELKONYV.97\\A97.EXE /C\rR]\r\n" +
         "[NYOMTATAS_MODJA_WINDOWS=TRUE]\r\n" + "[G:\\ZELKONYV.97\\A97.EXE /Z]\x1A" +
         "[H:\\ZELKONYV.97\\A97.EXE /AFTER]\r\n[NYOMTATAS_ENGEDELYEZVE=FALSE]\r\n");
    EXPECT_EQ(config.rememberedDrivesA, "C\0D]"s + std::string(26, ' '));
    EXPECT_EQ(config.rememberedDrivesB, std::string(30, ' '));
    EXPECT_EQ(config.installSourcePath, std::string(253, 'h'));
    EXPECT_EQ(catalogue.StartParams(3, 'D'), "/ONE");
    EXPECT_EQ(catalogue.StartParams(7, 'h'), "");
    EXPECT_EQ(catalogue.StartParams(60, 'E'), "/TWO");
    EXPECT_EQ(catalogue.StartParams(3, 'F'), "/CR");
    EXPECT_EQ(catalogue.StartParams(3, 'G'), "/Z");
    EXPECT_EQ(catalogue.StartParams(3, 'H'), "");
    EXPECT_TRUE(config.windowsPrintMode);
    EXPECT_TRUE(config.printingEnabled);
    for (int slot = 1; slot <= kSlotCount; ++slot) {
        if (slot == 3 || slot == 60) {
            continue;
        }
        for (char d = 'A'; d <= 'Z'; ++d) {
            ASSERT_EQ(catalogue.StartParams(slot, d), "") << slot << d;
        }
    }
}

TEST_F(ConfigFileTest, TenThousandParameterLinesLastOneWins) {
    std::string bytes = Lines({"[]", "[]", "[]"});
    for (int i = 0; i < 10000; ++i) {
        const int slot = 1 + i % kSlotCount;
        const char letter = static_cast<char>('C' + i % 24);
        bytes += "[" + catalogue.DirectoryOn(slot, letter) + "\\" +
                 catalogue.Slot(slot).exeName.str() + " /N" + std::to_string(i) + "]\r\n";
    }
    Read(bytes);
    // Each slot and drive comes round every 120 lines; the last round ends at line 9999.
    EXPECT_EQ(catalogue.StartParams(40, 'R'), "/N9999");
    EXPECT_EQ(catalogue.StartParams(1, 'C'), "/N9960");
    EXPECT_EQ(catalogue.StartParams(60, 'Z'), "/N9959");
}

TEST_F(ConfigFileTest, TheFileLiesInTheStartDirectoryEvenAtARoot) {
    EXPECT_EQ(ConfigFilePath("C:\\").Text(), "C:\\ZELPULT.INI");
    EXPECT_EQ(ConfigFilePath("C:\\ZELKOR").Text(), "C:\\ZELKOR\\ZELPULT.INI");
    config.printingEnabled = false;
    ASSERT_EQ(WriteConfigFile(*platform, ConfigFilePath("C:\\"), catalogue, config).outcome,
              ConfigWriteResult::Outcome::Written);
    EXPECT_EQ(test::ReadNativeFile(world.Native("C:\\ZELPULT.INI")),
              ComposeConfigFile(catalogue, config));
}

// One launcher's run over the shared file: what it read at start-up, with the rows on the
// drives the file remembered, as the installation search leaves them when it finds them there.
struct Launcher {
    explicit Launcher(Platform& platform) {
        catalogue.Fill();
        ReadConfigFile(platform, kIni, catalogue, config);
        for (int slot = 1; slot <= kSlotCount; ++slot) {
            if (DriveIndex(RememberedDrive(config, slot)) >= 0) {
                catalogue.SetDriveLetter(slot, RememberedDrive(config, slot));
            }
        }
        asRead = SettingsAsRead(catalogue, config);
    }

    ConfigWriteResult::Outcome Close(Platform& platform) const {
        return WriteConfigFile(platform, kIni, catalogue, config, &asRead).outcome;
    }

    ProgramCatalogue catalogue;
    LauncherConfig config;
    ConfigSettings asRead;
};

TEST_F(ConfigFileTest, LaunchersSharingTheFileEachKeepWhatTheyChanged) {
    world.WriteFile(kIni,
                    Lines({"[" + std::string(30, 'D') + "]", "[" + std::string(30, 'D') + "]",
                           "[A:\\INSTALL.EXE]", "[D:\\ZELKONYV.97\\A97.EXE /OLD]",
                           "[NYOMTATAS_MODJA_WINDOWS=FALSE]", "[NYOMTATAS_ENGEDELYEZVE=TRUE]"}));
    Launcher first(*platform);
    Launcher second(*platform);
    Launcher idle(*platform);

    first.catalogue.SetDriveLetter(3, 'E');
    first.catalogue.SetStartParams(3, 'D', "/FIRST");
    first.config.installSourcePath = "E:\\SETUP.EXE";
    second.catalogue.SetStartParams(4, 'D', "/SECOND");
    second.catalogue.SetStartParams(3, 'E', "/ON E");
    second.config.windowsPrintMode = true;

    ASSERT_EQ(first.Close(*platform), ConfigWriteResult::Outcome::Written);
    ASSERT_EQ(second.Close(*platform), ConfigWriteResult::Outcome::Written);
    const std::string both = test::ReadNativeFile(world.Native(kIni));
    ASSERT_EQ(idle.Close(*platform), ConfigWriteResult::Outcome::Written);
    EXPECT_EQ(test::ReadNativeFile(world.Native(kIni)), both)
        << "a run that changed nothing writes back what the others left";

    Read(both);
    EXPECT_EQ(config.rememberedDrivesA, "DE" + std::string(28, 'D'));
    EXPECT_EQ(config.rememberedDrivesB, std::string(30, 'D'));
    EXPECT_EQ(config.installSourcePath, "E:\\SETUP.EXE");
    EXPECT_EQ(catalogue.StartParams(3, 'D'), "/FIRST");
    EXPECT_EQ(catalogue.StartParams(3, 'E'), "/ON E");
    EXPECT_EQ(catalogue.StartParams(4, 'D'), "/SECOND");
    EXPECT_TRUE(config.windowsPrintMode);
    EXPECT_TRUE(config.printingEnabled);
}

TEST_F(ConfigFileTest, ALaunchersOwnChangesWinEvenWhereAnotherChangedTheSameSetting) {
    world.WriteFile(kIni, Lines({"[D]", "[D]", "[]", "[D:\\ZELKONYV.96\\A96.EXE /OLD]"}));
    Launcher first(*platform);
    Launcher second(*platform);
    first.catalogue.SetStartParams(1, 'D', "");
    first.config.printingEnabled = false;
    second.catalogue.SetStartParams(1, 'D', "/SECOND");
    ASSERT_EQ(first.Close(*platform), ConfigWriteResult::Outcome::Written);
    ASSERT_EQ(second.Close(*platform), ConfigWriteResult::Outcome::Written);
    Read(test::ReadNativeFile(world.Native(kIni)));
    EXPECT_EQ(catalogue.StartParams(1, 'D'), "/SECOND") << "the later close wins its own change";
    EXPECT_FALSE(config.printingEnabled) << "the earlier close's other change stays";
}

TEST_F(ConfigFileTest, AloneOverTheFileTheCloseWritesTheSameBytesAsAWholeWrite) {
    // Short lines, a foreign line, print lines twice and a row that moved drive: the close
    // writes the writer's own form of this run's settings, as a whole write does.
    world.WriteFile(
        kIni, Lines({"[DX", "[E]", "[PATH]", "[FOREIGN LINE]", "[NYOMTATAS_ENGEDELYEZVE=FALSE]",
                     "[C:\\ZELKONYV.97\\A97.EXE /P]", "[NYOMTATAS_ENGEDELYEZVE=TRUE]"}));
    Launcher alone(*platform);
    alone.catalogue.SetDriveLetter(1, 'F');
    alone.catalogue.SetStartParams(5, 'C', "/NEW");
    ASSERT_EQ(alone.Close(*platform), ConfigWriteResult::Outcome::Written);
    EXPECT_EQ(test::ReadNativeFile(world.Native(kIni)),
              ComposeConfigFile(alone.catalogue, alone.config));

    // A file removed meanwhile is written whole again.
    fs::remove(world.Native(kIni));
    ASSERT_EQ(alone.Close(*platform), ConfigWriteResult::Outcome::Written);
    EXPECT_EQ(test::ReadNativeFile(world.Native(kIni)),
              ComposeConfigFile(alone.catalogue, alone.config));
}

TEST_F(ConfigFileTest, AFileThatCannotBeReadOrWrittenIsNotReplaced) {
    const std::string old = Lines({"[C]", "[D]", "[SOMEONE ELSE'S]"});
    world.WriteFile(kIni, old);
    test::ForwardingPlatform locked(world.MakePlatform());
    locked.openFails = true;
    ReadConfigFile(locked, kIni, catalogue, config);
    EXPECT_EQ(WriteConfigFile(locked, kIni, catalogue, config).outcome,
              ConfigWriteResult::Outcome::Kept);
    EXPECT_EQ(test::ReadNativeFile(world.Native(kIni)), old);

    // Made read-only by its user: read, and kept as it is.
    fs::permissions(world.Native(kIni), fs::perms::owner_read | fs::perms::group_read);
    ReadConfigFile(*platform, kIni, catalogue, config);
    EXPECT_EQ(config.installSourcePath, "SOMEONE ELSE'S");
    EXPECT_EQ(WriteConfigFile(*platform, kIni, catalogue, config).outcome,
              ConfigWriteResult::Outcome::Kept);
    EXPECT_EQ(test::ReadNativeFile(world.Native(kIni)), old);
}

TEST_F(ConfigFileTest, AFailedWriteLeavesTheOldFileWholeAndSaysWhy) {
    const std::string old = Lines({"[C]", "[D]", "[OLD]", "[NYOMTATAS_ENGEDELYEZVE=FALSE]"});
    world.WriteFile(kIni, old);
    test::ForwardingPlatform full(world.MakePlatform());
    full.replaceFails = true;
    config.installSourcePath = "NEW";
    const ConfigWriteResult failed = WriteConfigFile(full, kIni, catalogue, config);
    EXPECT_EQ(failed.outcome, ConfigWriteResult::Outcome::Failed);
    EXPECT_EQ(failed.error, IoErrorKind::DiskFull);
    EXPECT_EQ(test::ReadNativeFile(world.Native(kIni)), old);

    ASSERT_EQ(WriteConfigFile(*platform, kIni, catalogue, config).outcome,
              ConfigWriteResult::Outcome::Written);
    EXPECT_EQ(test::ReadNativeFile(world.Native(kIni)), ComposeConfigFile(catalogue, config));
}

} // namespace
} // namespace zel
