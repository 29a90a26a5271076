#include "platform/posix/DriveCommand.h"

#include "platform/posix/DriveFacts.h"
#include "platform/posix/FirstDriveMap.h"
#include "platform/posix/MountTable.h"
#include "platform/posix/WinePrefix.h"
#include "support/TempDir.h"
#include "support/TreeSnapshot.h"

#include <filesystem>
#include <gtest/gtest.h>
#include <sstream>

namespace fs = std::filesystem;

namespace zel {
namespace {

class DriveCommandTest : public ::testing::Test {
protected:
    DriveCommandTest() {
        EXPECT_EQ(posix::MakeFirstDriveMapIn(home.Path()).outcome,
                  posix::FirstDriveMap::Outcome::Made);
        fs::create_directories(server);
    }

    int Run(std::vector<std::string> arguments) {
        out.str({});
        err.str({});
        EXPECT_TRUE(posix::IsDriveCommand(arguments));
        return posix::RunDriveCommand(prefix, arguments, out, err);
    }

    test::TempDir home;
    test::TempDir shares;
    const fs::path prefix = home.Path() / ".wine";
    const fs::path server = shares.Path() / "zelkor";
    std::ostringstream out;
    std::ostringstream err;
};

TEST_F(DriveCommandTest, AFolderGetsALetterListedAndScannedByItsMountThenLosesIt) {
    EXPECT_EQ(Run({"--drive", "f:", (server / "").string()}), 0) << err.str();
    EXPECT_EQ(err.str(), "");
    EXPECT_EQ(fs::read_symlink(prefix / "dosdevices" / "f:"), server);
    // A login script maps it at every login.
    EXPECT_EQ(Run({"--drive", "F:", server.string()}), 0) << err.str();

    const posix::WinePrefix drives(prefix);
    EXPECT_EQ(drives.Letters(), (std::vector<char>{'C', 'F'}));
    const auto mount = posix::MountHolding(*posix::ReadMountTable(), fs::canonical(server));
    ASSERT_TRUE(mount);
    EXPECT_EQ(posix::DriveTypeOf(drives, 'F'), posix::DriveTypeOfFileSystem(mount->type));

    EXPECT_EQ(Run({"--drives"}), 0);
    EXPECT_EQ(out.str(), "C: " + fs::canonical(prefix / "drive_c").string() +
                             "\nF: " + fs::canonical(server).string() + "\n");

    EXPECT_EQ(Run({"--drive", "F:"}), 0) << err.str();
    EXPECT_FALSE(fs::is_symlink(prefix / "dosdevices" / "f:"));
    EXPECT_TRUE(fs::is_directory(server)) << "only the letter goes, never the folder";
}

TEST_F(DriveCommandTest, ErrorsSayWhatIsWrongAndChangeNothing) {
    ASSERT_EQ(Run({"--drive", "G:", server.string()}), 0);
    const std::string before = test::Snapshot(prefix);
    const struct {
        std::vector<std::string> arguments;
        int code;
        std::string said;
    } cases[] = {
        {{"--drive", "G:", shares.Path().string()},
         1,
         "A(z) G: meghajtó már foglalt (" + server.string() +
             ")! Megszüntetése: zelpult --drive G:\n"},
        {{"--drive", "C:", server.string()}, 1, "A(z) C: meghajtó már foglalt (../drive_c)!"},
        {{"--drive", "H:", (shares.Path() / "nincs").string()},
         1,
         "A(z) \"" + (shares.Path() / "nincs").string() + "\" mappa nem található!\n"},
        {{"--drive", "H:"}, 1, "A(z) H: meghajtó nincs beállítva!\n"},
        {{"--drive", "C:"}, 1, "A C: meghajtó nem szüntethető meg"},
        {{"--drive", "B:", server.string()},
         2,
         "A(z) \"B:\" nem használható meghajtóbetűjel! Adjon meg egy betűt C: és Z: között!\n"},
        {{"--drive", "FF", server.string()}, 2, "A(z) \"FF\" nem használható meghajtóbetűjel!"},
        {{"--drive", "1:"}, 2, "A(z) \"1:\" nem használható meghajtóbetűjel!"},
        {{"--drive"}, 2, "Használat:\n"},
        {{"--drives", "F:"}, 2, "Használat:\n"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.arguments.back());
        EXPECT_EQ(Run(c.arguments), c.code);
        EXPECT_EQ(err.str().substr(0, c.said.size()), c.said);
        EXPECT_EQ(out.str(), "");
    }
    // A file where a folder is meant is no folder either.
    test::WriteNativeFile(shares.Path() / "file", "x");
    EXPECT_EQ(Run({"--drive", "H:", (shares.Path() / "file").string()}), 1);
    EXPECT_EQ(test::Snapshot(prefix), before);
}

// Whatever stands under a letter that this command did not make is someone else's.
TEST_F(DriveCommandTest, WhatTheCommandDidNotMakeIsLeftAsItIs) {
    const fs::path devices = prefix / "dosdevices";
    fs::create_directory(devices / "h:");
    test::WriteNativeFile(devices / "h:" / "adat", "x");
    fs::create_directory_symlink(shares.Path() / "gone", devices / "g:");
    const std::string before = test::Snapshot(home.Path());

    EXPECT_EQ(Run({"--drive", "H:"}), 1);
    EXPECT_EQ(err.str(), "A(z) H: meghajtó nincs beállítva!\n");
    EXPECT_EQ(Run({"--drive", "H:", server.string()}), 1);
    EXPECT_EQ(err.str(), "A(z) H: meghajtó már foglalt!\n");
    // A letter whose folder has gone is still taken until it is removed.
    EXPECT_EQ(Run({"--drive", "G:", server.string()}), 1);
    EXPECT_EQ(err.str(), "A(z) G: meghajtó már foglalt (" + (shares.Path() / "gone").string() +
                             ")! Megszüntetése: zelpult --drive G:\n");
    EXPECT_EQ(test::Snapshot(home.Path()), before);

    // A map that is not there is not made by a command that names it.
    const fs::path missing = home.Path() / "elsewhere";
    const std::string unreachable =
        "A(z) \"" + (missing / "dosdevices").string() + "\" mappa nem érhető el!\n";
    for (const auto& arguments : std::vector<std::vector<std::string>>{
             {"--drive", "F:", server.string()}, {"--drive", "F:"}}) {
        out.str({});
        err.str({});
        EXPECT_EQ(posix::RunDriveCommand(missing, arguments, out, err), 1);
        EXPECT_EQ(err.str(), unreachable);
    }
    EXPECT_FALSE(fs::exists(missing));
}

TEST_F(DriveCommandTest, APrefixNotYetStartedKeepsTheLettersItWasReadWith) {
    fs::remove_all(prefix / "dosdevices");
    EXPECT_EQ(Run({"--drive", "F:", server.string()}), 0) << err.str();
    EXPECT_EQ(posix::WinePrefix(prefix).Letters(), (std::vector<char>{'C', 'F', 'Z'}));
    EXPECT_FALSE(posix::IsDriveCommand({"--print-relay"}));
    EXPECT_FALSE(posix::IsDriveCommand({}));
}

} // namespace
} // namespace zel
