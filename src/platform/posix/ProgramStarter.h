#pragma once
// Starting what a command line names: a program information file is read back and its
// program run (a DOS executable in DOSBox with every drive mounted, a native one directly);
// detached, never through a shell.

#include "platform/posix/PrinterCapture.h"
#include "platform/posix/WinePrefix.h"

#include <optional>
#include <string_view>

namespace zel::posix {

// With printing, a DOS program's printer output goes to that printer.
[[nodiscard]] bool StartCommandLine(const WinePrefix& prefix, std::string_view commandLine,
                                    const std::optional<CharacterPrinting>& printing);

} // namespace zel::posix
