#include "platform/RawJobQueue.h"

namespace zel {

RawJobQueue::RawJobQueue(RawPrinter& printer, std::string printerName, std::string title)
    : m_printer(printer), m_printerName(std::move(printerName)), m_title(std::move(title)) {}

void RawJobQueue::Add(std::string job) {
    m_jobs.push_back(std::move(job));
}

void RawJobQueue::Work(Clock::time_point now) {
    if (now < m_retryAt) {
        return;
    }
    while (!m_jobs.empty()) {
        if (!PrintFirst()) {
            m_retryAt = now + kRetryPause;
            return;
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
    const std::string& job = m_jobs.front();
    if (m_printer.Print(m_printerName, m_title, job)) {
        return true;
    }
    return !m_printerName.empty() && m_printer.Print({}, m_title, job);
}

} // namespace zel
