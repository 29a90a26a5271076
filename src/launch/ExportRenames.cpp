#include "launch/ExportRenames.h"

#include <array>
#include <string>
#include <utility>

namespace zel {
namespace {

constexpr std::array<std::string_view, 4> kExportFolders{
    "M29\\FLOPPY\\",
    "M30\\FLOPPY\\",
    "M31\\FLOPPY\\",
    "M232\\FLOPPY\\",
};

constexpr std::array<std::pair<std::string_view, std::string_view>, 6> kNewExtensions{{
    {"291", "03M29_1"},
    {"981", "03M29XA_1"},
    {"991", "03M29XC_1"},
    {"301", "03K30_1"},
    {"311", "03K31_1"},
    {"321", "03K32_1"},
}};

} // namespace

std::optional<std::string_view> NewExportExtension(std::string_view oldExtension) {
    for (const auto& [from, to] : kNewExtensions) {
        if (from == oldExtension) {
            return to;
        }
    }
    return std::nullopt;
}

void RenamePayroll2003Exports(Platform& platform, char driveLetter) {
    const std::string root = std::string{driveLetter} + ":\\ZELBER.203\\EXPORT\\";
    for (const std::string_view folder : kExportFolders) {
        const std::string path = root + std::string(folder);
        for (const DirEntry& entry : platform.FindFiles(path, "*.*")) {
            const auto dot = entry.name.find('.');
            if (dot == std::string::npos) {
                continue;
            }
            const auto extension =
                NewExportExtension(std::string_view(entry.name).substr(dot + 1, 3));
            if (!extension) {
                continue;
            }
            const std::string target =
                path + entry.name.substr(0, dot + 1) + std::string(*extension);
            // The platform's rename replaces an existing target; a DOS rename never did, and an
            // export already under the new name must not be lost.
            if (platform.FileExists(target) || platform.DirectoryExists(target)) {
                continue;
            }
            // One that cannot be renamed stays under its old name, as a DOS rename left it.
            (void)platform.RenameFile(path + entry.name, target);
        }
    }
}

} // namespace zel
