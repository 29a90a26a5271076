#include "platform/HelperMode.h"
#include "platform/KeptJobs.h"
#include "platform/PrinterGoneText.h"
#include "platform/posix/CupsRawPrinter.h"
#include "platform/posix/DescriptorOutput.h"
#include "platform/posix/DriveCommand.h"
#include "platform/posix/FirstDriveMap.h"
#include "platform/posix/PrintRelay.h"
#include "platform/posix/WinePrefix.h"
#include "platform/posix/WriteAll.h"

#include <ostream>
#include <string>
#include <unistd.h>
#include <vector>

namespace zel {

std::optional<int> RunHelperMode(int argc, char** argv, const MakeRelayedPrinting& makeRelayed) {
    const std::vector<std::string> arguments(argv + std::min(argc, 1), argv + argc);
    if (posix::IsDriveCommand(arguments)) {
        // The letters given here join the map the launcher would make at its first start.
        posix::MakeFirstDriveMapOrSayWhy();
        posix::DescriptorOutput outBuffer(STDOUT_FILENO);
        posix::DescriptorOutput errBuffer(STDERR_FILENO);
        std::ostream out(&outBuffer);
        std::ostream err(&errBuffer);
        return posix::RunDriveCommand(posix::DefaultPrefix(), arguments, out, err);
    }
    const auto request = ParsePrintRelayCommand(arguments);
    if (!request) {
        return std::nullopt;
    }
    posix::CupsRawPrinter printer;
    const auto kept = OpenKeptJobs(KeptJobsFolder());
    // The relay has no window; what the launcher's own output reaches is told there.
    return posix::RunPrintRelay(*request, makeRelayed, printer, *kept, [](const std::string& gone) {
        // Nobody may read it: a failed write changes nothing.
        (void)posix::WriteAll(STDERR_FILENO, PrinterGoneText(gone) + '\n');
    });
}

} // namespace zel
