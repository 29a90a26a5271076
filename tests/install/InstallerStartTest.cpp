#include "install/InstallerStart.h"

#include "install/InstallerBrowse.h"
#include "launch/ProgramInformationFile.h"
#include "support/ForwardingPlatform.h"
#include "support/RecordingMessageSink.h"
#include "support/WineWorld.h"
#include "text/CodePage1250.h"

#include <gtest/gtest.h>

namespace zel {
namespace {

class InstallerStartTest : public ::testing::Test {
protected:
    InstallerStartTest() {
        world.AddDrive('A');
        world.AddDrive('C');
        world.AddDrive('D');
        std::filesystem::create_directories(world.Native("D:\\ZELKOR"));
        platform = std::make_unique<test::ForwardingPlatform>(world.MakePlatform());
        // Starts nothing: the test only needs to know what would have been started.
        platform->recordStarts = true;
    }

    InstallerStartResult Start(bool floppy, std::string_view path) {
        return StartInstaller(*platform, messages, {floppy, std::string(path)}, "D:\\ZELKOR");
    }

    void ExpectStarted(const ProgramInformation& expected) {
        ASSERT_EQ(platform->started.size(), 1u);
        EXPECT_EQ(platform->started[0].informationFile, "D:\\ZELKOR\\RUN.PIF");
        EXPECT_EQ(platform->started[0].program, expected.program);
        EXPECT_EQ(platform->started[0].workingDirectory, expected.workingDirectory);
        EXPECT_EQ(platform->started[0].title, expected.title);
        EXPECT_EQ(platform->started[0].dataLockFile, std::nullopt) << "an installer has no data";
        EXPECT_EQ(test::ReadNativeFile(world.Native("D:\\ZELKOR\\RUN.PIF")),
                  ComposeProgramInformation(expected));
        EXPECT_TRUE(messages.shown.empty());
    }

    void ExpectRefused(std::string_view utf8Message) {
        EXPECT_TRUE(platform->started.empty());
        EXPECT_FALSE(std::filesystem::exists(world.Native("D:\\ZELKOR\\RUN.PIF")));
        ASSERT_EQ(messages.shown.size(), 1u);
        EXPECT_EQ(messages.shown[0].text, Utf8ToCp1250(utf8Message));
        EXPECT_EQ(messages.shown[0].kind, MessageKind::Error);
        EXPECT_EQ(messages.shown[0].detail, "");
    }

    test::WineWorld world;
    std::unique_ptr<test::ForwardingPlatform> platform;
    test::RecordingMessageSink messages;
};

constexpr const char* kNameRefused =
    "Csak \"INSTALL.EXE\" , \"ZELKONYV(év).EXE\" , \"ZELBER(év).EXE\" futtatható!";

TEST(InstallerNameTest, AcceptsInstallAndTheYearsNinetyEightToTwoThousandNine) {
    for (const char* name :
         {"install.exe", "C:\\KIT\\INSTALL.EXE", "c:/kit/zelber2005.exe", "X:\\ZELKONYV1998.EXE",
          "ZELBER2009.EXE", "C:\\INSTALL.EXE\\SETUP.BAT", "C:\\ZELKONYV2003.EXE.OLD"}) {
        EXPECT_TRUE(IsAcceptedInstallerName(name)) << name;
    }
    for (const char* name : {"", "C:\\KIT\\SETUP.EXE", "ZELBER2010.EXE", "ZELKONYV1997.EXE",
                             "ZELBER05.EXE", "ZELKONYV 2005.EXE", "INSTALL.COM"}) {
        EXPECT_FALSE(IsAcceptedInstallerName(name)) << name;
    }
}

TEST_F(InstallerStartTest, OtherPathIsNormalisedAndStartedFromItsFolder) {
    world.WriteFile("C:\\KIT\\ZELBER2005.EXE", "MZ");
    const auto result = Start(false, "c:/kit/zelber2005.exe");
    EXPECT_EQ(result.outcome, InstallerOutcome::Started);
    EXPECT_EQ(result.pathText, "C:\\KIT\\ZELBER2005.EXE");
    ExpectStarted({"RUN", "C:\\KIT\\ZELBER2005.EXE", "C:\\KIT\\", ""});
}

TEST_F(InstallerStartTest, NameOutsideTheListIsRefusedBeforeAnythingElse) {
    world.WriteFile("C:\\KIT\\ZELBER2010.EXE", "MZ");
    const auto result = Start(false, "c:/kit/zelber2010.exe");
    EXPECT_EQ(result.outcome, InstallerOutcome::NameRefused);
    EXPECT_FALSE(result.pathText.has_value());
    ExpectRefused(kNameRefused);
}

TEST_F(InstallerStartTest, FolderNamedLikeTheInstallerPassesTheNameCheckButIsNoFile) {
    world.WriteFile("C:\\INSTALL.EXE\\SETUP.EXE", "MZ");
    const auto result = Start(false, "c:/install.exe");
    EXPECT_EQ(result.outcome, InstallerOutcome::FileMissing);
    EXPECT_EQ(result.pathText, "C:\\INSTALL.EXE");
    ExpectRefused("A(z) \"C:\\INSTALL.EXE\" program nem érhető el!");
}

TEST_F(InstallerStartTest, InstallerInTheRootRunsThere) {
    world.WriteFile("C:\\INSTALL.EXE", "MZ");
    EXPECT_EQ(Start(false, "c:\\install.exe").outcome, InstallerOutcome::Started);
    ExpectStarted({"RUN", "C:\\INSTALL.EXE", "C:\\", ""});
}

TEST_F(InstallerStartTest, AnInstallerThatCannotStartIsToldAndSaysWhyForDosBox) {
    world.WriteFile("C:\\INSTALL.EXE", "MZ");
    platform->startOutcome = StartOutcome::Failure(2);
    const auto failed = Start(false, "c:\\install.exe");
    EXPECT_EQ(failed.outcome, InstallerOutcome::StartFailed);
    EXPECT_EQ(failed.pathText, "C:\\INSTALL.EXE");
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.shown[0].text,
              Utf8ToCp1250("A(z) \"C:\\INSTALL.EXE\" program nem indítható el!"));
    EXPECT_EQ(messages.shown[0].kind, MessageKind::Error);

