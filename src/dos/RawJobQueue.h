#pragma once
// The print relay's finished jobs, printed in the order the program printed them. A job the
// printer refuses waits and is offered again to the same printer, ever less often, so that a
// spooler that is restarting loses no pages and a raw job never reaches a printer that was
// not chosen for it; only a chosen printer that no longer exists gives way to the default.
// Each job is kept on disk until a printer accepts it, and what an earlier relay left there
// is printed first.

#include "platform/KeptJobs.h"
#include "platform/RawPrinter.h"
#include "platform/RelayedPrinting.h"

#include <chrono>
#include <deque>
#include <optional>
#include <string>

namespace zel {

class RawJobQueue final {
public:
    using Clock = std::chrono::steady_clock;
    using PrinterGone = zel::PrinterGone;

    static constexpr Clock::duration kRetryPause = std::chrono::seconds(10);
    static constexpr Clock::duration kLongestPause = std::chrono::seconds(80);

    // An empty printer name is the default printer. Without kept jobs, jobs live in memory
    // only.
    RawJobQueue(RawPrinter& printer, std::string printerName, std::string title,
                PrinterGone printerGone = {}, KeptJobs* kept = nullptr);

    void Add(std::string bytes);
    // Prints waiting jobs while the printer takes them, unless a refusal asks to wait.
    void Work(Clock::time_point now);
    // When Work has something to do; nothing while no job waits.
    [[nodiscard]] std::optional<Clock::time_point> NextAttempt() const;
    [[nodiscard]] std::size_t Waiting() const { return m_jobs.size(); }

private:
    struct Pending {
        RawJob job;
        std::optional<KeptJobs::Key> key;
    };

    [[nodiscard]] bool PrintFirst();

    RawPrinter& m_printer;
    std::string m_printerName;
    std::string m_title;
    PrinterGone m_printerGone;
    KeptJobs* m_kept;
    std::deque<Pending> m_jobs;
    Clock::time_point m_retryAt{};
    Clock::duration m_pause = kRetryPause;
};

} // namespace zel
