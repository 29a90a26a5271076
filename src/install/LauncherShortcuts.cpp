#include "install/LauncherShortcuts.h"

#include "catalogue/LauncherFiles.h"
#include "platform/IoError.h"
#include "text/AsciiUpper.h"

#include <string>

namespace zel {

void CreateShortcuts(Platform& platform, ShortcutKind kind, const DosPath& installDirectory) {
    const bool group = kind == ShortcutKind::ProgramGroup;
    const std::string common = platform.ShortcutFolder(group ? ShortcutFolderKind::CommonPrograms
                                                             : ShortcutFolderKind::CommonDesktop);
    const std::string user = platform.ShortcutFolder(group ? ShortcutFolderKind::UserPrograms
                                                           : ShortcutFolderKind::UserDesktop);
    const std::string& folder = common.empty() ? user : common;
    if (folder.empty()) {
        return;
    }
    const std::string groupName = group ? std::string(kProgramGroupName) : std::string{};
    const std::string linkName(kShortcutName);
    const DosPath target = installDirectory / "Zelpult.exe";
    switch (platform.CreateShortcut({folder, groupName, linkName}, target, installDirectory)) {
    case ShortcutResult::Made:
        break;
    case ShortcutResult::NoFolder:
        return;
    case ShortcutResult::GroupFailed:
        throw IoError(IoErrorKind::AccessDenied);
    case ShortcutResult::LinkFailed:
        throw IoError(IoErrorKind::WriteError);
    }
    // Where both folders are one, the user's copy is the link just made. A copy that cannot
    // be deleted only shows the shortcut twice.
    if (!common.empty() && !user.empty() && AsciiUpper(common) != AsciiUpper(user)) {
        (void)platform.DeleteShortcut({user, groupName, linkName});
    }
}

} // namespace zel
