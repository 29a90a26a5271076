#pragma once
// The configuration DOSBox starts one program from: quick settings, and an autoexec that
// moves DOSBox's own drive out of the way, mounts the drives of the prefix under their
// letters and hands over to the start loader, so that no text of the user's passes
// through DOSBox's shell.

#include "platform/DosBoxStartFacts.h"

#include <optional>
#include <string>
#include <vector>

namespace zel {

struct DosBoxSetup {
    std::vector<DosBoxDrive> drives;
    char virtualDrive = 'Z'; // where DOSBox's own drive goes
    char loaderDrive = 'Y';  // the private folder with the loader and its start data
    std::string loaderFolder;
    // The printer capture is loaded from the loader's drive before the program starts.
    bool capturePrinter = false;
};

// A drive whose folder the autoexec cannot name (a quote or a control character in its
// path) is left out.
[[nodiscard]] std::string ComposeDosBoxConfig(const DosBoxSetup& setup);

// The letters DOSBox's drive and the loader take: the highest two the prefix leaves free.
// Nothing when fewer than two are free.
struct SpareLetters {
    char virtualDrive;
    char loaderDrive;
};
[[nodiscard]] std::optional<SpareLetters> ChooseSpareLetters(const std::vector<char>& used);

} // namespace zel
