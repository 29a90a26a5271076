#pragma once
// The run-time library's text for a failed system call, so that the application-wide
// handler can classify a POSIX failure just as it does a DOS one.

#include "platform/IoError.h"

#include <string>

namespace zel::posix {

const char* ErrnoText(int error);
[[noreturn]] void ThrowErrno(int error);

} // namespace zel::posix
