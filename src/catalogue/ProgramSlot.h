#pragma once
// One launchable program: a product (A bookkeeping, B payroll) of one tax year, where it
// lives and what it keeps per drive. The accounting programs know these texts by their
// fixed lengths, so each field keeps its capacity.

#include "text/FixedText.h"

#include <array>

namespace zel {

inline constexpr int kSlotCount = 60;
inline constexpr int kFirstYear = 1996;
inline constexpr char kNoDrive = '0';

struct ProgramSlot {
    // Its first character is the chosen drive letter, kNoDrive until one is chosen.
    FixedText<80> directory;
    FixedText<12> exeName;
    FixedText<12> markerFile;
    // Indexed by drive letter A to Z.
    std::array<FixedText<60>, 26> startParams;
};

} // namespace zel
