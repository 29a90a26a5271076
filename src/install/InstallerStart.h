#pragma once
// Starting the installer of an accounting program from the install box: the floppy's
// INSTALL.EXE or a file the user names. The launcher installs nothing itself; it checks
// the file and starts it through RUN.PIF in the ZELKOR folder of its start drive.

#include "platform/MessageSink.h"
#include "platform/Platform.h"
#include "text/DosPath.h"

#include <optional>
#include <string>
#include <string_view>

namespace zel {

struct InstallerChoice {
    bool fromFloppy = false;
    // The path field's text, code page 1250.
    std::string pathText;
};

enum class InstallerOutcome {
    NameRefused,
    FloppyMissing,
    FileMissing,
    LauncherRefused,
    Started,
    // The platform could not start it: told as a program's failed start is.
    StartFailed,
};

struct InstallerStartResult {
    InstallerOutcome outcome = InstallerOutcome::NameRefused;
    // The normalised text for the path field; none when the name check stopped first.
    std::optional<std::string> pathText;
};

// The refusals and a failed start are told through messages of kind Error. RUN.PIF that
// cannot be written throws IoError.
InstallerStartResult StartInstaller(Platform& platform, MessageSink& messages,
                                    const InstallerChoice& choice, std::string_view startDirectory);

// Whether the upper-cased text contains a name the install box may run.
[[nodiscard]] bool IsAcceptedInstallerName(std::string_view pathText);

// Capitals for a to z and backslashes for slashes, cut to a path's length.
std::string NormaliseInstallerPath(std::string_view pathText);

// "X:\ZELKOR\RUN.PIF", X being the start directory's drive.
DosPath InstallerInformationPath(std::string_view startDirectory);

} // namespace zel
