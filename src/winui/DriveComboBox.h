#pragma once
// A drop-down list of the machine's drives, one entry per drive in letter order, written as
// the drive scan reads them ("a:", "c: [label]", a network drive's remote name).

#include "winui/Win32Ui.h"

namespace zel {

class Platform;

// Lists the drives present now.
void FillDriveList(HWND comboBox, Platform& platform);
// The chosen drive's letter in upper case; '\0' when nothing is chosen.
[[nodiscard]] char ChosenDrive(HWND comboBox);
// Chooses the entry of a drive letter (either case); a letter not listed changes nothing.
void ChooseDrive(HWND comboBox, char letter);

} // namespace zel
