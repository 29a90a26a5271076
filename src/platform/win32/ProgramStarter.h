#pragma once
// Starting a program on Windows. Where the machine runs program information files (32-bit
// Windows with its DOS subsystem), the file written for this start is run, as the old panel
// did; elsewhere (64-bit Windows, Wine) a Windows executable starts directly, and a DOS one
// in DOSBox from the same generated configuration as on Linux. Never through a shell.

#include "platform/DosStartPlanner.h"
#include "platform/StartOutcome.h"
#include "platform/StartRequest.h"

#include <functional>
#include <string>

namespace zel::win32 {

// How the machine runs a program information file, where it does. Tests put a double here,
// as neither Wine nor 64-bit Windows has a DOS subsystem.
struct InformationFileRunner {
    bool available = false;
    std::function<bool(const std::string& informationFile)> start;
};

// The machine's own: available on 32-bit Windows that is not Wine, starting with WinExec.
[[nodiscard]] InformationFileRunner MachineInformationFileRunner();

// Whether this process runs under Wine (its ntdll names Wine's version).
[[nodiscard]] bool RunsUnderWine();

// NoDosBox for a DOS executable that neither the runner nor an installed DOSBox runs; the
// caller tells the user. Without dosStart a DOS executable runs only through the runner.
[[nodiscard]] StartOutcome StartProgramOf(StartRequest request, const InformationFileRunner& runner,
                                          const DosStartPlanner* dosStart);

} // namespace zel::win32
