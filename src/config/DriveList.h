#pragma once
// The drive list the scan marks drives from: one entry per present drive, as the old drive
// list control wrote it ("a:", "c: [label]", "e: \\server\share"), all in lower case. The
// marking rule reads these texts, not the drive types, so the texts must be exactly these.

#include "platform/Platform.h"

#include <optional>
#include <string>
#include <vector>

namespace zel {

// The entry of one drive; nothing for a type the list does not show.
[[nodiscard]] std::optional<std::string> DriveListEntry(Platform& platform, char letter);

// The entries of every present drive, in drive letter order.
[[nodiscard]] std::vector<std::string> ReadDriveList(Platform& platform);

} // namespace zel
