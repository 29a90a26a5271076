#include "platform/win32/DosBoxLocation.h"

#include "platform/win32/Windows.h"
#include "text/AsciiUpper.h"
#include "text/DosPath.h"

#include <vector>

namespace zel::win32 {
namespace {

constexpr const char* kUninstallKey = "Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall";
constexpr const char* kAppPathKey =
    "Software\\Microsoft\\Windows\\CurrentVersion\\App Paths\\DOSBox.exe";

bool IsFile(const std::string& path) {
    const DWORD attributes = GetFileAttributesA(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) == 0;
}

std::string ReadText(HKEY key, const char* name) {
    char value[MAX_PATH + 1] = {};
    DWORD type = 0;
    DWORD size = MAX_PATH;
    if (RegQueryValueExA(key, name, nullptr, &type, reinterpret_cast<BYTE*>(value), &size) !=
            ERROR_SUCCESS ||
        type != REG_SZ) {
        return {};
    }
    return std::string(value);
}

// "C:\Program Files\DOSBox-0.74-3\uninstall.exe" or a quoted one, with or without words
// after it: the folder it lies in.
std::string FolderOf(std::string path) {
    if (!path.empty() && path.front() == '"') {
        path = path.substr(1, path.find('"', 1) - 1);
    }
    const auto comma = path.find(',');
    if (comma != std::string::npos) {
        path.resize(comma); // DisplayIcon's ",0"
    }
    return std::string(DirectoryPart(path));
}

std::optional<std::string> FromAppPaths(HKEY root, REGSAM view) {
    HKEY key = nullptr;
    if (RegOpenKeyExA(root, kAppPathKey, 0, KEY_QUERY_VALUE | view, &key) != ERROR_SUCCESS) {
        return std::nullopt;
    }
    std::string path = ReadText(key, nullptr);
    RegCloseKey(key);
    if (!path.empty() && path.front() == '"') {
        path = path.substr(1, path.find('"', 1) - 1);
    }
    return IsFile(path) ? std::optional(path) : std::nullopt;
}

// An uninstall entry whose key begins with "DOSBox", as its installer names it
// ("DOSBox-0.74-3"), with the executable in the folder of its uninstaller or icon.
std::optional<std::string> FromUninstallEntries(HKEY root, REGSAM view) {
    HKEY uninstall = nullptr;
    if (RegOpenKeyExA(root, kUninstallKey, 0, KEY_ENUMERATE_SUB_KEYS | view, &uninstall) !=
        ERROR_SUCCESS) {
        return std::nullopt;
    }
    std::optional<std::string> found;
    char name[256];
    for (DWORD index = 0; !found; ++index) {
        DWORD length = sizeof name;
        if (RegEnumKeyExA(uninstall, index, name, &length, nullptr, nullptr, nullptr, nullptr) !=
            ERROR_SUCCESS) {
            break;
        }
        if (!AsciiUpper(std::string_view(name, length)).starts_with("DOSBOX")) {
            continue;
        }
        HKEY entry = nullptr;
        if (RegOpenKeyExA(uninstall, name, 0, KEY_QUERY_VALUE | view, &entry) != ERROR_SUCCESS) {
            continue;
        }
        std::vector<std::string> folders;
        if (std::string location = ReadText(entry, "InstallLocation"); !location.empty()) {
            folders.push_back(location.back() == '\\' ? location : location + '\\');
        }
        folders.push_back(FolderOf(ReadText(entry, "UninstallString")));
        folders.push_back(FolderOf(ReadText(entry, "DisplayIcon")));
        RegCloseKey(entry);
        for (const auto& folder : folders) {
            if (!folder.empty() && IsFile(folder + "DOSBox.exe")) {
                found = folder + "DOSBox.exe";
                break;
            }
        }
    }
    RegCloseKey(uninstall);
    return found;
}

std::optional<std::string> OnPath() {
    char path[MAX_PATH] = {};
    const DWORD length = SearchPathA(nullptr, "DOSBox.exe", nullptr, MAX_PATH, path, nullptr);
    if (length == 0 || length >= MAX_PATH) {
        return std::nullopt;
    }
    return std::string(path, length);
}

} // namespace

std::optional<std::string> FindDosBox() {
    // A 32-bit installer's entries lie in the registry's 32-bit view.
    for (const HKEY root : {HKEY_LOCAL_MACHINE, HKEY_CURRENT_USER}) {
        for (const REGSAM view : {REGSAM{0}, REGSAM{KEY_WOW64_32KEY}}) {
            if (auto path = FromUninstallEntries(root, view)) {
                return path;
            }
            if (auto path = FromAppPaths(root, view)) {
                return path;
            }
        }
    }
    return OnPath();
}

} // namespace zel::win32
