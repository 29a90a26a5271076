// Two launchers over one folder, each in a PID namespace of its own with its own /proc, as
// two PCs on one file server: neither sees the other's processes, only the running lock.

#include "StartWorld.h"
#include "catalogue/ProgramCatalogue.h"
#include "launch/LaunchProcedure.h"
#include "platform/posix/ProgramLock.h"
#include "support/OwnPidNamespace.h"
#include "support/RecordingMessageSink.h"

namespace fs = std::filesystem;

namespace zel::test {
namespace {

constexpr int kSlotA97 = 3;
constexpr int kPatience = 30;

class SharedFolderStart : public StartWorld {
protected:
    SharedFolderStart() {
        m_catalogue.Fill();
        m_catalogue.SetDriveLetter(kSlotA97, 'C');
        // The program runs until its PC's launcher is gone.
        m_catalogue.SetStartParams(kSlotA97, 'C', "/VAR=600");
        InstallNative(m_catalogue.ExecutablePath(kSlotA97));
        // Left by an earlier run, as a data folder always has it.
        m_lock = m_world.WriteFile(m_catalogue.DataLockPath(kSlotA97));
    }

    void SetUp() override {
        if (!OwnPidNamespace::Available()) {
            GTEST_SKIP() << "PID namespaces need root";
        }
    }

    // One click on the year button, on a PC of its own that stays up until done opens.
    [[nodiscard]] std::unique_ptr<OwnPidNamespace> LaunchOnOtherPc(const Gate& done) {
        return std::make_unique<OwnPidNamespace>([this, &done] {
            const auto platform = m_world.MakePlatform();
            RecordingMessageSink messages;
            ProgramCatalogue catalogue = m_catalogue;
            const LaunchResult result = LaunchProgram(*platform, catalogue, kSlotA97, true,
                                                      "C:\\ZELKOR\\Printing", "", messages);
            done.Wait();
            return static_cast<int>(result);
        });
    }

    [[nodiscard]] bool LockHeld() const { return posix::ProgramLockHeld(m_lock); }

    ProgramCatalogue m_catalogue;
    fs::path m_lock;
};

TEST_F(SharedFolderStart, TheSecondPcRefusesWhileTheFirstRunsAndStartsOnceItHasEnded) {
    Gate firstDone;
    const auto first = LaunchOnOtherPc(firstDone);
    ASSERT_TRUE(WaitUntil([&] { return LockHeld(); }, kPatience));

    Gate secondDone;
    secondDone.Open();
    EXPECT_EQ(LaunchOnOtherPc(secondDone)->Wait(), static_cast<int>(LaunchResult::AlreadyRunning));

    firstDone.Open();
    EXPECT_EQ(first->Wait(), static_cast<int>(LaunchResult::Started));
    EXPECT_TRUE(WaitUntil([&] { return !LockHeld(); }, kPatience))
        << "the program ends with its PC";

    Gate thirdDone;
    const auto third = LaunchOnOtherPc(thirdDone);
    EXPECT_TRUE(WaitUntil([&] { return LockHeld(); }, kPatience));
    thirdDone.Open();
    EXPECT_EQ(third->Wait(), static_cast<int>(LaunchResult::Started));
}

} // namespace
} // namespace zel::test
