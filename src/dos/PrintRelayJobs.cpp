#include "dos/PrintRelayJobs.h"

#include <algorithm>
#include <thread>

namespace zel {

PrintRelayJobs::PrintRelayJobs(RawPrinter& printer, std::string printerName, std::string title,
                               RawJobQueue::PrinterGone printerGone, KeptJobs* kept)
    : m_queue(printer, std::move(printerName), std::move(title), std::move(printerGone), kept) {}

void PrintRelayJobs::Take(std::string_view bytes, Clock::time_point now) {
    m_splitter.Take(bytes, now);
}

void PrintRelayJobs::Work(Clock::time_point now) {
    if (auto job = m_splitter.Ended(now)) {
        m_queue.Add(std::move(*job));
    }
    m_queue.Work(now);
}

std::optional<PrintRelayJobs::Clock::time_point> PrintRelayJobs::NextWake() const {
    const auto ended = m_splitter.Deadline();
    const auto retry = m_queue.NextAttempt();
    if (!ended || !retry) {
        return ended ? ended : retry;
    }
    return std::min(*ended, *retry);
}

void PrintRelayJobs::Finish() {
    if (auto job = m_splitter.Finish()) {
        m_queue.Add(std::move(*job));
    }
    while (m_queue.Waiting() > 0) {
        const auto now = Clock::now();
        m_queue.Work(now);
        if (const auto next = m_queue.NextAttempt(); next && *next > now) {
            std::this_thread::sleep_until(*next);
        }
    }
}

std::unique_ptr<RelayedPrinting> MakePrintRelayJobs(RelayedPrintingParts parts) {
    return std::make_unique<PrintRelayJobs>(parts.printer, std::move(parts.printerName),
                                            std::move(parts.title), std::move(parts.printerGone),
                                            parts.kept);
}

} // namespace zel
