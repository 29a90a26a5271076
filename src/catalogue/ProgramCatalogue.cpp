#include "catalogue/ProgramCatalogue.h"

#include "text/ControlCharacters.h"
#include "text/DosPath.h"

namespace zel {
namespace {

std::string TwoDigits(int year) {
    const int yy = year % 100;
    return std::string{static_cast<char>('0' + yy / 10), static_cast<char>('0' + yy % 10)};
}

} // namespace

Product ProductOf(int slot) {
    return slot % 2 == 1 ? Product::Bookkeeping : Product::Payroll;
}

int YearOf(int slot) {
    return kFirstYear + (slot - 1) / 2;
}

std::string RowName(int slot) {
    return static_cast<char>(ProductOf(slot)) + TwoDigits(YearOf(slot));
}

int SlotOfRowName(std::string_view rowName) {
    for (int slot = 1; slot <= kSlotCount; ++slot) {
        if (RowName(slot) == rowName) {
            return slot;
        }
    }
    return 0;
}

void ProgramCatalogue::Fill() {
    for (int slot = 1; slot <= kSlotCount; ++slot) {
        const int year = YearOf(slot);
        const std::string yy = TwoDigits(year);
        const std::string yyyy = std::to_string(year);
        const bool a = ProductOf(slot) == Product::Bookkeeping;
        ProgramSlot& s = Slot(slot);
        if (year == 1996) {
            s.directory = a ? "0:\\VORMAK.96" : "0:\\BER.96";
            s.exeName = a ? "A96.EXE" : "B96.EXE";
            s.markerFile = a ? "VORMAK96.019" : "BER96.019";
        } else if (year < 2000) {
            s.directory = (a ? "0:\\ZELKONYV." : "0:\\ZELBER.") + yy;
            s.exeName = (a ? "A" : "B") + yy + ".EXE";
            s.markerFile = (a ? "ZELKOR" : "BER") + yy + ".019";
        } else {
            s.directory = (a ? "0:\\ZELKONYV.2" : "0:\\ZELBER.2") + yy;
            s.exeName = (a ? "A" : "B") + yyyy + ".EXE";
            s.markerFile = (a ? "ZEL" : "BER") + yyyy + ".019";
        }
        for (auto& params : s.startParams) {
            params = "";
        }
    }
    currentSlot = 0;
}

std::string_view ProgramCatalogue::StartParams(int slot, char driveLetter) const {
    const int index = DriveIndex(driveLetter);
    if (index < 0) {
        return {};
    }
    return Slot(slot).startParams[static_cast<std::size_t>(index)].view();
}

void ProgramCatalogue::SetStartParams(int slot, char driveLetter, std::string_view text) {
    const int index = DriveIndex(driveLetter);
    if (index >= 0) {
        // Whoever the text comes from, it never carries a line of its own into a file.
        Slot(slot).startParams[static_cast<std::size_t>(index)] = WithoutControlCharacters(text);
    }
}

std::string ProgramCatalogue::DirectoryOn(int slot, char driveLetter) const {
    std::string directory = Slot(slot).directory.str();
    if (!directory.empty()) {
        directory.front() = driveLetter;
    }
    return directory;
}

std::string ProgramCatalogue::ExecutablePath(int slot) const {
    return Slot(slot).directory.str() + "\\" + Slot(slot).exeName.str();
}

std::string ProgramCatalogue::ExecutablePathOn(int slot, char driveLetter) const {
    std::string path;
    ExecutablePathOn(slot, driveLetter, path);
    return path;
}

void ProgramCatalogue::ExecutablePathOn(int slot, char driveLetter, std::string& path) const {
    const ProgramSlot& program = Slot(slot);
    path.assign(program.directory.view());
    if (!path.empty()) {
        path.front() = driveLetter;
    }
    path += '\\';
    path += program.exeName.view();
}

std::string ProgramCatalogue::ProgramInformationPath(int slot) const {
    return ReplaceLastThree(ExecutablePath(slot), "PIF");
}

std::string ProgramCatalogue::DataLockPath(int slot) const {
    const ProgramSlot& s = Slot(slot);
    const std::string stem = ReplaceLastThree(s.markerFile.view(), "");
    const char* number = ProductOf(slot) == Product::Bookkeeping ? "001" : "004";
    return s.directory.str() + "\\DATA\\" + stem + number;
}

} // namespace zel
