#include "dos/RawJobQueue.h"

#include <algorithm>

namespace zel {

RawJobQueue::RawJobQueue(RawPrinter& printer, std::string printerName, std::string title,
                         PrinterGone printerGone, KeptJobs* kept)
    : m_printer(printer), m_printerName(std::move(printerName)), m_title(std::move(title)),
      m_printerGone(std::move(printerGone)), m_kept(kept) {
    if (m_kept) {
        for (auto& left : m_kept->TakeLeftovers()) {
            m_jobs.push_back({std::move(left.job), std::move(left.key)});
        }
    }
}

void RawJobQueue::Add(std::string bytes) {
    RawJob job{m_printerName, m_title, std::move(bytes)};
    auto key = m_kept ? m_kept->Keep(job) : std::nullopt;
    m_jobs.push_back({std::move(job), std::move(key)});
}

void RawJobQueue::Work(Clock::time_point now) {
    if (now < m_retryAt) {
        return;
    }
    while (!m_jobs.empty()) {
        if (!PrintFirst()) {
            m_retryAt = now + m_pause;
            m_pause = std::min(m_pause * 2, kLongestPause);
            return;
        }
        m_pause = kRetryPause;
        if (m_jobs.front().key) {
            m_kept->Forget(*m_jobs.front().key);
        }
        m_jobs.pop_front();
    }
}

std::optional<RawJobQueue::Clock::time_point> RawJobQueue::NextAttempt() const {
    if (m_jobs.empty()) {
        return std::nullopt;
    }
    return m_retryAt;
}

bool RawJobQueue::PrintFirst() {
    RawJob& job = m_jobs.front().job;
    const RawPrintOutcome outcome = m_printer.Print(job.printer, job.title, job.bytes);
    if (outcome != RawPrintOutcome::NoSuchPrinter || job.printer.empty()) {
        return outcome == RawPrintOutcome::Accepted;
    }
    // The chosen printer was removed: waiting would keep the pages for ever.
    const std::string gone = job.printer;
    if (m_printerGone) {
        m_printerGone(gone);
    }
    for (auto& waiting : m_jobs) {
        if (waiting.job.printer == gone) {
            waiting.job.printer.clear();
        }
    }
    if (m_printerName == gone) {
        m_printerName.clear();
    }
    return m_printer.Print(job.printer, job.title, job.bytes) == RawPrintOutcome::Accepted;
}

} // namespace zel
