#pragma once
// One start of a program, as typed values: the platform starts exactly this, and never
// splits a command line that another layer glued together.

#include <optional>
#include <string>

namespace zel {

struct StartRequest {
    std::string program;          // DOS path of the executable
    std::string workingDirectory; // DOS path
    std::string parameters;       // the whole parameter text, code page 1250
    std::string title;
    // The program information file just written for this start; a platform that runs such
    // files starts it, every other starts the program itself.
    std::string informationFile;
    // Where what a DOS program sends to its own printer port goes: a desktop printer's name
    // (empty: the default one). None in Windows print mode, where it writes print lists.
    std::optional<std::string> characterPrinter;
    // DOS path of the file whose lock tells every PC sharing the folder that the program
    // runs; the platform holds that lock for as long as the program runs. None for a program
    // that has no such file.
    std::optional<std::string> dataLockFile;
};

} // namespace zel
