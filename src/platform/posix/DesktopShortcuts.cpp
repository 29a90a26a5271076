#include "platform/posix/DesktopShortcuts.h"

namespace zel::posix {

std::string ShortcutFolderOf(const WinePrefix&, ShortcutFolderKind) {
    return {};
}

bool CreateDesktopEntry(const WinePrefix&, std::string_view, std::string_view, std::string_view) {
    return false;
}

bool DeleteDesktopEntry(const WinePrefix&, std::string_view) {
    return false;
}

} // namespace zel::posix
