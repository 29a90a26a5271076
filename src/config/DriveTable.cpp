#include "config/DriveTable.h"

#include "text/DosPath.h"

namespace zel {

void DriveTable::Mark(char letter) {
    if (letter >= 'C' && letter <= 'Z') {
        m_entries[static_cast<std::size_t>(DriveIndex(letter))] = kSearchMark;
    }
}

char DriveTable::Entry(char letter) const {
    const int index = DriveIndex(letter);
    return index < 0 ? '\0' : m_entries[static_cast<std::size_t>(index)];
}

} // namespace zel
