#include "platform/win32/ProgramStarter.h"

#include "platform/PrintRelayCommand.h"
#include "platform/win32/BuildWidth.h"
#include "platform/win32/CommandLine.h"
#include "platform/win32/DosBoxLocation.h"
#include "platform/win32/DriveLetters.h"
#include "platform/win32/StartFolder.h"
#include "platform/win32/Windows.h"
#include "text/AsciiUpper.h"
#include "text/DosPath.h"

#include <cstring>
#include <optional>
#include <thread>
#include <vector>

namespace zel::win32 {
namespace {

enum class ProgramKind { Dos, Windows, Unknown };

std::optional<std::string> FullPath(const std::string& path) {
    char full[MAX_PATH] = {};
    const DWORD length = GetFullPathNameA(path.c_str(), MAX_PATH, full, nullptr);
    if (length == 0 || length >= MAX_PATH) {
        return std::nullopt;
    }
    return std::string(full, length);
}

DWORD AttributesOf(const std::string& path) {
    return GetFileAttributesA(path.c_str());
}

bool IsFile(const std::string& path) {
    const DWORD attributes = AttributesOf(path);
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) == 0;
}

bool IsFolder(const std::string& path) {
    const DWORD attributes = AttributesOf(path);
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
}

std::string ReadAt(HANDLE file, DWORD offset, DWORD count) {
    std::string bytes(count, '\0');
    DWORD read = 0;
    if (SetFilePointer(file, static_cast<LONG>(offset), nullptr, FILE_BEGIN) ==
            INVALID_SET_FILE_POINTER ||
        !ReadFile(file, bytes.data(), count, &read, nullptr)) {
        return {};
    }
    bytes.resize(read);
    return bytes;
}

// An MZ executable with a PE header where its header points is a Windows program; one
// without is a DOS program, as are .COM and .BAT files.
ProgramKind KindOf(const std::string& program) {
    const std::string upper = AsciiUpper(program);
    if (upper.ends_with(".COM") || upper.ends_with(".BAT")) {
        return ProgramKind::Dos;
    }
    const HANDLE file =
        CreateFileA(program.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                    OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) {
        return ProgramKind::Unknown;
    }
    const std::string header = ReadAt(file, 0, 64);
    ProgramKind kind = ProgramKind::Unknown;
    if (header.starts_with("MZ") || header.starts_with("ZM")) {
        kind = ProgramKind::Dos;
        if (header.size() == 64) {
            std::uint32_t newHeader = 0;
            std::memcpy(&newHeader, header.data() + 0x3C, sizeof newHeader);
            if (newHeader >= 64 && ReadAt(file, newHeader, 4) == std::string("PE\0\0", 4)) {
                kind = ProgramKind::Windows;
            }
        }
    }
    CloseHandle(file);
    return kind;
}

bool Spawn(const std::string& program, std::string commandLine, const std::string& folder,
           const std::string& title, HANDLE* process, DWORD flags = 0) {
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESHOWWINDOW;
    startup.wShowWindow = SW_SHOWNORMAL;
    std::string titleText = title;
    startup.lpTitle = titleText.empty() ? nullptr : titleText.data();
    PROCESS_INFORMATION started{};
    if (!CreateProcessA(program.c_str(), commandLine.data(), nullptr, nullptr, FALSE, flags,
                        nullptr, folder.c_str(), &startup, &started)) {
        return false;
    }
    CloseHandle(started.hThread);
    if (process != nullptr) {
        *process = started.hProcess;
    } else {
        CloseHandle(started.hProcess);
    }
    return true;
}

StartOutcome StartWindowsProgram(const StartRequest& request) {
    std::string commandLine = "\"" + request.program + "\"";
    if (!request.parameters.empty()) {
        commandLine += " " + request.parameters;
    }
    if (!Spawn(request.program, std::move(commandLine), request.workingDirectory, request.title,
               nullptr)) {
        return StartOutcome::Failure(static_cast<int>(GetLastError()));
    }
    return StartOutcome::Success();
}

std::string VolumeLabel(const std::string& root) {
    char label[MAX_PATH + 1] = {};
    if (!GetVolumeInformationA(root.c_str(), label, sizeof label, nullptr, nullptr, nullptr,
                               nullptr, 0)) {
        return {};
    }
    return label;
}

std::string OwnExecutable() {
    char path[MAX_PATH] = {};
    const DWORD length = GetModuleFileNameA(nullptr, path, MAX_PATH);
    return length == 0 || length >= MAX_PATH ? std::string{} : std::string(path, length);
}

// The print relay starts DOSBox and outlives the panel until the last page is printed, and
// then removes the start files: it leaves a job object the panel may be in where the job
// allows that. It shows no window.
bool SpawnRelay(const StartRequest& request, const std::vector<std::string>& dosbox,
                const std::string& privateFolder, HANDLE* process) {
    const std::string relay = OwnExecutable();
    if (relay.empty()) {
        return false;
    }
    const PrintRelayRequest relayed{*request.characterPrinter,
                                    std::string(FileNamePart(request.program)),
                                    privateFolder + "\\" + kSerialConfigName,
                                    {},
                                    dosbox,
                                    privateFolder};
    const std::string commandLine = ComposeCommandLine(ComposePrintRelayCommand(relay, relayed));
    // Not in the start folder, which it removes at its end: a process's current folder
    // cannot be removed. DOSBox runs there.
    const std::string temp = privateFolder.substr(0, privateFolder.find_last_of('\\') + 1);
    return Spawn(relay, commandLine, temp, request.title, process,
                 CREATE_NO_WINDOW | CREATE_BREAKAWAY_FROM_JOB) ||
           Spawn(relay, commandLine, temp, request.title, process, CREATE_NO_WINDOW);
}

StartOutcome StartInDosBox(const StartRequest& request, const DosStartPlanner& dosStart) {
    const auto dosbox = FindDosBox();
    if (!dosbox) {
        return {StartOutcomeKind::NoDosBox, 0};
    }
    if (request.workingDirectory.size() < 3) {
        return StartOutcome::Failure();
    }
    DosBoxStartFacts facts;
    facts.usedLetters = PresentDriveLetters();
    for (const char letter : facts.usedLetters) {
        const std::string root = std::string{letter, ':', '\\'};
        const UINT type = GetDriveTypeA(root.c_str());
        if (type == DRIVE_NO_ROOT_DIR || type == DRIVE_UNKNOWN) {
            continue;
        }
        DosBoxDrive drive;
        drive.letter = letter;
        drive.nativeRoot = root;
        drive.cdrom = type == DRIVE_CDROM;
        drive.label = type == DRIVE_REMOVABLE ? std::string{} : VolumeLabel(root);
        facts.drives.push_back(std::move(drive));
    }
    facts.program = request.program;
    facts.workingDrive = request.workingDirectory.front();
    facts.workingFolder = request.workingDirectory.substr(2);
    facts.parameters = request.parameters;
    facts.capturePrinter = request.characterPrinter.has_value();
    const auto privateFolder = MakeStartFolder();
    if (!privateFolder) {
        return StartOutcome::Failure(static_cast<int>(GetLastError()));
    }
    const auto files = dosStart.StartFiles(facts, *privateFolder);
    if (!files) {
        RemoveStartFolder(*privateFolder);
        return StartOutcome::Failure();
    }

    bool written = true;
    for (const auto& file : *files) {
        written = written && WriteStartFile(*privateFolder + "\\" + file.name, file.bytes);
    }
    const std::string config = *privateFolder + "\\" + kDosBoxConfigName;
    const std::vector<std::string> command = {*dosbox, "-conf", config, "-noconsole"};
    HANDLE process = nullptr;
    const bool started = written && (request.characterPrinter
                                         ? SpawnRelay(request, command, *privateFolder, &process)
                                         : Spawn(*dosbox, ComposeCommandLine(command),
                                                 *privateFolder, request.title, &process));
    if (!started) {
        const auto error = static_cast<int>(GetLastError());
        RemoveStartFolder(*privateFolder);
        return StartOutcome::Failure(error);
    }
    if (request.characterPrinter) {
        CloseHandle(process);
        return StartOutcome::Success();
    }
    // A program that does not print through the relay prints into the spool folder, which
    // the panel must stay open to print: the panel removes the start files when DOSBox ends.
    std::thread([process, folder = *privateFolder] {
        WaitForSingleObject(process, INFINITE);
        CloseHandle(process);
        RemoveStartFolder(folder);
    }).detach();
    return StartOutcome::Success();
}

} // namespace

