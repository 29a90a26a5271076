#pragma once
// A click on a year button: the checks, the parameters and the program information file of
// one launch. The window passes in what its controls hold and shows the messages; the
// launch never waits for the program it starts.

#include "catalogue/ProgramCatalogue.h"
#include "platform/MessageSink.h"
#include "platform/Platform.h"

#include <string>
#include <string_view>

namespace zel {

// The bookkeeping program of 2000 wants its own tag on the NT family.
inline constexpr int kSlotA00 = 9;
// The payroll program of 2003, whose export files are renamed on launch.
inline constexpr int kSlotB03 = 16;

// Every result but Started and AfterWarning has been told to the user.
enum class LaunchResult {
    Started,
    // Its data lock file is held: nothing was started.
    AlreadyRunning,
    // Another start took the program's running lock between the check and this start.
    LockTaken,
    // A DOS program, and nothing here runs one.
    NoDosBox,
    // The platform could not start the program.
    CannotStart,
    // Its drive is not there or its name cannot be a file's: nothing was written or started.
    BadPath,
    // A warning is up; the program starts once the user has answered it and any that
    // follow it.
    AfterWarning,
};

// The parameter text of a launch: the start parameters kept for the slot's drive letter
// (none for a letter outside A to Z), the platform tag on the NT family, and in desktop
// printer mode " PRN:" with the spool directory; cut to 255 characters.
[[nodiscard]] std::string LaunchParameters(const ProgramCatalogue& catalogue, int slot,
                                           bool ntFamily, bool windowsPrintMode,
                                           std::string_view spoolDirectory);

// Launches the program of slot 1 to 60 from its chosen drive and makes it the current slot.
// A failure to write the program information file throws IoError, and nothing starts; but
// a drive that is not there or a bad file name, which the application-wide handler passes
// over in silence, is told here as BadPath. In
// character print mode what the program prints on its port goes to the printer named (empty:
// the default one).
LaunchResult LaunchProgram(Platform& platform, ProgramCatalogue& catalogue, int slot,
                           bool windowsPrintMode, std::string_view spoolDirectory,
                           std::string_view printer, MessageSink& messages);

} // namespace zel
