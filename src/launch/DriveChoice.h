#pragma once
// Each row's drive combo box decides from which drive its program starts, whose start
// parameters are edited and which letter is remembered. Any change brings every slot's
// drive letter in line with what its combo box shows.

#include "catalogue/ProgramCatalogue.h"

#include <span>
#include <string_view>

namespace zel {

// What one row's combo box holds; the text is code page 1250, as typed or chosen.
struct DriveBoxState {
    int entryCount = 0;
    std::string_view text;
};

// rows[i] belongs to slot i + 1. A row with entries and a text takes the text's first
// character as it is, letter or not; any other row keeps its drive letter.
void TakeDriveChoices(ProgramCatalogue& catalogue, std::span<const DriveBoxState> rows);

} // namespace zel
