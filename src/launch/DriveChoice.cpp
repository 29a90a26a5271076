#include "launch/DriveChoice.h"

#include <algorithm>

namespace zel {

void TakeDriveChoices(ProgramCatalogue& catalogue, std::span<const DriveBoxState> rows) {
    const std::size_t count = std::min(rows.size(), static_cast<std::size_t>(kSlotCount));
    for (std::size_t i = 0; i < count; ++i) {
        const DriveBoxState& row = rows[i];
        if (row.entryCount > 0 && !row.text.empty()) {
            catalogue.SetDriveLetter(static_cast<int>(i) + 1, row.text.front());
        }
    }
}

} // namespace zel
