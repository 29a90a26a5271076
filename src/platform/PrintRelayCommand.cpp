#include "platform/PrintRelayCommand.h"

namespace zel {

std::vector<std::string> ComposePrintRelayCommand(const std::string& executable,
                                                  const PrintRelayRequest& request) {
    std::vector<std::string> command = {executable,         kPrintRelayFlag,      request.printer,
                                        request.title,      request.serialConfig, request.lockFile,
                                        request.startFolder};
    command.insert(command.end(), request.dosbox.begin(), request.dosbox.end());
    return command;
}

std::optional<PrintRelayRequest> ParsePrintRelayCommand(const std::vector<std::string>& arguments) {
    if (arguments.size() < 7 || arguments[0] != kPrintRelayFlag || arguments[3].empty()) {
        return std::nullopt;
    }
    return PrintRelayRequest{arguments[1],
                             arguments[2],
                             arguments[3],
                             arguments[4],
                             {arguments.begin() + 6, arguments.end()},
                             arguments[5]};
}

} // namespace zel
