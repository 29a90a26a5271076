#include "config/ConfigFile.h"

#include "catalogue/LauncherFiles.h"
#include "config/ConfigChanges.h"
#include "platform/DosTextReader.h"
#include "platform/IoError.h"
#include "platform/WholeFile.h"
#include "text/DosPath.h"

#include <memory>
#include <optional>

namespace zel {
namespace {

constexpr std::string_view kWindowsModeOn = "[NYOMTATAS_MODJA_WINDOWS=TRUE]";
constexpr std::string_view kWindowsModeOff = "[NYOMTATAS_MODJA_WINDOWS=FALSE]";
constexpr std::string_view kPrintingOn = "[NYOMTATAS_ENGEDELYEZVE=TRUE]";
constexpr std::string_view kPrintingOff = "[NYOMTATAS_ENGEDELYEZVE=FALSE]";
constexpr std::string_view kLineEnd = "\r\n";

void SetDefaults(ProgramCatalogue& catalogue, LauncherConfig& config) {
    for (int slot = 1; slot <= kSlotCount; ++slot) {
        for (char letter = 'C'; letter <= 'Z'; ++letter) {
            catalogue.SetStartParams(slot, letter, "");
        }
    }
    config.windowsPrintMode = false;
    config.printingEnabled = true;
}

// Characters 2 to 31 of the line over the blanks; a short line's "]" is copied too.
void TakeDriveLine(std::string_view line, std::string& remembered) {
    remembered.assign(kRememberedDrives, ' ');
    if (line.size() > 1) {
        const std::string_view letters = line.substr(1, kRememberedDrives);
        remembered.replace(0, letters.size(), letters);
    }
}

std::string_view WithoutFirstAndLast(std::string_view line) {
    return line.size() < 3 ? std::string_view{} : line.substr(1, line.size() - 2);
}

// The highest slot whose executable name occurs anywhere in the line, 0 for none: a line
// that names two programs belongs to the later one.
int SlotNamedIn(const ProgramCatalogue& catalogue, std::string_view line) {
    for (int slot = kSlotCount; slot >= 1; --slot) {
        const std::string_view exeName = catalogue.Slot(slot).exeName.view();
        if (!exeName.empty() && line.find(exeName) != std::string_view::npos) {
            return slot;
        }
    }
    return 0;
}

void TakeParameterLine(std::string_view line, ProgramCatalogue& catalogue) {
    const int slot = SlotNamedIn(catalogue, line);
    // The writer never puts anything but a drive letter second; a line that does is foreign.
    if (slot == 0 || line.size() < 2 || DriveIndex(line[1]) < 0) {
        return;
    }
    const auto blank = line.find(' ');
    const std::size_t start = blank == std::string_view::npos ? 0 : blank + 1;
    const std::size_t end = line.size() - 1;
    const std::string_view text = start < end ? line.substr(start, end - start) : "";
    catalogue.SetStartParams(slot, line[1], text);
}

void TakeLaterLine(std::string_view line, ProgramCatalogue& catalogue, LauncherConfig& config) {
    if (line == kWindowsModeOn) {
        config.windowsPrintMode = true;
    } else if (line == kWindowsModeOff) {
        config.windowsPrintMode = false;
    } else if (line == kPrintingOn) {
        config.printingEnabled = true;
    } else if (line == kPrintingOff) {
        config.printingEnabled = false;
    } else {
        TakeParameterLine(line, catalogue);
    }
}

void AppendLine(std::string& out, std::string_view line) {
    out += line;
    out += kLineEnd;
}

std::string DriveLetterLine(const ProgramCatalogue& catalogue, int firstSlot) {
    std::string line = "[";
    for (int slot = firstSlot; slot <= kSlotCount; slot += 2) {
        line += catalogue.DriveLetter(slot);
    }
    return line + "]";
}

void TakeFile(InputFile& file, ProgramCatalogue& catalogue, LauncherConfig& config) {
    DosTextReader reader(file, LineEnd::LfDroppingCr, kPathCapacity);
    config.rememberedDrivesA.assign(kRememberedDrives, ' ');
    config.rememberedDrivesB.assign(kRememberedDrives, ' ');
    if (!reader.AtEnd()) {
        TakeDriveLine(reader.ReadLine(), config.rememberedDrivesA);
    }
    if (!reader.AtEnd()) {
        TakeDriveLine(reader.ReadLine(), config.rememberedDrivesB);
    }
    if (!reader.AtEnd()) {
        config.installSourcePath = WithoutFirstAndLast(reader.ReadLine());
    }
    while (!reader.AtEnd()) {
        TakeLaterLine(reader.ReadLine(), catalogue, config);
    }
}

// The settings of the file as it is on disk now; nothing when it cannot be read.
std::optional<ConfigSettings> SettingsOnDisk(Platform& platform, std::string_view iniPath) {
    ProgramCatalogue catalogue;
    catalogue.Fill();
    LauncherConfig config;
    SetDefaults(catalogue, config);
    try {
        TakeFile(*platform.OpenForRead(iniPath), catalogue, config);
    } catch (const IoError&) {
        return std::nullopt;
    }
    return SettingsAsRead(catalogue, config);
}

} // namespace

DosPath ConfigFilePath(std::string_view startDirectory) {
    // An empty start directory (outside every drive) names the root of the current drive.
    return DosPath(startDirectory.empty() ? std::string("\\") : std::string(startDirectory)) /
           kConfigFileName;
}

void ReadConfigFile(Platform& platform, std::string_view iniPath, ProgramCatalogue& catalogue,
                    LauncherConfig& config) {
    SetDefaults(catalogue, config);
    std::unique_ptr<InputFile> file;
    try {
        file = platform.OpenForRead(iniPath);
    } catch (const IoError&) {
        return;
    }
    TakeFile(*file, catalogue, config);
}

std::string ComposeConfigFile(const ProgramCatalogue& catalogue, const LauncherConfig& config) {
    std::string out;
    AppendLine(out, DriveLetterLine(catalogue, 1));
    AppendLine(out, DriveLetterLine(catalogue, 2));
    AppendLine(out, CutText("[" + config.installSourcePath + "]", kPathCapacity));
    for (int slot = 1; slot <= kSlotCount; ++slot) {
        for (char letter = 'A'; letter <= 'Z'; ++letter) {
            const std::string_view params = catalogue.StartParams(slot, letter);
            if (!params.empty()) {
                AppendLine(out, "[" + catalogue.ExecutablePathOn(slot, letter) + " " +
                                    std::string(params) + "]");
            }
        }
    }
    AppendLine(out, config.windowsPrintMode ? kWindowsModeOn : kWindowsModeOff);
    AppendLine(out, config.printingEnabled ? kPrintingOn : kPrintingOff);
    return out;
}

ConfigWriteResult WriteConfigFile(Platform& platform, std::string_view iniPath,
                                  const ProgramCatalogue& catalogue, const LauncherConfig& config,
                                  const ConfigSettings* asRead) {
    constexpr ConfigWriteResult kKept{ConfigWriteResult::Outcome::Kept};
    std::string bytes = ComposeConfigFile(catalogue, config);
    // A file that cannot be read gave none of its settings; replacing it would lose them.
    // One made read-only keeps the settings its user froze there.
    if (platform.FileExists(iniPath)) {
        const auto onDisk = SettingsOnDisk(platform, iniPath);
        if (!onDisk || !platform.MakeSharingProbe()->CanOpenDenyWrite(iniPath)) {
            return kKept;
        }
        if (asRead != nullptr) {
            ProgramCatalogue merged = catalogue;
            LauncherConfig mergedConfig = config;
            ApplySettings(MergeChanges(*onDisk, *asRead, SettingsNow(catalogue, config)), merged,
                          mergedConfig);
            bytes = ComposeConfigFile(merged, mergedConfig);
        }
    }
    if (const auto error = ReplaceWholeFile(platform, iniPath, bytes)) {
        return {ConfigWriteResult::Outcome::Failed, *error};
    }
    return {};
}

} // namespace zel
