#include "install/InstallerStart.h"

#include "catalogue/LauncherFiles.h"
#include "launch/LaunchMessages.h"
#include "launch/ProgramInformationFile.h"
#include "text/AsciiUpper.h"
#include "text/CodePage1250.h"
#include "text/DosPath.h"
#include "text/FixedText.h"

namespace zel {
namespace {

constexpr std::string_view kFloppyInstaller = "A:\\INSTALL.EXE";
constexpr std::string_view kFloppyDirectory = "A:\\";
constexpr int kFirstInstallerYear = 1998;
constexpr int kLastInstallerYear = 2009;

bool Contains(std::string_view text, std::string_view part) {
    return text.find(part) != std::string_view::npos;
}

// The installer's start goes through RUN.PIF as every launch goes through its own file; an
// installer prints nothing, so its port is left as it is. A start that fails is told as a
// program's is.
InstallerOutcome Start(Platform& platform, MessageSink& messages, const StartRequest& request) {
    WriteProgramInformationFile(platform, request.informationFile, request.title, request.program,
                                request.workingDirectory, request.parameters);
    const StartOutcome outcome = platform.StartProgram(request);
    if (outcome.Started()) {
        return InstallerOutcome::Started;
    }
    const MessageLines told = outcome.kind == StartOutcomeKind::NoDosBox
                                  ? DosBoxMissingMessage()
                                  : StartFailedMessage(request.program);
    messages.ShowMessage(told.text, MessageKind::Error, told.detail);
    return InstallerOutcome::StartFailed;
}

InstallerStartResult Refuse(MessageSink& messages, InstallerOutcome outcome,
                            std::optional<std::string> pathText, std::string_view text) {
    messages.ShowMessage(CutText(text, kPathCapacity), MessageKind::Error, {});
    return {outcome, std::move(pathText)};
}

} // namespace

bool IsAcceptedInstallerName(std::string_view pathText) {
    const std::string upper = AsciiUpper(pathText);
    if (Contains(upper, "INSTALL.EXE")) {
        return true;
    }
    for (int year = kFirstInstallerYear; year <= kLastInstallerYear; ++year) {
        const std::string yyyy = std::to_string(year);
        if (Contains(upper, "ZELKONYV" + yyyy + ".EXE") ||
            Contains(upper, "ZELBER" + yyyy + ".EXE")) {
            return true;
        }
    }
    return false;
}

std::string NormaliseInstallerPath(std::string_view pathText) {
    std::string path = AsciiUpper(CutText(pathText, kPathCapacity));
    for (char& c : path) {
        if (c == '/') {
            c = '\\';
        }
    }
    return path;
}

DosPath InstallerInformationPath(std::string_view startDirectory) {
    return DosPath(std::string(startDirectory.substr(0, 1)) + ":\\") / kInstallFolderName /
           kInstallerInformationName;
}

InstallerStartResult StartInstaller(Platform& platform, MessageSink& messages,
                                    const InstallerChoice& choice,
                                    std::string_view startDirectory) {
    if (!choice.fromFloppy && !IsAcceptedInstallerName(choice.pathText)) {
        return Refuse(messages, InstallerOutcome::NameRefused, std::nullopt,
                      Utf8ToCp1250("Csak \"INSTALL.EXE\" , \"ZELKONYV(év).EXE\" , "
                                   "\"ZELBER(év).EXE\" futtatható!"));
    }
    std::string path = NormaliseInstallerPath(choice.pathText);
    const DosPath informationPath = InstallerInformationPath(startDirectory);

    if (choice.fromFloppy) {
        if (!platform.FileExists(kFloppyInstaller)) {
            return Refuse(messages, InstallerOutcome::FloppyMissing, std::move(path),
                          Utf8ToCp1250("Az \"A:\\INSTALL.EXE\" program nem érhető el!"));
        }
        const InstallerOutcome outcome = Start(platform, messages,
                                               {std::string(kFloppyInstaller),
                                                std::string(kFloppyDirectory),
                                                {},
                                                "INSTALL",
                                                informationPath.Text(),
                                                std::nullopt,
                                                std::nullopt});
        return {outcome, std::move(path)};
    }

    // Without a backslash the installer runs in the root of the current drive.
    const std::string workingDirectory =
        DirectoryPart(path).empty() ? std::string("\\") : std::string(DirectoryPart(path));
    if (!platform.FileExists(path)) {
        const std::string text =
            Utf8ToCp1250("A(z) \"") + path + Utf8ToCp1250("\" program nem érhető el!");
        return Refuse(messages, InstallerOutcome::FileMissing, std::move(path), text);
    }
    if (Contains(path, kLauncherExecutable)) {
        return Refuse(messages, InstallerOutcome::LauncherRefused, std::move(path),
                      Utf8ToCp1250("Az ZELKOR Indítópult csak egy példányban futhat!"));
    }
    const InstallerOutcome outcome = Start(
        platform, messages,
        {path, workingDirectory, {}, "RUN", informationPath.Text(), std::nullopt, std::nullopt});
    return {outcome, std::move(path)};
}

} // namespace zel