    platform->startOutcome = {StartOutcomeKind::NoDosBox, 0};
    EXPECT_EQ(Start(false, "c:\\install.exe").outcome, InstallerOutcome::StartFailed);
    ASSERT_EQ(messages.shown.size(), 2u);
    EXPECT_EQ(messages.shown[1].text, Utf8ToCp1250("A DOS-os program indításához DOSBox szükséges, "
                                                   "de nincs telepítve."));
}

TEST_F(InstallerStartTest, TheLauncherNeverStartsItself) {
    world.WriteFile("C:\\INSTALL.EXE\\ZELPULT.EXE", "MZ");
    const auto result = Start(false, "C:\\INSTALL.EXE\\zelpult.exe");
    EXPECT_EQ(result.outcome, InstallerOutcome::LauncherRefused);
    ExpectRefused("Az ZELKOR Indítópult csak egy példányban futhat!");
}

TEST_F(InstallerStartTest, OverlongPathIsCutAndSoIsItsMessage) {
    const std::string path = "c:\\" + std::string(280, 'k') + "\\install.exe";
    const auto result = Start(false, path);
    EXPECT_EQ(result.outcome, InstallerOutcome::FileMissing);
    ASSERT_TRUE(result.pathText.has_value());
    EXPECT_EQ(*result.pathText, "C:\\" + std::string(252, 'K'));
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.shown[0].text.size(), 255u);
    EXPECT_EQ(messages.shown[0].text.substr(0, 8), "A(z) \"C:");
    EXPECT_TRUE(platform->started.empty());
}

TEST_F(InstallerStartTest, FloppySkipsTheNameCheckAndStillNormalisesThePathField) {
    const auto missing = Start(true, "c:/kit/setup.exe");
    EXPECT_EQ(missing.outcome, InstallerOutcome::FloppyMissing);
    EXPECT_EQ(missing.pathText, "C:\\KIT\\SETUP.EXE");
    ExpectRefused("Az \"A:\\INSTALL.EXE\" program nem érhető el!");

    messages.shown.clear();
    world.WriteFile("A:\\INSTALL.EXE", "MZ");
    EXPECT_EQ(Start(true, Utf8ToCp1250("c:/kit/á.exe")).pathText, Utf8ToCp1250("C:\\KIT\\á.EXE"));
    ExpectStarted({"INSTALL", "A:\\INSTALL.EXE", "A:\\", ""});
}

TEST(InstallerBrowseTest, DialogOpensInThePathsFolderWithItsFileName) {
    const BrowseStart full = SplitBrowsePath("C:\\KIT\\INSTALL.EXE");
    EXPECT_EQ(full.initialDirectory, "C:\\KIT\\");
    EXPECT_EQ(full.fileName, "INSTALL.EXE");
    const BrowseStart bare = SplitBrowsePath("INSTALL.EXE");
    EXPECT_EQ(bare.initialDirectory, "");
    EXPECT_EQ(bare.fileName, "INSTALL.EXE");
    const BrowseStart cut = SplitBrowsePath(std::string(250, 'x') + "\\INSTALL.EXE");
    EXPECT_EQ(cut.initialDirectory, std::string(250, 'x') + "\\");
    EXPECT_EQ(cut.fileName, "INST");
}

} // namespace
} // namespace zel
