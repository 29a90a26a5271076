#pragma once
// The 2003 payroll program once wrote its export files with three-digit extensions; its
// later readers look for the newer names. Renaming them on its launch lets old exports
// still be read in.

#include "platform/Platform.h"

#include <optional>
#include <string_view>

namespace zel {

// The newer extension of an old one ("291" gives "03M29_1"); nothing for any other text.
[[nodiscard]] std::optional<std::string_view> NewExportExtension(std::string_view oldExtension);

// Renames the export files and folders under d:\ZELBER.203\EXPORT\. A missing folder, a
// failed rename or a name already taken leaves the entry as it is.
void RenamePayroll2003Exports(Platform& platform, char driveLetter);

} // namespace zel
