#pragma once
// The messages the panel composes beyond its own texts, code page 1250. The message window
// is as wide as its first line, so each is worded with its longer line first.

#include "launch/LaunchMessages.h"

#include <string>
#include <string_view>

namespace zel {

// Start parameters that, with what the launch adds, overflow the program information file.
[[nodiscard]] std::string ParametersTooLongText();
[[nodiscard]] std::string ParametersTooLongAdvice();

// A list of the spool folder that cannot be taken for printing: it stays where it is, and the
// lists behind it print.
[[nodiscard]] MessageLines StuckListMessage(std::string_view fileName);

// A job the printer refused: printing stops until the user enables it again. The error is
// part of the first line, which is never narrower than the advice below it.
[[nodiscard]] MessageLines PrintingStoppedMessage(std::string_view error);

// Start in the self-installation window found no drive to install onto.
[[nodiscard]] std::string NoTargetDriveText();

// The configuration file could not be written at exit; the detail names the error.
[[nodiscard]] std::string SettingsNotSavedText();

} // namespace zel
