#include "platform/posix/OpenFileWatch.h"
#include "platform/posix/PosixPlatform.h"
#include "platform/posix/ProcSharingProbe.h"
#include "platform/posix/ProgramLock.h"
#include "support/OwnPidNamespace.h"
#include "support/WineWorld.h"

#include <csignal>
#include <fcntl.h>
#include <fstream>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

namespace fs = std::filesystem;

namespace zel {
namespace {

constexpr const char* kLock = "C:\\ZELKONYV.97\\DATA\\ZELK001";

// A child process that holds one file open until it is let go.
class Holder final {
public:
    Holder(const fs::path& file, int flags) {
        int ready[2];
        int release[2];
        if (::pipe(ready) != 0 || ::pipe(release) != 0) {
            throw std::runtime_error("pipe failed");
        }
        m_child = ::fork();
        if (m_child == 0) {
            ::close(ready[0]);
            ::close(release[1]);
            const int fd = ::open(file.c_str(), flags);
            char byte = fd >= 0 ? 'y' : 'n';
            (void)!::write(ready[1], &byte, 1);
            (void)!::read(release[0], &byte, 1);
            ::_exit(0);
        }
        ::close(ready[1]);
        ::close(release[0]);
        m_release = release[1];
        char byte = 'n';
        const bool opened = ::read(ready[0], &byte, 1) == 1 && byte == 'y';
        ::close(ready[0]);
        if (!opened) {
            throw std::runtime_error("the child could not open the file");
        }
    }
    // Ended outright: a holder made later keeps a copy of the release pipe.
    ~Holder() {
        ::close(m_release);
        ::kill(m_child, SIGKILL);
        ::waitpid(m_child, nullptr, 0);
    }
    Holder(const Holder&) = delete;
    Holder& operator=(const Holder&) = delete;

private:
    pid_t m_child = -1;
    int m_release = -1;
};

class OpenHere final {
public:
    OpenHere(const fs::path& file, int flags)
        : m_fd(::open(file.c_str(), flags | O_CLOEXEC, 0666)) {
        if (m_fd < 0) {
            throw std::runtime_error("open failed");
        }
    }
    ~OpenHere() { ::close(m_fd); }
    OpenHere(const OpenHere&) = delete;
    OpenHere& operator=(const OpenHere&) = delete;

private:
    int m_fd;
};

class SharingProbeTest : public ::testing::Test {
protected:
    SharingProbeTest() : m_lock(m_world.WriteFile(kLock, "lock")) { m_world.AddDrive('C'); }

    // A fresh look each time, as each spool tick and each launch takes one.
    std::pair<bool, bool> Probe(std::string_view dosPath = kLock) {
        auto probe = m_world.MakePlatform()->MakeSharingProbe();
        const bool exclusive = probe->CanOpenExclusive(dosPath).canOpen;
        return {exclusive, probe->CanOpenDenyWrite(dosPath).canOpen};
    }

