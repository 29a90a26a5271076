#include "dos/DosBoxStartPlan.h"
#include "dos/PrintRelayJobs.h"
#include "platform/HelperMode.h"
#include "platform/Platform.h"
#include "ui/Application.h"
#include "ui/Launcher.h"

int main(int argc, char** argv) {
    if (const auto helped = zel::RunHelperMode(argc, argv, zel::MakePrintRelayJobs)) {
        return *helped;
    }
    zel::Application app(argc, argv);
    const zel::DosBoxStartPlanner dosStart;
    const auto platform = zel::MakePlatform(dosStart);
    zel::Launcher launcher(*platform);
    return launcher.Run();
}
