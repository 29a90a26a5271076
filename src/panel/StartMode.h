#pragma once
// The program's start: a platform that is too old is refused, else the configuration file
// in the start directory chooses between the normal panel and the self-installation.

#include "platform/Platform.h"

#include <string_view>

namespace zel {

enum class StartMode {
    Refused,
    Normal,
    Install,
};

// Major version 3 with a minor version of 20 or less.
[[nodiscard]] bool IsRefusedVersion(const PlatformVersion& version);

// startDirectory is the current directory the program started in; empty outside every
// drive.
[[nodiscard]] StartMode ChooseStartMode(Platform& platform, std::string_view startDirectory);

// "A program a jelen Windows változattal nem futtatható !", code page 1250.
[[nodiscard]] std::string RefusedVersionText();

} // namespace zel
