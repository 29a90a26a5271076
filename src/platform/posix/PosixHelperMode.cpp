#include "platform/HelperMode.h"
#include "platform/posix/CupsRawPrinter.h"
#include "platform/posix/PrintRelay.h"

#include <string>
#include <vector>

namespace zel {

std::optional<int> RunHelperMode(int argc, char** argv) {
    const std::vector<std::string> arguments(argv + std::min(argc, 1), argv + argc);
    const auto request = ParsePrintRelayCommand(arguments);
    if (!request) {
        return std::nullopt;
    }
    posix::CupsRawPrinter printer;
    return posix::RunPrintRelay(*request, printer);
}

} // namespace zel
