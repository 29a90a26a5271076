#include "panel/LauncherPanel.h"

#include "RecordingFace.h"
#include "config/ConfigFile.h"
#include "config/ProgressView.h"
#include "launch/LaunchMachine.h"
#include "panel/MainWindowDescription.h"
#include "panel/SettingsPanel.h"
#include "platform/IoError.h"
#include "support/ForwardingPlatform.h"
#include "support/WineWorld.h"
#include "text/CodePage1250.h"

#include <filesystem>
#include <gtest/gtest.h>

namespace fs = std::filesystem;

namespace zel {
namespace {

constexpr int kA97 = 3;

class LauncherPanelTest : public ::testing::Test {
protected:
    LauncherPanelTest() {
        world.AddDrive('C');
        world.WriteFile("C:\\ZELKOR\\ZELPULT.INI", "");
        world.WriteFile("C:\\ZELKONYV.97\\A97.EXE", "MZ");
        platform = test::MakeLaunchMachine(world, log);
        // Where the launcher lies decides its print folder, and so how long a parameter text
        // fits: never the test program's own folder, which moves with the checkout.
        platform->executablePath = "C:\\ZELKOR\\ZELPULT.EXE";
        panel =
            std::make_unique<LauncherPanel>(*platform, catalogue, "C:\\ZELKOR", face, face.queue);
        panel->SetPrintPage(&printPage);
        panel->SetSettingsPanel([this]() -> SettingsPanel& { return settings; });
        panel->FormCreate();
        catalogue.SetDriveLetter(kA97, 'C');
        RowStates states{};
        states[kA97 - 1] = {{"C: [RENDSZER]", "D:"}, 0, true, true};
        panel->ApplyRowStates(states);
    }

