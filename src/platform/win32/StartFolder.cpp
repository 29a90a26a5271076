#include "platform/win32/StartFolder.h"

#include "platform/DosBoxStartFacts.h"
#include "platform/win32/Windows.h"

#include <cstdio>

namespace zel::win32 {

std::optional<std::string> MakeStartFolder() {
    char temp[MAX_PATH] = {};
    const DWORD length = GetTempPathA(MAX_PATH, temp);
    if (length == 0 || length > MAX_PATH - 16) {
        return std::nullopt;
    }
    unsigned number = GetTickCount() ^ (GetCurrentProcessId() << 12);
    for (int attempt = 0; attempt < 100; ++attempt, number += 7919) {
        char name[16];
        std::snprintf(name, sizeof name, "ZELST%03X", number & 0xFFFU);
        const std::string folder = std::string(temp) + name;
        if (CreateDirectoryA(folder.c_str(), nullptr)) {
            return folder;
        }
    }
    return std::nullopt;
}

bool WriteStartFile(const std::string& path, std::string_view bytes) {
    const HANDLE file = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                                    FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) {
        return false;
    }
    DWORD written = 0;
    const bool ok =
        WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr) &&
        written == bytes.size();
    return CloseHandle(file) && ok;
}

void RemoveStartFolder(const std::string& folder) {
    for (const char* name : {kDosBoxConfigName, kDosStartLoaderName, kDosStartDataName,
                             kPrinterCaptureName, kSerialConfigName}) {
        DeleteFileA((folder + "\\" + name).c_str());
    }
    RemoveDirectoryA(folder.c_str());
}

} // namespace zel::win32
