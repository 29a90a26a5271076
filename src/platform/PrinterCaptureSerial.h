#pragma once
// The print relay's end of the printer capture's line: DOSBox's fourth serial port, a null
// modem whose other end is the relay listening on this machine.

#include <string>

namespace zel {

// The DOSBox settings that connect the serial port to the relay listening at port; given as
// a second configuration file, as the relay knows its port only once it listens.
[[nodiscard]] std::string PrinterCaptureSerialConfig(unsigned short port);

} // namespace zel
