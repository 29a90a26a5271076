#include "config/InstallationSearch.h"

#include <algorithm>

namespace zel {

void InstallationFinds::Add(int slot, char letter) {
    std::vector<char>& drives = m_drives.at(static_cast<std::size_t>(slot - 1));
    if (std::find(drives.begin(), drives.end(), letter) == drives.end()) {
        drives.push_back(letter);
    }
}

void SearchDrive(Platform& platform, const ProgramCatalogue& catalogue, char letter,
                 InstallationFinds& finds) {
    if (platform.GetDriveType(letter) == DriveType::CdRom) {
        return;
    }
    for (int slot = 1; slot <= kSlotCount; ++slot) {
        if (platform.FileExists(catalogue.ExecutablePathOn(slot, letter))) {
            finds.Add(slot, letter);
        }
    }
}

} // namespace zel