bool RunsUnderWine() {
    const HMODULE ntdll = GetModuleHandleA("ntdll.dll");
    return ntdll != nullptr && GetProcAddress(ntdll, "wine_get_version") != nullptr;
}

InformationFileRunner MachineInformationFileRunner() {
    InformationFileRunner runner;
    // A 64-bit process is on 64-bit Windows, and a 32-bit one under WOW64 too: neither has
    // the DOS subsystem.
    BOOL wow64 = FALSE;
    const bool is32BitWindows =
        kBuilt32Bit && IsWow64Process(GetCurrentProcess(), &wow64) && !wow64;
    runner.available = is32BitWindows && !RunsUnderWine();
    runner.start = [](const std::string& informationFile) {
        return WinExec(informationFile.c_str(), SW_SHOWNORMAL) > 31;
    };
    return runner;
}

StartOutcome StartProgramOf(StartRequest request, const InformationFileRunner& runner,
                            const DosStartPlanner* dosStart) {
    if (request.program.empty()) {
        return StartOutcome::Failure(ERROR_FILE_NOT_FOUND);
    }
    const auto program = FullPath(request.program);
    if (!program || !IsFile(*program)) {
        return StartOutcome::Failure(ERROR_FILE_NOT_FOUND);
    }
    request.program = *program;
    if (request.workingDirectory.empty()) {
        std::string folder = request.program.substr(0, request.program.rfind('\\'));
        request.workingDirectory = folder.size() == 2 ? folder + "\\" : folder;
    }
    const auto folder = FullPath(request.workingDirectory);
    if (!folder || !IsFolder(*folder)) {
        return StartOutcome::Failure(ERROR_PATH_NOT_FOUND);
    }
    request.workingDirectory = *folder;
    if (runner.available && !request.informationFile.empty() && runner.start) {
        return runner.start(request.informationFile)
                   ? StartOutcome::Success()
                   : StartOutcome::Failure(static_cast<int>(GetLastError()));
    }
    switch (KindOf(request.program)) {
    case ProgramKind::Windows:
        return StartWindowsProgram(request);
    case ProgramKind::Dos:
        if (dosStart == nullptr) {
            return StartOutcome::Failure(ERROR_BAD_EXE_FORMAT);
        }
        return StartInDosBox(request, *dosStart);
    case ProgramKind::Unknown:
        break;
    }
    return StartOutcome::Failure(ERROR_BAD_EXE_FORMAT);
}

} // namespace zel::win32
