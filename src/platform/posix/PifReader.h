#pragma once
// A program information file read back, so that the POSIX layer can start what the
// launcher and the installers wrote into it.

#include <optional>
#include <string>
#include <string_view>

namespace zel::posix {

struct PifContents {
    std::string title;
    std::string program;
    std::string workingDirectory;
    std::string parameters;
};

// Nothing when the bytes are too short to hold the basic section or name no program. The
// parameters of the 386 section win over the basic ones when they are not empty.
[[nodiscard]] std::optional<PifContents> ReadPif(std::string_view bytes);

} // namespace zel::posix
