#include "platform/ProbedStamp.h"

#include <utility>

namespace zel {

void ProbedStamp::Note(std::string_view dosPath, const FileStamp& stamp) {
    m_dosPath.assign(dosPath);
    m_stamp = stamp;
}

std::optional<FileStamp> ProbedStamp::Take(std::string_view dosPath) {
    if (!m_stamp || dosPath != m_dosPath) {
        return std::nullopt;
    }
    return std::exchange(m_stamp, std::nullopt);
}

void ProbedStamp::Forget() {
    m_stamp.reset();
}

} // namespace zel
