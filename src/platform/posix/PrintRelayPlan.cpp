#include "platform/posix/PrintRelayPlan.h"

#include "platform/DosBoxConfig.h"
#include "platform/PrintRelayCommand.h"
#include "platform/PrinterCapture.h"

#include <fcntl.h>
#include <unistd.h>

namespace zel::posix {
namespace {

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

bool RelayPrinting(const CharacterPrinting& printing, std::string_view title,
                   const std::filesystem::path& privateFolder, SpawnPlan& plan) {
    const auto capture = privateFolder / kPrinterCaptureName;
    const auto serial = privateFolder / kSerialConfigName;
    if (!WriteNewFile(capture, PrinterCaptureProgram())) {
        return false;
    }
    // DOSBox is the relay's child: the relay takes the lock there, so that it ends with
    // DOSBox and not with the last printed page. The start files are the attendant's.
    plan.argv = ComposePrintRelayCommand(
        printing.relay,
        {printing.printer, std::string(title), serial.string(), plan.lockFile, plan.argv, {}});
    plan.lockFile.clear();
    plan.leftovers.push_back(capture.string());
    plan.leftovers.push_back(serial.string());
    return true;
}

} // namespace zel::posix
