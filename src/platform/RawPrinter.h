#pragma once
// Where the print relay's jobs go, byte for byte: the desktop's print spooler, or in tests
// a printer that refuses.

#include <string>
#include <string_view>

namespace zel {

enum class RawPrintOutcome {
    // The spooler has accepted the whole job.
    Accepted,
    // Not now: the spooler is restarting or the queue does not take jobs for a while.
    Refused,
    // The spooler knows no printer of that name.
    NoSuchPrinter,
};

class RawPrinter {
public:
    virtual ~RawPrinter() = default;

    // An empty name is the default printer.
    [[nodiscard]] virtual RawPrintOutcome Print(const std::string& printer, std::string_view title,
                                                std::string_view bytes) = 0;
};

} // namespace zel
