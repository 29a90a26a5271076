#pragma once
// Starting a program on POSIX: a DOS executable in DOSBox with every drive mounted, a native
// one directly; detached, never through a shell.

#include "platform/StartRequest.h"
#include "platform/posix/WinePrefix.h"

namespace zel::posix {

[[nodiscard]] bool StartProgramOf(const WinePrefix& prefix, StartRequest request);

} // namespace zel::posix
