// ZELPULT.EXE, the Windows edition: the same start-up modes as on Linux, with the Win32 face.

#include "dos/DosBoxStartPlan.h"
#include "dos/PrintRelayJobs.h"
#include "platform/HelperMode.h"
#include "platform/Platform.h"
#include "winui/Launcher.h"
#include "winui/Win32Ui.h"

#include <cstdlib>

int WINAPI WinMain(HINSTANCE /*instance*/, HINSTANCE /*previous*/, LPSTR /*commandLine*/,
                   int /*show*/) {
    if (const auto helped = zel::RunHelperMode(__argc, __argv, zel::MakePrintRelayJobs)) {
        return *helped;
    }
    const zel::DosBoxStartPlanner dosStart;
    const auto platform = zel::MakePlatform(dosStart);
    zel::Launcher launcher(*platform);
    return launcher.Run();
}
