#pragma once
// Starting a process that belongs to nobody: its own session, no child left for the
// launcher to reap, standard handles on /dev/null, no inherited files but its running lock.
// Only async-signal-safe calls run after the fork, as the launcher has threads.

#include "platform/StartOutcome.h"

#include <string>
#include <vector>

namespace zel::posix {

struct SpawnPlan {
    std::vector<std::string> argv; // argv[0] is the path executed
    std::vector<std::string> environment;
    std::string workingFolder;
    // Files and then the folder removed once the program has ended; a process waits for it.
    std::vector<std::string> leftovers;
    std::string leftoverFolder;
    // A data lock file the program holds its running lock on (see ProgramLock.h); empty for
    // none. When another holds that lock the program is not started.
    std::string lockFile;
};

// Started once the program's image is running; LockTaken when another holds its lock; else
// CannotStart with the error of the call that failed.
[[nodiscard]] StartOutcome SpawnDetached(const SpawnPlan& plan);

} // namespace zel::posix
