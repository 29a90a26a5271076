#pragma once
// A ZELPULT.INI on a shared drive serves several launchers at once. Each keeps the settings
// as its start-up read them, so that at close it writes over the file as it is then only
// what its own run changed, and what another launcher changed meanwhile stays.

#include "catalogue/ProgramCatalogue.h"
#include "config/LauncherConfig.h"

#include <array>
#include <string>

namespace zel {

inline constexpr std::size_t kDriveLetters = 26;

// Everything the file holds, setting by setting.
struct ConfigSettings {
    std::array<char, kSlotCount> driveLetters{};
    std::string installSourcePath;
    std::array<std::array<std::string, kDriveLetters>, kSlotCount> startParams;
    bool windowsPrintMode = false;
    bool printingEnabled = true;
};

// As the file gave them: the drive letters it remembered, not those the rows chose.
[[nodiscard]] ConfigSettings SettingsAsRead(const ProgramCatalogue& catalogue,
                                            const LauncherConfig& config);
// As they stand now: the rows' drive letters.
[[nodiscard]] ConfigSettings SettingsNow(const ProgramCatalogue& catalogue,
                                         const LauncherConfig& config);
// onDisk, with every setting in which now differs from asRead taken from now.
[[nodiscard]] ConfigSettings MergeChanges(ConfigSettings onDisk, const ConfigSettings& asRead,
                                          const ConfigSettings& now);
// Puts every setting into catalogue and config, as the writer takes them.
void ApplySettings(const ConfigSettings& settings, ProgramCatalogue& catalogue,
                   LauncherConfig& config);

} // namespace zel
