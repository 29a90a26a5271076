#pragma once
// A DOS program's own printing, carried out of DOSBox: a resident program catches what the
// program sends to its printer and passes it through DOSBox's fourth serial port, a null
// modem whose other end is the launcher's print relay on this machine.

#include "platform/DosBoxConfig.h"
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

// The resident program's bytes, a .COM program.
[[nodiscard]] std::string_view PrinterCaptureProgram();

// The DOSBox settings that connect the serial port to the relay listening at port; given as
// a second configuration file, as the relay knows its port only once it listens.
[[nodiscard]] std::string PrinterCaptureSerialConfig(unsigned short port);

// Puts the print relay in DOSBox's place in plan, the plan's lock file handed to it, and the
// resident program into the private folder DOSBox mounts. False when the program cannot be
// written there.
[[nodiscard]] bool RelayPrinting(const CharacterPrinting& printing, std::string_view title,
                                 const std::filesystem::path& privateFolder, SpawnPlan& plan);

} // namespace zel::posix
