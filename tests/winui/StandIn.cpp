#include "StandIn.h"

#include "winui/Win32Ui.h"

#include <string>

namespace zel::test {
namespace {

// DATA\ZEL2023.001 for A2023.EXE: the marker stem "ZEL" + year, and "001" for bookkeeping.
std::string LockPath(const std::string& folder) {
    char own[MAX_PATH] = {};
    GetModuleFileNameA(nullptr, own, MAX_PATH);
    std::string name = own;
    name = name.substr(name.rfind('\\') + 1);
    const std::string year = name.substr(1, name.find('.') - 1);
    return folder + "\\DATA\\" + (name[0] == 'B' ? "BER" : "ZEL") + year + "." +
           (name[0] == 'B' ? "004" : "001");
}

} // namespace

std::optional<int> RunWinuiStandIn() {
    if (std::string(GetCommandLineA()).find(kWinuiStandInWord) == std::string::npos) {
        return std::nullopt;
    }
    char folder[MAX_PATH] = {};
    GetCurrentDirectoryA(MAX_PATH, folder);
    const std::string lock = LockPath(folder);
    CreateDirectoryA((std::string(folder) + "\\DATA").c_str(), nullptr);
    const HANDLE held = CreateFileA(lock.c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr,
                                    OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (held == INVALID_HANDLE_VALUE) {
        return 3;
    }
    const HANDLE release = CreateEventA(nullptr, TRUE, FALSE, kWinuiStandInRelease);
    const std::string log = std::string(folder) + "\\" + kWinuiStandInLog;
    const HANDLE file = CreateFileA(log.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                    FILE_ATTRIBUTE_NORMAL, nullptr);
    const std::string text = "LOCKED=" + lock + "\n";
    DWORD written = 0;
    WriteFile(file, text.data(), static_cast<DWORD>(text.size()), &written, nullptr);
    CloseHandle(file);
    WaitForSingleObject(release, 60000);
    CloseHandle(release);
    CloseHandle(held);
    return 0;
}

} // namespace zel::test
