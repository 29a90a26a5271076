#include "dos/DosBoxConfig.h"

#include "dos/DosStart.h"

#include <gtest/gtest.h>

namespace zel {
namespace {

std::string Autoexec(const std::string& config) {
    return config.substr(config.find("[autoexec]\n") + 11);
}

DosBoxSetup TwoDrives() {
    DosBoxSetup setup;
    setup.drives = {{'C', "/home/kati/.wine/drive_c", false, "RENDSZER"},
                    {'D', "/media/cdrom", true, ""}};
    setup.virtualDrive = 'Z';
    setup.loaderDrive = 'Y';
    setup.loaderFolder = "/tmp/zelstart-ab12";
    return setup;
}

TEST(DosBoxConfig, AutoexecMountsTheDrivesAndHandsOverToTheLoader) {
    DosBoxSetup setup = TwoDrives();
    setup.drives.push_back({'Z', "/", false, ""});
    setup.virtualDrive = 'X';
    setup.loaderDrive = 'W';
    EXPECT_EQ(Autoexec(ComposeDosBoxConfig(setup)),
              "@echo off\n"
              "mount -z X\n"
              "mount C \"/home/kati/.wine/drive_c\" -label RENDSZER\n"
              "mount D \"/media/cdrom\" -t cdrom\n"
              "mount Z \"/\"\n"
              "mount W \"/tmp/zelstart-ab12\"\n"
              "W:\\ZELSTART.COM W:\\ZELSTART.DAT\n"
              "exit\n");
}

TEST(DosBoxConfig, ThePrinterCaptureIsResidentBeforeTheProgramStarts) {
    DosBoxSetup setup = TwoDrives();
    EXPECT_EQ(Autoexec(ComposeDosBoxConfig(setup)).find("ZELPRN"), std::string::npos);
    setup.capturePrinter = true;
    EXPECT_NE(Autoexec(ComposeDosBoxConfig(setup))
                  .find("mount Y \"/tmp/zelstart-ab12\"\n"
                        "Y:\\ZELPRN.COM\n"
                        "Y:\\ZELSTART.COM Y:\\ZELSTART.DAT\n"),
              std::string::npos);
}

TEST(DosBoxConfig, DosBoxKeepsItsDriveWhenZIsFree) {
    EXPECT_EQ(Autoexec(ComposeDosBoxConfig(TwoDrives())).find("mount -z"), std::string::npos);
}

TEST(DosBoxConfig, NoPathOrLabelCanBreakOutOfItsLine) {
    DosBoxSetup setup = TwoDrives();
    setup.drives = {{'C', "/data/100%/x", false, "A B\"C%D\x01\xE1LONGLONGLABEL"},
                    {'D', "/data/with\"quote", false, ""},
                    {'E', "/data/new\nline", false, ""}};
    const std::string autoexec = Autoexec(ComposeDosBoxConfig(setup));
    EXPECT_NE(autoexec.find("mount C \"/data/100%%/x\" -label ABCDLONGLON\n"), std::string::npos);
    EXPECT_EQ(autoexec.find("mount D"), std::string::npos);
    EXPECT_EQ(autoexec.find("mount E"), std::string::npos);
}

TEST(DosBoxConfig, StartsQuietlyAndQuickly) {
    const std::string config = ComposeDosBoxConfig(TwoDrives());
    for (const char* setting : {"cycles=max\n", "nosound=true\n", "waitonerror=false\n"}) {
        EXPECT_NE(config.find(setting), std::string::npos) << setting;
    }
}

TEST(DosBoxConfig, SpareLettersAreTheHighestTwoTheDrivesLeave) {
    const auto spare = ChooseSpareLetters({'C', 'D', 'Z', 'Y'});
    ASSERT_TRUE(spare);
    EXPECT_EQ(spare->virtualDrive, 'X');
    EXPECT_EQ(spare->loaderDrive, 'W');

    std::vector<char> almostAll;
    for (char letter = 'A'; letter <= 'Z'; ++letter) {
        if (letter != 'M') {
            almostAll.push_back(letter);
        }
    }
    EXPECT_FALSE(ChooseSpareLetters(almostAll));
}

TEST(DosCommandTail, IsCodePage852WithoutControlsAfterOneBlank) {
    EXPECT_EQ(DosCommandTail(""), "");
    EXPECT_EQ(DosCommandTail("SERVER"), " SERVER");
    EXPECT_EQ(DosCommandTail(" SERVER"), " SERVER");
    EXPECT_EQ(DosCommandTail("a\r\nexit\x1A\tb\x7F"), " aexitb");
    // ő and ű of code page 1250 become those of code page 852; a missing letter a "?".
    EXPECT_EQ(DosCommandTail("\xF5\xFB\x80"), " \x8B\xFB?");
    EXPECT_EQ(DosCommandTail(std::string(200, 'x')), " " + std::string(125, 'x'));
}

TEST(DosStartData, HoldsFolderProgramAndTailAtTheirPlaces) {
    const auto data = ComposeDosStartData(2, "\\ZELKONYV.97", "C:\\ZELKONYV.97\\A97.EXE", " A<B");
    ASSERT_TRUE(data);
    ASSERT_EQ(data->size(), kDosStartDataSize);
    EXPECT_EQ((*data)[0], 2);
    EXPECT_EQ(std::string(data->c_str() + 1), "\\ZELKONYV.97");
    EXPECT_EQ(std::string(data->c_str() + 128), "C:\\ZELKONYV.97\\A97.EXE");
    EXPECT_EQ(data->substr(256, 6), std::string("\x04 A<B\r"));

    EXPECT_FALSE(ComposeDosStartData(2, std::string(127, 'F'), "C:\\A.EXE", ""));
    EXPECT_FALSE(ComposeDosStartData(2, "\\", "C:\\A.EXE", std::string(127, 'x')));
}

TEST(DosStartData, TheLoaderIsASmallComProgram) {
    const std::string_view loader = DosStartLoader();
    EXPECT_GT(loader.size(), 50U);
    EXPECT_LT(loader.size(), 1024U);
    EXPECT_NE(loader.substr(0, 2), "MZ");
}

} // namespace
} // namespace zel
