#pragma once
// What a drive is: its type, label, file system and remote name, read from the prefix's
// registry file and the mount that holds the drive's root.

#include "platform/DosTypes.h"
#include "platform/posix/WinePrefix.h"

#include <optional>
#include <string>

namespace zel::posix {

DriveType DriveTypeOf(const WinePrefix& prefix, char letter);
std::optional<std::string> VolumeLabelOf(const WinePrefix& prefix, char letter);
std::optional<std::string> FileSystemNameOf(const WinePrefix& prefix, char letter);
std::optional<std::string> RemoteNameOf(const WinePrefix& prefix, char letter);

} // namespace zel::posix
