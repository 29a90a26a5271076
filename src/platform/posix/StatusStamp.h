#pragma once
// What a file's status says of its version: the stamp a spool tick compares.

#include "platform/DosTypes.h"

#include <sys/stat.h>

namespace zel::posix {

[[nodiscard]] FileStamp StampOfStatus(const struct stat& st);

} // namespace zel::posix
