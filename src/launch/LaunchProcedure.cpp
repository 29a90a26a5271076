#include "launch/LaunchProcedure.h"

#include "launch/ExportRenames.h"
#include "launch/ProgramInformationFile.h"
#include "text/AsciiUpper.h"
#include "text/CodePage1250.h"
#include "text/FixedText.h"

namespace zel {
namespace {

// Programs on NTFS have been warned about since this day.
constexpr LocalDateTime kNtfsWarningSince{2006, 3, 1, 0, 0, 0};

bool IsRunning(Platform& platform, std::string_view lockPath) {
    // A running program keeps its lock file open exclusively; a missing file says nothing.
    return platform.FileExists(lockPath) &&
           !platform.MakeSharingProbe()->CanOpenExclusive(lockPath);
}

std::string RunningText(Product product) {
    const char* name = product == Product::Bookkeeping ? "Az egyszeres könyvviteli program"
                                                       : "A bérszámfejtő program";
    return Utf8ToCp1250(std::string(name) + " a kiválasztott helyen már fut!");
}

bool OnNtfs(Platform& platform, char driveLetter) {
    const auto name = platform.FileSystemName(AsciiUpper(driveLetter));
    return name && name->starts_with("NTFS");
}

void WarnAboutNtfs(MessageSink& messages) {
    messages.ShowMessage(
        Utf8ToCp1250("Az indítandó program jelenleg NTFS partíción van, ami instabilitáshoz "
                     "vezethet."),
        MessageKind::Warning,
        Utf8ToCp1250(" Telepítse át mielőbb FAT partícióra! Technikai segítségért hívja a "
                     "forgalmazót!"));
    messages.WaitForMessage();
}

// Said at every such start: the pages of this run would be lost.
void WarnAboutNoPrinter(MessageSink& messages) {
    messages.ShowMessage(
        Utf8ToCp1250("Nincs nyomtató, amelyre a program karakteres nyomtatása eljuthatna."),
        MessageKind::Warning,
        Utf8ToCp1250(" Állítson be nyomtatót, vagy nyomtasson a Windows alapértelmezett "
                     "nyomtatójával!"));
    messages.WaitForMessage();
}

} // namespace

std::string LaunchParameters(const ProgramCatalogue& catalogue, int slot, bool ntFamily,
                             bool windowsPrintMode, std::string_view spoolDirectory) {
    std::string parameters(catalogue.StartParams(slot, catalogue.DriveLetter(slot)));
    if (ntFamily) {
        const std::string_view tag = slot == kSlotA00 ? "NT2000" : "SERVER";
        if (parameters.find(tag) == std::string::npos) {
            parameters += ' ';
            parameters += tag;
        }
    }
    if (windowsPrintMode) {
        parameters += " PRN:";
        parameters += spoolDirectory;
    }
    return CutText(parameters, kPathCapacity);
}

LaunchResult LaunchProgram(Platform& platform, ProgramCatalogue& catalogue, int slot,
                           bool windowsPrintMode, std::string_view spoolDirectory,
                           std::string_view printer, MessageSink& messages) {
    const ProgramSlot& program = catalogue.Slot(slot);
    catalogue.currentSlot = slot;
    const char driveLetter = catalogue.DriveLetter(slot);

    if (slot == kSlotB03) {
        RenamePayroll2003Exports(platform, driveLetter);
    }

    if (IsRunning(platform, catalogue.DataLockPath(slot))) {
        messages.ShowMessage(RunningText(ProductOf(slot)), MessageKind::Error, "");
        messages.WaitForMessage();
        return LaunchResult::AlreadyRunning;
    }

    if (OnNtfs(platform, driveLetter) && platform.Now() >= kNtfsWarningSince) {
        WarnAboutNtfs(messages);
    }

    if (windowsPrintMode) {
        platform.SetCharacterPrinter(std::nullopt);
    } else {
        platform.SetCharacterPrinter(std::string(printer));
        if (!platform.HasCharacterPrinter()) {
            WarnAboutNoPrinter(messages);
        }
    }

    const std::string pifPath = catalogue.ProgramInformationPath(slot);
    const std::string parameters = LaunchParameters(catalogue, slot, platform.Version().ntFamily,
                                                    windowsPrintMode, spoolDirectory);
    WriteProgramInformationFile(platform, pifPath, program.exeName.view(),
                                catalogue.ExecutablePath(slot), program.directory.view(),
                                parameters);
    return platform.StartProgram(pifPath) ? LaunchResult::Started : LaunchResult::StartFailed;
}

} // namespace zel
