#include "dos/PrintJobSplitter.h"

namespace zel {

void PrintJobSplitter::Take(std::string_view bytes, Clock::time_point now) {
    if (bytes.empty()) {
        return;
    }
    m_job += bytes;
    m_last = now;
}

std::optional<std::string> PrintJobSplitter::Ended(Clock::time_point now) {
    const auto deadline = Deadline();
    if (!deadline || now < *deadline) {
        return std::nullopt;
    }
    return Finish();
}

std::optional<PrintJobSplitter::Clock::time_point> PrintJobSplitter::Deadline() const {
    if (m_job.empty()) {
        return std::nullopt;
    }
    return m_last + (AtPageEnd() ? kPauseAfterPage : kPauseInPage);
}

std::optional<std::string> PrintJobSplitter::Finish() {
    if (m_job.empty()) {
        return std::nullopt;
    }
    std::string job;
    job.swap(m_job);
    return job;
}

bool PrintJobSplitter::AtPageEnd() const {
    const auto last = m_job.find_last_not_of("\r\n");
    return last != std::string::npos && m_job[last] == '\f';
}

} // namespace zel
