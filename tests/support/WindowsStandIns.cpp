#include "support/WindowsStandIns.h"

#include "platform/win32/Windows.h"
#include "support/WineWorld.h"
#include "text/AsciiUpper.h"

#include <cstdlib>
#include <cstring>
#include <winsock2.h>

namespace zel::test {
namespace {

constexpr const char* kHoldWord = "--zel-hold";

std::string CurrentFolder() {
    char folder[MAX_PATH] = {};
    GetCurrentDirectoryA(MAX_PATH, folder);
    return folder;
}

// Written whole under another name first, so that a reader never sees half of it.
void WriteAtOnce(const std::string& path, const std::string& text) {
    const std::string partial = path + ".part";
    WriteFileBytes(partial, text);
    MoveFileExA(partial.c_str(), path.c_str(), MOVEFILE_REPLACE_EXISTING);
}

// DATA\ZEL2023.001 for A2023.EXE: the marker stem "ZEL" + year, and "001" for bookkeeping;
// BER and "004" for payroll.
std::string LockPath(const std::string& folder) {
    char own[MAX_PATH] = {};
    GetModuleFileNameA(nullptr, own, MAX_PATH);
    std::string name = own;
    name = name.substr(name.rfind('\\') + 1);
    const std::string year = name.substr(1, name.find('.') - 1);
    const bool payroll = name[0] == 'B';
    return folder + "\\DATA\\" + (payroll ? "BER" : "ZEL") + year + "." + (payroll ? "004" : "001");
}

int RunAccountingStandIn(bool holdsLock) {
    const std::string folder = CurrentFolder();
    const std::string log = folder + "\\" + kStandInLog;
    const std::string started = "CWD=" + folder + "\nCMDLINE=" + GetCommandLineA() + "\n";
    if (!holdsLock) {
        WriteAtOnce(log, started);
        return 0;
    }
    const std::string lock = LockPath(folder);
    CreateDirectoryA((folder + "\\DATA").c_str(), nullptr);
    const HANDLE held = CreateFileA(lock.c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr,
                                    OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (held == INVALID_HANDLE_VALUE) {
        return 3;
    }
    const HANDLE release = CreateEventA(nullptr, TRUE, FALSE, kStandInRelease);
    WriteAtOnce(log, started + "LOCKED=" + lock + "\n");
    WaitForSingleObject(release, 60000);
    CloseHandle(release);
    CloseHandle(held);
    return 0;
}

// Every configuration DOSBox was given, one after the other.
std::string Configuration(int argc, char** argv) {
    std::string config;
    for (int i = 1; i + 1 < argc; ++i) {
        if (std::strcmp(argv[i], "-conf") == 0) {
            config += ReadFileBytes(argv[++i]);
        }
    }
    return config;
}

bool Exists(const std::string& path) {
    return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

int Print(const std::string& config) {
    const std::string key = "serial4=nullmodem server:127.0.0.1 port:";
    const auto at = config.find(key);
    if (at == std::string::npos) {
        return 4;
    }
    WSADATA data{};
    if (WSAStartup(MAKEWORD(2, 2), &data) != 0) {
        return 4;
    }
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    address.sin_port = htons(static_cast<u_short>(std::atoi(config.c_str() + at + key.size())));
    const SOCKET port = socket(AF_INET, SOCK_STREAM, IPPROTO_TCP);
    int sent = connect(port, reinterpret_cast<sockaddr*>(&address), sizeof address) == 0 ? 0 : -1;
    // DOSBox connects its null modem as it starts, well before the program prints: the relay
    // has taken the connection by the time the first page comes, and times its pauses from
    // there.
    Sleep(1000);
    for (const auto& part : StandInPrintout()) {
        for (std::size_t done = 0; sent >= 0 && done < part.bytes.size();
             done += static_cast<std::size_t>(sent)) {
            sent =
                send(port, part.bytes.data() + done, static_cast<int>(part.bytes.size() - done), 0);
        }
        Sleep(static_cast<DWORD>(part.pauseMilliseconds));
    }
    closesocket(port);
    WSACleanup();
    return sent >= 0 ? 0 : 4;
}

int RunDosBoxStandIn(int argc, char** argv) {
    const std::string config = Configuration(argc, argv);
    if (std::getenv(kDosBoxPrintVariable) != nullptr) {
        return Print(config);
    }
    const char* log = std::getenv(kDosBoxLogVariable);
    if (log == nullptr) {
        return 2;
    }
    const std::string commandLine = GetCommandLineA();
    const bool loader = Exists(CurrentFolder() + "\\ZELSTART.COM");
    const bool capture = Exists(CurrentFolder() + "\\ZELPRN.COM");
    // The loader's start data: the working drive, its folder and the program.
    const std::string data = ReadFileBytes(CurrentFolder() + "\\ZELSTART.DAT");
    std::string start;
    if (data.size() == 384) {
        start = "DRIVE=" + std::to_string(data[0]) + "\nFOLDER=" + std::string(data.c_str() + 1) +
                "\nPROGRAM=" + std::string(data.c_str() + 128) + "\n";
    }
    WriteAtOnce(log, "CMDLINE=" + commandLine + "\nLOADER=" + (loader ? "yes" : "no") +
                         "\nCAPTURE=" + (capture ? "yes" : "no") + "\n" + start + "CONFIG=\n" +
                         config);
    return 0;
}

int RunHolder(const std::string& path, const std::string& mode, const std::string& event) {
    const DWORD access = mode == "write"  ? GENERIC_READ | GENERIC_WRITE
                         : mode == "read" ? GENERIC_READ
                                          : GENERIC_READ | GENERIC_WRITE;
    const DWORD share = mode == "exclusive" ? 0 : FILE_SHARE_READ | FILE_SHARE_WRITE;
    const HANDLE file = CreateFileA(path.c_str(), access, share, nullptr, OPEN_EXISTING,
                                    FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) {
        return 3;
    }
    const HANDLE release = OpenEventA(SYNCHRONIZE, FALSE, event.c_str());
    WriteFileBytes(path + ".held", "");
    WaitForSingleObject(release, 60000);
    CloseHandle(file);
    return 0;
}

} // namespace

std::string OwnPath() {
    char path[MAX_PATH] = {};
    GetModuleFileNameA(nullptr, path, MAX_PATH);
    return path;
}

std::vector<PrintedPart> StandInPrintout() {
    std::string everyByte;
    for (int byte = 0; byte < 256; ++byte) {
        everyByte += static_cast<char>(byte);
    }
    // The first page ends, and the pause after it ends its job; the rest goes on at once.
    return {{"ELS\xD5 OLDAL\r\n\f", 4000},
            {everyByte + "\f\r\n", 0},
            {"utols\xF3, f\xE9lbehagyott oldal", 0}};
}

std::optional<int> RunStandIn(int argc, char** argv) {
    if (argc == 5 && std::strcmp(argv[1], kHoldWord) == 0) {
        return RunHolder(argv[2], argv[3], argv[4]);
    }
    if (AsciiUpper(OwnPath()).ends_with("\\DOSBOX.EXE")) {
        return RunDosBoxStandIn(argc, argv);
    }
    const std::string commandLine = GetCommandLineA();
    const bool holdsLock = commandLine.find(kLockHoldingWord) != std::string::npos;
    if (holdsLock || commandLine.find(kStandInWord) != std::string::npos) {
        return RunAccountingStandIn(holdsLock);
    }
    return std::nullopt;
}

FileHolder::FileHolder(const std::string& path, HoldMode mode) {
    static unsigned counter = 0;
    const std::string event =
        "ZelHold" + std::to_string(GetCurrentProcessId()) + "." + std::to_string(++counter);
    m_release = CreateEventA(nullptr, TRUE, FALSE, event.c_str());
    const char* modeWord = mode == HoldMode::Exclusive ? "exclusive"
                           : mode == HoldMode::Reading ? "read"
                                                       : "write";
    std::string commandLine =
        "\"" + OwnPath() + "\" " + kHoldWord + " \"" + path + "\" " + modeWord + " " + event;
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION started{};
    DeleteFileA((path + ".held").c_str());
    if (!CreateProcessA(nullptr, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                        &startup, &started)) {
        return;
    }
    CloseHandle(started.hThread);
    m_process = started.hProcess;
    m_holding = WaitForFile(path + ".held", 30);
    DeleteFileA((path + ".held").c_str());
}

FileHolder::~FileHolder() {
    if (m_release != nullptr) {
        SetEvent(m_release);
    }
    if (m_process != nullptr) {
        WaitForSingleObject(m_process, 30000);
        CloseHandle(m_process);
    }
    if (m_release != nullptr) {
        CloseHandle(m_release);
    }
}

} // namespace zel::test
