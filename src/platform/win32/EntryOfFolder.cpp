#include "platform/win32/EntryOfFolder.h"

#include <optional>

namespace zel::win32 {
namespace {

std::optional<std::string> FinalPathOf(HANDLE handle) {
    std::string path(MAX_PATH, '\0');
    for (int tries = 0; tries < 2; ++tries) {
        const DWORD length =
            GetFinalPathNameByHandleA(handle, path.data(), static_cast<DWORD>(path.size()),
                                      FILE_NAME_NORMALIZED | VOLUME_NAME_DOS);
        if (length == 0) {
            return std::nullopt;
        }
        if (length < path.size()) {
            path.resize(length);
            return path;
        }
        path.assign(length, '\0');
    }
    return std::nullopt;
}

std::optional<std::string> FinalPathOfFolder(const std::string& folder) {
    const HANDLE handle = CreateFileA(folder.c_str(), FILE_READ_ATTRIBUTES,
                                      FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                                      nullptr, OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr);
    if (handle == INVALID_HANDLE_VALUE) {
        return std::nullopt;
    }
    auto path = FinalPathOf(handle);
    CloseHandle(handle);
    return path;
}

} // namespace

bool IsEntryOfFolder(HANDLE file, const std::string& folder, std::string_view name) {
    const auto filePath = FinalPathOf(file);
    if (!filePath) {
        return true;
    }
    auto expected = FinalPathOfFolder(folder.empty() ? std::string(".") : folder);
    if (!expected) {
        return false;
    }
    if (expected->empty() || expected->back() != '\\') {
        *expected += '\\';
    }
    expected->append(name);
    return CompareStringA(LOCALE_INVARIANT, NORM_IGNORECASE, expected->data(),
                          static_cast<int>(expected->size()), filePath->data(),
                          static_cast<int>(filePath->size())) == CSTR_EQUAL;
}

} // namespace zel::win32
