#pragma once
// The settings of ZELPULT.INI that do not live in the catalogue: the drive each row had
// chosen last time, the installer path and the two printing switches. While the panel runs
// the last three live in its controls; this is their form at start-up and at close.

#include "catalogue/ProgramSlot.h"

#include <cstddef>
#include <string>

namespace zel {

// One position a year, 1996 onward.
inline constexpr std::size_t kRememberedDrives = 30;

struct LauncherConfig {
    std::string rememberedDrivesA = std::string(kRememberedDrives, ' ');
    std::string rememberedDrivesB = std::string(kRememberedDrives, ' ');
    std::string installSourcePath;
    bool windowsPrintMode = false;
    bool printingEnabled = true;
};

// The drive remembered for a slot's row: its year's position in the line of its product.
[[nodiscard]] inline char RememberedDrive(const LauncherConfig& config, int slot) {
    const std::string& line = slot % 2 == 1 ? config.rememberedDrivesA : config.rememberedDrivesB;
    const auto position = static_cast<std::size_t>((slot - 1) / 2);
    return position < line.size() ? line[position] : ' ';
}

} // namespace zel
