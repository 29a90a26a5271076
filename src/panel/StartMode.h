#pragma once
// The program's start: a platform that is too old is refused, else the configuration file
// in the current directory chooses between the normal panel and the self-installation.

#include "platform/Platform.h"

namespace zel {

enum class StartMode {
    Refused,
    Normal,
    Install,
};

// Major version 3 with a minor version of 20 or less.
[[nodiscard]] bool IsRefusedVersion(const PlatformVersion& version);

[[nodiscard]] StartMode ChooseStartMode(Platform& platform);

// "A program a jelen Windows változattal nem futtatható !", code page 1250.
[[nodiscard]] std::string RefusedVersionText();

} // namespace zel
