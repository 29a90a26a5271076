#pragma once
// ZELPULT.INI: the launcher's only settings file, read once at start-up and rewritten at
// close. Files written by every earlier version must read the same, so the reader takes
// lines 1 to 3 by position and recognises every later line by its content, and the writer
// produces the same bytes those versions did.

#include "catalogue/ProgramCatalogue.h"
#include "config/ConfigChanges.h"
#include "config/LauncherConfig.h"
#include "platform/IoError.h"
#include "platform/Platform.h"
#include "text/DosPath.h"

#include <string>
#include <string_view>

namespace zel {

// The file in the start directory, which may be a drive root.
[[nodiscard]] DosPath ConfigFilePath(std::string_view startDirectory);

// Empties the start parameters of drives C to Z and sets the print defaults, then takes
// whatever the file holds. A file that cannot be opened leaves the defaults; a read error
// after it was opened throws IoError.
void ReadConfigFile(Platform& platform, std::string_view iniPath, ProgramCatalogue& catalogue,
                    LauncherConfig& config);

// The file's bytes for the catalogue's drive letters and start parameters and the given
// install path and print switches; config's remembered drives are not used.
[[nodiscard]] std::string ComposeConfigFile(const ProgramCatalogue& catalogue,
                                            const LauncherConfig& config);

struct ConfigWriteResult {
    enum class Outcome {
        Written,
        // Left as it is on purpose: it could not be read, or its user made it read-only.
        Kept,
        // The write failed; the old file is whole, the session's settings are not in it.
        Failed,
    };
    Outcome outcome = Outcome::Written;
    IoErrorKind error = IoErrorKind::WriteError; // of a failed write
};

// Writes beside the old file and puts the new one in its place, so that a failed write
// leaves the old settings whole. Given the settings as this run read them, only what the run
// changed since is written over the file as it is now, so that another launcher's changes
// stay; without them, the file is written whole from catalogue and config.
[[nodiscard]] ConfigWriteResult WriteConfigFile(Platform& platform, std::string_view iniPath,
                                                const ProgramCatalogue& catalogue,
                                                const LauncherConfig& config,
                                                const ConfigSettings* asRead = nullptr);

} // namespace zel
