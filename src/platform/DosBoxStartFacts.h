#pragma once
// What a system finds out for a DOS program's start in DOSBox, and the files the DOS side
// makes of it in the start's private folder, by the names both sides know them by.

#include <string>
#include <vector>

namespace zel {

inline constexpr const char* kDosBoxConfigName = "dosbox.conf";
inline constexpr const char* kDosStartLoaderName = "ZELSTART.COM";
inline constexpr const char* kDosStartDataName = "ZELSTART.DAT";
// The resident program that catches a DOS program's printing, on the loader's drive.
inline constexpr const char* kPrinterCaptureName = "ZELPRN.COM";
// Where the print relay writes its serial port's settings, beside the other start files.
inline constexpr const char* kSerialConfigName = "serial.conf";

struct DosBoxDrive {
    char letter = 'C';
    std::string nativeRoot;
    bool cdrom = false;
    std::string label; // code page 1250; empty for none
};

struct DosBoxStartFacts {
    // The drives to mount, and every letter in use, mounted or not.
    std::vector<DosBoxDrive> drives;
    std::vector<char> usedLetters;
    // As DOSBox sees them: the program "C:\ZELKONYV.97\A97.EXE", run on drive C: in the
    // folder "\ZELKONYV.97".
    std::string program;
    char workingDrive = 'C';
    std::string workingFolder;
    std::string parameters; // code page 1250
    bool capturePrinter = false;
};

struct DosBoxStartFile {
    std::string name;
    std::string bytes;
};

} // namespace zel