    test::WineWorld world;
    std::vector<std::string> log;
    std::unique_ptr<test::ForwardingPlatform> platform;
    ProgramCatalogue catalogue;
    test::RecordingFace face;
    test::ScriptedPrintPage printPage;
    SettingsPanel settings{
        catalogue, face, {}, [this](int slot) { panel->ParametersStored(slot); }};
    std::unique_ptr<LauncherPanel> panel;
};

TEST_F(LauncherPanelTest, AYearButtonStartsItsProgramWithTheModesParameters) {
    ASSERT_TRUE(panel->NormalMode());
    panel->ChoosePrintMode(true);
    catalogue.SetStartParams(kA97, 'C', "/N");
    panel->StartProgram(kA97);
    ASSERT_EQ(platform->started.size(), 1u);
    EXPECT_EQ(platform->started[0].program, "C:\\ZELKONYV.97\\A97.EXE");
    EXPECT_EQ(platform->started[0].parameters, "/N PRN:" + panel->SpoolDirectory().Text());
    EXPECT_TRUE(face.messages.empty());
    EXPECT_TRUE(face.standardErrors.empty());
}

TEST_F(LauncherPanelTest, AFoundRowsDriveBoxIsEnabledOnlyWhenItOffersAChoice) {
    RowStates states{};
    states[0] = {{"C:"}, 0, true, false};
    states[1] = {{"C:", "D:"}, 1, true, true};
    panel->RowPageMade(2);
    face.rowEnabled.clear();
    face.driveBoxes.clear();
    panel->ApplyRowStates(states);
    EXPECT_EQ(face.rowEnabled, (std::map<int, bool>{{1, true}, {2, true}}));
    EXPECT_EQ(face.driveBoxes, (std::map<int, bool>{{1, false}, {2, true}}));
    EXPECT_EQ(face.boxText[2], "D:");
}

// The panel keeps every row's state; a page the face makes later is shown what it holds, and
// no page is sent rows before it exists.
TEST_F(LauncherPanelTest, ARowPageMadeLaterShowsWhatThePanelHolds) {
    constexpr int kA17 = 43;
    constexpr int kB25 = 60;
    RowStates states{};
    states[0] = {{"C:", "D:"}, 1, true, false};
    states[kA17 - 1] = {{"E:"}, 0, true, true};
    panel->ApplyRowStates(states);
    EXPECT_FALSE(face.boxes.contains(1));
    EXPECT_FALSE(face.boxes.contains(kA17));

    face.rowEnabled.clear();
    panel->RowPageMade(0);
    EXPECT_EQ(face.boxes[kA17], std::vector<std::string>{"E:"});
    EXPECT_TRUE(face.driveBoxes[kA17]);
    EXPECT_FALSE(face.rowEnabled[kB25]) << "a row found nowhere is shown disabled";
    EXPECT_FALSE(face.boxes.contains(1));
    EXPECT_FALSE(face.rowEnabled.contains(1));

    panel->RowPageMade(2);
    EXPECT_EQ(face.boxes[1], (std::vector<std::string>{"C:", "D:"}));
    EXPECT_EQ(face.boxText[1], "D:");
    EXPECT_TRUE(face.rowEnabled[1]);
    EXPECT_FALSE(face.driveBoxes[1]);
    EXPECT_EQ(face.boxes[kA97], (std::vector<std::string>{"C: [RENDSZER]", "D:"}));
    EXPECT_FALSE(face.rowEnabled.contains(21)) << "page 2 holds 1996 to 2005 only";

    // Settings offer the drives the panel holds, whether or not the row's page is made.
    panel->OpenSettings(kA17);
    EXPECT_EQ(face.shownYear, 2017);
}

TEST_F(LauncherPanelTest, AChosenDriveIsTakenFromTheTextTheFaceSends) {
    panel->ChooseDrive(kA97, "D:");
    EXPECT_EQ(catalogue.DriveLetter(kA97), 'D');
    panel->ChooseDrive(kA97, "C: [RENDSZER]");
    EXPECT_EQ(catalogue.DriveLetter(kA97), 'C');

    // A row without drives keeps its letter, whatever is typed into its box.
    catalogue.SetDriveLetter(1, 'C');
    panel->ChooseDrive(1, "E:");
    EXPECT_EQ(catalogue.DriveLetter(1), 'C');
}

TEST_F(LauncherPanelTest, ThePrintModeAndThePrinterChosenInTheSetupServeTheNextStart) {
    panel->ChoosePrintMode(false);
    EXPECT_FALSE(face.windowsPrintMode);
    panel->StartProgram(kA97);
    ASSERT_EQ(platform->started.size(), 1u);
    EXPECT_EQ(platform->started[0].characterPrinter, "") << "the default printer before a setup";

    panel->PrinterSetup();
    EXPECT_EQ(printPage.setups, 1);
    EXPECT_EQ(panel->CharacterPrinter(), "Matrix");
    panel->StartProgram(kA97);
    ASSERT_EQ(platform->started.size(), 2u);
    EXPECT_EQ(platform->started[1].characterPrinter, "Matrix");

    panel->ChoosePrintMode(true);
    EXPECT_TRUE(face.windowsPrintMode);
    panel->StartProgram(kA97);
    ASSERT_EQ(platform->started.size(), 3u);
    EXPECT_EQ(platform->started[2].characterPrinter, std::nullopt);
}

TEST_F(LauncherPanelTest, PrintingSwitchedOffStaysOffForTheTicksAndTheFile) {
    panel->SwitchPrinting(false);
    EXPECT_FALSE(face.printingEnabled);
    panel->SpoolTick();
    EXPECT_EQ(printPage.ticks, std::vector<bool>{false});
    EXPECT_FALSE(panel->CurrentConfig().printingEnabled);
    panel->SwitchPrinting(true);
    panel->SpoolTick();
    EXPECT_EQ(printPage.ticks, (std::vector<bool>{false, true}));
    EXPECT_TRUE(panel->CurrentConfig().printingEnabled);
}

TEST_F(LauncherPanelTest, TheInstallBoxFollowsTheChoiceAndThePathTheFaceSends) {
    panel->ChooseInstallSource(true);
    EXPECT_FALSE(face.otherPathEnabled);
    // Entering the path field chooses it.
    panel->EnterInstallPath();
    EXPECT_FALSE(face.floppy);
    EXPECT_TRUE(face.otherPathEnabled);

    LauncherConfig config;
    config.installSourcePath = "D:\\KESZLET\\INSTALL.EXE";
    panel->ApplyConfig(config);
    EXPECT_EQ(face.installPath, "D:\\KESZLET\\INSTALL.EXE");
    panel->EditInstallPath("E:\\INSTALL.EXE");
    EXPECT_EQ(panel->CurrentConfig().installSourcePath, "E:\\INSTALL.EXE");
}

// The faces forward every event by the control's form name; what a name means is decided
// here alone.
TEST_F(LauncherPanelTest, AControlsEventsMeanWhatItsFormNameSays) {
    const RowControlNames a97 = RowControlNamesOf(kA97);
    panel->Changed(a97.drive, "D:");
    EXPECT_EQ(catalogue.DriveLetter(kA97), 'D');
    panel->Changed(a97.drive, "C: [RENDSZER]");
    panel->Clicked(a97.year);
    ASSERT_EQ(platform->started.size(), 1u);
    EXPECT_EQ(platform->started[0].program, "C:\\ZELKONYV.97\\A97.EXE");
    panel->Clicked(a97.settings);
    EXPECT_EQ(face.shownYear, 1997);

    panel->Clicked("edNyomWindows");
    EXPECT_TRUE(face.windowsPrintMode);
    panel->Clicked("edNyomDos");
    EXPECT_FALSE(face.windowsPrintMode);
    panel->Clicked("btMegszakit");
    EXPECT_FALSE(face.printingEnabled);
    panel->Clicked("btNyomtat");
    EXPECT_TRUE(face.printingEnabled);
    panel->Clicked("Button2");
    EXPECT_EQ(printPage.setups, 1);

    panel->Clicked("NDISKA");
    EXPECT_FALSE(face.otherPathEnabled);
    panel->Entered("NPATH");
    EXPECT_TRUE(face.otherPathEnabled);
    panel->Changed("NPATH", "E:\\INSTALL.EXE");
    EXPECT_EQ(panel->CurrentConfig().installSourcePath, "E:\\INSTALL.EXE");

    // A caption, a heading or a name no control has means nothing, and a row's controls
    // mean only their own event.
    for (const std::string_view name : {"Label5", "PageControl1", "A97X", ""}) {
        panel->Clicked(name);
        panel->Changed(name, "D:");
        panel->Entered(name);
    }
    panel->Clicked(a97.drive);
    panel->Changed(a97.year, "D:");
    EXPECT_EQ(platform->started.size(), 1u);
    EXPECT_EQ(catalogue.DriveLetter(kA97), 'C');
    EXPECT_EQ(face.closes, 0);
    panel->Clicked("Button5");
    EXPECT_EQ(face.closes, 1);
}

TEST_F(LauncherPanelTest, ASecondStartInTheSamePlaceIsRefusedOnTheMainWindow) {
    world.WriteFile("C:\\ZELKONYV.97\\DATA\\ZELKOR97.001", "data");
    platform->heldFiles = {"C:\\ZELKONYV.97\\DATA\\ZELKOR97.001"};
    panel->StartProgram(kA97);
    EXPECT_TRUE(platform->started.empty());
    ASSERT_EQ(face.messages.size(), 1u);
    EXPECT_EQ(face.messages[0].owner, MessageOwner::MainWindow);
    EXPECT_EQ(face.messages[0].kind, MessageKind::Error);
    EXPECT_EQ(face.messages[0].text,
              Utf8ToCp1250("Az egyszeres könyvviteli program a kiválasztott helyen már fut!"));
}

TEST_F(LauncherPanelTest, TheStartAfterTheNtfsWarningWaitsForItsAnswer) {
    test::AnswerFileSystem(*platform, "NTFS");
    panel->StartProgram(kA97);
    EXPECT_TRUE(platform->started.empty());
    ASSERT_EQ(face.messages.size(), 1u);
    EXPECT_EQ(face.messages[0].kind, MessageKind::Warning);
    face.Acknowledge();
    EXPECT_EQ(platform->started.size(), 1u);
}

TEST_F(LauncherPanelTest, AnErrorInAHandlerGoesToAppExceptionByItsKind) {
    // The program's folder is gone: its information file cannot be written.
    fs::remove_all(world.Native("C:\\ZELKONYV.97"));
    panel->StartProgram(kA97);
    EXPECT_TRUE(platform->started.empty());
#ifdef _WIN32
    // Windows tells a missing folder apart from a missing file; POSIX's ENOENT cannot.
    EXPECT_EQ(face.standardErrors, std::vector<std::string>{"Path not found"});
#else
    EXPECT_EQ(face.standardErrors, std::vector<std::string>{"File not found"});
#endif

    panel->AppException(IoError(IoErrorKind::InvalidDrive));
    panel->AppException(IoError(IoErrorKind::InvalidFilename));
    EXPECT_TRUE(face.messages.empty());
    panel->AppException(IoError(IoErrorKind::AccessDenied));
    ASSERT_EQ(face.messages.size(), 1u);
    EXPECT_EQ(face.messages[0].owner, MessageOwner::SelfInstallWindow);
    EXPECT_EQ(face.messages[0].text, Utf8ToCp1250("Ez a meghajtó írásvédett!"));
}

TEST_F(LauncherPanelTest, SettingsRoundTripStoresCapitalsForTheShownDrive) {
    panel->OpenSettings(kA97);
    EXPECT_TRUE(face.settingsShown);
    EXPECT_EQ(catalogue.currentSlot, kA97);
    EXPECT_EQ(face.shownYear, 1997);
    EXPECT_EQ(face.shownPath, "C:\\ZELKONYV.97\\A97.EXE");
    EXPECT_TRUE(face.allDrivesEnabled);

    settings.EditParameters("/nyomtat");
    EXPECT_TRUE(settings.KeyDown(true, Key::Enter));
    EXPECT_FALSE(face.settingsShown);
    EXPECT_EQ(catalogue.StartParams(kA97, 'C'), "/NYOMTAT");
    EXPECT_EQ(face.parameterText, "/NYOMTAT");

    panel->OpenSettings(kA97);
    settings.EditParameters("/MAS");
    EXPECT_TRUE(settings.KeyDown(false, Key::Escape));
    EXPECT_EQ(catalogue.StartParams(kA97, 'C'), "/NYOMTAT");
}

// The tick of CheckBox1 serves the one OK it was given for: closed, however, the dialog
// forgets it, and the next opening stores for its own drive only.
TEST_F(LauncherPanelTest, TheAllDrivesTickLastsOneOpening) {
    panel->OpenSettings(kA97);
    settings.EditParameters("/A");
    settings.CheckAllDrives(true);
    settings.Store();
    settings.Closed();
    EXPECT_FALSE(face.allDrives);
    EXPECT_EQ(catalogue.StartParams(kA97, 'C'), "/A");
    EXPECT_EQ(catalogue.StartParams(kA97, 'D'), "/A");

    panel->OpenSettings(kA97);
    settings.EditParameters("/B");
    settings.Store();
    EXPECT_EQ(catalogue.StartParams(kA97, 'C'), "/B");
    EXPECT_EQ(catalogue.StartParams(kA97, 'D'), "/A");
}

// The settings dialog's faces forward its controls' events by name, as the main window's do.
TEST_F(LauncherPanelTest, ASettingsControlsEventsMeanWhatItsFormNameSays) {
    panel->OpenSettings(kA97);
    settings.Changed("Edit1", "/A");
    settings.Checked("CheckBox1", true);

    // A caption, a value label, the box's own click or another control's event means nothing.
    for (const std::string_view name : {"pnev", "Panel1", "Label1", "CheckBox1", "Edit1", ""}) {
        settings.Clicked(name);
        settings.Entered(name);
        settings.Chosen(name, 0);
    }
    for (const std::string_view name : {"pnev", "CheckBox1", "Button3", ""}) {
        settings.Changed(name, "/X");
    }
    for (const std::string_view name : {"Edit1", "Button3", "CheckBox2", ""}) {
        settings.Checked(name, false);
    }
    EXPECT_TRUE(face.settingsShown);

    settings.Clicked("Button3");
    EXPECT_FALSE(face.settingsShown);
    EXPECT_EQ(catalogue.StartParams(kA97, 'C'), "/A");
    EXPECT_EQ(catalogue.StartParams(kA97, 'D'), "/A");
    settings.Closed();

    panel->OpenSettings(kA97);
    settings.Changed("Edit1", "/B");
    settings.Clicked("Button1");
    EXPECT_FALSE(face.settingsShown);
    EXPECT_EQ(catalogue.StartParams(kA97, 'C'), "/A");
}

TEST_F(LauncherPanelTest, ParametersThatNoLongerFitTheFileAreToldAfterOk) {
    test::AnswerNtFamily(*platform, true);
    panel->ChoosePrintMode(true);
    panel->OpenSettings(kA97);
    settings.EditParameters("/N");
    settings.Store();
    EXPECT_TRUE(face.messages.empty());

    // With " SERVER", " PRN:" and C:\ZELKOR\Printing, 36 characters already pass the file's
    // 63.
    panel->OpenSettings(kA97);
    settings.EditParameters(std::string(36, 'P'));
    settings.Store();
    EXPECT_FALSE(face.settingsShown);
    ASSERT_EQ(face.messages.size(), 1u);
    EXPECT_EQ(face.messages[0].kind, MessageKind::Warning);
    EXPECT_EQ(face.messages[0].owner, MessageOwner::MainWindow);
    EXPECT_EQ(catalogue.StartParams(kA97, 'C'), std::string(36, 'P')) << "stored all the same";

    // Cancelling stores nothing and says nothing.
    panel->OpenSettings(kA97);
    settings.Cancel();
    EXPECT_EQ(face.messages.size(), 1u);
}

TEST_F(LauncherPanelTest, AFailedSpoolTickStopsPrintingAndSaysWhyOnce) {
    panel->SpoolTick();
    EXPECT_TRUE(face.printingEnabled);
    EXPECT_TRUE(face.messages.empty());

    printPage.next = {true, false, true, "Printer error", std::nullopt};
    panel->SpoolTick();
    EXPECT_FALSE(face.printingEnabled);
    ASSERT_EQ(face.messages.size(), 1u);
    EXPECT_EQ(face.messages[0].kind, MessageKind::Error);
    EXPECT_EQ(face.messages[0].text,
              Utf8ToCp1250("A Windows alapú nyomtatás hiba miatt leállt: ") + "Printer error");
    EXPECT_EQ(face.messages[0].detail, Utf8ToCp1250(" Javítás után engedélyezze újra!"));

    printPage.next = {};
    panel->SpoolTick();
    EXPECT_EQ(printPage.ticks, (std::vector<bool>{true, true, false}));
    EXPECT_EQ(face.messages.size(), 1u);
}

TEST_F(LauncherPanelTest, AListThatCannotBeTakenIsToldAndPrintingGoesOn) {
    printPage.next.scanned = true;
    printPage.next.printed = true;
    printPage.next.stuckList = "ws0000.A17";
    panel->SpoolTick();
    EXPECT_TRUE(face.printingEnabled);
    ASSERT_EQ(face.messages.size(), 1u);
    EXPECT_EQ(face.messages[0].text,
              Utf8ToCp1250("A(z) \"ws0000.A17\" nyomtatási lista nem nyomtatható ki, a többi "
                           "nyomtatása folytatódik!"));
    EXPECT_EQ(face.messages[0].kind, MessageKind::Warning);
    EXPECT_EQ(face.messages[0].detail, Utf8ToCp1250(" A lista a nyomtatási mappában marad."));
    printPage.next.stuckList.reset();
    panel->SpoolTick();
    EXPECT_EQ(face.messages.size(), 1u);
}

TEST_F(LauncherPanelTest, EscapeClosesFromAnyControlAndEnterInstallsOnlyFromTheInstallChoice) {
    for (const KeySender sender : {KeySender::Window, KeySender::Row, KeySender::ExitButton,
                                   KeySender::PrinterSetupButton}) {
        EXPECT_TRUE(panel->KeyDown(sender, Key::Escape));
    }
    EXPECT_EQ(face.closes, 4);

    EXPECT_FALSE(panel->KeyDown(KeySender::Row, Key::Enter));
    EXPECT_FALSE(panel->KeyDown(KeySender::PathField, Key::Other));
    EXPECT_TRUE(face.messages.empty());
    panel->EditInstallPath("valami.exe");
    for (const KeySender sender :
         {KeySender::FloppyChoice, KeySender::OtherPathChoice, KeySender::PathField}) {
        EXPECT_TRUE(panel->KeyDown(sender, Key::Enter));
    }
    // The install box refused the name each time: the installation ran three times.
    EXPECT_EQ(face.messages.size(), 3u);
}

class SilentProgress final : public ProgressView {
public:
    void ShowOverMainWindow() override {}
    void SetGauge(int) override {}
    void SetLabel(std::string_view) override {}
};

// A second launcher over the same start directory, as another PC sees the shared drive.
struct OtherLauncher {
    explicit OtherLauncher(test::WineWorld& world) : platform(world.MakePlatform()) {
        panel.FormCreate();
        panel.RunStartupScan(progress);
    }

