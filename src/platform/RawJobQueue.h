#pragma once
// The print relay's finished jobs, printed in the order the program printed them. A job the
// printer refuses waits and is offered again, to the chosen printer and then to the default
// one, so that a spooler that is restarting or a printer that was removed loses no pages.

#include "platform/RawPrinter.h"

#include <chrono>
#include <deque>
#include <optional>
#include <string>

namespace zel {

class RawJobQueue final {
public:
    using Clock = std::chrono::steady_clock;

    static constexpr Clock::duration kRetryPause = std::chrono::seconds(10);

    // An empty printer name is the default printer.
    RawJobQueue(RawPrinter& printer, std::string printerName, std::string title);

    void Add(std::string job);
    // Prints waiting jobs while the printer takes them, unless a refusal asks to wait.
    void Work(Clock::time_point now);
    // When Work has something to do; nothing while no job waits.
    [[nodiscard]] std::optional<Clock::time_point> NextAttempt() const;
    [[nodiscard]] std::size_t Waiting() const { return m_jobs.size(); }

private:
    [[nodiscard]] bool PrintFirst();

    RawPrinter& m_printer;
    std::string m_printerName;
    std::string m_title;
    std::deque<std::string> m_jobs;
    Clock::time_point m_retryAt{};
};

} // namespace zel
