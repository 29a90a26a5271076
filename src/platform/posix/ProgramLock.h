#pragma once
// The sign that a program started from some launcher still runs, seen from every PC that
// shares its folder: a write lock on the program's data lock file, held by the program's own
// process from before it starts until it ends. A /proc look sees this machine only; a
// byte-range lock travels through a network file system's lock manager.
//
// The lock belongs to its open file description (an OFD lock), not to a process: the
// program opens and closes its lock file itself, and closing any descriptor of a file drops
// every classic record lock that process holds on it.

#include <filesystem>

namespace zel::posix {

// Takes the lock on path in a descriptor that stays open across exec. Only
// async-signal-safe calls, for the child between fork and exec. Returns the descriptor, or
// -1 with error 0 when there is nothing to lock (no such regular file, or no lock support),
// or -1 with error EAGAIN when another holds the lock.
[[nodiscard]] int TakeProgramLock(const char* path, int& error);

// The same lock on a file this process has open for writing, held as long as that open file
// description lives: what a print spool's claim on a list holds. 0, or the error (EAGAIN
// when another holds the lock).
[[nodiscard]] int TakeLockOnOpenFile(int fd);

// Whether some process, here or on another PC, holds the lock. The file is opened for
// reading and writing but never created; what cannot be opened or asked holds nothing.
[[nodiscard]] bool ProgramLockHeld(const std::filesystem::path& path);

} // namespace zel::posix
