#pragma once
// The print relay is started in DOSBox's place and starts DOSBox itself, so that it listens
// before DOSBox connects and sees the program end. This is its command line, written by the
// program starter and read back by the relay.

#include <optional>
#include <string>
#include <vector>

namespace zel {

inline constexpr const char* kPrintRelayFlag = "--zel-print-relay";

struct PrintRelayRequest {
    std::string printer; // empty: the default printer
    std::string title;   // the jobs' name in the printer's queue
    // A file the relay creates to give DOSBox its serial port.
    std::string serialConfig;
    // The data lock file DOSBox holds the running lock on; empty for none.
    std::string lockFile;
    std::vector<std::string> dosbox; // DOSBox's own command, the executable first
    // The folder of the start files, removed with them once the relay ends; empty where the
    // starter removes them itself.
    std::string startFolder;
};

[[nodiscard]] std::vector<std::string> ComposePrintRelayCommand(const std::string& executable,
                                                                const PrintRelayRequest& request);
// The arguments after the executable; nothing when they are not a relay's.
[[nodiscard]] std::optional<PrintRelayRequest>
ParsePrintRelayCommand(const std::vector<std::string>& arguments);

} // namespace zel
