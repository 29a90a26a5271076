#include "platform/win32/Win32Platform.h"
#include "support/WindowsStandIns.h"
#include "support/WineWorld.h"

#include <gtest/gtest.h>

namespace zel::test {
namespace {

// A file another Windows process holds open counts as in use, as the accounting programs'
// DOS run-time opens their files: the probe tries the open the launcher would make.
TEST(Win32Sharing, AFileNobodyHoldsCanBeOpenedEitherWay) {
    ZEL_REQUIRE_WINE_WORLD();
    win32::Win32Platform platform;
    const DriveFolder folder;
    WriteFileBytes(folder / "ZELKOR97.LCK", "");
    const auto probe = platform.MakeSharingProbe();
    EXPECT_TRUE(probe->CanOpenExclusive(folder / "ZELKOR97.LCK"));
    EXPECT_TRUE(probe->CanOpenDenyWrite(folder / "ZELKOR97.LCK"));
    EXPECT_FALSE(probe->CanOpenExclusive(folder / "NONE.LCK"));
    EXPECT_FALSE(probe->CanOpenDenyWrite(folder / "NONE.LCK"));
}

TEST(Win32Sharing, AFileHeldExclusivelyCannotBeOpened) {
    ZEL_REQUIRE_WINE_WORLD();
    win32::Win32Platform platform;
    const DriveFolder folder;
    WriteFileBytes(folder / "ZELKOR97.LCK", "");
    {
        const FileHolder holder(folder / "ZELKOR97.LCK", HoldMode::Exclusive);
        ASSERT_TRUE(holder.Holding());
        const auto probe = platform.MakeSharingProbe();
        EXPECT_FALSE(probe->CanOpenExclusive(folder / "ZELKOR97.LCK"));
        EXPECT_FALSE(probe->CanOpenDenyWrite(folder / "ZELKOR97.LCK"));
    }
    const auto probe = platform.MakeSharingProbe();
    EXPECT_TRUE(probe->CanOpenExclusive(folder / "ZELKOR97.LCK"));
}

TEST(Win32Sharing, AFileHeldForReadingCanBeOpenedDenyingWrite) {
    ZEL_REQUIRE_WINE_WORLD();
    win32::Win32Platform platform;
    const DriveFolder folder;
    WriteFileBytes(folder / "WS001.TXT", "list");
    const FileHolder holder(folder / "WS001.TXT", HoldMode::Reading);
    ASSERT_TRUE(holder.Holding());
    const auto probe = platform.MakeSharingProbe();
    EXPECT_FALSE(probe->CanOpenExclusive(folder / "WS001.TXT"));
    EXPECT_TRUE(probe->CanOpenDenyWrite(folder / "WS001.TXT"));
}

TEST(Win32Sharing, AFileHeldForWritingCannotBeOpenedDenyingWrite) {
    ZEL_REQUIRE_WINE_WORLD();
    win32::Win32Platform platform;
    const DriveFolder folder;
    WriteFileBytes(folder / "WS001.TXT", "list");
    const FileHolder holder(folder / "WS001.TXT", HoldMode::Writing);
    ASSERT_TRUE(holder.Holding());
    const auto probe = platform.MakeSharingProbe();
    EXPECT_FALSE(probe->CanOpenExclusive(folder / "WS001.TXT"));
    EXPECT_FALSE(probe->CanOpenDenyWrite(folder / "WS001.TXT"));
}

// A spool tick stamps each list it probes from what the probe's open read: that stamp must
// be the one a look of its own would give, and the one of the file asked about.
TEST(Win32Sharing, AProbesStampIsTheOneItsOwnLookWouldGive) {
    ZEL_REQUIRE_WINE_WORLD();
    win32::Win32Platform platform;
    const DriveFolder folder;
    const std::string list = folder / "WS0000.A17";
    const std::string other = folder / "WS0001.A17";
    WriteFileBytes(list, "list");
    WriteFileBytes(other, "another list");
    const auto listStamp = platform.Stamp(list);
    const auto otherStamp = platform.Stamp(other);
    ASSERT_TRUE(listStamp && otherStamp);
    {
        const auto probe = platform.MakeSharingProbe();
        const SharingAnswer answer = probe->CanOpenDenyWrite(list);
        ASSERT_TRUE(answer);
        EXPECT_EQ(answer.stamp, listStamp);
        EXPECT_EQ(probe->CanOpenExclusive(other).stamp, otherStamp);
    }
    WriteFileBytes(list, "list grown");
    const auto grown = platform.MakeSharingProbe()->CanOpenDenyWrite(list).stamp;
    ASSERT_TRUE(grown);
    EXPECT_EQ(grown->size, listStamp->size + 6);
    EXPECT_EQ(grown, platform.Stamp(list));
}

} // namespace
} // namespace zel::test
