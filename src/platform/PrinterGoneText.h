#pragma once
// What the print relay tells its user when the printer chosen for a DOS program's printing
// no longer exists and the jobs go to the default printer instead.

#include <string>

namespace zel {

// Code page 1250.
[[nodiscard]] std::string PrinterGoneText(const std::string& printer);

} // namespace zel
