#pragma once
// The program information file the platform starts a character-mode program from: a fixed
// 995-byte template with the title, program, working folder and parameters written in.
// The accounting programs' own tools read these files, so the bytes are those of the
// original template, checksum included, even where a field is not used.

#include "launch/ProgramInformationLayout.h"
#include "platform/Platform.h"

#include <string>
#include <string_view>

namespace zel {

struct ProgramInformation {
    std::string title;
    std::string program;
    std::string workingDirectory;
    std::string parameters;
};

// Each text is cut to its field less the terminating zero (title 29, program 62, folder 63,
// parameters 63) so that nothing outside a field changes.
std::string ComposeProgramInformation(const ProgramInformation& info);

// Writes the file whole. A failure throws IoError: a start must never run what an older or
// a planted file in its place holds.
void WriteProgramInformationFile(Platform& platform, std::string_view filePath,
                                 std::string_view title, std::string_view programPath,
                                 std::string_view workingDirectory, std::string_view parameters);

} // namespace zel
