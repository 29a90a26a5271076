#pragma once
// The one plan of a DOS program's start in DOSBox, for both systems: what the start loader
// runs, with which tail and from where, which drives are mounted, and the files the start's
// private folder holds. A system only finds the facts, makes the folder and starts DOSBox.

#include "platform/DosBoxConfig.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace zel {

inline constexpr const char* kDosBoxConfigName = "dosbox.conf";

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

struct DosBoxStartPlan {
    DosBoxSetup setup; // its loader folder is the private folder, once made
    std::string startData;
};

struct DosBoxStartFile {
    std::string name;
    std::string bytes;
};

// Nothing when fewer than two letters are free, or the folder or the program is too long for
// DOS: then no folder need be made.
[[nodiscard]] std::optional<DosBoxStartPlan> PlanDosBoxStart(const DosBoxStartFacts& facts);

// What goes into the private folder made for a planned start, its configuration first.
[[nodiscard]] std::vector<DosBoxStartFile> DosBoxStartFiles(DosBoxStartPlan plan,
                                                            std::string_view privateFolder);

} // namespace zel
