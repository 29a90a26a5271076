#pragma once
// Starting a program on POSIX: a DOS executable in DOSBox with every drive mounted, a native
// one directly; detached, never through a shell.

#include "platform/StartOutcome.h"
#include "platform/StartRequest.h"
#include "platform/posix/WinePrefix.h"

#include <string>

namespace zel::posix {

// A DOS program's own printing goes through relay, the executable that runs the print relay.
// A DOS program without a DOSBox on the PATH is NoDosBox.
[[nodiscard]] StartOutcome StartProgramOf(const WinePrefix& prefix, StartRequest request,
                                          const std::string& relay);

} // namespace zel::posix
