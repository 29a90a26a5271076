#pragma once
// A drop-down list of the machine's drives, one entry per drive in letter order, written as
// the drive scan reads them ("a:", "c: [label]", a network drive's remote name).

#include "winui/Win32Ui.h"

#include <cstddef>
#include <string>
#include <vector>

namespace zel {

// Lists entries (code page 1250), the one at chosen chosen.
void ShowDriveEntries(HWND comboBox, const std::vector<std::string>& entries, std::size_t chosen);

} // namespace zel
