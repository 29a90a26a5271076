#include "platform/PrinterCaptureSerial.h"

namespace zel {

std::string PrinterCaptureSerialConfig(unsigned short port) {
    // Transparent: bytes pass as they are, without the line-state escapes; no transmit
    // delay, or the last bytes are lost when DOSBox ends with the program.
    return "[serial]\nserial4=nullmodem server:127.0.0.1 port:" + std::to_string(port) +
           " transparent:1 txdelay:0\n";
}

} // namespace zel
