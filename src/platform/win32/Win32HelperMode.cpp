#include "platform/HelperMode.h"
#include "platform/win32/PrintRelay.h"
#include "platform/win32/WinspoolRawPrinter.h"

#include <algorithm>
#include <string>
#include <vector>

namespace zel {

std::optional<int> RunHelperMode(int argc, char** argv) {
    const std::vector<std::string> arguments(argv + std::min(argc, 1), argv + argc);
    const auto request = ParsePrintRelayCommand(arguments);
    if (!request) {
        return std::nullopt;
    }
    win32::WinspoolRawPrinter printer;
    return win32::RunPrintRelay(*request, printer);
}

} // namespace zel
