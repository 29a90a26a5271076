#pragma once
// Where DOSBox is on Windows: where its installer registered it (its uninstall entry, or
// the shell's App Paths), else on the PATH.

#include <optional>
#include <string>

namespace zel::win32 {

// The full path of DOSBox.exe (code page 1250); nothing where none is found.
[[nodiscard]] std::optional<std::string> FindDosBox();

} // namespace zel::win32
