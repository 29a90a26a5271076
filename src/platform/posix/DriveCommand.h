#pragma once
// Drive letters from the command line, in the same map the launcher reads, so that an office
// gives its server folder a letter without the Windows compatibility layer's own tools:
// "--drive F: FOLDER" maps a folder, "--drive F:" removes the letter, "--drives" lists them.

#include <filesystem>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

namespace zel::posix {

// Whether the arguments (the program's name left out) ask for a drive command.
[[nodiscard]] bool IsDriveCommand(const std::vector<std::string>& arguments);

// Runs it on the prefix: the exit code, 0 when done. Errors go to err in Hungarian; a letter
// that already leads to the folder is no error, so a login script may map it at every login.
int RunDriveCommand(const std::filesystem::path& prefix, const std::vector<std::string>& arguments,
                    std::ostream& out, std::ostream& err);

} // namespace zel::posix
