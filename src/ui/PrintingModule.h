#pragma once
// Opens the print support module (ui/DesktopPrinting) at the first need, from beside the
// launcher (a build, or a copy laid out as installed) or from where its build put it (the
// package's folder, for the copies the launcher makes of itself).

#include "ui/DesktopPrinting.h"

#include <memory>
#include <string>
#include <vector>

namespace zel {

// The entry of the first candidate that opens (posix/TrustedModule). Throws
// std::runtime_error with a text in code page 1250 when none does, or the module is not the
// launcher's own or belongs to another version of it.
[[nodiscard]] DesktopPrintingMaker OpenPrintingModule(const std::vector<std::string>& candidates);

// A desktop printer of the launcher's module, which is opened once and never closed; throws
// as OpenPrintingModule.
[[nodiscard]] std::unique_ptr<DesktopPrinting> MakeModulePrinting();

} // namespace zel
