#pragma once
// Where the texts of a program information file lie: the one description of its fields
// that the writer and every reader of the 995 bytes go by.

#include <cstddef>

namespace zel {

inline constexpr std::size_t kProgramInformationSize = 995;

struct PifField {
    std::size_t offset;
    std::size_t size; // the terminating zero included
};

inline constexpr PifField kPifTitle{0x002, 30};
inline constexpr PifField kPifProgram{0x024, 63};
inline constexpr PifField kPifWorkingDirectory{0x065, 64};
inline constexpr PifField kPifParameters{0x1E1, 64};

} // namespace zel
