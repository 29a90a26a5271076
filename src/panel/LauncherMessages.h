#pragma once
// The messages the panel composes beyond its own texts, code page 1250. The message window
// is as wide as its first line, so each is worded with its longer line first.

#include <string>

namespace zel {

// Start parameters that, with what the launch adds, overflow the program information file.
[[nodiscard]] std::string ParametersTooLongText();
[[nodiscard]] std::string ParametersTooLongAdvice();

// The configuration file could not be written at exit; the detail names the error.
[[nodiscard]] std::string SettingsNotSavedText();

} // namespace zel
