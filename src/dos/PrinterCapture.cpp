#include "dos/PrinterCapture.h"

namespace zel {
namespace {

constexpr unsigned char kCapture[] = {
#include "PrinterCapture.inc"
};

} // namespace

std::string_view PrinterCaptureProgram() {
    return {reinterpret_cast<const char*>(kCapture), sizeof kCapture};
}

} // namespace zel
