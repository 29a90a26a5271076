#pragma once
// The OK of the settings dialog: the edited start parameters go into the catalogue for the
// drive the dialog showed and, on request, for every drive the program was found on.
// Nothing is written to disk here; the configuration file takes the table at exit.

#include "catalogue/ProgramCatalogue.h"

#include <string>
#include <string_view>
#include <vector>

namespace zel {

struct StartParamEdit {
    int slot = 0;
    // The first character of the executable path the dialog showed.
    char shownDrive = kNoDrive;
    std::string text;
    bool everyDrive = false;
    // The row's drive list as its combo box holds it; each entry begins with its letter.
    std::vector<std::string> driveEntries;
};

// Returns the text in capitals and without control characters, as the edit field shows it
// afterwards. A letter that is
// no drive "A" to "Z" stores nothing.
std::string StoreStartParams(ProgramCatalogue& catalogue, const StartParamEdit& edit);

} // namespace zel
