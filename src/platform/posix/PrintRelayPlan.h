#pragma once
// A DOS start whose printing is relayed: the launcher's print relay is started in DOSBox's
// place and starts DOSBox itself.

#include "platform/posix/DetachedSpawn.h"

#include <filesystem>
#include <string>
#include <string_view>

namespace zel::posix {

// Where a started DOS program's printing goes.
struct CharacterPrinting {
    std::string printer; // a desktop printer's name; empty for the default one
    std::string relay;   // the executable that runs the print relay
};

// Puts the print relay in DOSBox's place in plan, the plan's lock file handed to it; the
// relay writes the serial port's configuration into the private folder.
void RelayPrinting(const CharacterPrinting& printing, std::string_view title,
                   const std::filesystem::path& privateFolder, SpawnPlan& plan);

} // namespace zel::posix
