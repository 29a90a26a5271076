#pragma once
// Where the file dialog of the install box opens: the path field's folder and file name,
// and the kind of file it offers.

#include <string>
#include <string_view>

namespace zel {

struct BrowseStart {
    // Up to and including the last backslash; empty when there is none.
    std::string initialDirectory;
    std::string fileName;
};

BrowseStart SplitBrowsePath(std::string_view pathText);

struct FileFilter {
    std::string description; // code page 1250
    std::string pattern;
};

// "Futtatható fájlok (*.exe)" offering "*.EXE".
FileFilter InstallerFileFilter();

} // namespace zel
