#pragma once
// The DOS side of a start in DOSBox, handed to the platform by the launcher: the system
// finds the facts, makes the private folder, writes the files planned for it and starts
// DOSBox there.

#include "platform/DosBoxStartFacts.h"

#include <optional>
#include <string_view>
#include <vector>

namespace zel {

class DosStartPlanner {
public:
    virtual ~DosStartPlanner() = default;

    // What goes into privateFolder, DOSBox's configuration first. Nothing when DOS cannot
    // run the start: fewer than two letters free, or the folder or the program too long.
    [[nodiscard]] virtual std::optional<std::vector<DosBoxStartFile>>
    StartFiles(const DosBoxStartFacts& facts, std::string_view privateFolder) const = 0;
};

} // namespace zel