    std::unique_ptr<Platform> platform;
    ProgramCatalogue catalogue;
    test::RecordingFace face;
    SilentProgress progress;
    LauncherPanel panel{*platform, catalogue, "C:\\ZELKOR", face, face.queue};
};

TEST_F(LauncherPanelTest, TwoLaunchersOverOneFileKeepEachOthersChanges) {
    world.WriteFile("C:\\ZELKOR\\ZELPULT.INI", "[]\r\n[]\r\n[OLD PATH]\r\n");
    OtherLauncher first(world);
    OtherLauncher second(world);
    OtherLauncher idle(world);

    first.catalogue.SetStartParams(kA97, 'C', "/FIRST");
    first.panel.EditInstallPath("A:\\INSTALL.EXE");
    second.panel.ChoosePrintMode(true);
    second.panel.SwitchPrinting(false);
    first.panel.Closed();
    second.panel.Closed();
    idle.panel.Closed();

    ProgramCatalogue read;
    read.Fill();
    LauncherConfig config;
    ReadConfigFile(*platform, "C:\\ZELKOR\\ZELPULT.INI", read, config);
    EXPECT_EQ(read.StartParams(kA97, 'C'), "/FIRST");
    EXPECT_EQ(config.installSourcePath, "A:\\INSTALL.EXE");
    EXPECT_TRUE(config.windowsPrintMode);
    EXPECT_FALSE(config.printingEnabled);
    EXPECT_EQ(config.rememberedDrivesA[0], kNoDrive);
    EXPECT_EQ(config.rememberedDrivesA[1], 'C') << "the row found on C is remembered there";
    EXPECT_EQ(first.face.ends + second.face.ends + idle.face.ends, 3);
}

TEST_F(LauncherPanelTest, ClosingWritesTheConfigurationOrSaysItCouldNot) {
    panel->EditInstallPath("A:\\INSTALL.EXE");
    panel->Closed();
    EXPECT_EQ(face.ends, 1);
    EXPECT_NE(test::ReadNativeFile(world.Native("C:\\ZELKOR\\ZELPULT.INI")).find("A:\\INSTALL.EXE"),
              std::string::npos);

    // A folder where the file should be: the write fails, the user is told, and the
    // program ends once the message is answered.
    fs::remove(world.Native("C:\\ZELKOR\\ZELPULT.INI"));
    fs::create_directories(world.Native("C:\\ZELKOR\\ZELPULT.INI\\x"));
    panel->Closed();
    EXPECT_EQ(face.ends, 1);
    ASSERT_EQ(face.messages.size(), 1u);
    EXPECT_EQ(face.messages[0].text, Utf8ToCp1250("A beállítások mentése nem sikerült!"));
    face.Acknowledge();
    EXPECT_EQ(face.ends, 2);
}

TEST(LauncherPanelSpool, LiesInTheStartFolderWhenTheExecutablesFolderCannotBeWritten) {
    test::WineWorld world;
    world.AddDrive('C');
    world.WriteFile("C:\\ZELKOR\\ZELPULT.INI", "");
    const fs::path system = world.AddDrive('E') / "USR" / "BIN";
    fs::create_directories(system);
    const auto spoolOf = [&world](bool writable) {
        // The launcher where a package puts it, in a folder that may be writable or not.
        test::ForwardingPlatform platform(world.MakePlatform());
        platform.executablePath = "E:\\USR\\BIN\\ZELPULT";
        platform.writableFolders.emplace();
        if (writable) {
            platform.writableFolders->insert("E:\\USR\\BIN");
        }
        ProgramCatalogue catalogue;
        test::RecordingFace face;
        LauncherPanel panel(platform, catalogue, "C:\\ZELKOR", face, face.queue);
        panel.FormCreate();
        return panel.SpoolDirectory().Text();
    };
    EXPECT_EQ(spoolOf(true), "E:\\USR\\BIN\\Printing");
    EXPECT_EQ(spoolOf(false), "C:\\ZELKOR\\Printing");
    EXPECT_TRUE(fs::is_directory(world.Native("C:\\ZELKOR\\Printing")));
    EXPECT_FALSE(fs::exists(system / "Printing")) << "nothing is made beside a system folder";
}

} // namespace
} // namespace zel
