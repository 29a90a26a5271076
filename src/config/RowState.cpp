#include "config/RowState.h"

namespace zel {

RowState RowStateOf(const std::vector<char>& drives, char rememberedDrive) {
    RowState state;
    for (const char letter : drives) {
        state.entries.push_back(std::string{letter, ':'});
    }
    if (state.entries.empty()) {
        return state;
    }
    state.preselected = 0;
    for (std::size_t i = 0; i < drives.size(); ++i) {
        if (drives[i] == rememberedDrive) {
            state.preselected = static_cast<int>(i);
            break;
        }
    }
    state.rowEnabled = true;
    state.comboEnabled = state.entries.size() > 1;
    return state;
}

RowStates ComputeRowStates(const InstallationFinds& finds, const LauncherConfig& config,
                           ProgramCatalogue& catalogue) {
    RowStates states;
    for (int slot = 1; slot <= kSlotCount; ++slot) {
        RowState& state = states[static_cast<std::size_t>(slot - 1)];
        state = RowStateOf(finds.Drives(slot), RememberedDrive(config, slot));
        if (state.preselected >= 0) {
            catalogue.SetDriveLetter(slot, state.ComboText().front());
        }
    }
    return states;
}

} // namespace zel
