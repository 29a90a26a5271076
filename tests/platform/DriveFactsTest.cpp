#include "platform/posix/DriveFacts.h"

#include "platform/posix/MountTable.h"
#include "support/WineWorld.h"
#include "text/AsciiUpper.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

namespace fs = std::filesystem;

namespace zel {
namespace {

using posix::DriveTypeOfFileSystem;
using posix::FileSystemNameOfType;

constexpr std::string_view kMountInfo =
    "27 1 254:0 / / rw,relatime - ext4 /dev/vda rw\n"
    "40 27 0:41 / /mnt rw,relatime shared:5 master:1 - tmpfs tmpfs rw\n"
    "41 40 0:42 / /mnt/a rw - cifs //server/Közös\\040Mappa rw,vers=3.0\n"
    "42 40 0:43 / /mnt/My\\040Disc ro - iso9660 /dev/sr0 ro\n"
    "43 40 0:44 / /mnt/a rw - nfs4 host:/export rw\n"
    "garbage without the separator\n"
    "44 40 0:45 / relative rw - ext4 /dev/x rw\n"
    "45 40 0:46 / /mnt/short rw -\n";

TEST(MountTable, ParsesTheKernelLayoutAndSkipsTheRest) {
    const auto mounts = posix::ParseMountInfo(kMountInfo);
    ASSERT_EQ(mounts.size(), 5U);
    EXPECT_EQ(mounts[1].mountPoint, "/mnt");
    EXPECT_EQ(mounts[1].type, "tmpfs");
    EXPECT_EQ(mounts[2].source, "//server/Közös Mappa");
    EXPECT_EQ(mounts[3].mountPoint, "/mnt/My Disc");
    EXPECT_EQ(mounts[3].type, "iso9660");
}

TEST(MountTable, TheLongestMountPointHoldsAPathAndTheTopOfAStackWins) {
    const auto mounts = posix::ParseMountInfo(kMountInfo);
    EXPECT_EQ(posix::MountHolding(mounts, "/home/user")->type, "ext4");
    EXPECT_EQ(posix::MountHolding(mounts, "/mnt/ab")->type, "tmpfs");
    EXPECT_EQ(posix::MountHolding(mounts, "/mnt/a/deep/er")->type, "nfs4");
    EXPECT_EQ(posix::MountHolding(mounts, "/mnt/My Disc")->source, "/dev/sr0");
    EXPECT_FALSE(
        posix::MountHolding(posix::ParseMountInfo("4 1 0:4 / /mnt rw - nfs h:/x rw\n"), "/usr"));
}

TEST(MountTable, ThisProcessHasARoot) {
    const auto mounts = posix::ReadMountTable();
    ASSERT_TRUE(posix::MountHolding(*mounts, "/"));
}

TEST(DriveFacts, FileSystemTypesGiveDriveTypesAndVolumeNames) {
    EXPECT_EQ(DriveTypeOfFileSystem("iso9660"), DriveType::CdRom);
    EXPECT_EQ(DriveTypeOfFileSystem("udf"), DriveType::CdRom);
    EXPECT_EQ(DriveTypeOfFileSystem("cifs"), DriveType::Remote);
    EXPECT_EQ(DriveTypeOfFileSystem("fuse.sshfs"), DriveType::Remote);
    EXPECT_EQ(DriveTypeOfFileSystem("nfs4"), DriveType::Remote);
    EXPECT_EQ(DriveTypeOfFileSystem("ramfs"), DriveType::RamDisk);
    EXPECT_EQ(DriveTypeOfFileSystem("ext4"), DriveType::Fixed);
    EXPECT_EQ(DriveTypeOfFileSystem("fuseblk"), DriveType::Fixed);

    EXPECT_EQ(FileSystemNameOfType("ntfs3"), "NTFS");
    EXPECT_EQ(FileSystemNameOfType("fuseblk"), "NTFS");
    EXPECT_EQ(FileSystemNameOfType("vfat"), "FAT");
    EXPECT_EQ(FileSystemNameOfType("msdos"), "FAT");
    EXPECT_EQ(FileSystemNameOfType("iso9660"), "CDFS");
    EXPECT_EQ(FileSystemNameOfType("btrfs"), "BTRFS");
    EXPECT_EQ(FileSystemNameOfType("fuse.sshfs"), "SSHFS");
}

// The type the mount of a test folder gives, whatever the machine's /tmp lies on.
DriveType MountTypeOf(const fs::path& root) {
    return DriveTypeOfFileSystem(posix::MountHolding(*posix::ReadMountTable(), root)->type);
}

TEST(DriveFacts, TheRegistryNamesTypesAndTheMountAnswersForTheRest) {
    test::WineWorld world;
    for (const char letter : std::string_view("CDEFGH")) {
        world.AddDrive(letter);
    }
    world.AddDanglingDrive('I');
    world.SetDriveTypes("\"c:\"=\"hd\"\n\"d:\"=\"cdrom\"\n\"E:\"=\"network\"\n\"f:\"=\"floppy\"\n"
                        "\"g:\"=\"ramdisk\"\n\"h:\"=\"auto\"\n\"i:\"=\"hd\"\n"
                        "\n[Software\\\\Wine\\\\Other]\n\"j:\"=\"cdrom\"");
    world.AddDrive('J');
    auto platform = world.MakePlatform();
    EXPECT_EQ(platform->GetDriveType('C'), DriveType::Fixed);
    EXPECT_EQ(platform->GetDriveType('d'), DriveType::CdRom);
    EXPECT_EQ(platform->GetDriveType('E'), DriveType::Remote);
    EXPECT_EQ(platform->GetDriveType('F'), DriveType::Removable);
    EXPECT_EQ(platform->GetDriveType('G'), DriveType::RamDisk);
    const DriveType local = MountTypeOf(world.Native("H:\\"));
    EXPECT_EQ(platform->GetDriveType('H'), local);
    EXPECT_EQ(platform->GetDriveType('J'), local);
    EXPECT_EQ(platform->GetDriveType('I'), DriveType::NoRootDir);
    EXPECT_EQ(platform->GetDriveType('K'), DriveType::NoRootDir);
}

TEST(DriveFacts, AMalformedRegistryFileNamesNothing) {
    test::WineWorld world;
    world.AddDrive('D');
    const DriveType local = MountTypeOf(world.Native("D:\\"));
    for (const std::string_view text :
         {std::string_view("[Software\\\\Wine\\\\Drives\n\"d:\"=\"cdrom\"\n"),
          std::string_view("[Software\\\\Wine\\\\Drives]\n\"d:=\"cdrom\"\n\"d:\"\n\"d:\"=\n"
                           "\"d:\"=\"cdrom\n\"d:\"\"cdrom\"\n"),
          std::string_view("\0\xff\xfe[\"\\", 6), std::string_view("[]\n[\n\"\\")}) {
        test::WriteNativeFile(world.Prefix() / "system.reg", text);
        EXPECT_EQ(world.MakePlatform()->GetDriveType('D'), local) << text;
    }
    fs::remove(world.Prefix() / "system.reg");
    fs::create_directory(world.Prefix() / "system.reg");
    EXPECT_EQ(world.MakePlatform()->GetDriveType('D'), local);
}

TEST(DriveFacts, LabelsComeFromTheLabelFileInTheDrivesCodePage) {
    test::WineWorld world;
    const fs::path c = world.AddDrive('C');
    const fs::path d = world.AddDrive('D');
    test::WriteNativeFile(c / ".windows-label", "Számla 97\r\nsecond line\n");
    auto platform = world.MakePlatform();
    EXPECT_EQ(platform->VolumeLabel('C'), "Sz\xE1mla 97");
    EXPECT_EQ(platform->VolumeLabel('D'), "");
    EXPECT_EQ(platform->VolumeLabel('E'), std::nullopt);

    test::WriteNativeFile(d / ".windows-label", "");
    EXPECT_EQ(platform->VolumeLabel('D'), "");
}

// Planted in a shared place, these would hang the start-up or eat memory if read blindly.
TEST(DriveFacts, AFifoOrALinkToADeviceIsNoLabelOrRegistry) {
    test::WineWorld world;
    const fs::path c = world.AddDrive('C');
    const fs::path d = world.AddDrive('D');
    ASSERT_EQ(::mkfifo((c / ".windows-label").c_str(), 0600), 0);
    fs::create_symlink("/dev/zero", d / ".windows-label");
    fs::remove(world.Prefix() / "system.reg");
    ASSERT_EQ(::mkfifo((world.Prefix() / "system.reg").c_str(), 0600), 0);
    auto platform = world.MakePlatform();
    EXPECT_EQ(platform->GetDriveType('C'), MountTypeOf(c));
    EXPECT_EQ(platform->VolumeLabel('C'), "");
    EXPECT_EQ(platform->VolumeLabel('D'), "");

    fs::remove(world.Prefix() / "system.reg");
    fs::create_symlink("/dev/zero", world.Prefix() / "system.reg");
    EXPECT_EQ(world.MakePlatform()->GetDriveType('D'), MountTypeOf(d));
}

TEST(DriveFacts, AMappedDriveHasAFileSystemAndOnlyANetworkOneARemoteName) {
    test::WineWorld world;
    const fs::path c = world.AddDrive('C');
    world.AddDanglingDrive('D');
    auto platform = world.MakePlatform();
    const auto name = platform->FileSystemName('C');
    ASSERT_TRUE(name);
    EXPECT_FALSE(name->empty());
    EXPECT_EQ(*name, AsciiUpper(*name));
    EXPECT_EQ(platform->FileSystemName('D'), std::nullopt);
    EXPECT_EQ(platform->RemoteName('C').has_value(), MountTypeOf(c) == DriveType::Remote);
    EXPECT_EQ(platform->RemoteName('D'), std::nullopt);
}

} // namespace
} // namespace zel
