#include "platform/PrinterCaptureSerial.h"

#include <gtest/gtest.h>

namespace zel {
namespace {

TEST(PrinterCaptureSerial, TheSerialPortIsANullModemToTheRelay) {
    EXPECT_EQ(PrinterCaptureSerialConfig(40123),
              "[serial]\nserial4=nullmodem server:127.0.0.1 port:40123 transparent:1 txdelay:0\n");
}

} // namespace
} // namespace zel