    test::WineWorld m_world;
    fs::path m_lock;
};

using Answers = std::pair<bool, bool>;

TEST_F(SharingProbeTest, AFileNobodyHoldsOpensBothWays) {
    EXPECT_EQ(Probe(), Answers(true, true));
    EXPECT_EQ(Probe("c:\\zelkonyv.97\\data\\zelk001"), Answers(true, true));
}

TEST_F(SharingProbeTest, AReaderBlocksOnlyTheExclusiveOpen) {
    {
        const OpenHere here(m_lock, O_RDONLY);
        EXPECT_EQ(Probe(), Answers(false, true));
    }
    const Holder child(m_lock, O_RDONLY);
    EXPECT_EQ(Probe(), Answers(false, true));
}

TEST_F(SharingProbeTest, AWriterBlocksBothOpens) {
    {
        const OpenHere here(m_lock, O_WRONLY | O_APPEND);
        EXPECT_EQ(Probe(), Answers(false, false));
    }
    const Holder child(m_lock, O_RDWR);
    EXPECT_EQ(Probe(), Answers(false, false));
}

TEST_F(SharingProbeTest, TheFileIsKnownByItsInodeWhateverNameHoldsIt) {
    const fs::path other = m_lock.parent_path() / "other-name";
    fs::create_hard_link(m_lock, other);
    const Holder child(other, O_RDWR);
    EXPECT_EQ(Probe(), Answers(false, false));
    test::WriteNativeFile(m_lock.parent_path() / "ZELK004", "same text, other file");
    EXPECT_EQ(Probe("C:\\ZELKONYV.97\\DATA\\ZELK004"), Answers(true, true));
}

TEST_F(SharingProbeTest, APathDescriptorHoldsNothing) {
    const OpenHere here(m_lock, O_PATH);
    EXPECT_EQ(Probe(), Answers(true, true));
}

TEST_F(SharingProbeTest, ReadOnlyMissingAndNonFilesCannotBeOpened) {
    fs::permissions(m_lock, fs::perms::owner_read | fs::perms::group_read);
    EXPECT_EQ(Probe(), Answers(false, false));
    EXPECT_EQ(Probe("C:\\ZELKONYV.97\\DATA\\MISSING"), Answers(false, false));
    EXPECT_EQ(Probe("C:\\ZELKONYV.97\\DATA"), Answers(false, false));
    EXPECT_EQ(Probe("Q:\\ZELKONYV.97\\DATA\\ZELK001"), Answers(false, false));
}

TEST_F(SharingProbeTest, OneProbeAnswersFromOneLook) {
    const fs::path later = m_world.WriteFile("C:\\PRINTING\\WS0001.A17", "x");
    auto probe = m_world.MakePlatform()->MakeSharingProbe();
    EXPECT_TRUE(probe->CanOpenDenyWrite(kLock));
    const OpenHere writer(later, O_WRONLY);
    EXPECT_TRUE(probe->CanOpenDenyWrite("C:\\PRINTING\\WS0001.A17"));
    EXPECT_FALSE(
        m_world.MakePlatform()->MakeSharingProbe()->CanOpenDenyWrite("C:\\PRINTING\\WS0001.A17"));
}

// A launcher on another PC sees neither this machine's processes nor the events of its
// folder watches, only the running lock: the probe runs where the holder is out of sight.
TEST_F(SharingProbeTest, ARunningLockHeldOutOfSightRefusesTheExclusiveOpenOnly) {
    if (!test::OwnPidNamespace::Available()) {
        GTEST_SKIP() << "PID namespaces need root";
    }
    const auto answersElsewhere = [this] {
        test::OwnPidNamespace elsewhere([this] {
            const auto platform = m_world.MakePlatform();
            // /proc finds nobody, so the watch counts the file as free from here on.
            const bool denyWrite = platform->MakeSharingProbe()->CanOpenDenyWrite(kLock).canOpen;
            const bool exclusive = platform->MakeSharingProbe()->CanOpenExclusive(kLock).canOpen;
            return (exclusive ? 2 : 0) | (denyWrite ? 1 : 0);
        });
        return elsewhere.Wait();
    };
    test::Gate taken;
    test::Gate end;
    const pid_t holder = ::fork();
    if (holder == 0) {
        int error = 0;
        const int lock = posix::TakeProgramLock(m_lock.c_str(), error);
        taken.Open();
        end.Wait();
        ::_exit(lock >= 0 ? 0 : 1);
    }
    taken.Wait();
    EXPECT_TRUE(posix::ProgramLockHeld(m_lock));
    EXPECT_EQ(answersElsewhere(), 1) << "only the deny-write open is free";
    end.Open();
    ::waitpid(holder, nullptr, 0);
    EXPECT_EQ(answersElsewhere(), 3) << "both are free once the program has ended";
}

// The launcher keeps one platform for its whole run, so that what the spool folder's watch
// has seen spares later ticks their look at /proc; the answers must stay those of /proc.
class WatchedFolderTest : public SharingProbeTest {
protected:
    static constexpr const char* kList = "C:\\PRINTING\\WS0001.A17";
    static constexpr const char* kName = "WS0001.A17";

    WatchedFolderTest() {
        m_world.WriteFile("C:\\PRINTING\\WS0000.A17", "x");
        m_folder = m_world.Native("C:\\PRINTING");
        m_list = m_folder / kName;
    }

    Answers Tick(std::string_view dosPath = kList) {
        auto probe = m_platform->MakeSharingProbe();
        const bool exclusive = probe->CanOpenExclusive(dosPath).canOpen;
        return {exclusive, probe->CanOpenDenyWrite(dosPath).canOpen};
    }

