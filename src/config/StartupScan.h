#pragma once
// The start-up scan: two passes over the drive letters in the progress window, with the
// drive marking, the configuration file and the search for installed programs in between,
// ending with every row in its state. It runs once, before the event loop, on the one thread.

#include "catalogue/ProgramCatalogue.h"
#include "config/DriveTable.h"
#include "config/LauncherConfig.h"
#include "config/ProgressView.h"
#include "config/StartupControls.h"
#include "platform/MessageSink.h"
#include "platform/Platform.h"

#include <string>
#include <string_view>

namespace zel {

// The process-wide state the scan fills.
struct ScanState {
    ProgramCatalogue& catalogue;
    LauncherConfig& config;
    DriveTable& driveTable;
};

// "C: meghajtó keresése..." and 28 blanks, which wipe out a longer earlier text.
[[nodiscard]] std::string DriveLetterLabel(char letter);
[[nodiscard]] std::string NetworkAndCdLabel();
[[nodiscard]] std::string PrintingStoppedWarning();

// A read error of the configuration file throws IoError and ends the scan there.
void RunStartupScan(Platform& platform, std::string_view iniPath, ScanState state,
                    ProgressView& progress, StartupControls& controls, MessageSink& messages);

} // namespace zel
