#pragma once
// Which drives of the drive list are searched: those whose entry carries a bracketed volume
// label, beyond the floppy letters. A network drive whose remote name is known shows that
// name instead of a label and so is not searched.

#include "config/DriveTable.h"

#include <string>
#include <vector>

namespace zel {

[[nodiscard]] DriveTable MarkDrives(const std::vector<std::string>& entries);

} // namespace zel
