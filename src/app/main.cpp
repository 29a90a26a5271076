#include "platform/Platform.h"
#include "ui/Application.h"
#include "ui/Launcher.h"

int main(int argc, char** argv) {
    zel::Application app(argc, argv);
    const auto platform = zel::MakePlatform();
    zel::Launcher launcher(*platform);
    return launcher.Run();
}
