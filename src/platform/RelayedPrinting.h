#pragma once
// What becomes of the bytes a DOS program prints, as the system's print relay sees it: the
// relay only receives them, hands them on and wakes when asked. Cutting them into jobs and
// printing those belongs to the DOS side, which the launcher hands to the relay.

#include "platform/KeptJobs.h"
#include "platform/RawPrinter.h"

#include <chrono>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

namespace zel {

class RelayedPrinting {
public:
    using Clock = std::chrono::steady_clock;

    virtual ~RelayedPrinting() = default;

    virtual void Take(std::string_view bytes, Clock::time_point now) = 0;
    virtual void Work(Clock::time_point now) = 0;
    // When Work has something to do; nothing while nothing is pending.
    [[nodiscard]] virtual std::optional<Clock::time_point> NextWake() const = 0;
    // The program has ended: returns once everything it printed is printed.
    virtual void Finish() = 0;
};

// Told the name of a chosen printer that is gone, once, before its jobs go to the default.
using PrinterGone = std::function<void(const std::string& printer)>;

// Made only once DOSBox runs, so that the jobs an earlier relay left are taken by a relay
// that will print them. An empty printer name is the default printer.
struct RelayedPrintingParts {
    RawPrinter& printer;
    std::string printerName;
    std::string title;
    PrinterGone printerGone;
    KeptJobs* kept = nullptr;
};
using MakeRelayedPrinting =
    std::function<std::unique_ptr<RelayedPrinting>(RelayedPrintingParts parts)>;

} // namespace zel
