#include "platform/posix/ProgramStarter.h"

#include "platform/DosBoxConfig.h"
#include "platform/DosStart.h"
#include "platform/posix/DetachedSpawn.h"
#include "platform/posix/DriveFacts.h"
#include "platform/posix/PrintRelayPlan.h"
#include "text/AsciiUpper.h"
#include "text/DosPath.h"

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

bool StartNative(const fs::path& program, const fs::path& folder, std::string_view title,
                 std::string_view parameters, const std::string& lockFile) {
    if (::access(program.c_str(), X_OK) != 0) {
        return false;
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

bool StartInDosBox(const WinePrefix& prefix, const StartRequest& request, const fs::path& program,
                   const fs::path& folder, const std::optional<CharacterPrinting>& printing,
                   const std::string& lockFile) {
    const auto dosbox = FindOnPath("dosbox");
    const auto spare = ChooseSpareLetters(prefix.Letters());
    const char programDrive = AsciiUpper(request.program.front());
    const char workingDrive = AsciiUpper(request.workingDirectory.front());
    const auto programPath = DosBoxPath(prefix, programDrive, program);
    const auto folderPath = DosBoxPath(prefix, workingDrive, folder);
    if (!dosbox || !spare || !programPath || !folderPath) {
        return false;
    }
    std::string target = std::string{programDrive, ':'} + *programPath;
    std::string tail = DosCommandTail(request.parameters);
    if (AsciiUpper(target).ends_with(".BAT")) {
        // A batch file runs in DOSBox's own shell, which reads redirections in its tail
        // whatever is done: those characters are left out.
        std::erase_if(tail, [](char c) { return c == '<' || c == '>' || c == '|'; });
        tail = (" /C " + target + tail).substr(0, kDosTailCapacity);
        target = std::string{spare->virtualDrive, ':'} + "\\COMMAND.COM";
    }
    const auto data =
        ComposeDosStartData(static_cast<char>(workingDrive - 'A'), *folderPath, target, tail);
    const auto privateFolder = data ? MakePrivateFolder() : std::nullopt;
    if (!privateFolder) {
        return false;
    }

    DosBoxSetup setup;
    for (const char letter : prefix.Letters()) {
        DosBoxDrive drive;
        drive.letter = letter;
        drive.nativeRoot = prefix.DriveRoot(letter)->string();
        drive.cdrom = DriveTypeOf(prefix, letter) == DriveType::CdRom;
        drive.label = VolumeLabelOf(prefix, letter).value_or(std::string{});
        setup.drives.push_back(std::move(drive));
    }
    setup.virtualDrive = spare->virtualDrive;
    setup.loaderDrive = spare->loaderDrive;
    setup.loaderFolder = privateFolder->string();
    setup.capturePrinter = printing.has_value();

    const fs::path config = *privateFolder / "dosbox.conf";
    const fs::path loader = *privateFolder / kDosStartLoaderName;
    const fs::path start = *privateFolder / kDosStartDataName;
    SpawnPlan plan;
    plan.argv = {*dosbox, "-conf", config.string()};
    plan.environment = Environment();
    if (!HasDisplay()) {
        plan.environment.emplace_back("SDL_VIDEODRIVER=dummy");
        plan.environment.emplace_back("SDL_AUDIODRIVER=dummy");
    }
    plan.workingFolder = privateFolder->string();
    plan.leftovers = {config.string(), loader.string(), start.string()};
    plan.leftoverFolder = privateFolder->string();
    plan.lockFile = lockFile;

    const bool written =
        WriteNew(config, ComposeDosBoxConfig(setup)) && WriteNew(loader, DosStartLoader()) &&
        WriteNew(start, *data) &&
        (!printing || RelayPrinting(*printing, DosNameToNative(FileNamePart(request.program)),
                                    *privateFolder, plan));
    if (!written || !SpawnDetached(plan)) {
        std::error_code ec;
        fs::remove_all(*privateFolder, ec);
        return false;
    }
    return true;
}

} // namespace

bool StartProgramOf(const WinePrefix& prefix, StartRequest request, const std::string& relay) {
    if (request.program.empty()) {
        return false;
    }
    request.program = Absolute(prefix, request.program);
    const auto program = prefix.ToNative(request.program);
    if (!IsFile(program)) {
        return false;
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
        return false;
    }
    const auto lock = request.dataLockFile
                          ? prefix.ToNative(Absolute(prefix, *request.dataLockFile))
                          : std::nullopt;
    const std::string lockFile = lock ? lock->string() : std::string{};
    switch (KindOf(*program, request.program)) {
    case ProgramKind::Dos:
        return StartInDosBox(prefix, request, *program, *folder,
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
    return false;
}

bool LacksDosBox(const WinePrefix& prefix, std::string_view program) {
    const std::string dosPath = Absolute(prefix, program);
    const auto native = prefix.ToNative(dosPath);
    return IsFile(native) && KindOf(*native, dosPath) == ProgramKind::Dos && !FindOnPath("dosbox");
}

} // namespace zel::posix
