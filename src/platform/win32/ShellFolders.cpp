#include "platform/win32/ShellFolders.h"

#include "platform/win32/Windows.h"

namespace zel::win32 {
namespace {

std::string ReadPathValue(HKEY root, const char* name) {
    HKEY key = nullptr;
    if (RegOpenKeyExA(root, kShellFoldersKey, 0, KEY_QUERY_VALUE, &key) != ERROR_SUCCESS) {
        return {};
    }
    char value[MAX_PATH + 1] = {};
    DWORD type = 0;
    DWORD size = MAX_PATH; // one byte short of the buffer: the text ends in a zero either way
    const LONG result =
        RegQueryValueExA(key, name, nullptr, &type, reinterpret_cast<BYTE*>(value), &size);
    RegCloseKey(key);
    if (result != ERROR_SUCCESS || (type != REG_SZ && type != REG_EXPAND_SZ)) {
        return {};
    }
    std::string path(value, size < MAX_PATH ? size : MAX_PATH);
    path.resize(path.find('\0') == std::string::npos ? path.size() : path.find('\0'));
    if (type == REG_EXPAND_SZ && !path.empty()) {
        char expanded[MAX_PATH] = {};
        const DWORD length = ExpandEnvironmentStringsA(path.c_str(), expanded, MAX_PATH);
        if (length == 0 || length > MAX_PATH) {
            return {};
        }
        path = expanded;
    }
    return path.size() < MAX_PATH - 12 ? path : std::string{};
}

} // namespace

std::string ShellFolderOf(ShortcutFolderKind kind) {
    switch (kind) {
    case ShortcutFolderKind::CommonPrograms:
        return ReadPathValue(HKEY_LOCAL_MACHINE, "Common Programs");
    case ShortcutFolderKind::UserPrograms:
        return ReadPathValue(HKEY_CURRENT_USER, "Programs");
    case ShortcutFolderKind::CommonDesktop:
        return ReadPathValue(HKEY_LOCAL_MACHINE, "Common Desktop");
    case ShortcutFolderKind::UserDesktop:
        return ReadPathValue(HKEY_CURRENT_USER, "Desktop");
    }
    return {};
}

} // namespace zel::win32
