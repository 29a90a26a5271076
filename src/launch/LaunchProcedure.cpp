#include "launch/LaunchProcedure.h"

#include "launch/ExportRenames.h"
#include "launch/LaunchMessages.h"
#include "launch/ProgramInformationFile.h"
#include "platform/IoError.h"
#include "text/AsciiUpper.h"
#include "text/CodePage1250.h"
#include "text/FixedText.h"

#include <vector>

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

std::string NtfsWarning() {
    return Utf8ToCp1250("Az indítandó program jelenleg NTFS partíción van, ami instabilitáshoz "
                        "vezethet.");
}

std::string NtfsAdvice() {
    return Utf8ToCp1250(" Telepítse át mielőbb FAT partícióra! Technikai segítségért hívja a "
                        "forgalmazót!");
}

// A start that fails is told, never left to look like a click that did nothing.
LaunchResult Start(Platform& platform, MessageSink& messages, const StartRequest& request,
                   Product product) {
    try {
        WriteProgramInformationFile(platform, request.informationFile, request.title,
                                    request.program, request.workingDirectory, request.parameters);
    } catch (const IoError& error) {
        if (error.Kind() != IoErrorKind::InvalidDrive &&
            error.Kind() != IoErrorKind::InvalidFilename) {
            throw;
        }
        const MessageLines told = BadPathMessage(request.program, error.Kind());
        messages.ShowMessage(told.text, MessageKind::Error, told.detail);
        return LaunchResult::BadPath;
    }
    const StartOutcome outcome = platform.StartProgram(request);
    MessageLines told;
    LaunchResult result = LaunchResult::CannotStart;
    switch (outcome.kind) {
    case StartOutcomeKind::Started:
        return LaunchResult::Started;
    case StartOutcomeKind::LockTaken:
        told = {RunningText(product), {}};
        result = LaunchResult::LockTaken;
        break;
    case StartOutcomeKind::NoDosBox:
        told = DosBoxMissingMessage();
        result = LaunchResult::NoDosBox;
        break;
    case StartOutcomeKind::CannotStart:
        told = StartFailedMessage(request.program);
        break;
    }
    messages.ShowMessage(told.text, MessageKind::Error, told.detail);
    return result;
}

// Each warning waits for its answer before the next is shown; the program starts after the
// last.
void WarnThenStart(Platform& platform, MessageSink& messages, std::vector<MessageLines> warnings,
                   StartRequest request, Product product) {
    if (warnings.empty()) {
        // Whatever became of it has been told; no caller is left to hand the result to.
        (void)Start(platform, messages, request, product);
        return;
    }
    const MessageLines first = warnings.front();
    warnings.erase(warnings.begin());
    messages.ShowMessageThen(
        first.text, MessageKind::Warning, first.detail,
        [&platform, &messages, warnings = std::move(warnings), request = std::move(request),
         product] { WarnThenStart(platform, messages, warnings, request, product); });
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
        return LaunchResult::AlreadyRunning;
    }

    StartRequest request{catalogue.ExecutablePath(slot),
                         std::string(program.directory.view()),
                         LaunchParameters(catalogue, slot, platform.Version().ntFamily,
                                          windowsPrintMode, spoolDirectory),
                         std::string(program.exeName.view()),
                         catalogue.ProgramInformationPath(slot),
                         windowsPrintMode ? std::nullopt
                                          : std::optional<std::string>(std::string(printer)),
                         catalogue.DataLockPath(slot)};
    std::vector<MessageLines> warnings;
    if (OnNtfs(platform, driveLetter) && platform.Now() >= kNtfsWarningSince) {
        warnings.push_back({NtfsWarning(), NtfsAdvice()});
    }
    if (!windowsPrintMode && !platform.HasCharacterPrinter(printer)) {
        warnings.push_back(NoPrinterWarning());
    }
    if (warnings.empty()) {
        return Start(platform, messages, request, ProductOf(slot));
    }
    WarnThenStart(platform, messages, std::move(warnings), std::move(request), ProductOf(slot));
    return LaunchResult::AfterWarning;
}

} // namespace zel
