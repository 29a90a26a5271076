#pragma once
// Pieces of DOS paths ("C:\ZELKONYV.97\A97.EXE"), as every module forms them.

#include <string>
#include <string_view>

namespace zel {

// Everything up to and including the last backslash; empty when there is none.
std::string_view DirectoryPart(std::string_view dosPath);
// Everything after the last backslash; the whole text when there is none.
std::string_view FileNamePart(std::string_view dosPath);
// The text with its last three characters replaced, as "A97.EXE" becomes "A97.PIF".
std::string ReplaceLastThree(std::string_view text, std::string_view replacement);
// The index 0 to 25 of a drive letter "A" to "Z"; -1 for any other character, lower case
// included, so that nothing else ever indexes a per-drive table.
int DriveIndex(char c);

} // namespace zel
