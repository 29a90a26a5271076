#pragma once
// How the application-wide handler answers an error that escaped a handler: by the error's
// kind, never by its text.

#include <exception>

namespace zel {

enum class ErrorResponse {
    // An invalid file name or drive: nothing is shown.
    Ignore,
    // Denied access: the drive is write-protected.
    WriteProtected,
    // Anything else: the toolkit's standard error display, with the error's text.
    StandardDisplay,
};

[[nodiscard]] ErrorResponse ClassifyError(const std::exception& error);

} // namespace zel
