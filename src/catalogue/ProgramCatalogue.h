#pragma once
// The sixty programs the launcher knows, by slot number 1 to 60: odd slots bookkeeping,
// even slots payroll, two a year from 1996. Every module that deals with one program
// addresses it by its slot and forms its paths here, so they are formed one way only.

#include "catalogue/ProgramSlot.h"

#include <array>
#include <string>
#include <string_view>

namespace zel {

enum class Product : char {
    Bookkeeping = 'A',
    Payroll = 'B',
};

class ProgramCatalogue final {
public:
    // The fixed values of all sixty slots; start parameters empty.
    void Fill();

    [[nodiscard]] ProgramSlot& Slot(int slot) {
        return m_slots.at(static_cast<std::size_t>(slot - 1));
    }
    [[nodiscard]] const ProgramSlot& Slot(int slot) const {
        return m_slots.at(static_cast<std::size_t>(slot - 1));
    }

    [[nodiscard]] char DriveLetter(int slot) const { return Slot(slot).directory.front(); }
    void SetDriveLetter(int slot, char letter) { Slot(slot).directory.SetFront(letter); }

    // The entry of a drive letter "A" to "Z"; empty for any other character.
    [[nodiscard]] std::string_view StartParams(int slot, char driveLetter) const;
    // Stores the first 60 characters left after control characters are removed; a character
    // that is no drive letter stores nothing.
    void SetStartParams(int slot, char driveLetter, std::string_view text);

    // The slot's directory on another drive.
    [[nodiscard]] std::string DirectoryOn(int slot, char driveLetter) const;
    [[nodiscard]] std::string ExecutablePath(int slot) const;
    [[nodiscard]] std::string ExecutablePathOn(int slot, char driveLetter) const;
    // The same into the caller's string, whose room a search of every slot reuses.
    void ExecutablePathOn(int slot, char driveLetter, std::string& path) const;
    [[nodiscard]] std::string ProgramInformationPath(int slot) const;
    [[nodiscard]] std::string DataLockPath(int slot) const;

    // The slot of the row whose year or settings button was pressed last; 0 for none.
    int currentSlot = 0;

private:
    std::array<ProgramSlot, kSlotCount> m_slots;
};

// Names by slot number.
[[nodiscard]] Product ProductOf(int slot);
[[nodiscard]] int YearOf(int slot);
// "A96" ... "B25": the name of the row and of its year button.
[[nodiscard]] std::string RowName(int slot);
// The slot of a row name ("A17"), 0 when there is no such row.
[[nodiscard]] int SlotOfRowName(std::string_view rowName);

} // namespace zel
