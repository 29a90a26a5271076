#pragma once
// The kind of a failed system call, so that the application-wide handler classifies a
// POSIX failure just as it does a DOS one.

#include "platform/IoError.h"

#include <string_view>

namespace zel::posix {

[[nodiscard]] IoErrorKind ErrnoKind(int error);
// The IoError of error's kind, keeping error and the path the failed call was given.
[[noreturn]] void ThrowErrno(int error, std::string_view path = {});

} // namespace zel::posix
