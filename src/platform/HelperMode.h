#pragma once
// Some starts of the launcher's own executable serve the platform rather than the user,
// such as the relay that carries a DOS program's printing to the desktop printer: they run
// before any window exists and end the process.

#include <optional>

namespace zel {

// The exit code of such a start; nothing for an ordinary start.
[[nodiscard]] std::optional<int> RunHelperMode(int argc, char** argv);

} // namespace zel
