#include "config/StartupScan.h"

#include "config/ConfigFile.h"
#include "platform/IoError.h"
#include "support/ForwardingPlatform.h"
#include "support/WineWorld.h"
#include "text/CodePage1250.h"

#include <filesystem>
#include <gtest/gtest.h>
#include <unistd.h>

namespace fs = std::filesystem;

namespace zel {
namespace {

constexpr const char* kIni = "C:\\ZELKOR\\ZELPULT.INI";
constexpr int kA96 = 1;
constexpr int kA97 = 3;
constexpr int kB17 = 44;
constexpr int kA25 = 59;

// Everything the scan shows and sets, in the order it happens.
class RecordingScreen final : public ProgressView, public StartupControls, public MessageSink {
public:
    void ShowOverMainWindow() override { events.push_back("show"); }
    void SetGauge(int progress) override { events.push_back("gauge " + std::to_string(progress)); }
    void SetLabel(std::string_view text) override {
        events.push_back("label " + std::string(text));
    }
    void ApplyConfig(const LauncherConfig& applied) override {
        events.push_back("config");
        config = applied;
    }
    void ApplyRowStates(const RowStates& applied) override {
        events.push_back("rows");
        rows = applied;
    }
    void ShowMessageThen(std::string_view text, MessageKind kind, std::string_view detail,
                         std::function<void()> afterwards) override {
        events.push_back("message " + std::string(text));
        messageKind = kind;
        messageDetail = detail;
        EXPECT_FALSE(afterwards) << "nothing waits for the start-up's warning";
    }

    std::vector<std::string> events;
    LauncherConfig config;
    RowStates rows;
    MessageKind messageKind = MessageKind::Error;
    std::string messageDetail = "unset";
};

class StartupScanTest : public ::testing::Test {
protected:
    StartupScanTest() {
        world.AddDrive('C');
        fs::create_directories(world.Native("C:\\ZELKOR"));
        catalogue.Fill();
    }

    void Scan(Platform& platform) {
        RunStartupScan(platform, kIni, {catalogue, config, driveTable}, screen, screen, screen);
    }

    std::vector<std::string> ExpectedEvents(bool warning) const {
        std::vector<std::string> events{"show"};
        for (char letter = 'C'; letter <= 'Z'; ++letter) {
            events.push_back("gauge " + std::to_string(letter - 'C'));
            events.push_back("label " + DriveLetterLabel(letter));
        }
        events.push_back("label " + NetworkAndCdLabel());
        events.push_back("config");
        for (char letter = 'C'; letter <= 'Z'; ++letter) {
            events.push_back("label " + DriveLetterLabel(letter));
            events.push_back("gauge " + std::to_string(letter - 'C' + 23));
        }
        events.push_back("rows");
        if (warning) {
            events.push_back("message " + PrintingStoppedWarning());
        }
        return events;
    }

