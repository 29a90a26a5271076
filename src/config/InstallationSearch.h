#pragma once
// Where each of the sixty programs is installed: a drive counts when the program's own
// executable lies in the program's own directory there. CD-ROMs are never searched, as a
// copy of a program directory on a disc is no installation to start.

#include "catalogue/ProgramCatalogue.h"
#include "platform/Platform.h"

#include <array>
#include <vector>

namespace zel {

// The drive letters each slot was found on, in the order they were searched.
class InstallationFinds final {
public:
    // A letter already recorded for the slot is not recorded again.
    void Add(int slot, char letter);
    [[nodiscard]] const std::vector<char>& Drives(int slot) const {
        return m_drives.at(static_cast<std::size_t>(slot - 1));
    }

private:
    std::array<std::vector<char>, kSlotCount> m_drives;
};

// Adds drive letter to every slot whose executable exists on it.
void SearchDrive(Platform& platform, const ProgramCatalogue& catalogue, char letter,
                 InstallationFinds& finds);

} // namespace zel
