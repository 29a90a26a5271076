#include "spool/JobList.h"

#include <stdexcept>
#include <utility>

namespace zel {

void JobList::Resize(std::size_t count) {
    if (count != m_jobs.size()) {
        m_jobs.resize(count);
        ++m_revision;
    }
}

void JobList::Set(std::size_t at, const JobRecord& job) {
    JobRecord& kept = m_jobs.at(at);
    if (kept != job) {
        kept = job;
        ++m_revision;
    }
}

void JobList::Insert(std::size_t at, JobRecord job) {
    if (at > m_jobs.size()) {
        throw std::out_of_range("JobList::Insert");
    }
    m_jobs.insert(m_jobs.begin() + static_cast<std::ptrdiff_t>(at), std::move(job));
    ++m_revision;
}

JobRecord JobList::Remove(std::size_t at) {
    JobRecord job = std::move(m_jobs.at(at));
    m_jobs.erase(m_jobs.begin() + static_cast<std::ptrdiff_t>(at));
    ++m_revision;
    return job;
}

} // namespace zel
