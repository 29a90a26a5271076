#pragma once
// The one plan of a DOS program's start in DOSBox, for both systems: what the start loader
// runs, with which tail and from where, which drives are mounted, and the files the start's
// private folder holds. A system only finds the facts, makes the folder and starts DOSBox.

#include "dos/DosBoxConfig.h"
#include "platform/DosBoxStartFacts.h"
#include "platform/DosStartPlanner.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace zel {

struct DosBoxStartPlan {
    DosBoxSetup setup; // its loader folder is the private folder, once made
    std::string startData;
};

// Nothing when fewer than two letters are free, or the folder or the program is too long for
// DOS: then no folder need be made.
[[nodiscard]] std::optional<DosBoxStartPlan> PlanDosBoxStart(const DosBoxStartFacts& facts);

// What goes into the private folder made for a planned start, its configuration first.
[[nodiscard]] std::vector<DosBoxStartFile> DosBoxStartFiles(DosBoxStartPlan plan,
                                                            std::string_view privateFolder);

// The plans above, as the platform is handed them.
class DosBoxStartPlanner final : public DosStartPlanner {
public:
    [[nodiscard]] std::optional<std::vector<DosBoxStartFile>>
    StartFiles(const DosBoxStartFacts& facts, std::string_view privateFolder) const override;
};

} // namespace zel
