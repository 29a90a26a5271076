#include "install/LauncherShortcuts.h"

#include "platform/IoError.h"
#include "text/AsciiUpper.h"

#include <string>

namespace zel {
namespace {

constexpr std::string_view kLinkName = "Zelkor.lnk";
constexpr std::string_view kGroupName = "ZELKOR";

std::string LinkIn(const std::string& folder, ShortcutKind kind) {
    const std::string base = folder + "\\";
    if (kind == ShortcutKind::ProgramGroup) {
        return base + std::string(kGroupName) + "\\" + std::string(kLinkName);
    }
    return base + std::string(kLinkName);
}

} // namespace

void CreateShortcuts(Platform& platform, ShortcutKind kind, std::string_view installDirectory) {
    const bool group = kind == ShortcutKind::ProgramGroup;
    const std::string common = platform.ShortcutFolder(group ? ShortcutFolderKind::CommonPrograms
                                                             : ShortcutFolderKind::CommonDesktop);
    const std::string user = platform.ShortcutFolder(group ? ShortcutFolderKind::UserPrograms
                                                           : ShortcutFolderKind::UserDesktop);
    const std::string& folder = common.empty() ? user : common;
    if (folder.empty() || !platform.DirectoryExists(folder)) {
        return;
    }
    if (group) {
        const std::string groupFolder = folder + "\\" + std::string(kGroupName);
        if (!platform.DirectoryExists(groupFolder) && !platform.CreateDirectory(groupFolder)) {
            throw IoError(io_text::kAccessDenied);
        }
    }
    const std::string target = std::string(installDirectory) + "\\Zelpult.exe";
    if (!platform.CreateShortcut(LinkIn(folder, kind), target, installDirectory)) {
        throw IoError(io_text::kWriteError);
    }
    // Where both folders are one, the user's copy is the link just made.
    if (!common.empty() && !user.empty() && AsciiUpper(common) != AsciiUpper(user)) {
        (void)platform.DeleteShortcut(LinkIn(user, kind));
    }
}

} // namespace zel
