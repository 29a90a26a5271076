#include "platform/posix/ProgramStarter.h"

#include "platform/posix/DetachedSpawn.h"
#include "platform/posix/DriveFacts.h"
#include "platform/posix/PrintRelayPlan.h"
#include "text/AsciiUpper.h"
#include "text/DosPath.h"

#include <cerrno>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <unistd.h>

extern char** environ;

namespace fs = std::filesystem;

namespace zel::posix {
namespace {

enum class ProgramKind { Dos, Native, Unknown };

bool IsFile(const std::optional<fs::path>& native) {
    std::error_code ec;
    return native && fs::is_regular_file(*native, ec);
}

std::string Absolute(const WinePrefix& prefix, std::string_view dosPath) {
    if (dosPath.size() >= 2 && dosPath[1] == ':') {
        return std::string(dosPath);
    }
    std::error_code ec;
    std::string folder = prefix.ToDos(fs::current_path(ec)).value_or(std::string{});
    if (folder.empty()) {
        return std::string(dosPath);
    }
    if (!dosPath.empty() && dosPath.front() == '\\') {
        return folder.substr(0, 2) + std::string(dosPath);
    }
    if (folder.back() != '\\') {
        folder += '\\';
    }
    return folder + std::string(dosPath);
}

ProgramKind KindOf(const fs::path& native, std::string_view dosPath) {
    const std::string upper = AsciiUpper(dosPath);
    if (upper.ends_with(".COM") || upper.ends_with(".BAT")) {
        return ProgramKind::Dos;
    }
    std::ifstream in(native, std::ios::binary);
    char head[4] = {};
    in.read(head, sizeof head);
    const std::string_view magic(head, static_cast<std::size_t>(in.gcount()));
    if (magic.starts_with("MZ") || magic.starts_with("ZM")) {
        return ProgramKind::Dos;
    }
    if (magic == "\x7F"
                 "ELF" ||
        magic.starts_with("#!")) {
        return ProgramKind::Native;
    }
    return ProgramKind::Unknown;
}

std::optional<std::string> FindOnPath(std::string_view name) {
    const char* path = std::getenv("PATH");
    std::string_view folders = path != nullptr ? path : "";
    while (!folders.empty()) {
        const auto colon = folders.find(':');
        const std::string_view folder = folders.substr(0, colon);
        folders = colon == std::string_view::npos ? std::string_view{} : folders.substr(colon + 1);
        if (folder.empty()) {
            continue;
        }
        const std::string candidate = std::string(folder) + "/" + std::string(name);
        std::error_code ec;
        if (fs::is_regular_file(candidate, ec) && ::access(candidate.c_str(), X_OK) == 0) {
            return candidate;
        }
    }
    return std::nullopt;
}

bool HasDisplay() {
    const auto set = [](const char* name) {
        const char* value = std::getenv(name);
        return value != nullptr && *value != '\0';
    };
    return set("DISPLAY") || set("WAYLAND_DISPLAY");
}

std::vector<std::string> Environment() {
    std::vector<std::string> environment;
    for (char** entry = environ; *entry != nullptr; ++entry) {
        environment.emplace_back(*entry);
    }
    return environment;
}

std::string WithoutControls(std::string_view text) {
    std::string out;
    for (const char c : text) {
        if (static_cast<unsigned char>(c) >= 0x20 && c != 0x7F) {
            out += c;
        }
    }
    return out;
}

std::vector<std::string> SplitAtBlanks(std::string_view text) {
    std::vector<std::string> words;
    std::istringstream in{WithoutControls(text)};
    for (std::string word; std::getline(in, word, ' ');) {
        if (!word.empty()) {
            words.push_back(DosNameToNative(word));
        }
    }
    return words;
}

StartOutcome StartNative(const fs::path& program, const fs::path& folder, std::string_view title,
                         std::string_view parameters, const std::string& lockFile) {
    if (::access(program.c_str(), X_OK) != 0) {
        return StartOutcome::Failure(errno);
    }
    SpawnPlan plan;
    if (HasDisplay()) {
        if (auto xterm = FindOnPath("xterm")) {
            plan.argv = {*xterm, "-T", DosNameToNative(title), "-e"};
        } else if (auto terminal = FindOnPath("x-terminal-emulator")) {
            plan.argv = {*terminal, "-e"};
        }
    }
    plan.argv.push_back(program.string());
    for (auto& word : SplitAtBlanks(parameters)) {
        plan.argv.push_back(std::move(word));
    }
    plan.environment = Environment();
    plan.workingFolder = folder.string();
    plan.lockFile = lockFile;
    return SpawnDetached(plan);
}

// A native path as DOSBox sees it on the drive mounted from that drive's root.
std::optional<std::string> DosBoxPath(const WinePrefix& prefix, char letter,
                                      const fs::path& native) {
    const auto root = prefix.DriveRoot(letter);
    if (!root) {
        return std::nullopt;
    }
    std::string path;
    for (const auto& part : native.lexically_relative(*root)) {
        if (part == ".") {
            continue;
        }
        if (part == "..") {
            return std::nullopt;
        }
        path += '\\';
        path += part.string();
    }
    return path.empty() ? std::string("\\") : path;
}

std::optional<fs::path> MakePrivateFolder() {
    std::error_code ec;
    std::string pattern = (fs::temp_directory_path(ec) / "zelstart-XXXXXX").string();
    if (ec || ::mkdtemp(pattern.data()) == nullptr) {
        return std::nullopt;
    }
    return fs::path(pattern);
}

bool WriteNew(const fs::path& path, std::string_view bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    out.close();
    return !out.fail();
}

StartOutcome StartInDosBox(const WinePrefix& prefix, const DosStartPlanner& dosStart,
                           const StartRequest& request, const fs::path& program,
                           const fs::path& folder, const std::optional<CharacterPrinting>& printing,
                           const std::string& lockFile) {
    const auto dosbox = FindOnPath("dosbox");
    if (!dosbox) {
        return {StartOutcomeKind::NoDosBox, 0};
    }
    const char programDrive = AsciiUpper(request.program.front());
    const char workingDrive = AsciiUpper(request.workingDirectory.front());
    const auto programPath = DosBoxPath(prefix, programDrive, program);
    const auto folderPath = DosBoxPath(prefix, workingDrive, folder);
    if (!programPath || !folderPath) {
        return StartOutcome::Failure();
    }
    DosBoxStartFacts facts;
    for (const char letter : prefix.Letters()) {
        DosBoxDrive drive;
        drive.letter = letter;
        drive.nativeRoot = prefix.DriveRoot(letter)->string();
        drive.cdrom = DriveTypeOf(prefix, letter) == DriveType::CdRom;
        drive.label = VolumeLabelOf(prefix, letter).value_or(std::string{});
        facts.drives.push_back(std::move(drive));
        facts.usedLetters.push_back(letter);
    }
    facts.program = std::string{programDrive, ':'} + *programPath;
    facts.workingDrive = workingDrive;
    facts.workingFolder = *folderPath;
    facts.parameters = request.parameters;
    facts.capturePrinter = printing.has_value();
    const auto privateFolder = MakePrivateFolder();
    if (!privateFolder) {
        return StartOutcome::Failure(errno);
    }
    const auto files = dosStart.StartFiles(facts, privateFolder->string());
    if (!files) {
        std::error_code ec;
        fs::remove_all(*privateFolder, ec);
        return StartOutcome::Failure();
    }

    SpawnPlan plan;
    plan.argv = {*dosbox, "-conf", (*privateFolder / kDosBoxConfigName).string()};
    plan.environment = Environment();
    if (!HasDisplay()) {
        plan.environment.emplace_back("SDL_VIDEODRIVER=dummy");
        plan.environment.emplace_back("SDL_AUDIODRIVER=dummy");
    }
    plan.workingFolder = privateFolder->string();
    plan.leftoverFolder = privateFolder->string();
    plan.lockFile = lockFile;
    bool written = true;
    for (const auto& file : *files) {
        const fs::path path = *privateFolder / file.name;
        plan.leftovers.push_back(path.string());
        written = written && WriteNew(path, file.bytes);
    }
    if (printing) {
        RelayPrinting(*printing, DosNameToNative(FileNamePart(request.program)), *privateFolder,
                      plan);
    }
    const StartOutcome outcome = written ? SpawnDetached(plan) : StartOutcome::Failure(errno);
    if (!outcome.Started()) {
        std::error_code ec;
        fs::remove_all(*privateFolder, ec);
    }
    return outcome;
}

} // namespace

StartOutcome StartProgramOf(const WinePrefix& prefix, StartRequest request,
                            const std::string& relay, const DosStartPlanner* dosStart) {
    if (request.program.empty()) {
        return StartOutcome::Failure(ENOENT);
    }
    request.program = Absolute(prefix, request.program);
    const auto program = prefix.ToNative(request.program);
    if (!IsFile(program)) {
        return StartOutcome::Failure(ENOENT);
    }
    if (request.workingDirectory.empty()) {
        std::string_view folder = DirectoryPart(request.program);
        if (folder.size() > 3) {
            folder.remove_suffix(1);
        }
        request.workingDirectory = std::string(folder);
    }
    request.workingDirectory = Absolute(prefix, request.workingDirectory);
    const auto folder = prefix.ToNative(request.workingDirectory);
    std::error_code ec;
    if (!folder || !fs::is_directory(*folder, ec)) {
        return StartOutcome::Failure(ENOENT);
    }
    const auto lock = request.dataLockFile
                          ? prefix.ToNative(Absolute(prefix, *request.dataLockFile))
                          : std::nullopt;
    const std::string lockFile = lock ? lock->string() : std::string{};
    switch (KindOf(*program, request.program)) {
    case ProgramKind::Dos:
        if (dosStart == nullptr) {
            return StartOutcome::Failure(ENOEXEC);
        }
        return StartInDosBox(prefix, *dosStart, request, *program, *folder,
                             request.characterPrinter ? std::optional<CharacterPrinting>(
                                                            {*request.characterPrinter, relay})
                                                      : std::nullopt,
                             lockFile);
    case ProgramKind::Native:
        return StartNative(*program, *folder,
                           request.title.empty() ? FileNamePart(request.program) : request.title,
                           request.parameters, lockFile);
    case ProgramKind::Unknown:
        break;
    }
    return StartOutcome::Failure(ENOEXEC);
}

} // namespace zel::posix
