#include "LaunchMachine.h"
#include "launch/LaunchProcedure.h"
#include "support/RecordingMessageSink.h"
#include "support/WineWorld.h"

#include <filesystem>
#include <gtest/gtest.h>
#include <set>

namespace fs = std::filesystem;

namespace zel {
namespace {

class ExportRenamesTest : public ::testing::Test {
protected:
    ExportRenamesTest() {
        world.AddDrive('D');
        platform = test::MakeLaunchMachine(world, log);
        catalogue.Fill();
        for (const char* name :
             {"M29\\FLOPPY\\BEV.291", "M29\\FLOPPY\\BEV.981", "M29\\FLOPPY\\BEV.TXT",
              "M29\\FLOPPY\\KI.9912", "M29\\FLOPPY\\NOEXT", "M29\\FLOPPY\\A.B.291",
              "M29\\FLOPPY\\C.29", "M31\\FLOPPY\\Z.311", "M232\\FLOPPY\\Y.321"}) {
            world.WriteFile(std::string(kRoot) + name, name);
        }
        fs::create_directories(world.Native(std::string(kRoot) + "M29\\FLOPPY\\ATAD.301"));
        // Already there under the new name: must survive.
        world.WriteFile(std::string(kRoot) + "M31\\FLOPPY\\Z.03K31_1", "newer");
    }

    std::set<std::string> Names(const char* folder) {
        std::set<std::string> names;
        for (const auto& entry :
             fs::directory_iterator(world.Native(std::string(kRoot) + folder))) {
            names.insert(entry.path().filename().string());
        }
        return names;
    }

    LaunchResult Launch(int slot) {
        catalogue.SetDriveLetter(slot, 'D');
        world.WriteFile(catalogue.ExecutablePath(slot), "MZ");
        return LaunchProgram(*platform, catalogue, slot, false, "D:\\P", "", sink);
    }

    static constexpr const char* kRoot = "D:\\ZELBER.203\\EXPORT\\";
    test::WineWorld world;
    std::vector<std::string> log;
    std::unique_ptr<test::ForwardingPlatform> platform;
    test::RecordingMessageSink sink{log};
    ProgramCatalogue catalogue;
};

TEST_F(ExportRenamesTest, ThePayroll2003LaunchRenamesOldExtensions) {
    Launch(kSlotB03);

    EXPECT_EQ(Names("M29\\FLOPPY"),
              (std::set<std::string>{"BEV.03M29_1", "BEV.03M29XA_1", "BEV.TXT", "KI.03M29XC_1",
                                     "NOEXT", "A.B.291", "C.29", "ATAD.03K30_1"}));
    EXPECT_EQ(test::ReadNativeFile(world.Native(std::string(kRoot) + "M29\\FLOPPY\\BEV.03M29_1")),
              "M29\\FLOPPY\\BEV.291");
    EXPECT_EQ(Names("M31\\FLOPPY"), (std::set<std::string>{"Z.311", "Z.03K31_1"}));
    EXPECT_EQ(test::ReadNativeFile(world.Native(std::string(kRoot) + "M31\\FLOPPY\\Z.03K31_1")),
              "newer");
    EXPECT_EQ(Names("M232\\FLOPPY"), std::set<std::string>{"Y.03K32_1"});
    EXPECT_EQ(platform->started.size(), 1u);
}

TEST_F(ExportRenamesTest, OtherProgramsRenameNothing) {
    const auto before = Names("M29\\FLOPPY");
    for (const int slot : {15, 18, 14}) {
        Launch(slot);
    }
    EXPECT_EQ(Names("M29\\FLOPPY"), before);
    EXPECT_EQ(Names("M232\\FLOPPY"), std::set<std::string>{"Y.321"});
    EXPECT_EQ(platform->started.size(), 3u);
}

} // namespace
} // namespace zel