    // What a folder's watch says of the list once it has taken in the events so far.
    posix::OpenFileWatch::Holders Holders(posix::OpenFileWatch& watch) {
        watch.CatchUp();
        return watch.HoldersOf(m_folder, kName);
    }

    // The watch's view after a look at /proc that found the list free.
    void SettleAfterLook(posix::OpenFileWatch& watch) {
        watch.CatchUp();
        const std::uint64_t look = watch.BeginLook();
        watch.CatchUp();
        watch.Settle(m_folder, kName, look);
    }

    std::unique_ptr<posix::PosixPlatform> m_platform = m_world.MakePlatform();
    fs::path m_folder;
    fs::path m_list;
};

using Holders = posix::OpenFileWatch::Holders;

// The watch here takes in the events on each side of a probe, which opens the file itself
// (to ask for its running lock).
TEST_F(WatchedFolderTest, OnlyALookAtProcMakesAListFree) {
    EXPECT_EQ(Tick("C:\\PRINTING\\WS0000.A17"), Answers(true, true));
    posix::OpenFileWatch watch;
    EXPECT_EQ(watch.HoldersOf(m_folder, kName), Holders::Unknown);
    {
        const OpenHere writer(m_list, O_WRONLY | O_CREAT | O_EXCL);
        EXPECT_NE(Holders(watch), Holders::None);
        EXPECT_EQ(Tick(), Answers(false, false));
    }
    // Seeing its create, open and close is not enough: another open may hide in the writer's.
    EXPECT_EQ(Holders(watch), Holders::Unknown);
    EXPECT_EQ(Tick(), Answers(true, true));
    SettleAfterLook(watch);
    EXPECT_EQ(watch.HoldersOf(m_folder, kName), Holders::None);
    {
        const OpenHere reader(m_list, O_RDONLY);
        EXPECT_EQ(Holders(watch), Holders::Unknown);
        EXPECT_EQ(Tick(), Answers(false, true));
    }
    EXPECT_EQ(Holders(watch), Holders::Unknown);
    EXPECT_EQ(Tick(), Answers(true, true));
}

// inotify merges an open with an identical one still unread: two holders can leave one open
// event, and one close must not then make the file free.
TEST_F(WatchedFolderTest, TwoOpensMergedIntoOneNeverLeaveTheListFree) {
    test::WriteNativeFile(m_list, "half written");
    posix::OpenFileWatch watch;
    EXPECT_EQ(Holders(watch), Holders::Unknown);
    SettleAfterLook(watch);
    ASSERT_EQ(watch.HoldersOf(m_folder, kName), Holders::None);
    const Holder writer(m_list, O_RDWR);
    { const OpenHere reader(m_list, O_RDONLY); }
    EXPECT_EQ(Holders(watch), Holders::Unknown);
    EXPECT_EQ(Tick(), Answers(false, false));
}

TEST_F(WatchedFolderTest, AFileOpenBeforeTheWatchBeganIsNeverTakenForFree) {
    test::WriteNativeFile(m_list, "half written");
    posix::OpenFileWatch watch;
    {
        const Holder writer(m_list, O_RDWR);
        for (int tick = 0; tick < 3; ++tick) {
            EXPECT_EQ(Tick(), Answers(false, false)) << tick;
            EXPECT_EQ(Holders(watch), Holders::Unknown) << tick;
        }
    }
    EXPECT_EQ(Tick(), Answers(true, true));
    EXPECT_EQ(Tick(), Answers(true, true));
    // Only a look at /proc that nothing disturbed makes the file known.
    const std::uint64_t look = watch.BeginLook();
    { const OpenHere reader(m_list, O_RDONLY); }
    watch.CatchUp();
    watch.Settle(m_folder, kName, look);
    EXPECT_EQ(watch.HoldersOf(m_folder, kName), Holders::Unknown);
    SettleAfterLook(watch);
    EXPECT_EQ(watch.HoldersOf(m_folder, kName), Holders::None);
}

TEST_F(WatchedFolderTest, AFileMovedInMayHaveBeenOpenAllAlong) {
    const fs::path outside = m_folder.parent_path() / "elsewhere.tmp";
    test::WriteNativeFile(m_list, "first");
    posix::OpenFileWatch watch;
    EXPECT_EQ(Holders(watch), Holders::Unknown);
    SettleAfterLook(watch);
    ASSERT_EQ(watch.HoldersOf(m_folder, kName), Holders::None);
    EXPECT_EQ(Tick(), Answers(true, true));

    test::WriteNativeFile(outside, "second");
    const OpenHere writer(outside, O_WRONLY);
    fs::rename(outside, m_list);
    EXPECT_EQ(Holders(watch), Holders::Unknown);
    EXPECT_EQ(Tick(), Answers(false, false));
}

TEST_F(WatchedFolderTest, AfterAnOverflowNothingIsTakenForFree) {
    int limit = 0;
    std::ifstream("/proc/sys/fs/inotify/max_queued_events") >> limit;
    if (limit <= 0 || limit > 200000) {
        GTEST_SKIP() << "inotify queues up to " << limit << " events";
    }
    test::WriteNativeFile(m_list, "list");
    posix::OpenFileWatch watch;
    EXPECT_EQ(Holders(watch), Holders::Unknown);
    SettleAfterLook(watch);
    ASSERT_EQ(watch.HoldersOf(m_folder, kName), Holders::None);
    EXPECT_EQ(Tick(), Answers(true, true));

    // Fill both queues, the test's watch and the platform's, so that the writer's open is
    // lost in each.
    const fs::path other = m_folder / "WS0000.A17";
    for (int i = 0; i < limit; ++i) {
        const OpenHere flood(other, O_RDONLY);
    }
    const Holder writer(m_list, O_RDWR);
    EXPECT_EQ(Holders(watch), Holders::Unknown);
    EXPECT_EQ(Tick(), Answers(false, false));
}

// A list found held for writing is taken as held, without /proc, until the watch sees it
// closed: a close of one descriptor says nothing of the others, so /proc is asked again.
class HeldForWritingTest : public WatchedFolderTest {
protected:
    HeldForWritingTest() {
        // The first tick starts the watch, before any list is written.
        EXPECT_TRUE(DenyWriteTick("C:\\PRINTING\\WS0000.A17"));
        test::WriteNativeFile(m_list, "list");
    }

