#include "platform/posix/PrinterCapture.h"

#include "platform/posix/PrintRelayCommand.h"

#include <fcntl.h>
#include <unistd.h>

namespace zel::posix {
namespace {

constexpr unsigned char kCapture[] = {
#include "PrinterCapture.inc"
};

constexpr const char* kSerialConfigName = "serial.conf";

bool WriteNewFile(const std::filesystem::path& path, std::string_view bytes) {
    const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0600);
    if (fd < 0) {
        return false;
    }
    const bool written =
        ::write(fd, bytes.data(), bytes.size()) == static_cast<ssize_t>(bytes.size());
    return ::close(fd) == 0 && written;
}

} // namespace

std::string_view PrinterCaptureProgram() {
    return {reinterpret_cast<const char*>(kCapture), sizeof kCapture};
}

std::string PrinterCaptureSerialConfig(unsigned short port) {
    // Transparent: bytes pass as they are, without the line-state escapes; no transmit
    // delay, or the last bytes are lost when DOSBox ends with the program.
    return "[serial]\nserial4=nullmodem server:127.0.0.1 port:" + std::to_string(port) +
           " transparent:1 txdelay:0\n";
}

} // namespace zel::posix

namespace zel::posix {

bool RelayPrinting(const CharacterPrinting& printing, std::string_view title,
                   const std::filesystem::path& privateFolder, SpawnPlan& plan) {
    const auto capture = privateFolder / kPrinterCaptureName;
    const auto serial = privateFolder / kSerialConfigName;
    if (!WriteNewFile(capture, PrinterCaptureProgram())) {
        return false;
    }
    // DOSBox is the relay's child: the relay takes the lock there, so that it ends with
    // DOSBox and not with the last printed page.
    plan.argv =
        ComposePrintRelayCommand(printing.relay, {printing.printer, std::string(title),
                                                  serial.string(), plan.lockFile, plan.argv});
    plan.lockFile.clear();
    plan.leftovers.push_back(capture.string());
    plan.leftovers.push_back(serial.string());
    return true;
}

} // namespace zel::posix
