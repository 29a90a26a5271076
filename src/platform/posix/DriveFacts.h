#pragma once
// What a drive is: its type, label, file system and remote name, read from the prefix's
// registry file and the mount that holds the drive's root.

#include "platform/DosTypes.h"
#include "platform/posix/WinePrefix.h"

#include <optional>
#include <string>
#include <string_view>

namespace zel::posix {

// A letter that is not mapped, or whose link leads nowhere, has no root.
DriveType DriveTypeOf(const WinePrefix& prefix, char letter);
// Nothing when the drive's root cannot be read (a CD-ROM drive without a disc), an empty
// text when the volume has no label.
std::optional<std::string> VolumeLabelOf(const WinePrefix& prefix, char letter);
// Nothing when the drive's root cannot be read.
std::optional<std::string> FileSystemNameOf(const WinePrefix& prefix, char letter);
// The source of a network mount as the mount names it; nothing for any other drive.
std::optional<std::string> RemoteNameOf(const WinePrefix& prefix, char letter);

// The type a mount of this file system gives a drive the registry says nothing about.
DriveType DriveTypeOfFileSystem(std::string_view type);
// The name the Win32 volume query would give a file system of this mount type.
std::string FileSystemNameOfType(std::string_view type);

} // namespace zel::posix