    test::WineWorld world;
    ProgramCatalogue catalogue;
    LauncherConfig config;
    DriveTable driveTable;
    RecordingScreen screen;
};

TEST_F(StartupScanTest, ProgramsOnSearchedDrivesOnlyAndRememberedDrivesComeBack) {
    for (const char letter : {'A', 'D', 'E', 'F', 'G', 'H'}) {
        world.AddDrive(letter);
    }
    world.AddDanglingDrive('I');
    world.WriteFile("A:\\VORMAK.96\\A96.EXE"); // floppy: never searched
    world.WriteFile("C:\\ZELKONYV.97\\A97.EXE");
    world.WriteFile("C:\\ZELBER.217\\B2017.EXE");
    world.WriteFile("D:\\ZELKONYV.97\\A97.EXE");    // CD-ROM copy
    world.WriteFile("E:\\ZELKONYV.225\\A2025.EXE"); // network drive with its name
    world.WriteFile("F:\\ZELBER.217\\B2017.EXE");   // network drive without a name
    world.WriteFile("G:\\ZELKONYV.225\\A2025.EXE");
    world.WriteFile("H:\\VORMAK.96\\A96.EXE"); // a type the list does not show
    std::string lineA(30, 'C');
    lineA[29] = 'E';
    std::string lineB(30, 'C');
    lineB[21] = 'F';
    world.WriteFile(kIni, "[" + lineA + "]\r\n[" + lineB +
                              "]\r\n[A:\\INSTALL.EXE]\r\n"
                              "[C:\\ZELKONYV.97\\A97.EXE /P]\r\n"
                              "[NYOMTATAS_ENGEDELYEZVE=FALSE]\r\n");
    test::ForwardingPlatform platform(world.MakePlatform());
    platform.driveTypes = {{'A', DriveType::Removable},
                           {'D', DriveType::CdRom},
                           {'E', DriveType::Remote},
                           {'F', DriveType::Remote},
                           {'H', DriveType::Unknown}};
    platform.remoteNames = {{'E', "\\\\server\\zelkor"}, {'F', std::nullopt}};
    catalogue.SetStartParams(kA97, 'D', "/STALE");

    Scan(platform);
    EXPECT_EQ(screen.events, ExpectedEvents(true));
    EXPECT_EQ(screen.events.back(),
              "message " + Utf8ToCp1250("A Windows alapú nyomtatás jelenleg inaktív!"));
    EXPECT_EQ(screen.messageKind, MessageKind::Warning);
    EXPECT_EQ(screen.messageDetail, "");
    EXPECT_EQ(screen.config.installSourcePath, "A:\\INSTALL.EXE");
    EXPECT_FALSE(screen.config.printingEnabled);
    EXPECT_EQ(catalogue.StartParams(kA97, 'C'), "/P");
    EXPECT_EQ(catalogue.StartParams(kA97, 'D'), "");

    for (char letter = 'A'; letter <= 'Z'; ++letter) {
        EXPECT_EQ(driveTable.IsMarked(letter),
                  std::string("CDFG").find(letter) != std::string::npos)
            << letter;
    }
    const auto row = [&](int slot) { return screen.rows[static_cast<std::size_t>(slot - 1)]; };
    EXPECT_FALSE(row(kA96).rowEnabled);
    EXPECT_EQ(row(kA97).entries, (std::vector<std::string>{"C:"}));
    EXPECT_FALSE(row(kA97).comboEnabled);
    EXPECT_EQ(row(kB17).entries, (std::vector<std::string>{"C:", "F:"}));
    EXPECT_EQ(row(kB17).ComboText(), "F:");
    EXPECT_TRUE(row(kB17).comboEnabled);
    EXPECT_EQ(row(kA25).entries, (std::vector<std::string>{"G:"}));

    // The drive remembered for A25 was E, which is no longer offered: G is written back.
    config = screen.config;
    const std::string written = ComposeConfigFile(catalogue, config);
    std::string expectedA(30, '0');
    expectedA[1] = 'C';
    expectedA[29] = 'G';
    std::string expectedB(30, '0');
    expectedB[21] = 'F';
    EXPECT_EQ(written.substr(0, 68), "[" + expectedA + "]\r\n[" + expectedB + "]\r\n");
}

TEST_F(StartupScanTest, WithNothingFoundBothPassesRunAndEveryRowStaysDisabled) {
    world.AddDrive('D');
    world.WriteFile("D:\\ELSEWHERE\\A97.EXE");
    auto platform = world.MakePlatform();
    Scan(*platform);
    EXPECT_EQ(screen.events, ExpectedEvents(false));
    for (const RowState& state : screen.rows) {
        EXPECT_FALSE(state.rowEnabled);
        EXPECT_TRUE(state.entries.empty());
    }
    EXPECT_EQ(ComposeConfigFile(catalogue, screen.config).substr(0, 34),
              "[" + std::string(30, '0') + "]\r\n");
}

TEST_F(StartupScanTest, ADriveThatCannotBeReadHoldsNoPrograms) {
    if (::geteuid() == 0) {
        GTEST_SKIP() << "root reads a folder whatever its permission bits say";
    }
    const fs::path d = world.AddDrive('D');
    world.WriteFile("D:\\ZELKONYV.97\\A97.EXE");
    fs::permissions(d, fs::perms::none);
    auto platform = world.MakePlatform();
    Scan(*platform);
    fs::permissions(d, fs::perms::owner_all);
    EXPECT_FALSE(screen.rows[kA97 - 1].rowEnabled);
}

TEST_F(StartupScanTest, AReadErrorInTheConfigurationStopsTheScan) {
    world.WriteFile(kIni, "[C]\r\n");
    test::ForwardingPlatform platform(world.MakePlatform());
    platform.readFails = true;
    EXPECT_THROW(Scan(platform), IoError);
    ASSERT_FALSE(screen.events.empty());
    EXPECT_EQ(screen.events.back(), "label " + NetworkAndCdLabel());
}

} // namespace
} // namespace zel
