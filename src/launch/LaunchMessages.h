#pragma once
// The messages a launch composes beyond the panel's own texts. The message window is as wide
// as its first line, so each is worded with its longer line first.

#include "platform/IoError.h"

#include <string>
#include <string_view>

namespace zel {

// A message's two lines, code page 1250; the detail may be empty.
struct MessageLines {
    std::string text;
    std::string detail;
};

// Said at a start in character print mode when no printer would take the program's pages.
[[nodiscard]] MessageLines NoPrinterWarning();
// A DOS program with nothing here to run it.
[[nodiscard]] MessageLines DosBoxMissingMessage();
// Any other start that failed; program is its DOS path.
[[nodiscard]] MessageLines StartFailedMessage(std::string_view program);
// A start stopped by a drive that is not there or a name no file can have (kind is
// InvalidDrive or InvalidFilename), with the run-time library's text as the detail.
[[nodiscard]] MessageLines BadPathMessage(std::string_view program, IoErrorKind kind);

} // namespace zel
