#include "platform/posix/ProbedEntry.h"

#include <utility>

namespace zel::posix {

void ProbedEntry::Note(std::string_view dosPath, const struct stat& entry) {
    m_dosPath.assign(dosPath);
    m_entry = entry;
}

std::optional<struct stat> ProbedEntry::Take(std::string_view dosPath) {
    if (!m_entry || dosPath != m_dosPath) {
        return std::nullopt;
    }
    return std::exchange(m_entry, std::nullopt);
}

void ProbedEntry::Forget() {
    m_entry.reset();
}

} // namespace zel::posix
