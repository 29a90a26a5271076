#include "platform/RawJobQueue.h"

#include <algorithm>

namespace zel {

RawJobQueue::RawJobQueue(RawPrinter& printer, std::string printerName, std::string title,
                         PrinterGone printerGone)
    : m_printer(printer), m_printerName(std::move(printerName)), m_title(std::move(title)),
      m_printerGone(std::move(printerGone)) {}

void RawJobQueue::Add(std::string job) {
    m_jobs.push_back(std::move(job));
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
    const std::string& job = m_jobs.front();
    const RawPrintOutcome outcome = m_printer.Print(m_printerName, m_title, job);
    if (outcome != RawPrintOutcome::NoSuchPrinter || m_printerName.empty()) {
        return outcome == RawPrintOutcome::Accepted;
    }
    // The chosen printer was removed: waiting would keep the pages for ever.
    if (m_printerGone) {
        m_printerGone(m_printerName);
    }
    m_printerName.clear();
    return m_printer.Print(m_printerName, m_title, job) == RawPrintOutcome::Accepted;
}

} // namespace zel
