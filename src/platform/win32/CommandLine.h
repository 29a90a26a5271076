#pragma once
// Windows hands a program one command line, which its run-time library splits into words
// again: the words the launcher means are quoted so that they come back as they went.

#include <string>
#include <vector>

namespace zel::win32 {

// Every word quoted, an empty one too, with backslashes and quotes escaped as the run-time
// library reads them.
[[nodiscard]] std::string ComposeCommandLine(const std::vector<std::string>& words);

} // namespace zel::win32
