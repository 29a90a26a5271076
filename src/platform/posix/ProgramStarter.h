#pragma once
// Starting a program on POSIX: a DOS executable in DOSBox with every drive mounted, a native
// one directly; detached, never through a shell.

#include "platform/DosStartPlanner.h"
#include "platform/StartOutcome.h"
#include "platform/StartRequest.h"
#include "platform/posix/WinePrefix.h"

#include <string>

namespace zel::posix {

// A DOS program's own printing goes through relay, the executable that runs the print relay.
// A DOS program without a DOSBox on the PATH is NoDosBox; without dosStart it cannot be run.
[[nodiscard]] StartOutcome StartProgramOf(const WinePrefix& prefix, StartRequest request,
                                          const std::string& relay,
                                          const DosStartPlanner* dosStart);

} // namespace zel::posix
