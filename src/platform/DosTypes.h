#pragma once
// Plain values the platform hands to the core, in the terms the accounting programs know.

#include <cstdint>
#include <string>

namespace zel {

// The numbers are those of the Win32 drive-type query; stored files never hold them, but
// the drive scan's rules are written in them.
enum class DriveType : int {
    Unknown = 0,
    NoRootDir = 1,
    Removable = 2,
    Fixed = 3,
    Remote = 4,
    CdRom = 5,
    RamDisk = 6,
};

struct PlatformVersion {
    int major = 0;
    int minor = 0;
    bool ntFamily = false;
};

struct LocalDateTime {
    int year = 0;
    int month = 0;
    int day = 0;
    int hour = 0;
    int minute = 0;
    int second = 0;

    // clang-tidy 14 takes the defaulted comparison's zero for a null pointer.
    // NOLINTNEXTLINE(modernize-use-nullptr)
    friend auto operator<=>(const LocalDateTime&, const LocalDateTime&) = default;
};

// Tells one version of a file from another without reading it: a file written again, or
// another put in its place, differs in at least one of these.
struct FileStamp {
    std::uint64_t device = 0;
    std::uint64_t inode = 0;
    std::uint64_t size = 0;
    std::int64_t modifiedNs = 0;
    std::int64_t changedNs = 0;

    friend bool operator==(const FileStamp&, const FileStamp&) = default;
};

struct DirEntry {
    std::string name; // code page 1250, as the folder search gives it
    bool isDirectory = false;
};

enum class ShortcutFolderKind {
    CommonPrograms,
    UserPrograms,
    CommonDesktop,
    UserDesktop,
};

} // namespace zel
