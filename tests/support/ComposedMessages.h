#pragma once
// Every message the launcher composes itself, each with the widest second line it can have,
// for the faces' tests to measure in their message windows.

#include "launch/LaunchMessages.h"
#include "panel/LauncherMessages.h"
#include "platform/IoError.h"

#include <vector>

namespace zel::test {

inline std::vector<MessageLines> ComposedMessages() {
    std::vector<MessageLines> messages{
        NoPrinterWarning(),
        DosBoxMissingMessage(),
        StartFailedMessage("C:\\ZELKONYV.97\\A97.EXE"),
        BadPathMessage("C:\\ZELKONYV.97\\A97.EXE", IoErrorKind::InvalidFilename),
        {ParametersTooLongText(), ParametersTooLongAdvice()},
        // The shortest name a list can have makes the first line narrowest.
        StuckListMessage("ws.A17"),
        // Whatever the printer says, even nothing, the first line stays the wider.
        PrintingStoppedMessage(""),
    };
    for (const IoErrorKind kind :
         {IoErrorKind::InvalidFilename, IoErrorKind::InvalidDrive, IoErrorKind::AccessDenied,
          IoErrorKind::FileNotFound, IoErrorKind::PathNotFound, IoErrorKind::FileExists,
          IoErrorKind::DiskFull, IoErrorKind::ReadError, IoErrorKind::WriteError}) {
        messages.push_back({SettingsNotSavedText(), IoErrorText(kind)});
    }
    return messages;
}

} // namespace zel::test
