#pragma once
// The desktop printers Windows knows (GDI's, through the spooler).

#include <string>
#include <string_view>

namespace zel::win32 {

// Whether the named printer, or with an empty name the default one, is there.
[[nodiscard]] bool GdiPrinterExists(std::string_view name);
// The default printer's name; empty where there is none.
[[nodiscard]] std::string GdiDefaultPrinter();

} // namespace zel::win32
