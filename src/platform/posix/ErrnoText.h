#pragma once
// The kind of a failed system call, so that the application-wide handler classifies a
// POSIX failure just as it does a DOS one.

#include "platform/IoError.h"

namespace zel::posix {

[[nodiscard]] IoErrorKind ErrnoKind(int error);
[[noreturn]] void ThrowErrno(int error);

} // namespace zel::posix
