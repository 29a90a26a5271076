#include "panel/StartMode.h"

#include "config/ConfigFile.h"
#include "text/CodePage1250.h"

namespace zel {

bool IsRefusedVersion(const PlatformVersion& version) {
    return version.major == 3 && version.minor <= 20;
}

StartMode ChooseStartMode(Platform& platform, std::string_view startDirectory) {
    if (IsRefusedVersion(platform.Version())) {
        return StartMode::Refused;
    }
    return !startDirectory.empty() && platform.FileExists(ConfigFilePath(startDirectory))
               ? StartMode::Normal
               : StartMode::Install;
}

std::string RefusedVersionText() {
    return Utf8ToCp1250("A program a jelen Windows változattal nem futtatható !");
}

} // namespace zel
