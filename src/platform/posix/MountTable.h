#pragma once
// The mounts of this process as the kernel lists them in /proc/self/mountinfo: what a
// drive's root lies on decides its type, file system and remote name.

#include <filesystem>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace zel::posix {

struct Mount {
    std::filesystem::path mountPoint;
    std::string type;   // "ext4", "nfs4", "fuse.sshfs"
    std::string source; // "/dev/sda1", "//server/share"
};

// Lines that do not have the kernel's layout are left out; "\040" and its kin are decoded.
std::vector<Mount> ParseMountInfo(std::string_view text);
// Shared, not copied: the scan asks twice for each drive, and the table changes seldom.
std::shared_ptr<const std::vector<Mount>> ReadMountTable();

// The mount whose mount point is the longest leading part of path, the last such when
// several are stacked on one point.
std::optional<Mount> MountHolding(const std::vector<Mount>& mounts,
                                  const std::filesystem::path& path);

} // namespace zel::posix
