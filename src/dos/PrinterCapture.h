#pragma once
// A DOS program's own printing, carried out of DOSBox: a resident program catches what the
// program sends to its printer and passes it through DOSBox's fourth serial port, a null
// modem whose other end is the launcher's print relay on this machine.

#include <string_view>

namespace zel {

// The resident program's bytes, a .COM program.
[[nodiscard]] std::string_view PrinterCaptureProgram();

} // namespace zel
