#pragma once
// Some starts of the launcher's own executable open no window: the relay that carries a DOS
// program's printing to the desktop printer, or a command such as giving a folder a drive
// letter. They run before any window exists and end the process.

#include "platform/RelayedPrinting.h"

#include <optional>

namespace zel {

// The exit code of such a start; nothing for an ordinary start. A relay's jobs are made by
// makeRelayed.
[[nodiscard]] std::optional<int> RunHelperMode(int argc, char** argv,
                                               const MakeRelayedPrinting& makeRelayed);

} // namespace zel
