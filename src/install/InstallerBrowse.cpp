#include "install/InstallerBrowse.h"

#include "text/CodePage1250.h"
#include "text/DosPath.h"
#include "text/FixedText.h"

namespace zel {

BrowseStart SplitBrowsePath(std::string_view pathText) {
    const std::string path = CutText(pathText, kPathCapacity);
    return {std::string(DirectoryPart(path)), std::string(FileNamePart(path))};
}

FileFilter InstallerFileFilter() {
    return {Utf8ToCp1250("Futtatható fájlok (*.exe)"), "*.EXE"};
}

} // namespace zel
