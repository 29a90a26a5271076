#pragma once
// Starting what a command line names: a program information file is read back and its
// program run (a DOS executable in DOSBox with every drive mounted, a native one directly);
// detached, never through a shell.

#include "platform/posix/WinePrefix.h"

#include <string_view>

namespace zel::posix {

[[nodiscard]] bool StartCommandLine(const WinePrefix& prefix, std::string_view commandLine);

} // namespace zel::posix
