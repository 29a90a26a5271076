#pragma once
// Starting a program on POSIX: a DOS executable in DOSBox with every drive mounted, a native
// one directly; detached, never through a shell.

#include "platform/StartRequest.h"
#include "platform/posix/WinePrefix.h"

#include <string>

namespace zel::posix {

// A DOS program's own printing goes through relay, the executable that runs the print relay.
[[nodiscard]] bool StartProgramOf(const WinePrefix& prefix, StartRequest request,
                                  const std::string& relay);

// Whether program (a DOS path) is a DOS executable and no DOSBox is on the PATH.
[[nodiscard]] bool LacksDosBox(const WinePrefix& prefix, std::string_view program);

} // namespace zel::posix
