#pragma once
// A DOS program's own printing, carried out of DOSBox: a resident program catches what the
// program sends to its printer and passes it through DOSBox's fourth serial port, a null
// modem whose other end is the launcher's print relay on this machine.

#include <string>
#include <string_view>

namespace zel {

// The resident program's bytes, a .COM program.
[[nodiscard]] std::string_view PrinterCaptureProgram();

// The DOSBox settings that connect the serial port to the relay listening at port; given as
// a second configuration file, as the relay knows its port only once it listens.
[[nodiscard]] std::string PrinterCaptureSerialConfig(unsigned short port);

// Where the relay writes those settings, in the folder DOSBox's start files are in.
inline constexpr const char* kSerialConfigName = "serial.conf";

} // namespace zel
