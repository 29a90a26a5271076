#include "panel/RowRecord.h"

namespace zel {

std::string RowRecord::Text() const {
    if (chosen < 0 || static_cast<std::size_t>(chosen) >= entries.size()) {
        return {};
    }
    return entries[static_cast<std::size_t>(chosen)];
}

} // namespace zel