    // A probe of a tick, with the watch the test looks into.
    std::unique_ptr<SharingProbe> WatchedProbe() {
        return posix::MakeProcSharingProbe(posix::WinePrefix(m_world.Prefix()), m_watch);
    }

    bool DenyWriteTick(std::string_view dosPath = kList) {
        return WatchedProbe()->CanOpenDenyWrite(dosPath).canOpen;
    }

    posix::OpenFileWatch::Holders WatchSays() { return Holders(*m_watch); }

    std::shared_ptr<posix::OpenFileWatch> m_watch = std::make_shared<posix::OpenFileWatch>();
};

TEST_F(HeldForWritingTest, AReaderClosingLeavesTheWriterHolding) {
    {
        const Holder writer(m_list, O_RDWR);
        EXPECT_FALSE(DenyWriteTick());
        EXPECT_EQ(WatchSays(), Holders::Writing);
        EXPECT_FALSE(DenyWriteTick());
        { const Holder reader(m_list, O_RDONLY); }
        EXPECT_FALSE(DenyWriteTick());
        EXPECT_EQ(WatchSays(), Holders::Writing);
        { const Holder reader(m_list, O_RDONLY); }
        EXPECT_EQ(WatchSays(), Holders::Unknown);
        EXPECT_FALSE(DenyWriteTick());
    }
    EXPECT_EQ(WatchSays(), Holders::Unknown);
    EXPECT_TRUE(DenyWriteTick());
    EXPECT_EQ(WatchSays(), Holders::None);
}

TEST_F(HeldForWritingTest, AWriterClosingWhileAReaderKeepsTheFileOpen) {
    auto writer = std::make_unique<Holder>(m_list, O_WRONLY);
    EXPECT_FALSE(DenyWriteTick());
    const Holder reader(m_list, O_RDONLY);
    EXPECT_EQ(WatchSays(), Holders::Writing);
    writer.reset();
    EXPECT_TRUE(DenyWriteTick());
    EXPECT_FALSE(WatchedProbe()->CanOpenExclusive(kList));
    EXPECT_NE(WatchSays(), Holders::None);
}

TEST_F(HeldForWritingTest, OneOfTwoWritersClosing) {
    auto first = std::make_unique<Holder>(m_list, O_WRONLY);
    const Holder second(m_list, O_RDWR);
    EXPECT_FALSE(DenyWriteTick());
    first.reset();
    EXPECT_FALSE(DenyWriteTick());
    EXPECT_EQ(WatchSays(), Holders::Writing);
}

// The writer that /proc saw ends; the one that came later, unseen, still writes.
TEST_F(HeldForWritingTest, AWriterThatCameLaterStillHolds) {
    auto seen = std::make_unique<Holder>(m_list, O_WRONLY);
    EXPECT_FALSE(DenyWriteTick());
    const Holder later(m_list, O_RDWR);
    EXPECT_EQ(WatchSays(), Holders::Writing);
    seen.reset();
    EXPECT_FALSE(DenyWriteTick());
    EXPECT_EQ(WatchSays(), Holders::Writing);
}

// The old file is still being written, the new one under its name is not.
TEST_F(HeldForWritingTest, AFileReplacedOrDeletedIsUnknownAgain) {
    const fs::path outside = m_folder.parent_path() / "new.tmp";
    const Holder writer(m_list, O_RDWR);
    EXPECT_FALSE(DenyWriteTick());
    test::WriteNativeFile(outside, "new list");
    fs::rename(outside, m_list);
    EXPECT_NE(WatchSays(), Holders::Writing);
    EXPECT_TRUE(DenyWriteTick());

    const Holder newWriter(m_list, O_RDWR);
    EXPECT_FALSE(DenyWriteTick());
    EXPECT_EQ(WatchSays(), Holders::Writing);
    fs::remove(m_list);
    test::WriteNativeFile(m_list, "written again");
    EXPECT_NE(WatchSays(), Holders::Writing);
    EXPECT_TRUE(DenyWriteTick());
}

TEST_F(HeldForWritingTest, AfterAnOverflowTheWriterIsLookedForAgain) {
    int limit = 0;
    std::ifstream("/proc/sys/fs/inotify/max_queued_events") >> limit;
    if (limit <= 0 || limit > 200000) {
        GTEST_SKIP() << "inotify queues up to " << limit << " events";
    }
    auto writer = std::make_unique<Holder>(m_list, O_RDWR);
    EXPECT_FALSE(DenyWriteTick());
    EXPECT_EQ(WatchSays(), Holders::Writing);
    // The writer's close is lost among the flood.
    const fs::path other = m_folder / "WS0000.A17";
    for (int i = 0; i < limit; ++i) {
        const OpenHere flood(other, O_RDONLY);
    }
    writer.reset();
    EXPECT_EQ(WatchSays(), Holders::Unknown);
    EXPECT_TRUE(DenyWriteTick());
}

// A spool tick stamps each list it probes from what the probe read: that stamp must be the
// one a look of its own would give, and a link's target must never pass for the entry's own.
TEST_F(WatchedFolderTest, AProbesStampIsTheOneItsOwnLookWouldGive) {
    m_world.WriteFile(kList, "list");
    fs::create_symlink(m_folder / "WS0000.A17", m_folder / "WS0002.A17");
    constexpr const char* kLink = "C:\\PRINTING\\WS0002.A17";
    const auto listStamp = m_platform->Stamp(kList);
    ASSERT_TRUE(listStamp);
    {
        auto probe = m_platform->MakeSharingProbe();
        const SharingAnswer list = probe->CanOpenDenyWrite(kList);
        ASSERT_TRUE(list);
        EXPECT_EQ(list.stamp, listStamp);
        EXPECT_EQ(probe->CanOpenExclusive(kList).stamp, listStamp);
        const SharingAnswer link = probe->CanOpenDenyWrite(kLink);
        ASSERT_TRUE(link);
        EXPECT_EQ(link.stamp, std::nullopt) << "the target's stamp is not the link's";
    }
    std::ofstream(m_list, std::ios::binary | std::ios::app) << " grown";
    const auto grown = m_platform->MakeSharingProbe()->CanOpenDenyWrite(kList).stamp;
    ASSERT_TRUE(grown);
    EXPECT_EQ(grown->size, listStamp->size + 6);
    EXPECT_EQ(grown, m_platform->Stamp(kList));
}

} // namespace
} // namespace zel
