#pragma once
// What each row of the panel offers after the search: the drives its program was found on,
// which of them is chosen, and whether the row and its drive choice can be used. A choice
// of drive is offered only where there is something to choose.

#include "catalogue/ProgramCatalogue.h"
#include "config/InstallationSearch.h"
#include "config/LauncherConfig.h"

#include <array>
#include <string>
#include <vector>

namespace zel {

struct RowState {
    // "C:", "D:" ... in drive letter order; empty when the program was found nowhere.
    std::vector<std::string> entries;
    // Index of the entry the combo box shows; -1 when there are no entries.
    int preselected = -1;
    // Year button and settings button.
    bool rowEnabled = false;
    // The combo box; it has the window colour when enabled, the button face otherwise.
    bool comboEnabled = false;

    // Nothing when no entry is chosen.
    [[nodiscard]] std::string ComboText() const {
        return preselected < 0 || static_cast<std::size_t>(preselected) >= entries.size()
                   ? std::string{}
                   : entries[static_cast<std::size_t>(preselected)];
    }
};

using RowStates = std::array<RowState, kSlotCount>;

// The state of one row: the remembered drive is preselected when the program is on it, else
// the lowest drive it was found on.
[[nodiscard]] RowState RowStateOf(const std::vector<char>& drives, char rememberedDrive);

// Every row's state; the drive letter of each slot found becomes its preselected drive, and a
// slot found nowhere keeps the one it had.
[[nodiscard]] RowStates ComputeRowStates(const InstallationFinds& finds,
                                         const LauncherConfig& config, ProgramCatalogue& catalogue);

} // namespace zel
