#pragma once
// How a DOS program gets its command tail byte for byte: DOSBox's shell would take "<",
// ">" and "|" for redirections and "%" for variables, so a small loader reads the
// program, its working folder and its tail from a file and starts it through DOS itself.

#include "platform/DosBoxStartFacts.h"

#include <optional>
#include <string>
#include <string_view>

namespace zel {

inline constexpr std::size_t kDosStartDataSize = 384;
inline constexpr std::size_t kDosTailCapacity = 126;

// The parameter text (code page 1250) as DOS hands it to a program: in code page 852,
// without control characters, after one blank, at most 126 characters.
[[nodiscard]] std::string DosCommandTail(std::string_view parameters);

// Working drive 0 for A:, folder "\ZELKONYV.97", program "C:\ZELKONYV.97\A97.EXE".
// Nothing when the folder or the program is too long for DOS.
[[nodiscard]] std::optional<std::string> ComposeDosStartData(char workingDrive,
                                                             std::string_view folder,
                                                             std::string_view program,
                                                             std::string_view tail);

// The loader's bytes, a .COM program.
[[nodiscard]] std::string_view DosStartLoader();

} // namespace zel
