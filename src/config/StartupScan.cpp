#include "config/StartupScan.h"

#include "config/ConfigFile.h"
#include "config/CountingPause.h"
#include "config/DriveList.h"
#include "config/DriveMarking.h"
#include "config/InstallationSearch.h"
#include "config/RowState.h"
#include "text/CodePage1250.h"

namespace zel {

std::string DriveLetterLabel(char letter) {
    return letter + Utf8ToCp1250(": meghajtó keresése...") + std::string(28, ' ');
}

std::string NetworkAndCdLabel() {
    return Utf8ToCp1250("Hálózati meghajtók és CD-k keresése...");
}

std::string PrintingStoppedWarning() {
    return Utf8ToCp1250("A Windows alapú nyomtatás jelenleg inaktív!");
}

void RunStartupScan(Platform& platform, std::string_view iniPath, ScanState state,
                    ProgressView& progress, StartupControls& controls, MessageSink& messages) {
    progress.ShowOverMainWindow();

    for (char letter = 'C'; letter <= 'Z'; ++letter) {
        CountingPause(kFirstPassPause);
        progress.SetGauge(letter - 'C');
        progress.SetLabel(DriveLetterLabel(letter));
    }

    progress.SetLabel(NetworkAndCdLabel());
    state.driveTable = MarkDrives(ReadDriveList(platform));

    ReadConfigFile(platform, iniPath, state.catalogue, state.config);
    controls.ApplyConfig(state.config);

    InstallationFinds finds;
    for (char letter = 'C'; letter <= 'Z'; ++letter) {
        progress.SetLabel(DriveLetterLabel(letter));
        progress.SetGauge(letter - 'C' + 23);
        CountingPause(kSecondPassPause);
        if (state.driveTable.IsMarked(letter)) {
            SearchDrive(platform, state.catalogue, letter, finds);
        }
    }

    controls.ApplyRowStates(ComputeRowStates(finds, state.config, state.catalogue));
    if (!state.config.printingEnabled) {
        messages.ShowMessage(PrintingStoppedWarning(), MessageKind::Warning, "");
    }
}

} // namespace zel
